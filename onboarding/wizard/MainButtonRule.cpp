#include "onboarding/wizard/MainButtonRule.h"

#include <algorithm>

namespace fv {

bool isFieldFilled(const UITextField& field) {
    const auto text = field.text();
    return text && !text->empty();
}

bool everyFieldFilled(std::initializer_list<UITextFieldPtr> fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const UITextFieldPtr& f) { return isFieldFilled(*f); });
}

bool anyFieldFilled(std::initializer_list<UITextFieldPtr> fields) {
    return std::any_of(fields.begin(), fields.end(),
                       [](const UITextFieldPtr& f) { return isFieldFilled(*f); });
}

void applyMainButtonRule(UIButton& button, bool holds) {
    button.setEnabled(holds);
    button.setAlpha(holds ? kMainButtonEnabledAlpha : kMainButtonDisabledAlpha);
}

}  // namespace fv
