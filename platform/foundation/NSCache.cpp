#include "platform/foundation/NSCache.h"

namespace fv {

NSObjectPtr NSCache::objectForKey(const std::string& key) {
    std::lock_guard lock(mutex_);
    auto found = index_.find(key);
    if (found == index_.end()) return nullptr;
    entries_.splice(entries_.begin(), entries_, found->second);
    return found->second->second;
}

void NSCache::setObject(NSObjectPtr object, const std::string& key) {
    if (!object) return removeObjectForKey(key);
    // Objects leaving the cache are released outside the lock: their destructors may use this cache.
    std::vector<NSObjectPtr> released;
    {
        std::lock_guard lock(mutex_);
        if (auto found = index_.find(key); found != index_.end()) {
            released.push_back(std::move(found->second->second));
            found->second->second = std::move(object);
            entries_.splice(entries_.begin(), entries_, found->second);
            return;
        }
        entries_.emplace_front(key, std::move(object));
        index_[key] = entries_.begin();
        evictLocked(released);
    }
}

void NSCache::removeObjectForKey(const std::string& key) {
    NSObjectPtr removed;
    std::lock_guard lock(mutex_);
    auto found = index_.find(key);
    if (found == index_.end()) return;
    removed = std::move(found->second->second);
    entries_.erase(found->second);
    index_.erase(found);
}

void NSCache::removeAllObjects() {
    std::list<std::pair<std::string, NSObjectPtr>> removed;
    std::lock_guard lock(mutex_);
    removed.swap(entries_);
    index_.clear();
}

std::size_t NSCache::countLimit() const {
    std::lock_guard lock(mutex_);
    return countLimit_;
}

void NSCache::setCountLimit(std::size_t limit) {
    std::vector<NSObjectPtr> released;
    std::lock_guard lock(mutex_);
    countLimit_ = limit;
    evictLocked(released);
}

std::size_t NSCache::count() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

std::string NSCache::name() const {
    std::lock_guard lock(mutex_);
    return name_;
}

void NSCache::setName(std::string name) {
    std::lock_guard lock(mutex_);
    name_ = std::move(name);
}

void NSCache::evictLocked(std::vector<NSObjectPtr>& released) {
    while (countLimit_ > 0 && entries_.size() > countLimit_) {
        released.push_back(std::move(entries_.back().second));
        index_.erase(entries_.back().first);
        entries_.pop_back();
    }
}

}  // namespace fv
