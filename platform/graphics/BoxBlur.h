#pragma once
// The blur under shadows: three box passes over an alpha mask, which come close to a Gaussian.

typedef struct _cairo_surface cairo_surface_t;

namespace fv {

// Blurs an A8 image surface in place with three horizontal and vertical box passes of width
// 2 * radius + 1; pixels outside the surface count as transparent, and each pass rounds down. A
// radius of 0 or less leaves it as it is.
void blurAlpha(cairo_surface_t* surface, int radius);

}  // namespace fv
