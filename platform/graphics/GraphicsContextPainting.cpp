// CGContext's painting: fills, strokes, clips, images, gradients and the shadows they cast.
#include "platform/graphics/GraphicsContext.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/graphics/BoxBlur.h"
#include "platform/graphics/ShadowCache.h"

namespace fv {
namespace {

cairo_operator_t cairoOperator(CGBlendMode mode) {
    switch (mode) {
        case CGBlendMode::Copy:
            return CAIRO_OPERATOR_SOURCE;
        case CGBlendMode::Clear:
            return CAIRO_OPERATOR_CLEAR;
        case CGBlendMode::Normal:
            break;
    }
    return CAIRO_OPERATOR_OVER;
}

void setSourceColor(cairo_t* cr, const UIColorPtr& color, CGFloat alpha) {
    if (!color) {
        cairo_set_source_rgba(cr, 0, 0, 0, 0);
        return;
    }
    cairo_set_source_rgba(cr, color->red(), color->green(), color->blue(), color->alpha() * alpha);
}

// Device-space bounding box of a user-space rect.
void deviceBounds(cairo_t* cr, CGRect r, double& x0, double& y0, double& x1, double& y1) {
    double xs[4] = {r.origin.x, r.origin.x + r.size.width, r.origin.x, r.origin.x + r.size.width};
    double ys[4] = {r.origin.y, r.origin.y, r.origin.y + r.size.height, r.origin.y + r.size.height};
    x0 = y0 = INFINITY;
    x1 = y1 = -INFINITY;
    for (int i = 0; i < 4; ++i) {
        cairo_user_to_device(cr, &xs[i], &ys[i]);
        x0 = std::min(x0, xs[i]);
        x1 = std::max(x1, xs[i]);
        y0 = std::min(y0, ys[i]);
        y1 = std::max(y1, ys[i]);
    }
}

struct ShadowSpec {
    CGSize offset;
    CGFloat blur;
    UIColorPtr color;
    CGFloat alpha;
};

// Wider blurs than this look no different and would only cost time.
constexpr int kMaxBlurRadius = 2000;

// Paints `shape` (drawn opaque on the context it is given) as a blurred mask in the shadow colour,
// offset and clipped like the context's own drawing. `userBounds` is what the shape covers; `key`
// describes the shape in user space, for `cache` (which may be none).
void paintShadow(cairo_t* cr, const ShadowSpec& s, CGRect userBounds,
                 const std::function<void(cairo_t*)>& shape, ShadowCache* cache, std::vector<double> key) {
    double x0, y0, x1, y1;
    deviceBounds(cr, userBounds, x0, y0, x1, y1);
    double ox = s.offset.width, oy = s.offset.height;
    cairo_user_to_device_distance(cr, &ox, &oy);
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    const double blur = s.blur * std::sqrt(std::abs(m.xx * m.yy - m.xy * m.yx));
    // Three box passes of width w have the variance of a Gaussian with sigma^2 = (w^2 - 1) / 4; the
    // blur is taken as twice sigma.
    const int radius =
        std::clamp(static_cast<int>(std::lround((std::sqrt(blur * blur + 1) - 1) / 2)), 0, kMaxBlurRadius);
    double cx0, cy0, cx1, cy1;
    cairo_clip_extents(cr, &cx0, &cy0, &cx1, &cy1);
    deviceBounds(cr, CGRectMake(cx0, cy0, cx1 - cx0, cy1 - cy0), cx0, cy0, cx1, cy1);
    const double margin = 3.0 * radius + 1;
    // The mask reaches a blur's width past the clip, so that the shape beyond it still darkens the
    // edge as it would unclipped; the clip then cuts what is painted.
    const int sx0 = static_cast<int>(std::floor(std::max(x0 + ox - margin, cx0 - margin)));
    const int sy0 = static_cast<int>(std::floor(std::max(y0 + oy - margin, cy0 - margin)));
    const int sx1 = static_cast<int>(std::ceil(std::min(x1 + ox + margin, cx1 + margin)));
    const int sy1 = static_cast<int>(std::ceil(std::min(y1 + oy + margin, cy1 + margin)));
    if (sx1 <= sx0 || sy1 <= sy0 || cx1 <= cx0 || cy1 <= cy0) return;

    cairo_matrix_t shifted = m;
    shifted.x0 += ox - sx0;
    shifted.y0 += oy - sy0;
    auto make = [&]() -> cairo_surface_t* {
        cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, sx1 - sx0, sy1 - sy0);
        cairo_t* mc = cairo_create(mask);
        cairo_set_matrix(mc, &shifted);
        shape(mc);
        cairo_destroy(mc);
        if (radius > 0) blurAlpha(mask, radius);
        return mask;
    };
    cairo_surface_t* mask = nullptr;
    if (cache) {
        // What the mask's pixels depend on: the shape, where it falls within the mask, and the blur.
        key.insert(key.end(), {shifted.xx, shifted.yx, shifted.xy, shifted.yy, shifted.x0, shifted.y0,
                               static_cast<double>(sx1 - sx0), static_cast<double>(sy1 - sy0),
                               static_cast<double>(radius)});
        mask = cairo_surface_reference(cache->mask(key, make));
    } else {
        mask = make();
    }
    if (!mask) return;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    setSourceColor(cr, s.color, s.alpha);
    cairo_mask_surface(cr, mask, sx0, sy0);
    cairo_restore(cr);
    cairo_surface_destroy(mask);
}

// A path's elements as numbers, for comparing two shapes.
void appendPath(std::vector<double>& key, const cairo_path_t* path) {
    key.reserve(key.size() + static_cast<std::size_t>(path->num_data) * 2);
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
        const cairo_path_data_t& header = path->data[i];
        key.push_back(static_cast<double>(header.header.type));
        for (int j = 1; j < header.header.length; ++j) {
            key.push_back(path->data[i + j].point.x);
            key.push_back(path->data[i + j].point.y);
        }
    }
}

}  // namespace

