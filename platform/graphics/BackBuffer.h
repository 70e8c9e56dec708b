#pragma once
// The bitmap a window draws each frame into, kept from one frame to the next so that a frame neither
// allocates nor zeroes nine megabytes. A snapshot of the window shares it: while one is held, the next
// frame draws into a fresh bitmap instead of under the snapshot.
#include <future>

typedef struct _cairo_surface cairo_surface_t;

namespace fv {

class BackBuffer {
  public:
    BackBuffer() = default;
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // Makes the bitmap for frames of this size on another thread, its memory already touched: a fresh
    // bitmap is otherwise paged in one page fault at a time by the first frame that draws into it,
    // which is milliseconds for a full window. Does nothing when a bitmap of that size is kept.
    void prepare(int width, int height);
    // An ARGB32 surface of the size for the next frame, owned by the buffer; `fresh` says whether it
    // is new (all transparent) or holds the last frame's pixels. None when cairo cannot make one.
    cairo_surface_t* surfaceFor(int width, int height, bool& fresh);
    // Frees the bitmap, and one being prepared once it is made (a held snapshot keeps its own).
    void release();

  private:
    // Waits for a bitmap being prepared and keeps it when it is of this size; else frees it.
    void takePrepared(int width, int height);

    cairo_surface_t* surface_ = nullptr;
    std::future<cairo_surface_t*> prepared_;
    int preparedWidth_ = 0, preparedHeight_ = 0;
};

}  // namespace fv
