#pragma once
// The main button of a wizard form follows the fields it watches: enabled at full alpha while its
// rule holds, disabled at half alpha otherwise. A field counts as filled when its text is not the
// empty text; blanks count as content.
#include <initializer_list>

#include "platform/ui/UIButton.h"
#include "platform/ui/UITextField.h"

namespace fv {

inline constexpr double kMainButtonEnabledAlpha = 1.0;
inline constexpr double kMainButtonDisabledAlpha = 0.5;

bool isFieldFilled(const UITextField& field);
// Tested in order, stopping at the first empty field.
bool everyFieldFilled(std::initializer_list<UITextFieldPtr> fields);
bool anyFieldFilled(std::initializer_list<UITextFieldPtr> fields);
void applyMainButtonRule(UIButton& button, bool holds);

}  // namespace fv
