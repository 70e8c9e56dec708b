#pragma once
// A thread-safe cache of objects by text key. Entries may be evicted at any time, so a caller must
// be able to make any entry again; here eviction happens only beyond `countLimit` (least recently
// used first) or on removeAllObjects. Store NSNull::null() to remember that a lookup found nothing.
#include <cstddef>
#include <list>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/foundation/NSObject.h"

namespace fv {

class NSCache {
  public:
    NSCache() = default;
    NSCache(const NSCache&) = delete;
    NSCache& operator=(const NSCache&) = delete;

    // None when absent or evicted. A hit counts as a use.
    NSObjectPtr objectForKey(const std::string& key);
    // Replaces any entry under `key`; storing none removes it.
    void setObject(NSObjectPtr object, const std::string& key);
    void removeObjectForKey(const std::string& key);
    void removeAllObjects();

    // 0 = no limit. Lowering the limit evicts at once.
    std::size_t countLimit() const;
    void setCountLimit(std::size_t limit);
    std::size_t count() const;

    std::string name() const;
    void setName(std::string name);

  private:
    void evictLocked(std::vector<NSObjectPtr>& released);

    mutable std::mutex mutex_;
    // Most recently used at the front.
    std::list<std::pair<std::string, NSObjectPtr>> entries_;
    std::unordered_map<std::string, std::list<std::pair<std::string, NSObjectPtr>>::iterator> index_;
    std::size_t countLimit_ = 0;
    std::string name_;
};

}  // namespace fv