void CGContext::fillPath(bool evenOdd) {
    drawPath(evenOdd ? CGPathDrawingMode::EOFill : CGPathDrawingMode::Fill);
}

void CGContext::strokePath() {
    drawPath(CGPathDrawingMode::Stroke);
}

void CGContext::drawPath(CGPathDrawingMode mode) {
    const bool fill = mode != CGPathDrawingMode::Stroke;
    const bool stroke = mode == CGPathDrawingMode::Stroke || mode == CGPathDrawingMode::FillStroke ||
                        mode == CGPathDrawingMode::EOFillStroke;
    const bool evenOdd = mode == CGPathDrawingMode::EOFill || mode == CGPathDrawingMode::EOFillStroke;
    cairo_path_t* path = cairo_copy_path(cr_);
    const double lineWidth = cairo_get_line_width(cr_);
    const cairo_line_cap_t cap = cairo_get_line_cap(cr_);
    const cairo_line_join_t join = cairo_get_line_join(cr_);
    const int dashes = cairo_get_dash_count(cr_);
    std::vector<double> dash(static_cast<std::size_t>(dashes));
    double dashOffset = 0;
    if (dashes > 0) cairo_get_dash(cr_, dash.data(), &dashOffset);
    double x0, y0, x1, y1;
    if (stroke) {
        cairo_stroke_extents(cr_, &x0, &y0, &x1, &y1);
    } else {
        cairo_fill_extents(cr_, &x0, &y0, &x1, &y1);
    }
    const State st = state_;
    auto shape = [&](cairo_t* t, bool forShadow) {
        cairo_new_path(t);
        cairo_append_path(t, path);
        if (fill) {
            cairo_set_fill_rule(t, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
            setSourceColor(t, forShadow ? UIColor::blackColor() : st.fill, forShadow ? 1 : st.alpha);
            stroke ? cairo_fill_preserve(t) : cairo_fill(t);
        }
        if (stroke) {
            cairo_set_line_width(t, lineWidth);
            cairo_set_line_cap(t, cap);
            cairo_set_line_join(t, join);
            cairo_set_dash(t, dash.data(), dashes, dashOffset);
            setSourceColor(t, forShadow ? UIColor::blackColor() : st.stroke, forShadow ? 1 : st.alpha);
            cairo_stroke(t);
        }
    };
    if (st.shadowColor && st.shadowColor->alpha() > 0 && x1 > x0 && y1 > y0) {
        std::vector<double> key;
        if (st.shadowCache) {
            key = {static_cast<double>(mode), lineWidth, static_cast<double>(cap), static_cast<double>(join),
                   dashOffset};
            key.insert(key.end(), dash.begin(), dash.end());
            appendPath(key, path);
        }
        paintShadow(
            cr_, {st.shadowOffset, st.shadowBlur, st.shadowColor, st.alpha},
            CGRectMake(x0, y0, x1 - x0, y1 - y0), [&](cairo_t* t) { shape(t, true); }, st.shadowCache,
            std::move(key));
    }
    cairo_save(cr_);
    cairo_set_operator(cr_, cairoOperator(st.blend));
    shape(cr_, false);
    cairo_restore(cr_);
    cairo_new_path(cr_);
    cairo_path_destroy(path);
}

void CGContext::clip(bool evenOdd) {
    cairo_set_fill_rule(cr_, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr_);
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
}

void CGContext::clipToRect(CGRect r) {
    cairo_new_path(cr_);
    addRect(r);
    cairo_clip(cr_);
}

CGRect CGContext::clipBoundingBox() const {
    double x0, y0, x1, y1;
    cairo_clip_extents(cr_, &x0, &y0, &x1, &y1);
    return CGRectMake(x0, y0, x1 - x0, y1 - y0);
}

void CGContext::fillRect(CGRect r) {
    cairo_new_path(cr_);
    addRect(r);
    fillPath();
}

void CGContext::strokeRect(CGRect r) {
    cairo_new_path(cr_);
    addRect(r);
    strokePath();
}

void CGContext::fillEllipseInRect(CGRect r) {
    cairo_new_path(cr_);
    addEllipseInRect(r);
    fillPath();
}

void CGContext::strokeEllipseInRect(CGRect r) {
    cairo_new_path(cr_);
    addEllipseInRect(r);
    strokePath();
}

void CGContext::clearRect(CGRect r) {
    cairo_save(cr_);
    cairo_new_path(cr_);
    addRect(r);
    cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

namespace {

// Maps user space to the image's pixels so that the oriented image fills `r`.
cairo_matrix_t imageMatrix(const UIImage& image, CGRect r) {
    // Raw pixel position as a function of the displayed unit square (u, v): raw = (a*u + b*v + c).
    struct Coeff {
        double ax, bx, cx, ay, by, cy;
    };
    Coeff k{1, 0, 0, 0, 1, 0};
    switch (image.imageOrientation()) {
        case UIImageOrientation::Up:
            break;
        case UIImageOrientation::Down:
            k = {-1, 0, 1, 0, -1, 1};
            break;
        case UIImageOrientation::Left:
            k = {0, -1, 1, 1, 0, 0};
            break;
        case UIImageOrientation::Right:
            k = {0, 1, 0, -1, 0, 1};
            break;
        case UIImageOrientation::UpMirrored:
            k = {-1, 0, 1, 0, 1, 0};
            break;
        case UIImageOrientation::DownMirrored:
            k = {1, 0, 0, 0, -1, 1};
            break;
        case UIImageOrientation::LeftMirrored:
            k = {0, -1, 1, -1, 0, 1};
            break;
        case UIImageOrientation::RightMirrored:
            k = {0, 1, 0, 1, 0, 0};
            break;
    }
    const double pw = image.pixelWidth(), ph = image.pixelHeight();
    const double rw = r.size.width, rh = r.size.height, rx = r.origin.x, ry = r.origin.y;
    cairo_matrix_t m;
    cairo_matrix_init(&m, k.ax * pw / rw, k.ay * ph / rw, k.bx * pw / rh, k.by * ph / rh,
                      (k.cx - k.ax * rx / rw - k.bx * ry / rh) * pw,
                      (k.cy - k.ay * rx / rw - k.by * ry / rh) * ph);
    return m;
}

}  // namespace

void CGContext::drawImage(const UIImage& image, CGRect rect, const UIColorPtr& tint) {
    rect = CGRectStandardize(rect);
    if (image.isEmpty() || rect.size.width <= 0 || rect.size.height <= 0) return;
    const cairo_matrix_t m = imageMatrix(image, rect);
    const bool asTemplate = tint && image.renderingMode() == UIImageRenderingMode::AlwaysTemplate;
    const State st = state_;
    auto shape = [&](cairo_t* t, bool forShadow) {
        cairo_save(t);
        cairo_rectangle(t, rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
        cairo_clip(t);
        cairo_pattern_t* pattern = cairo_pattern_create_for_surface(image.cairoSurface());
        cairo_pattern_set_matrix(pattern, &m);
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
        if (st.interpolation == CGInterpolationQuality::None)
            cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
        if (forShadow || asTemplate) {
            setSourceColor(t, forShadow ? UIColor::blackColor() : tint, forShadow ? 1 : st.alpha);
            cairo_mask(t, pattern);
        } else {
            cairo_set_source(t, pattern);
            cairo_paint_with_alpha(t, st.alpha);
        }
        cairo_pattern_destroy(pattern);
        cairo_restore(t);
    };
    if (st.shadowColor && st.shadowColor->alpha() > 0) {
        paintShadow(cr_, {st.shadowOffset, st.shadowBlur, st.shadowColor, st.alpha}, rect,
                    [&](cairo_t* t) { shape(t, true); }, nullptr, {});
    }
    cairo_save(cr_);
    cairo_set_operator(cr_, cairoOperator(st.blend));
    shape(cr_, false);
    cairo_restore(cr_);
}

namespace {

void paintGradient(cairo_t* cr, cairo_pattern_t* pattern, const std::vector<UIColorPtr>& colors,
                   const std::vector<CGFloat>& locations, unsigned options, CGFloat alpha,
                   CGBlendMode blend) {
    const std::size_t n = colors.size();
    for (std::size_t i = 0; i < n; ++i) {
        // Without locations the colours spread evenly.
        CGFloat at = i < locations.size() ? locations[i] : (n > 1 ? static_cast<CGFloat>(i) / (n - 1) : 0);
        const UIColorPtr& c = colors[i];
        if (c) {
            cairo_pattern_add_color_stop_rgba(pattern, at, c->red(), c->green(), c->blue(), c->alpha());
        } else {
            cairo_pattern_add_color_stop_rgba(pattern, at, 0, 0, 0, 0);
        }
    }
    cairo_pattern_set_extend(pattern, options ? CAIRO_EXTEND_PAD : CAIRO_EXTEND_NONE);
    cairo_save(cr);
    cairo_set_operator(cr, cairoOperator(blend));
    cairo_set_source(cr, pattern);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
    cairo_pattern_destroy(pattern);
}

}  // namespace

void CGContext::drawLinearGradient(const std::vector<UIColorPtr>& colors,
                                   const std::vector<CGFloat>& locations, CGPoint start, CGPoint end,
                                   unsigned options) {
    if (colors.empty()) return;
    paintGradient(cr_, cairo_pattern_create_linear(start.x, start.y, end.x, end.y), colors, locations,
                  options, state_.alpha, state_.blend);
}

void CGContext::drawRadialGradient(const std::vector<UIColorPtr>& colors,
                                   const std::vector<CGFloat>& locations, CGPoint startCenter,
                                   CGFloat startRadius, CGPoint endCenter, CGFloat endRadius,
                                   unsigned options) {
    if (colors.empty()) return;
    paintGradient(cr_,
                  cairo_pattern_create_radial(startCenter.x, startCenter.y, std::max<CGFloat>(0, startRadius),
                                              endCenter.x, endCenter.y, std::max<CGFloat>(0, endRadius)),
                  colors, locations, options, state_.alpha, state_.blend);
}

}  // namespace fv
