#pragma once
// PNG encoding tuned for speed over the last few percent of size: screens are large, flat and many.
// Opaque pixels are written as RGB, others as straight (not premultiplied) RGBA; each row is filtered
// against its left neighbour and the whole compressed in one go by libdeflate.
#include <cstdint>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace fv {

class PNGEncoder {
  public:
    // The PNG bytes of an ARGB32 or RGB24 image surface; empty for any other surface or on failure.
    static std::vector<std::uint8_t> encode(cairo_surface_t* surface);
};

}  // namespace fv
