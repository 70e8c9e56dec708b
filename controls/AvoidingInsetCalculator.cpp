#include "controls/AvoidingInsetCalculator.h"

#include <algorithm>

namespace fv {

FV_REGISTER_CLASS(AvoidingInsetCalculator);

bool AvoidingInsetCalculator::intersectionExists() const {
    return CGRectIntersectsRect(keyboardFrame, scrollViewFrame) &&
           !CGRectContainsRect(keyboardFrame, scrollViewFrame) &&
           scrollViewFrame.size.height != keyboardFrame.size.height &&
           !CGRectEqualToRect(keyboardFrame, CGRectZero);
}

bool AvoidingInsetCalculator::keyboardAtTheTop() const {
    return CGRectGetMinY(keyboardFrame) <= CGRectGetMinY(scrollViewFrame);
}

bool AvoidingInsetCalculator::keyboardAtTheBottom() const {
    return CGRectGetMinY(keyboardFrame) <= CGRectGetMaxY(scrollViewFrame) &&
           CGRectGetMaxY(keyboardFrame) >= CGRectGetMaxY(scrollViewFrame);
}

UIEdgeInsets AvoidingInsetCalculator::calculateAvoidingInset() const {
    UIEdgeInsets inset = UIEdgeInsetsZero;
    if (!intersectionExists()) return inset;
    if (keyboardAtTheTop()) {
        inset.top = std::max(
            CGRectGetMaxY(keyboardFrame) - CGRectGetMinY(scrollViewFrame) - scrollViewInset.top, 0.0);
    } else if (keyboardAtTheBottom()) {
        inset.bottom = std::max(
            CGRectGetMaxY(scrollViewFrame) - CGRectGetMinY(keyboardFrame) - scrollViewInset.bottom, 0.0);
    }
    return inset;
}

}  // namespace fv
