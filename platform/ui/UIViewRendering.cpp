#include "platform/ui/UIViewRendering.h"

#include <cmath>

#include <cairo.h>

#include "platform/foundation/Log.h"
#include "platform/ui/UIScreen.h"

namespace fv {

void renderViewTree(UIView& view, const CGContextRef& context) {
    if (!context || view.isHidden() || view.alpha() <= 0) return;
    CALayer& layer = *view.layer();
    CGRect b = view.bounds();
    context->saveGState();
    cairo_t* cr = context->cairo();
    bool grouped = view.alpha() < 1;
    if (grouped) cairo_push_group(cr);

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

UIImagePtr renderView(UIView& view, CGFloat scale) {
    CGSize size = view.bounds().size;
    if (size.width <= 0 || size.height <= 0) return nullptr;
    if (scale <= 0) scale = UIScreen::mainScreen()->scale();
    UIGraphicsBeginImageContextWithOptions(size, false, scale);
    auto context = UIGraphicsGetCurrentContext();
    if (!context) {
        UIGraphicsEndImageContext();
        return nullptr;
    }
    renderViewTree(view, context);
    UIImagePtr image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image;
}

bool renderViewToPNG(UIView& view, const std::string& path, CGFloat scale) {
    UIImagePtr image = renderView(view, scale);
    if (!image || !image->cairoSurface()) {
        log("renderViewToPNG: nothing to render for " + path);
        return false;
    }
    if (cairo_surface_write_to_png(image->cairoSurface(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
        log("renderViewToPNG: could not write " + path);
        return false;
    }
    return true;
}

}  // namespace fv
