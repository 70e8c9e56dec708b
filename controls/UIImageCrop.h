#pragma once
// The part of an image inside a rectangle, as a new image: optionally rotated first and optionally
// clipped to the circle inscribed in the rectangle.
#include "platform/graphics/UIImage.h"

namespace fv {

// True when the image's pixels carry an alpha channel.
bool hasAlpha(const UIImage& image);

// `frame` is in image points; with an angle (whole degrees) it is measured in the rotated picture,
// whose origin is the top left of the rotated image's bounding box. The result has the frame's size in
// points at the main screen's scale; transparent outside the circle when clipped. None when there is no
// image, the image or the frame has no area, the frame is not finite, or the result would be too large
// to hold.
UIImagePtr croppedImageWithFrame(const UIImagePtr& image, CGRect frame, long angle, bool circularClip);

}  // namespace fv
