#include "platform/ui/UIViewRendering.h"

#include <algorithm>
#include <cmath>

#include <cairo.h>

#include "platform/foundation/Log.h"
#include "platform/graphics/PNGWriter.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIWindow.h"

namespace fv {

void renderViewTree(UIView& view, const CGContextRef& context) {
    if (!context || view.isHidden() || view.alpha() <= 0) return;
    CALayer& layer = *view.layer();
    CGRect b = view.bounds();
    context->saveGState();
    cairo_t* cr = context->cairo();
    bool grouped = view.alpha() < 1;
    if (grouped) cairo_push_group(cr);
    context->setShadowCache(&layer.shadowCache());

    layer.renderBackground(*context);
    context->saveGState();
    if (layer.masksToBounds) {
        context->beginPath();
        layer.addBoundsPathTo(*context);
        context->clip();
    }
    context->translateCTM(-b.origin.x, -b.origin.y);
    layer.drawInContext(*context);
    layer.renderSublayers(context);

    context->saveGState();
    context->clipToRect(b);
    UIGraphicsPushContext(context);
    ++view.drawCount_;
    view.drawRect(b);
    UIGraphicsPopContext();
    context->restoreGState();

    auto subs = view.subviews();
    for (auto& sub : subs) {
        if (sub->isHidden() || sub->alpha() <= 0) continue;
        context->saveGState();
        CGSize size = sub->bounds().size;
        context->translateCTM(sub->center().x, sub->center().y);
        if (!CGAffineTransformIsIdentity(sub->transform())) context->concatCTM(sub->transform());
        context->translateCTM(-size.width / 2, -size.height / 2);
        renderViewTree(*sub, context);
        context->restoreGState();
    }
    context->restoreGState();
    layer.renderBorder(*context);

    if (grouped) {
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, view.alpha());
    }
    context->restoreGState();
}

namespace {

// Whether the view's own opaque background paints every pixel of the bitmap, so that what an earlier
// frame left there needs no clearing first.
bool paintsEveryPixel(UIView& view, CGFloat scale, int width, int height) {
    const CALayer& layer = *view.layer();
    const CGSize size = view.bounds().size;
    return !view.isHidden() && layer.backgroundColor && layer.backgroundColor->alpha() >= 1 &&
           view.alpha() >= 1 && layer.cornerRadius <= 0 && size.width * scale == width &&
           size.height * scale == height;
}

}  // namespace

UIImagePtr renderView(UIView& view, CGFloat scale) {
    CGSize size = view.bounds().size;
    if (size.width <= 0 || size.height <= 0) return nullptr;
    if (scale <= 0) scale = UIScreen::mainScreen()->scale();
    const int width = bitmapPixels(size.width, scale), height = bitmapPixels(size.height, scale);
    if (width <= 0 || height <= 0) return nullptr;
    // A window draws into the bitmap it keeps; the image shares it rather than copying it.
    cairo_surface_t* surface = nullptr;
    bool fresh = true;
    if (auto* window = dynamic_cast<UIWindow*>(&view)) {
        surface = window->backBuffer().surfaceFor(width, height, fresh);
        if (surface) cairo_surface_reference(surface);
    } else {
        surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    }
    if (!surface || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        if (surface) cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_t* cr = cairo_create(surface);
    if (!fresh && !paintsEveryPixel(view, scale, width, height)) {
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }
    cairo_scale(cr, scale, scale);
    {
        auto context = std::make_shared<CGContext>(cr);
        cairo_destroy(cr);
        UIGraphicsPushContext(context);
        renderViewTree(view, context);
        UIGraphicsPopContext();
    }
    cairo_surface_flush(surface);
    UIImagePtr image = UIImage::imageWithSurface(surface, scale);
    cairo_surface_destroy(surface);
    return image;
}

bool renderViewToPNG(UIView& view, const std::string& path, CGFloat scale) {
    UIImagePtr image = renderView(view, scale);
    if (!image || !image->cairoSurface()) {
        log("renderViewToPNG: nothing to render for " + path);
        return false;
    }
    if (!PNGWriter::writeNow(*image, path)) {
        log("renderViewToPNG: could not write " + path);
        return false;
    }
    return true;
}

}  // namespace fv
