#pragma once
// Keeps the last few blurred shadow masks a layer's drawing made, each with a description of all the
// mask depends on (the shape in device pixels, the blur, the region): drawing the same shape again
// reuses its mask instead of blurring anew.
#include <cstddef>
#include <functional>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

namespace fv {

class ShadowCache {
  public:
    ShadowCache() = default;
    ~ShadowCache();
    ShadowCache(const ShadowCache&) = delete;
    ShadowCache& operator=(const ShadowCache&) = delete;

    // The mask kept for `key`, else the one `make` returns, kept in place of the oldest (none is not
    // kept). Valid until the next call or clear().
    cairo_surface_t* mask(const std::vector<double>& key, const std::function<cairo_surface_t*()>& make);
    void clear();

    // How many masks were made, for tests.
    int misses() const { return misses_; }

  private:
    // A layer draws a shadow under its background and perhaps one or two in its own content.
    static constexpr std::size_t kCapacity = 4;
    struct Entry {
        std::vector<double> key;
        cairo_surface_t* mask = nullptr;
    };
    std::vector<Entry> entries_;
    std::size_t next_ = 0;
    int misses_ = 0;
};

}  // namespace fv
