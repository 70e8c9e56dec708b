#pragma once
// Rendering view trees: backgrounds, shadows, corner radii (clipped with masksToBounds /
// clipsToBounds), borders, layer sublayers (gradients, shapes, contents images), drawRect content,
// alpha, hidden and transforms. The view's own transform is not applied to itself: the image shows
// its bounds.
#include <string>

#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIView.h"

namespace fv {

// An image of the view's bounds at `scale` (0 = the screen scale); none for an empty size.
UIImagePtr renderView(UIView& view, CGFloat scale = 0);
// Writes that image as PNG; false (and a log line) on failure.
bool renderViewToPNG(UIView& view, const std::string& path, CGFloat scale = 0);
// Draws the view and its subtree into `context`, with the view's bounds origin at the context's
// current origin. drawViewHierarchyInRect and layer.renderInContext of a view's layer use it.
void renderViewTree(UIView& view, const CGContextRef& context);

}  // namespace fv
