#pragma once
// The drawing context over cairo, the current-context stack that drawRect code draws into, bitmap
// image contexts, and Bézier paths. Coordinates are points with the origin at the top left.
#include <functional>
#include <memory>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIImage.h"

typedef struct _cairo cairo_t;

namespace fv {

class ShadowCache;

enum class CGBlendMode { Normal, Copy, Clear };

// How scaled images are sampled: None takes the nearest pixel (hard edges), the others smooth.
enum class CGInterpolationQuality { Default, None, Low, Medium, High };

enum class CGPathDrawingMode { Fill, EOFill, Stroke, FillStroke, EOFillStroke };

enum class CGLineCap { Butt, Round, Square };
enum class CGLineJoin { Miter, Round, Bevel };

// Whether a gradient also paints before its start and after its end.
enum CGGradientDrawingOptions : unsigned {
    kCGGradientDrawsBeforeStartLocation = 1,
    kCGGradientDrawsAfterEndLocation = 2,
};

class CGContext {
  public:
    // Draws through `cr`, taking its own reference.
    explicit CGContext(cairo_t* cr);
    ~CGContext();
    CGContext(const CGContext&) = delete;
    CGContext& operator=(const CGContext&) = delete;

    cairo_t* cairo() const { return cr_; }

    // Saves and restores the transform, clip, colours, line width, alpha, shadow, blend mode and
    // interpolation quality.
    void saveGState();
    void restoreGState();

    // Drawing up to the matching end goes to a transparent layer of its own, then is composited over
    // what was there: clearing inside it clears only the layer, as in a view's own backing store.
    // The state is saved at the begin and restored at the end; an end without a begin does nothing.
    void beginTransparencyLayer();
    void endTransparencyLayer();

    void translateCTM(CGFloat tx, CGFloat ty);
    void scaleCTM(CGFloat sx, CGFloat sy);
    void rotateCTM(CGFloat angle);
    void concatCTM(CGAffineTransform t);
    CGAffineTransform getCTM() const;

    void setFillColor(const UIColorPtr& color);  // none = clear
    void setStrokeColor(const UIColorPtr& color);
    UIColorPtr fillColor() const { return state_.fill; }
    UIColorPtr strokeColor() const { return state_.stroke; }
    void setLineWidth(CGFloat width);
    void setLineCap(CGLineCap cap);
    void setLineJoin(CGLineJoin join);
    void setLineDash(CGFloat phase, const std::vector<CGFloat>& lengths);  // empty = solid
    void setAlpha(CGFloat alpha);                                          // global alpha 0..1
    void setBlendMode(CGBlendMode mode);
    void setInterpolationQuality(CGInterpolationQuality quality) { state_.interpolation = quality; }
    CGInterpolationQuality interpolationQuality() const { return state_.interpolation; }
    // A blurred shadow under everything drawn until reset; none or a zero-alpha colour switches it off.
    void setShadow(CGSize offset, CGFloat blur, const UIColorPtr& color);
    // Where shadows of filled and stroked paths keep their blurred masks until the shape changes;
    // none blurs every time. Saved and restored with the state; the cache must outlive its use.
    void setShadowCache(ShadowCache* cache);

    // The current path; filling, stroking or clipping consumes it.
    void beginPath();
    void moveToPoint(CGPoint p);
    void addLineToPoint(CGPoint p);
    void addCurveToPoint(CGPoint cp1, CGPoint cp2, CGPoint end);
    void addQuadCurveToPoint(CGPoint cp, CGPoint end);
    // Angles in radians; clockwise as seen on screen (y down).
    void addArc(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise);
    void closePath();
    void addRect(CGRect r);
    void addRoundedRect(CGRect r, CGFloat radius);  // radius capped at half the shorter side
    void addEllipseInRect(CGRect r);
    bool isPathEmpty() const;

    void fillPath(bool evenOdd = false);
    void strokePath();
    void drawPath(CGPathDrawingMode mode);
    void clip(bool evenOdd = false);
    void clipToRect(CGRect r);
    CGRect clipBoundingBox() const;

    void fillRect(CGRect r);
    void strokeRect(CGRect r);
    void fillEllipseInRect(CGRect r);
    void strokeEllipseInRect(CGRect r);
    // Makes the rect fully transparent whatever the blend mode.
    void clearRect(CGRect r);

    // Scales the image into the rect. A template image is painted in `tint` when one is given.
    void drawImage(const UIImage& image, CGRect rect, const UIColorPtr& tint = nullptr);

