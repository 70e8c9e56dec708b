#pragma once
// Image views: an image (none clears) and a highlighted image, drawn according to the content mode
// (all thirteen modes); template images are painted in the tint colour. They take no touches by
// default.
#include <memory>

#include "platform/graphics/UIImage.h"
#include "platform/ui/UIView.h"

namespace fv {

class UIImageView;
using UIImageViewPtr = std::shared_ptr<UIImageView>;

// Where an image of `imageSize` lands in `bounds` under `mode` (redraw scales to fill).
CGRect imageRectForContentMode(CGRect bounds, CGSize imageSize, UIViewContentMode mode);

class UIImageView : public UIView {
    FV_CLASS(UIImageView, UIView)
    static void registerMembers(ClassBuilder<UIImageView>& b);
    // initWithImage: sizes the view to the image.
    static UIImageViewPtr create(const UIImagePtr& image);
    static UIImageViewPtr create(CGRect frame = CGRectZero);
    UIImageView();
    explicit UIImageView(CGRect frame);
    ~UIImageView() override;

    UIImagePtr image() const { return image_; }
    void setImage(UIImagePtr image);
    UIImagePtr highlightedImage() const { return highlightedImage_; }
    void setHighlightedImage(UIImagePtr image);
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted);
    // The image drawn now: the highlighted one while highlighted (when set), else the image.
    UIImagePtr displayedImage() const;

    void setContentMode(UIViewContentMode mode) override;
    void tintColorDidChange() override { setNeedsDisplay(); }

    CGSize sizeThatFits(CGSize size) const override;
    CGSize intrinsicContentSize() const override;
    void drawRect(CGRect rect) override;

  private:
    UIImagePtr image_;
    UIImagePtr highlightedImage_;
    bool highlighted_ = false;
};

}  // namespace fv
