#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsContext.h"

namespace fv {

UIBezierPathPtr UIBezierPath::bezierPath() {
    return std::make_shared<UIBezierPath>();
}

UIBezierPathPtr UIBezierPath::bezierPathWithRect(CGRect r) {
    r = CGRectStandardize(r);
    auto p = bezierPath();
    p->moveToPoint(r.origin);
    p->addLineToPoint({r.origin.x + r.size.width, r.origin.y});
    p->addLineToPoint({r.origin.x + r.size.width, r.origin.y + r.size.height});
    p->addLineToPoint({r.origin.x, r.origin.y + r.size.height});
    p->closePath();
    return p;
}

UIBezierPathPtr UIBezierPath::bezierPathWithRoundedRect(CGRect r, CGFloat cornerRadius) {
    r = CGRectStandardize(r);
    const CGFloat radius = std::min({cornerRadius, r.size.width / 2, r.size.height / 2});
    if (radius <= 0) return bezierPathWithRect(r);
    const CGFloat x0 = r.origin.x, y0 = r.origin.y, x1 = x0 + r.size.width, y1 = y0 + r.size.height;
    auto p = bezierPath();
    p->moveToPoint({x0 + radius, y0});
    p->addArcWithCenter({x1 - radius, y0 + radius}, radius, -M_PI / 2, 0, true);
    p->addArcWithCenter({x1 - radius, y1 - radius}, radius, 0, M_PI / 2, true);
    p->addArcWithCenter({x0 + radius, y1 - radius}, radius, M_PI / 2, M_PI, true);
    p->addArcWithCenter({x0 + radius, y0 + radius}, radius, M_PI, 3 * M_PI / 2, true);
    p->closePath();
    return p;
}

UIBezierPathPtr UIBezierPath::bezierPathWithOvalInRect(CGRect r) {
    r = CGRectStandardize(r);
    auto p = bezierPath();
    if (r.size.width <= 0 || r.size.height <= 0) return p;
    // Four quarter arcs of a unit circle, scaled to the rect.
    const CGFloat k = 0.5522847498307936;
    const CGFloat cx = r.origin.x + r.size.width / 2, cy = r.origin.y + r.size.height / 2;
    const CGFloat rx = r.size.width / 2, ry = r.size.height / 2;
    p->moveToPoint({cx + rx, cy});
    p->addCurveToPoint({cx, cy + ry}, {cx + rx, cy + k * ry}, {cx + k * rx, cy + ry});
    p->addCurveToPoint({cx - rx, cy}, {cx - k * rx, cy + ry}, {cx - rx, cy + k * ry});
    p->addCurveToPoint({cx, cy - ry}, {cx - rx, cy - k * ry}, {cx - k * rx, cy - ry});
    p->addCurveToPoint({cx + rx, cy}, {cx + k * rx, cy - ry}, {cx + rx, cy - k * ry});
    p->closePath();
    return p;
}

UIBezierPathPtr UIBezierPath::bezierPathWithArcCenter(CGPoint center, CGFloat radius, CGFloat startAngle,
                                                      CGFloat endAngle, bool clockwise) {
    auto p = bezierPath();
    p->addArcWithCenter(center, radius, startAngle, endAngle, clockwise);
    return p;
}

void UIBezierPath::moveToPoint(CGPoint p) {
    elements_.push_back({Element::Move, {p, {}, {}}});
}

void UIBezierPath::addLineToPoint(CGPoint p) {
    if (elements_.empty()) return moveToPoint(p);
    elements_.push_back({Element::Line, {p, {}, {}}});
}

void UIBezierPath::addCurveToPoint(CGPoint end, CGPoint cp1, CGPoint cp2) {
    if (elements_.empty()) moveToPoint(cp1);
    elements_.push_back({Element::Curve, {cp1, cp2, end}});
}

// Arcs become cubic segments of at most a quarter turn, so bounds and hit tests see real points.
void UIBezierPath::addArcWithCenter(CGPoint center, CGFloat radius, CGFloat startAngle, CGFloat endAngle,
                                    bool clockwise) {
    // Angles are often computed (progress, drags): a non-finite one adds nothing, and the sweep is
    // brought into one turn at once, so neither a huge angle nor a NaN can hang or overflow below.
    if (!std::isfinite(startAngle) || !std::isfinite(endAngle)) return;
    CGFloat sweep = endAngle - startAngle;
    if (clockwise && sweep < 0) {
        sweep = std::fmod(sweep, 2 * M_PI);
        if (sweep < 0) sweep += 2 * M_PI;
    } else if (!clockwise && sweep > 0) {
        sweep = std::fmod(sweep, 2 * M_PI);
        if (sweep > 0) sweep -= 2 * M_PI;
    }
    // More than a full turn draws the full circle once.
    sweep = std::clamp<CGFloat>(sweep, -2 * M_PI, 2 * M_PI);
    const CGPoint start{center.x + radius * std::cos(startAngle), center.y + radius * std::sin(startAngle)};
    if (elements_.empty()) {
        moveToPoint(start);
    } else {
        addLineToPoint(start);
    }
    const int segments = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (M_PI / 2) - 1e-9)));
    const CGFloat step = sweep / segments;
    const CGFloat k = 4.0 / 3.0 * std::tan(step / 4);
    CGFloat a = startAngle;
    for (int i = 0; i < segments; ++i) {
        const CGFloat b = a + step;
        const CGPoint p0{center.x + radius * std::cos(a), center.y + radius * std::sin(a)};
        const CGPoint p3{center.x + radius * std::cos(b), center.y + radius * std::sin(b)};
        const CGPoint c1{p0.x - k * radius * std::sin(a), p0.y + k * radius * std::cos(a)};
        const CGPoint c2{p3.x + k * radius * std::sin(b), p3.y - k * radius * std::cos(b)};
        elements_.push_back({Element::Curve, {c1, c2, p3}});
        a = b;
    }
}

