#include "controls/UIImageViewImageRect.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace fv {
namespace {

// view = image × scale + offset, per axis.
struct Mapping {
    CGFloat kx = 1, ky = 1, ox = 0, oy = 0;
};

struct Sizes {
    CGFloat bw, bh, iw, ih;
};

bool usable(CGFloat v) {
    return std::isfinite(v) && v > 0;
}

std::optional<Sizes> sizesOf(const UIImageView& view) {
    const auto image = view.image();
    if (!image) return std::nullopt;
    const Sizes s{view.bounds().size.width, view.bounds().size.height, image->size().width,
                  image->size().height};
    if (!usable(s.bw) || !usable(s.bh) || !usable(s.iw) || !usable(s.ih)) return std::nullopt;
    return s;
}

std::optional<Mapping> mappingOf(const UIImageView& view) {
    const auto sizes = sizesOf(view);
    if (!sizes) return std::nullopt;
    const auto [bw, bh, iw, ih] = *sizes;
    const CGFloat sx = bw / iw, sy = bh / ih;
    const CGFloat dx = bw - iw, dy = bh - ih;
    switch (view.contentMode()) {
        case UIViewContentModeScaleToFill:
        case UIViewContentModeRedraw:
            return Mapping{sx, sy, 0, 0};
        case UIViewContentModeScaleAspectFit:
        case UIViewContentModeScaleAspectFill: {
            const CGFloat s =
                view.contentMode() == UIViewContentModeScaleAspectFit ? std::min(sx, sy) : std::max(sx, sy);
            return Mapping{s, s, (bw - iw * s) / 2, (bh - ih * s) / 2};
        }
        case UIViewContentModeCenter:
            return Mapping{1, 1, dx / 2, dy / 2};
        case UIViewContentModeTop:
            return Mapping{1, 1, dx / 2, 0};
        case UIViewContentModeBottom:
            return Mapping{1, 1, dx / 2, dy};
        case UIViewContentModeLeft:
            return Mapping{1, 1, 0, dy / 2};
        case UIViewContentModeRight:
            return Mapping{1, 1, dx, dy / 2};
        case UIViewContentModeTopLeft:
            return Mapping{1, 1, 0, 0};
        case UIViewContentModeTopRight:
            return Mapping{1, 1, dx, 0};
        case UIViewContentModeBottomLeft:
            return Mapping{1, 1, 0, dy};
        case UIViewContentModeBottomRight:
            return Mapping{1, 1, dx, dy};
    }
    return std::nullopt;
}

bool finite(CGRect r) {
    return std::isfinite(r.origin.x) && std::isfinite(r.origin.y) && std::isfinite(r.size.width) &&
           std::isfinite(r.size.height);
}

CGFloat single(CGFloat v) {
    return static_cast<float>(v);
}

template <typename Convert>
CGRect convertRect(CGRect r, Convert convert) {
    const CGPoint a = convert(r.origin);
    const CGPoint b = convert(CGPointMake(r.origin.x + r.size.width, r.origin.y + r.size.height));
    return CGRectMake(a.x, a.y, std::fabs(b.x - a.x), std::fabs(b.y - a.y));
}

}  // namespace

CGRect cropRectForFrame(const UIImageView& view, CGRect frame) {
    const auto sizes = sizesOf(view);
    if (!sizes || !finite(frame)) return CGRectZero;
    const auto [bw, bh, iw, ih] = *sizes;
    const CGFloat sx = bw / iw, sy = bh / ih;
    CGFloat s, x, y;
    if (sx < sy) {
        s = sx;
        const CGFloat d = single(-0.5 * (bh - s * ih));
        x = frame.origin.x / s;
        y = (frame.origin.y + d) / s;
    } else {
        s = sy;
        const CGFloat d = single(-0.5 * (bw - s * iw));
        x = (frame.origin.x + d) / s;
        y = frame.origin.y / s;
    }
    return CGRectMake(single(x), single(y), single(frame.size.width / s), single(frame.size.height / s));
}

CGPoint convertPointFromImage(const UIImageView& view, CGPoint p) {
    const auto m = mappingOf(view);
    if (!m) return p;
    return CGPointMake(p.x * m->kx + m->ox, p.y * m->ky + m->oy);
}

CGPoint convertPointFromView(const UIImageView& view, CGPoint p) {
    const auto m = mappingOf(view);
    if (!m) return p;
    return CGPointMake((p.x - m->ox) / m->kx, (p.y - m->oy) / m->ky);
}

CGRect convertRectFromImage(const UIImageView& view, CGRect r) {
    return convertRect(r, [&view](CGPoint p) { return convertPointFromImage(view, p); });
}

CGRect convertRectFromView(const UIImageView& view, CGRect r) {
    return convertRect(r, [&view](CGPoint p) { return convertPointFromView(view, p); });
}

}  // namespace fv
