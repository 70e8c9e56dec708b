#include "tests/platform/ui/support/SampleViews.h"

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ColorValue.h"
#include "platform/ui/NibValues.h"
#include "platform/ui/UINib.h"

namespace fv {

FV_REGISTER_CLASS(SampleLabel);
FV_REGISTER_CLASS(SampleButton);
FV_REGISTER_CLASS(SampleScreen);

namespace {
[[maybe_unused]] const bool connectorRegistered = [] {
    UINib::registerActionConnector("SampleButton", [](NSObject& sender, const NSObjectPtr& target,
                                                      const std::string& selector, const std::string& event) {
        if (!event.empty() && event != "touchUpInside") return false;
        static_cast<SampleButton&>(sender).addTarget(target, selector);
        return true;
    });
    return true;
}();
}  // namespace

std::shared_ptr<NSBundle> testInterfaceBundle(const std::string& testDir) {
    return std::make_shared<NSBundle>(testDir + "/nib_resources");
}

void SampleLabel::registerMembers(ClassBuilder<SampleLabel>& b) {
    b.property("text", &SampleLabel::text, &SampleLabel::setText);
    b.property("textAlignment", &SampleLabel::textAlignment, &SampleLabel::setTextAlignment);
    // A class brings the interface-file words of its own enums.
    b.enumNames("textAlignment",
                {{"left", 0}, {"center", 1}, {"right", 2}, {"justified", 3}, {"natural", 4}});
    b.property(
        "font", [](SampleLabel& l) { return valueWithFont(l.style_.font); },
        [](SampleLabel& l, const Value& v) {
            auto font = fontFromValue(v);
            if (!font) return false;
            l.style_.font = *font;
            return true;
        });
    b.property(
        "textColor", [](SampleLabel& l) { return valueWithColor(l.style_.textColor); },
        [](SampleLabel& l, const Value& v) {
            auto color = colorFromValue(v);
            if (!color) return false;
            l.style_.textColor = *color;
            return true;
        });
}

void SampleLabel::setText(const std::optional<std::string>& text) {
    text_ = text;
    setNeedsDisplay();
}

void SampleLabel::setTextAlignment(int alignment) {
    style_.alignment = static_cast<NSTextAlignment>(alignment);
}

void SampleLabel::drawRect(CGRect) {
    if (auto context = UIGraphicsGetCurrentContext(); context && text_) {
        TextLayout::drawText(*context, *text_, style_, bounds());
    }
}

void SampleButton::registerMembers(ClassBuilder<SampleButton>& b) {
    b.property("title", &SampleButton::title, &SampleButton::setTitle);
}

void SampleButton::setTitle(const std::string& title) {
    title_ = title;
    setNeedsDisplay();
}

void SampleButton::addTarget(const NSObjectPtr& target, const std::string& selector) {
    for (const auto& [t, s] : targets_)
        if (t.lock() == target && s == selector) return;
    targets_.emplace_back(target, selector);
}

void SampleButton::touchesEnded(const UITouchSet& touches, UIEvent*) {
    if (touches.empty() || !CGRectContainsPoint(bounds(), touches.front()->locationInView(this))) return;
    for (const auto& [t, s] : targets_)
        if (auto target = t.lock()) target->performSelector(s, this);
}

void SampleButton::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    TextStyle style;
    style.font = UIFont::boldSystemFontOfSize(17);
    style.textColor = UIColor::whiteColor();
    style.alignment = NSTextAlignment::Center;
    CGFloat h = TextLayout::sizeOfText(title_, style.font).height;
    TextLayout::drawText(*context, title_, style,
                         {{0, (bounds().size.height - h) / 2}, {bounds().size.width, h}});
}

void SampleScreen::registerMembers(ClassBuilder<SampleScreen>& b) {
    b.outlet("lbl_title", &SampleScreen::lbl_title);
    b.outlet("btn_next", &SampleScreen::btn_next);
    b.outlet("titleTopConstraint", &SampleScreen::titleTopConstraint);
    b.action("btnNextPressed:", &SampleScreen::btnNextPressed);
}

void SampleScreen::btnNextPressed(UIButton*) {
    ++presses;
    if (auto label = lbl_title.lock()) label->setText("Tapped " + std::to_string(presses));
}

}  // namespace fv
