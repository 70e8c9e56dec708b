#pragma once
// Making and comparing the button rows of swipe-to-reveal cells. The rows are plain vectors of buttons.
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/AttributedString.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIButton.h"

namespace fv {

using SwipeUtilityButtons = std::vector<UIButtonPtr>;

// Appends a plain button with that background colour and, for the normal state, white text that
// shrinks to fit the width.
void swipe_addUtilityButtonWithColor(SwipeUtilityButtons& buttons, const UIColorPtr& color,
                                     const std::string& title);
// The same with an attributed title, which keeps its own size.
void swipe_addUtilityButtonWithColor(SwipeUtilityButtons& buttons, const UIColorPtr& color,
                                     const NSAttributedString& attributedTitle);
// Appends a plain button with that background colour and that image for the normal state.
void swipe_addUtilityButtonWithColor(SwipeUtilityButtons& buttons, const UIColorPtr& color,
                                     const UIImagePtr& icon);
// The second image shows while highlighted or selected.
void swipe_addUtilityButtonWithColor(SwipeUtilityButtons& buttons, const UIColorPtr& color,
                                     const UIImagePtr& normalIcon, const UIImagePtr& selectedIcon);

// Same count and, index by index, equal buttons (swipe_button); none is never equal.
bool swipe_isEqualToButtons(const SwipeUtilityButtons& buttons, const SwipeUtilityButtons* other);
// swipe_button:isEqualToButton: equal background colours, normal titles, normal and selected images,
// two missing values counting as equal; none is never equal.
bool swipe_button(const UIButtonPtr& button, const UIButtonPtr& other);

}  // namespace fv
