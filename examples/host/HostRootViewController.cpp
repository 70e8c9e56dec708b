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

    auto header = UIView::create({{0, 0}, {width, 180}});
    header->setBackgroundColor(hostColor(0x1F2A56));
    header->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    header->addSubview(makeLabel({{24, 64}, {width - 48, 40}}, "HOST_TITLE", UIFont::boldSystemFontOfSize(30),
                                 UIColor::whiteColor()));
    header->addSubview(makeLabel({{24, 110}, {width - 48, 24}}, "HOST_SUBTITLE", UIFont::systemFontOfSize(17),
                                 hostColor(0xFFFFFF, 0.75)));
    root->addSubview(header);
    lbl_title.bind(std::static_pointer_cast<UILabel>(header->subviews()[0]));

    auto message = makeLabel({{24, 208}, {width - 48, 88}}, "HOST_MESSAGE", UIFont::systemFontOfSize(16),
                             hostColor(0x3A4468));
    message->setNumberOfLines(0);
    root->addSubview(message);
    lbl_message.bind(message);

    roadButtons_.clear();
    const auto& all = roads();
    // One column while the buttons fit under the message, else two side by side.
    const std::size_t columns = 304 + 64.0 * static_cast<CGFloat>(all.size()) <= screen.size.height ? 1 : 2;
    const CGFloat gap = 12, buttonWidth = (width - 48 - gap * static_cast<CGFloat>(columns - 1)) / columns;
    for (std::size_t i = 0; i < all.size(); ++i) {
        auto button = UIButton::buttonWithType(UIButtonTypeCustom);
        const CGFloat x = 24 + (buttonWidth + gap) * static_cast<CGFloat>(i % columns);
        button->setFrame({{x, 304 + 64.0 * static_cast<CGFloat>(i / columns)}, {buttonWidth, 52}});
        button->setAutoresizingMask(columns == 1 ? UIViewAutoresizingFlexibleWidth
                                                 : UIViewAutoresizingFlexibleWidth |
                                                       UIViewAutoresizingFlexibleLeftMargin |
                                                       UIViewAutoresizingFlexibleRightMargin);
        button->setBackgroundColor(hostColor(0xE4572E));
        button->layer()->cornerRadius = 10;
        button->setTitle(NSLocalizedString(all[i].titleKey, ""), UIControlStateNormal);
        button->setTitleColor(UIColor::whiteColor(), UIControlStateNormal);
        button->titleLabel()->setFont(UIFont::boldSystemFontOfSize(columns == 1 ? 18 : 16));
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