    // Colours at their locations (0..1) between two points, or between two circles.
    void drawLinearGradient(const std::vector<UIColorPtr>& colors, const std::vector<CGFloat>& locations,
                            CGPoint start, CGPoint end, unsigned options = 0);
    void drawRadialGradient(const std::vector<UIColorPtr>& colors, const std::vector<CGFloat>& locations,
                            CGPoint startCenter, CGFloat startRadius, CGPoint endCenter, CGFloat endRadius,
                            unsigned options = 0);

    CGFloat alpha() const { return state_.alpha; }

  private:
    struct State {
        UIColorPtr fill = UIColor::blackColor();
        UIColorPtr stroke = UIColor::blackColor();
        CGFloat alpha = 1;
        CGBlendMode blend = CGBlendMode::Normal;
        CGSize shadowOffset{};
        CGFloat shadowBlur = 0;
        UIColorPtr shadowColor;
        ShadowCache* shadowCache = nullptr;
        CGInterpolationQuality interpolation = CGInterpolationQuality::Default;
    };
    cairo_t* cr_;
    State state_;
    std::vector<State> saved_;
    int transparencyLayers_ = 0;
};

using CGContextRef = std::shared_ptr<CGContext>;

// The current context: the top of a per-thread stack. Views' drawRect draws into it.
CGContextRef UIGraphicsGetCurrentContext();
void UIGraphicsPushContext(const CGContextRef& context);
void UIGraphicsPopContext();

// The pixels `points` take at `scale` in a bitmap: rounded up, at most 32767.
int bitmapPixels(CGFloat points, CGFloat scale);

// A bitmap context of ceil(size x scale) pixels (scale 0 = the screen scale) made current; opaque
// contexts have no alpha channel. Every begin needs its end.
void UIGraphicsBeginImageContextWithOptions(CGSize size, bool opaque, CGFloat scale);
void UIGraphicsBeginImageContext(CGSize size);
// A snapshot of the current bitmap context; none when the current context is not a bitmap.
UIImagePtr UIGraphicsGetImageFromCurrentImageContext();
void UIGraphicsEndImageContext();

// Draws into a new bitmap of ceil(size x scale) pixels (scale 0 = the screen scale) and makes the image
// of it, which takes the bitmap over: taking an image from an image context copies the bitmap, since
// the context may still be drawn into. The bitmap's context is the current one while `actions` run.
class UIGraphicsImageRenderer {
  public:
    UIGraphicsImageRenderer(CGSize size, bool opaque, CGFloat scale);
    UIImagePtr imageWithActions(const std::function<void(const CGContextRef&)>& actions) const;

  private:
    CGSize size_;
    bool opaque_;
    CGFloat scale_;
};

// Fills with the current fill colour, replacing what is there (a clear colour punches a hole).
void UIRectFill(CGRect rect);
void UIRectFillUsingBlendMode(CGRect rect, CGBlendMode mode);
void UIRectFrame(CGRect rect);

class UIBezierPath;
using UIBezierPathPtr = std::shared_ptr<UIBezierPath>;

class UIBezierPath {
  public:
    static UIBezierPathPtr bezierPath();
    static UIBezierPathPtr bezierPathWithRect(CGRect r);
    // A radius of half the shorter side gives a capsule (a circle for a square).
    static UIBezierPathPtr bezierPathWithRoundedRect(CGRect r, CGFloat cornerRadius);
    static UIBezierPathPtr bezierPathWithOvalInRect(CGRect r);
    static UIBezierPathPtr bezierPathWithArcCenter(CGPoint center, CGFloat radius, CGFloat startAngle,
                                                   CGFloat endAngle, bool clockwise);

    void moveToPoint(CGPoint p);
    void addLineToPoint(CGPoint p);
    void addCurveToPoint(CGPoint end, CGPoint cp1, CGPoint cp2);
    void addArcWithCenter(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle,
                          bool clockwise);
    void closePath();
    void appendPath(const UIBezierPath& other);
    void applyTransform(CGAffineTransform t);

    bool usesEvenOddFillRule = false;
    CGFloat lineWidth = 1;

    bool isEmpty() const { return elements_.empty(); }
    CGRect bounds() const;  // of all points, control points included
    bool containsPoint(CGPoint p) const;

    // In the current context, with its colours.
    void fill() const;
    void stroke() const;
    void addClip() const;

    // Adds this path to a context's current path.
    void addToContext(CGContext& context) const;

  private:
    struct Element {
        enum Kind { Move, Line, Curve, Close } kind;
        CGPoint p[3];
    };
    std::vector<Element> elements_;
};

}  // namespace fv
