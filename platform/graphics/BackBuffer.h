#pragma once
// The bitmap a window draws each frame into, kept from one frame to the next so that a frame neither
// allocates nor zeroes nine megabytes. A snapshot of the window shares it: while one is held, the next
// frame draws into a fresh bitmap instead of under the snapshot.
typedef struct _cairo_surface cairo_surface_t;

namespace fv {

class BackBuffer {
  public:
    BackBuffer() = default;
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // An ARGB32 surface of the size for the next frame, owned by the buffer; `fresh` says whether it
    // is new (all transparent) or holds the last frame's pixels. None when cairo cannot make one.
    cairo_surface_t* surfaceFor(int width, int height, bool& fresh);
    // Frees the bitmap (a held snapshot keeps its own).
    void release();

  private:
    cairo_surface_t* surface_ = nullptr;
};

}  // namespace fv
