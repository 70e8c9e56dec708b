#include "platform/graphics/ShadowCache.h"

#include <cairo.h>

namespace fv {

ShadowCache::~ShadowCache() {
    clear();
}

cairo_surface_t* ShadowCache::mask(const std::vector<double>& key,
                                   const std::function<cairo_surface_t*()>& make) {
    for (const Entry& e : entries_)
        if (e.key == key) return e.mask;
    ++misses_;
    cairo_surface_t* made = make();
    if (!made) return nullptr;
    if (entries_.size() < kCapacity) {
        entries_.push_back({key, made});
    } else {
        Entry& oldest = entries_[next_];
        cairo_surface_destroy(oldest.mask);
        oldest = {key, made};
        next_ = (next_ + 1) % kCapacity;
    }
    return made;
}

void ShadowCache::clear() {
    for (const Entry& e : entries_) cairo_surface_destroy(e.mask);
    entries_.clear();
    next_ = 0;
}

}  // namespace fv
