#pragma once
// The themed button: on its first layout it puts a filled, shadowed rounded shape (corner radius 6) in
// the theme's main colour under its title and makes the title white; later size changes refit the
// shape. Screens clear its background colour so that only the shape shows.
#include <memory>

#include "platform/ui/UIButton.h"

namespace fv {

class CustomButton : public UIButton {
    FV_CLASS(CustomButton, UIButton)
    static std::shared_ptr<CustomButton> create(CGRect frame = CGRectZero);
    CustomButton();
    explicit CustomButton(CGRect frame);
    ~CustomButton() override;

    static constexpr CGFloat kCornerRadius = 6;

    void layoutSubviews() override;
    // The shape under the title; none before the first layout.
    CALayerPtr shapeLayer() const { return shape_; }
    UIColorPtr shapeFillColor() const;

  private:
    CALayerPtr shape_;
};

}  // namespace fv