void UIBezierPath::closePath() {
    if (!elements_.empty()) elements_.push_back({Element::Close, {}});
}

void UIBezierPath::appendPath(const UIBezierPath& other) {
    elements_.insert(elements_.end(), other.elements_.begin(), other.elements_.end());
}

void UIBezierPath::applyTransform(CGAffineTransform t) {
    for (Element& e : elements_) {
        for (CGPoint& p : e.p) p = CGPointApplyAffineTransform(p, t);
    }
}

CGRect UIBezierPath::bounds() const {
    bool any = false;
    CGFloat x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    for (const Element& e : elements_) {
        const int count = e.kind == Element::Curve ? 3 : e.kind == Element::Close ? 0 : 1;
        for (int i = 0; i < count; ++i) {
            const CGPoint& p = e.p[i];
            if (!any) {
                x0 = x1 = p.x;
                y0 = y1 = p.y;
                any = true;
            }
            x0 = std::min(x0, p.x);
            x1 = std::max(x1, p.x);
            y0 = std::min(y0, p.y);
            y1 = std::max(y1, p.y);
        }
    }
    return CGRectMake(x0, y0, x1 - x0, y1 - y0);
}

namespace {
void replay(cairo_t* cr, const auto& elements) {
    for (const auto& e : elements) {
        switch (e.kind) {
            case decltype(e.kind)::Move:
                cairo_move_to(cr, e.p[0].x, e.p[0].y);
                break;
            case decltype(e.kind)::Line:
                cairo_line_to(cr, e.p[0].x, e.p[0].y);
                break;
            case decltype(e.kind)::Curve:
                cairo_curve_to(cr, e.p[0].x, e.p[0].y, e.p[1].x, e.p[1].y, e.p[2].x, e.p[2].y);
                break;
            case decltype(e.kind)::Close:
                cairo_close_path(cr);
                break;
        }
    }
}
}  // namespace

bool UIBezierPath::containsPoint(CGPoint p) const {
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(scratch);
    replay(cr, elements_);
    cairo_set_fill_rule(cr, usesEvenOddFillRule ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    const bool inside = cairo_in_fill(cr, p.x, p.y);
    cairo_destroy(cr);
    cairo_surface_destroy(scratch);
    return inside;
}

void UIBezierPath::addToContext(CGContext& context) const {
    replay(context.cairo(), elements_);
}

void UIBezierPath::fill() const {
    CGContextRef c = UIGraphicsGetCurrentContext();
    if (!c) return;
    c->beginPath();
    addToContext(*c);
    c->fillPath(usesEvenOddFillRule);
}

void UIBezierPath::stroke() const {
    CGContextRef c = UIGraphicsGetCurrentContext();
    if (!c) return;
    c->saveGState();
    c->setLineWidth(lineWidth);
    c->beginPath();
    addToContext(*c);
    c->strokePath();
    c->restoreGState();
}

void UIBezierPath::addClip() const {
    CGContextRef c = UIGraphicsGetCurrentContext();
    if (!c) return;
    c->beginPath();
    addToContext(*c);
    c->clip(usesEvenOddFillRule);
}

}  // namespace fv
