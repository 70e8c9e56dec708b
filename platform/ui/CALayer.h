#pragma once
// Layers: the drawn appearance of a view (background, corners, border, shadow, contents) plus extra
// sublayers. Each UIView owns one layer whose geometry follows the view; extra sublayers are drawn
// above the view's background, below its drawRect content and its subviews, in order.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/NSObject.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/ShadowCache.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"

namespace fv {

class CALayer;
class CAAnimation;
class UIView;
using CALayerPtr = std::shared_ptr<CALayer>;
using CAAnimationPtr = std::shared_ptr<CAAnimation>;

// Sampling filters for scaled contents.
inline constexpr const char* kCAFilterLinear = "linear";
inline constexpr const char* kCAFilterNearest = "nearest";
inline constexpr const char* kCAFilterTrilinear = "trilinear";

class CALayer : public NSObject {
    FV_CLASS(CALayer, NSObject)
    static std::shared_ptr<CALayer> create() { return std::make_shared<CALayer>(); }

    // Geometry: frame = position - anchorPoint * bounds.size (transform ignored, as for views).
    CGRect frame() const;
    virtual void setFrame(CGRect frame);
    CGRect bounds() const { return bounds_; }
    virtual void setBounds(CGRect bounds);
    CGPoint position() const { return position_; }
    void setPosition(CGPoint p);
    CGPoint anchorPoint() const { return anchorPoint_; }
    void setAnchorPoint(CGPoint p) { anchorPoint_ = p; }
    CGAffineTransform affineTransform() const { return transform_; }
    void setAffineTransform(CGAffineTransform t) { transform_ = t; }

    // A view's own layer holds the view's backgroundColor, alpha (opacity), hidden and clipsToBounds
    // (masksToBounds): setting either side sets both.
    CGFloat cornerRadius = 0;
    bool masksToBounds = false;
    CGFloat borderWidth = 0;
    UIColorPtr borderColor = UIColor::blackColor();
    UIColorPtr shadowColor = UIColor::blackColor();  // opaque black
    CGSize shadowOffset{0, -3};
    CGFloat shadowRadius = 3;
    CGFloat shadowOpacity = 0;
    UIColorPtr backgroundColor;  // none = transparent
    CGFloat opacity = 1;
    bool hidden = false;
    UIImagePtr contents;  // scaled to the bounds
    std::string contentsGravity = "resize";
    // Contents drawn smaller than their pixels use the minification filter, larger the
    // magnification filter; "nearest" keeps hard pixel edges (e.g. a code scaled up), the others smooth.
    std::string minificationFilter = kCAFilterLinear;
    std::string magnificationFilter = kCAFilterLinear;
    // The sampling for `image` drawn into `target` (points) in `context`, by the filters above.
    CGInterpolationQuality interpolationForImage(const UIImage& image, CGRect target,
                                                 const CGContext& context) const;
    std::string name;

    // Sublayers, back to front. Adding a layer that has a superlayer moves it.
    const std::vector<CALayerPtr>& sublayers() const { return sublayers_; }
    void addSublayer(const CALayerPtr& layer);
    void insertSublayer(const CALayerPtr& layer, std::size_t index);            // clamped to the count
    void insertSublayerBelow(const CALayerPtr& layer, const CALayer* sibling);  // none/unknown = bottom
    void insertSublayerAbove(const CALayerPtr& layer, const CALayer* sibling);  // none/unknown = top
    void removeFromSuperlayer();
    CALayer* superlayer() const { return superlayer_; }

    // The view this layer belongs to, for a view's own layer; none otherwise.
    UIView* delegateView() const { return view_; }

    // Animations are recorded only: model values already hold their targets. A nil key is allowed
    // (stored under a generated key); a repeated key replaces the earlier animation.
    void addAnimation(const CAAnimationPtr& animation, const std::string& key = "");
    CAAnimationPtr animationForKey(const std::string& key) const;
    std::vector<std::string> animationKeys() const;
    void removeAnimationForKey(const std::string& key);
    void removeAllAnimations();

    void setNeedsDisplay() { needsDisplay_ = true; }
    bool needsDisplay() const { return needsDisplay_; }

    // Draws this layer and its sublayers (a view's own layer: its whole view tree) into `context`,
    // the layer's top-left corner at the context's current origin.
    void renderInContext(const CGContextRef& context);
    // Draws this layer's own content (gradient, shape, contents image) within its bounds; subclasses
    // override. Called after the background and before the sublayers.
    virtual void drawInContext(CGContext& context);

    // The parts of a layer around its content, in a space whose origin is the layer's top-left
    // corner: shadow, background and contents image below; border above.
    void renderBackground(CGContext& context);
    void renderBorder(CGContext& context);
    // Draws the extra sublayers, each at its frame (this layer's bounds coordinates).
    void renderSublayers(const CGContextRef& context);
    // Adds the rounded bounds (top-left at the origin) to the context's path, for masksToBounds.
    void addBoundsPathTo(CGContext& context) const;
    // Where the shadows this layer draws (under its background, in its own content, in its view's
    // drawRect) keep their blurred masks from frame to frame.
    ShadowCache& shadowCache() { return *shadowCache_; }

    CALayer() = default;
    ~CALayer() override;

  private:
    friend class UIView;
    friend class UIApplication;
    CGRect bounds_ = CGRectZero;
    CGPoint position_ = CGPointZero;
    CGPoint anchorPoint_{0.5, 0.5};
    CGAffineTransform transform_ = CGAffineTransformIdentity;
    std::vector<CALayerPtr> sublayers_;
    CALayer* superlayer_ = nullptr;
    UIView* view_ = nullptr;
    std::vector<std::pair<std::string, CAAnimationPtr>> animations_;
    int animationCounter_ = 0;
    bool needsDisplay_ = false;
    // The blurred shadow of the last frame, reused while the layer's shape stays the same.
    std::shared_ptr<ShadowCache> shadowCache_ = std::make_shared<ShadowCache>();
};

}  // namespace fv
