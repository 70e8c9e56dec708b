#pragma once
// Conversions between an image view's coordinates and those of the image it shows (points of the
// image's own size, origin top left), following the view's content mode. A view without an image, or
// with a zero-sized image or bounds, has no such mapping: points and rectangles come back unchanged.
#include "platform/ui/UIImageView.h"

namespace fv {

// The rectangle of the image under `frame` (view bounds coordinates), taking the image as shown
// aspect-fit whatever the content mode; each value in single precision. The zero rectangle when there
// is no image, a zero size or a non-finite frame.
CGRect cropRectForFrame(const UIImageView& view, CGRect frame);

CGPoint convertPointFromImage(const UIImageView& view, CGPoint imagePoint);
CGRect convertRectFromImage(const UIImageView& view, CGRect imageRect);
CGPoint convertPointFromView(const UIImageView& view, CGPoint viewPoint);
CGRect convertRectFromView(const UIImageView& view, CGRect viewRect);

}  // namespace fv
