#include "controls/UIImageCrop.h"

#include <cmath>

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/UIScreen.h"

namespace fv {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
// A crop larger than this many pixels is refused rather than allocated.
constexpr double kMaxPixels = 1 << 25;

bool cropFits(const UIImage& image, CGRect frame) {
    const double values[] = {frame.origin.x, frame.origin.y, frame.size.width, frame.size.height};
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    if (frame.size.width <= 0 || frame.size.height <= 0) return false;
    const double s = image.scale();
    return std::ceil(frame.size.width * s) * std::ceil(frame.size.height * s) <= kMaxPixels;
}

// The image turned about its centre and drawn inside its turned bounding box, pixel by pixel so that
// no edge is smoothed.
void drawRotated(CGContext& context, const UIImage& image, long angle) {
    const CGSize size = image.size();
    const CGFloat radians = double(angle) * kRadiansPerDegree;
    const CGRect box = CGRectApplyAffineTransform(CGRectMake(0, 0, size.width, size.height),
                                                  CGAffineTransformMakeRotation(radians));
    context.saveGState();
    context.translateCTM(box.size.width / 2, box.size.height / 2);
    context.rotateCTM(radians);
    context.translateCTM(-size.width / 2, -size.height / 2);
    context.setInterpolationQuality(CGInterpolationQuality::None);
    context.drawImage(image, CGRectMake(0, 0, size.width, size.height));
    context.restoreGState();
}

}  // namespace

bool hasAlpha(const UIImage& image) {
    return image.hasAlpha();
}

UIImagePtr croppedImageWithFrame(const UIImagePtr& image, CGRect frame, long angle, bool circularClip) {
    if (!image || image->isEmpty() || image->size().width <= 0 || image->size().height <= 0) return nullptr;
    if (!cropFits(*image, frame)) return nullptr;
    // The crop takes the bitmap it is drawn in over: a camera crop is megabytes, and an image context
    // would copy it.
    const UIGraphicsImageRenderer renderer(frame.size, !(hasAlpha(*image) || circularClip), image->scale());
    const auto drawn = renderer.imageWithActions([&](const CGContextRef& context) {
        if (circularClip) {
            context->addEllipseInRect(CGRectMake(0, 0, frame.size.width, frame.size.height));
            context->clip();
        }
        context->translateCTM(-frame.origin.x, -frame.origin.y);
        if (angle == 0) {
            image->drawAtPoint(CGPointZero);
        } else {
            drawRotated(*context, *image, angle);
        }
    });
    if (!drawn || drawn->isEmpty()) return nullptr;
    return UIImage::imageWithSurface(drawn->cairoSurface(), UIScreen::mainScreen()->scale(),
                                     UIImageOrientation::Up);
}

}  // namespace fv
