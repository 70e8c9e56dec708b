#include "controls/NSArraySwipeUtilityButtons.h"

namespace fv {

namespace {

UIButtonPtr makeButton(const UIColorPtr& color) {
    auto button = UIButton::buttonWithType(UIButtonTypeCustom);
    button->setBackgroundColor(color);
    return button;
}

bool sameColor(const UIColorPtr& a, const UIColorPtr& b) {
    if (!a || !b) return !a && !b;
    return *a == *b;
}

bool sameImage(const UIImagePtr& a, const UIImagePtr& b) {
    if (!a || !b) return !a && !b;
    return a == b || a->isEqual(*b);
}

}  // namespace

void swipe_addUtilityButtonWithColor(SwipeUtilityButtons& buttons, const UIColorPtr& color,
                                     const std::string& title) {
    auto button = makeButton(color);
    button->setTitle(title, UIControlStateNormal);
    button->setTitleColor(UIColor::whiteColor(), UIControlStateNormal);
    button->titleLabel()->setAdjustsFontSizeToFitWidth(true);
    buttons.push_back(button);
}

void swipe_addUtilityButtonWithColor(SwipeUtilityButtons& buttons, const UIColorPtr& color,
                                     const NSAttributedString& attributedTitle) {
    auto button = makeButton(color);
    button->setAttributedTitle(attributedTitle, UIControlStateNormal);
    button->setTitleColor(UIColor::whiteColor(), UIControlStateNormal);
    buttons.push_back(button);
}

void swipe_addUtilityButtonWithColor(SwipeUtilityButtons& buttons, const UIColorPtr& color,
                                     const UIImagePtr& icon) {
    auto button = makeButton(color);
    button->setImage(icon, UIControlStateNormal);
    buttons.push_back(button);
}

void swipe_addUtilityButtonWithColor(SwipeUtilityButtons& buttons, const UIColorPtr& color,
                                     const UIImagePtr& normalIcon, const UIImagePtr& selectedIcon) {
    auto button = makeButton(color);
    button->setImage(normalIcon, UIControlStateNormal);
    button->setImage(selectedIcon, UIControlStateHighlighted);
    button->setImage(selectedIcon, UIControlStateSelected);
    buttons.push_back(button);
}

bool swipe_isEqualToButtons(const SwipeUtilityButtons& buttons, const SwipeUtilityButtons* other) {
    if (!other || other->size() != buttons.size()) return false;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (!swipe_button(buttons[i], (*other)[i])) return false;
    }
    return true;
}

bool swipe_button(const UIButtonPtr& button, const UIButtonPtr& other) {
    if (!button || !other) return false;
    return sameColor(button->backgroundColor(), other->backgroundColor()) &&
           button->titleForState(UIControlStateNormal) == other->titleForState(UIControlStateNormal) &&
           sameImage(button->imageForState(UIControlStateNormal),
                     other->imageForState(UIControlStateNormal)) &&
           sameImage(button->imageForState(UIControlStateSelected),
                     other->imageForState(UIControlStateSelected));
}

}  // namespace fv
