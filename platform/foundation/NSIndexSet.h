#pragma once
// Sets of unsigned indexes, kept in ascending order. The mutable kind adds, removes and shifts them.
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <set>

#include "platform/foundation/Range.h"

namespace fv {

class NSIndexSet {
  public:
    NSIndexSet() = default;
    NSIndexSet(std::initializer_list<std::size_t> indexes) : indexes_(indexes) {}
    static NSIndexSet indexSetWithIndexesInRange(std::size_t location, std::size_t length);

    std::size_t count() const { return indexes_.size(); }
    bool containsIndex(std::size_t index) const { return indexes_.count(index) != 0; }
    // NSNotFound when empty.
    std::size_t firstIndex() const { return indexes_.empty() ? NSNotFound : *indexes_.begin(); }
    std::size_t lastIndex() const { return indexes_.empty() ? NSNotFound : *indexes_.rbegin(); }
    // Ascending.
    void enumerateIndexesUsingBlock(const std::function<void(std::size_t)>& block) const;
    NSIndexSet indexesPassingTest(const std::function<bool(std::size_t)>& test) const;

    auto begin() const { return indexes_.begin(); }
    auto end() const { return indexes_.end(); }
    bool operator==(const NSIndexSet&) const = default;

  protected:
    std::set<std::size_t> indexes_;
};

class NSMutableIndexSet : public NSIndexSet {
  public:
    using NSIndexSet::NSIndexSet;
    NSMutableIndexSet(const NSIndexSet& other) : NSIndexSet(other) {}

    void addIndex(std::size_t index) { indexes_.insert(index); }
    void addIndexesInRange(std::size_t location, std::size_t length);
    void removeIndex(std::size_t index) { indexes_.erase(index); }
    void removeAllIndexes() { indexes_.clear(); }
    // Moves every index at or above `index` by `delta`. Moving down, the indexes in the `-delta`
    // places below `index` are dropped first, as their places are taken.
    void shiftIndexesStartingAtIndex(std::size_t index, long delta);
};

}  // namespace fv
