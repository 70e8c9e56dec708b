// CGContext's graphics state, transforms and path building; painting is in GraphicsContextPainting.cpp.
#include "platform/graphics/GraphicsContext.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace fv {

CGContext::CGContext(cairo_t* cr) : cr_(cairo_reference(cr)) {}

CGContext::~CGContext() {
    cairo_destroy(cr_);
}

void CGContext::saveGState() {
    cairo_save(cr_);
    saved_.push_back(state_);
}

void CGContext::restoreGState() {
    if (saved_.empty()) return;  // an unbalanced restore must not corrupt cairo's state
    cairo_restore(cr_);
    state_ = saved_.back();
    saved_.pop_back();
}

void CGContext::beginTransparencyLayer() {
    saveGState();
    cairo_push_group(cr_);
    ++transparencyLayers_;
}

void CGContext::endTransparencyLayer() {
    if (transparencyLayers_ == 0) return;
    --transparencyLayers_;
    cairo_pop_group_to_source(cr_);
    cairo_paint(cr_);
    restoreGState();
}

void CGContext::translateCTM(CGFloat tx, CGFloat ty) {
    cairo_translate(cr_, tx, ty);
}
void CGContext::scaleCTM(CGFloat sx, CGFloat sy) {
    cairo_scale(cr_, sx, sy);
}
void CGContext::rotateCTM(CGFloat angle) {
    cairo_rotate(cr_, angle);
}

void CGContext::concatCTM(CGAffineTransform t) {
    cairo_matrix_t m;
    cairo_matrix_init(&m, t.a, t.b, t.c, t.d, t.tx, t.ty);
    cairo_transform(cr_, &m);
}

CGAffineTransform CGContext::getCTM() const {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    return {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0};
}

void CGContext::setFillColor(const UIColorPtr& color) {
    state_.fill = color;
}
void CGContext::setStrokeColor(const UIColorPtr& color) {
    state_.stroke = color;
}
void CGContext::setLineWidth(CGFloat width) {
    cairo_set_line_width(cr_, std::max<CGFloat>(0, width));
}

void CGContext::setLineCap(CGLineCap cap) {
    cairo_set_line_cap(cr_, cap == CGLineCap::Round    ? CAIRO_LINE_CAP_ROUND
                            : cap == CGLineCap::Square ? CAIRO_LINE_CAP_SQUARE
                                                       : CAIRO_LINE_CAP_BUTT);
}

void CGContext::setLineJoin(CGLineJoin join) {
    cairo_set_line_join(cr_, join == CGLineJoin::Round   ? CAIRO_LINE_JOIN_ROUND
                             : join == CGLineJoin::Bevel ? CAIRO_LINE_JOIN_BEVEL
                                                         : CAIRO_LINE_JOIN_MITER);
}

void CGContext::setLineDash(CGFloat phase, const std::vector<CGFloat>& lengths) {
    cairo_set_dash(cr_, lengths.data(), static_cast<int>(lengths.size()), phase);
}

void CGContext::setAlpha(CGFloat alpha) {
    state_.alpha = std::clamp<CGFloat>(alpha, 0, 1);
}
void CGContext::setBlendMode(CGBlendMode mode) {
    state_.blend = mode;
}

void CGContext::setShadow(CGSize offset, CGFloat blur, const UIColorPtr& color) {
    state_.shadowOffset = offset;
    state_.shadowBlur = std::max<CGFloat>(0, blur);
    state_.shadowColor = color;
}

void CGContext::setShadowCache(ShadowCache* cache) {
    state_.shadowCache = cache;
}

void CGContext::beginPath() {
    cairo_new_path(cr_);
}
void CGContext::moveToPoint(CGPoint p) {
    cairo_move_to(cr_, p.x, p.y);
}

void CGContext::addLineToPoint(CGPoint p) {
    if (!cairo_has_current_point(cr_)) return cairo_move_to(cr_, p.x, p.y);
    cairo_line_to(cr_, p.x, p.y);
}

void CGContext::addCurveToPoint(CGPoint cp1, CGPoint cp2, CGPoint end) {
    if (!cairo_has_current_point(cr_)) cairo_move_to(cr_, cp1.x, cp1.y);
    cairo_curve_to(cr_, cp1.x, cp1.y, cp2.x, cp2.y, end.x, end.y);
}

void CGContext::addQuadCurveToPoint(CGPoint cp, CGPoint end) {
    if (!cairo_has_current_point(cr_)) cairo_move_to(cr_, cp.x, cp.y);
    double x0, y0;
    cairo_get_current_point(cr_, &x0, &y0);
    cairo_curve_to(cr_, x0 + 2.0 / 3 * (cp.x - x0), y0 + 2.0 / 3 * (cp.y - y0),
                   end.x + 2.0 / 3 * (cp.x - end.x), end.y + 2.0 / 3 * (cp.y - end.y), end.x, end.y);
}

void CGContext::addArc(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle, bool clockwise) {
    // With y pointing down, increasing angles turn clockwise on screen.
    if (clockwise) {
        cairo_arc(cr_, center.x, center.y, radius, startAngle, endAngle);
    } else {
        cairo_arc_negative(cr_, center.x, center.y, radius, startAngle, endAngle);
    }
}

void CGContext::closePath() {
    cairo_close_path(cr_);
}

void CGContext::addRect(CGRect r) {
    r = CGRectStandardize(r);
    cairo_rectangle(cr_, r.origin.x, r.origin.y, r.size.width, r.size.height);
}

void CGContext::addRoundedRect(CGRect r, CGFloat radius) {
    r = CGRectStandardize(r);
    radius = std::min({radius, r.size.width / 2, r.size.height / 2});
    if (radius <= 0) return addRect(r);
    const double x0 = r.origin.x, y0 = r.origin.y, x1 = x0 + r.size.width, y1 = y0 + r.size.height;
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x1 - radius, y0 + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr_, x1 - radius, y1 - radius, radius, 0, M_PI / 2);
    cairo_arc(cr_, x0 + radius, y1 - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr_, x0 + radius, y0 + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr_);
}

void CGContext::addEllipseInRect(CGRect r) {
    r = CGRectStandardize(r);
    if (r.size.width <= 0 || r.size.height <= 0) return;
    cairo_save(cr_);
    cairo_translate(cr_, r.origin.x + r.size.width / 2, r.origin.y + r.size.height / 2);
    cairo_scale(cr_, r.size.width / 2, r.size.height / 2);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr_);
    cairo_restore(cr_);
}

bool CGContext::isPathEmpty() const {
    cairo_path_t* path = cairo_copy_path(cr_);
    bool empty = path->num_data == 0;
    cairo_path_destroy(path);
    return empty;
}

}  // namespace fv
