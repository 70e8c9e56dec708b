#include "platform/ui/UIImageView.h"

#include <algorithm>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ControlProperties.h"

namespace fv {

FV_REGISTER_CLASS(UIImageView);

CGRect imageRectForContentMode(CGRect b, CGSize s, UIViewContentMode mode) {
    const CGFloat w = b.size.width, h = b.size.height;
    if (s.width <= 0 || s.height <= 0) return b;
    auto scaled = [&](CGFloat scale) {
        CGSize size{s.width * scale, s.height * scale};
        return CGRect{{b.origin.x + (w - size.width) / 2, b.origin.y + (h - size.height) / 2}, size};
    };
    CGFloat left = b.origin.x, top = b.origin.y;
    CGFloat right = b.origin.x + w - s.width, bottom = b.origin.y + h - s.height;
    CGFloat midX = b.origin.x + (w - s.width) / 2, midY = b.origin.y + (h - s.height) / 2;
    switch (mode) {
        case UIViewContentModeScaleToFill:
        case UIViewContentModeRedraw:
            return b;
        case UIViewContentModeScaleAspectFit:
            return scaled(std::min(w / s.width, h / s.height));
        case UIViewContentModeScaleAspectFill:
            return scaled(std::max(w / s.width, h / s.height));
        case UIViewContentModeCenter:
            return {{midX, midY}, s};
        case UIViewContentModeTop:
            return {{midX, top}, s};
        case UIViewContentModeBottom:
            return {{midX, bottom}, s};
        case UIViewContentModeLeft:
            return {{left, midY}, s};
        case UIViewContentModeRight:
            return {{right, midY}, s};
        case UIViewContentModeTopLeft:
            return {{left, top}, s};
        case UIViewContentModeTopRight:
            return {{right, top}, s};
        case UIViewContentModeBottomLeft:
            return {{left, bottom}, s};
        case UIViewContentModeBottomRight:
            return {{right, bottom}, s};
    }
    return b;
}

void UIImageView::registerMembers(ClassBuilder<UIImageView>& b) {
    imageProperty(b, "image", [](UIImageView& v, UIImagePtr i) { v.setImage(std::move(i)); });
    imageProperty(b, "highlightedImage",
                  [](UIImageView& v, UIImagePtr i) { v.setHighlightedImage(std::move(i)); });
    b.property("highlighted", &UIImageView::isHighlighted, &UIImageView::setHighlighted);
}

UIImageViewPtr UIImageView::create(const UIImagePtr& image) {
    CGSize size = image ? image->size() : CGSizeZero;
    auto view = std::make_shared<UIImageView>(CGRect{{0, 0}, size});
    view->setImage(image);
    return view;
}

UIImageViewPtr UIImageView::create(CGRect frame) {
    return std::make_shared<UIImageView>(frame);
}

UIImageView::UIImageView() : UIImageView(CGRectZero) {}

UIImageView::UIImageView(CGRect frame) : UIView(frame) {
    setUserInteractionEnabled(false);
    setOpaque(false);
}

UIImageView::~UIImageView() = default;

void UIImageView::setImage(UIImagePtr image) {
    image_ = std::move(image);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void UIImageView::setHighlightedImage(UIImagePtr image) {
    highlightedImage_ = std::move(image);
    setNeedsDisplay();
}

void UIImageView::setHighlighted(bool highlighted) {
    highlighted_ = highlighted;
    setNeedsDisplay();
}

UIImagePtr UIImageView::displayedImage() const {
    return highlighted_ && highlightedImage_ ? highlightedImage_ : image_;
}

void UIImageView::setContentMode(UIViewContentMode mode) {
    UIView::setContentMode(mode);
    setNeedsDisplay();
}

CGSize UIImageView::sizeThatFits(CGSize) const {
    return image_ ? image_->size() : CGSizeZero;
}

CGSize UIImageView::intrinsicContentSize() const {
    if (!image_) return {UIViewNoIntrinsicMetric, UIViewNoIntrinsicMetric};
    return image_->size();
}

void UIImageView::drawRect(CGRect) {
    auto image = displayedImage();
    auto context = UIGraphicsGetCurrentContext();
    if (!image || image->isEmpty() || !context) return;
    CGRect target = imageRectForContentMode(bounds(), image->size(), contentMode());
    // Like the platform, an aspect-fill image spills over the bounds unless the view clips.
    bool tinted = image->renderingMode() == UIImageRenderingMode::AlwaysTemplate;
    context->saveGState();
    context->setInterpolationQuality(layer()->interpolationForImage(*image, target, *context));
    context->drawImage(*image, target, tinted ? tintColor() : nullptr);
    context->restoreGState();
}

}  // namespace fv
