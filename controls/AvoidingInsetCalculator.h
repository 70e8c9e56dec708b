#pragma once
// The extra content inset that keeps a scroll view usable while a keyboard covers part of it.
#include "platform/foundation/NSObject.h"
#include "platform/graphics/Geometry.h"

namespace fv {

class AvoidingInsetCalculator : public NSObject {
    FV_CLASS(AvoidingInsetCalculator, NSObject)
    // In the scroll view's superview's coordinates.
    CGRect keyboardFrame = CGRectZero;
    CGRect scrollViewFrame = CGRectZero;
    // The scroll view's inset without any extra already added for the keyboard.
    UIEdgeInsets scrollViewInset = UIEdgeInsetsZero;

    // Only top or bottom is ever non-zero: the covered height beyond what the inset already spares.
    UIEdgeInsets calculateAvoidingInset() const;
    // The keyboard overlaps the scroll view without swallowing it whole; a zero frame is no keyboard.
    bool intersectionExists() const;
    bool keyboardAtTheTop() const;
    bool keyboardAtTheBottom() const;
};

}  // namespace fv
