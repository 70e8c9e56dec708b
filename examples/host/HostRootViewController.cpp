#include "examples/host/HostRootViewController.h"

#include "examples/host/Roads.h"
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
    b.action("roadPressed:", &HostRootViewController::roadPressed);
}

void HostRootViewController::loadView() {
    const CGRect screen = UIScreen::mainScreen()->bounds();
    const CGFloat width = screen.size.width;
    auto root = UIView::create(screen);
    root->setBackgroundColor(hostColor(0xF4F6FA));
    root->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);

    auto header = UIView::create({{0, 0}, {width, 156}});
    header->setBackgroundColor(hostColor(0x1F2A56));
    header->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    header->addSubview(makeLabel({{24, 52}, {width - 48, 40}}, "HOST_TITLE", UIFont::boldSystemFontOfSize(30),
                                 UIColor::whiteColor()));
    header->addSubview(makeLabel({{24, 98}, {width - 48, 24}}, "HOST_SUBTITLE", UIFont::systemFontOfSize(17),
                                 hostColor(0xFFFFFF, 0.75)));
    root->addSubview(header);
    lbl_title.bind(std::static_pointer_cast<UILabel>(header->subviews()[0]));

    auto message = makeLabel({{24, 176}, {width - 48, 48}}, "HOST_MESSAGE", UIFont::systemFontOfSize(16),
                             hostColor(0x3A4468));
    message->setNumberOfLines(0);
    root->addSubview(message);
    lbl_message.bind(message);

    // Two buttons a row, so that every road fits on the smallest phone.
    roadButtons_.clear();
    const auto& all = roads();
    const CGFloat gap = 12;
    const CGFloat buttonWidth = (width - 48 - gap) / 2;
    for (std::size_t i = 0; i < all.size(); ++i) {
        auto button = UIButton::buttonWithType(UIButtonTypeCustom);
        const CGFloat column = static_cast<CGFloat>(i % 2), row = static_cast<CGFloat>(i / 2);
        button->setFrame({{24 + column * (buttonWidth + gap), 248 + 64 * row}, {buttonWidth, 52}});
        button->setAutoresizingMask(
            column == 0 ? UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleRightMargin
                        : UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleLeftMargin);
        button->setBackgroundColor(hostColor(0xE4572E));
        button->layer()->cornerRadius = 10;
        button->setTitle(NSLocalizedString(all[i].titleKey, ""), UIControlStateNormal);
        button->setTitleColor(UIColor::whiteColor(), UIControlStateNormal);
        button->titleLabel()->setFont(UIFont::boldSystemFontOfSize(16));
        button->setTag(static_cast<long>(i));
        button->addTarget(shared_from_this(), "roadPressed:", UIControlEventTouchUpInside);
        root->addSubview(button);
        roadButtons_.push_back(button);
    }

    setView(root);
}

void HostRootViewController::roadPressed(UIButton* sender) {
    const auto& all = roads();
    auto nav = navigationController();
    if (!sender || !nav || sender->tag() < 0 || sender->tag() >= static_cast<long>(all.size())) return;
    all[static_cast<std::size_t>(sender->tag())].open(nav);
}

UIButtonPtr HostRootViewController::buttonForRoad(const std::string& name) const {
    const auto& all = roads();
    for (std::size_t i = 0; i < all.size() && i < roadButtons_.size(); ++i)
        if (all[i].name == name) return roadButtons_[i].lock();
    return nullptr;
}

}  // namespace fv
