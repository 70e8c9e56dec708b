#include "examples/host/HostRootViewController.h"

#include "core/SDKManager.h"
#include "platform/foundation/Bundle.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UINavigationController.h"
#include "platform/ui/UIScreen.h"

namespace fv {

FV_REGISTER_CLASS(HostRootViewController);

namespace {

UIColorPtr hostColor(int rgb, CGFloat alpha = 1) {
    return UIColor::colorWithRed(((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                                 (rgb & 0xFF) / 255.0, alpha);
}

UILabelPtr makeLabel(CGRect frame, const std::string& key, UIFontPtr font, UIColorPtr color) {
    auto label = std::make_shared<UILabel>(frame);
    label->setText(NSLocalizedString(key, ""));
    label->setFont(std::move(font));
    label->setTextColor(std::move(color));
    label->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    return label;
}

}  // namespace

void HostRootViewController::registerMembers(ClassBuilder<HostRootViewController>& b) {
    b.action("transferPressed:", &HostRootViewController::transferPressed);
}

void HostRootViewController::loadView() {
    const CGRect screen = UIScreen::mainScreen()->bounds();
    const CGFloat width = screen.size.width;
    auto root = UIView::create(screen);
    root->setBackgroundColor(hostColor(0xF4F6FA));
    root->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);

    auto header = UIView::create({{0, 0}, {width, 180}});
    header->setBackgroundColor(hostColor(0x1F2A56));
    header->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    header->addSubview(makeLabel({{24, 64}, {width - 48, 40}}, "HOST_TITLE", UIFont::boldSystemFontOfSize(30),
                                 UIColor::whiteColor()));
    header->addSubview(makeLabel({{24, 110}, {width - 48, 24}}, "HOST_SUBTITLE", UIFont::systemFontOfSize(17),
                                 hostColor(0xFFFFFF, 0.75)));
    root->addSubview(header);
    lbl_title.bind(std::static_pointer_cast<UILabel>(header->subviews()[0]));

    auto message = makeLabel({{24, 212}, {width - 48, 72}}, "HOST_MESSAGE", UIFont::systemFontOfSize(16),
                             hostColor(0x3A4468));
    message->setNumberOfLines(0);
    root->addSubview(message);
    lbl_message.bind(message);

    auto button = UIButton::buttonWithType(UIButtonTypeCustom);
    button->setFrame({{24, 304}, {width - 48, 52}});
    button->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    button->setBackgroundColor(hostColor(0xE4572E));
    button->layer()->cornerRadius = 10;
    button->setTitle(NSLocalizedString("HOST_TRANSFER_BUTTON", ""), UIControlStateNormal);
    button->setTitleColor(UIColor::whiteColor(), UIControlStateNormal);
    button->titleLabel()->setFont(UIFont::boldSystemFontOfSize(18));
    button->addTarget(shared_from_this(), "transferPressed:", UIControlEventTouchUpInside);
    root->addSubview(button);
    btn_transfer.bind(button);

    setView(root);
}

void HostRootViewController::transferPressed(UIButton*) {
    if (auto nav = navigationController()) SDKManager::sharedInstance()->OpenMyCards(nav);
}

}  // namespace fv
