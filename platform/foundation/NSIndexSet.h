#pragma once
// Sets of non-negative indexes, stored as sorted runs so that large ranges cost no more than small
// ones. Indexes run from 0 to NSNotFound - 1; an index or range reaching NSNotFound is ignored.
// NSIndexSet has value semantics: a copy is an independent set. NSMutableIndexSet adds the changes.
#include <cstddef>
#include <functional>
#include <iterator>
#include <map>

#include "platform/foundation/Range.h"

namespace fv {

class NSIndexSet {
  public:
    NSIndexSet() = default;
    explicit NSIndexSet(std::size_t index);
    explicit NSIndexSet(NSRange range);
    static NSIndexSet indexSet() { return {}; }
    static NSIndexSet indexSetWithIndex(std::size_t index) { return NSIndexSet(index); }
    static NSIndexSet indexSetWithIndexesInRange(NSRange range) { return NSIndexSet(range); }

    std::size_t count() const;
    bool containsIndex(std::size_t index) const;
    bool containsIndexesInRange(NSRange range) const;  // every index of a non-empty range
    bool containsIndexes(const NSIndexSet& other) const;
    // NSNotFound when there is none.
    std::size_t firstIndex() const;
    std::size_t lastIndex() const;
    std::size_t indexGreaterThanIndex(std::size_t index) const;
    std::size_t indexLessThanIndex(std::size_t index) const;

    // In ascending order; setting `stop` ends the walk.
    void enumerateIndexesUsingBlock(const std::function<void(std::size_t index, bool& stop)>& block) const;
    // Ascending iteration: for (std::size_t i : set).
    class const_iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::size_t;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::size_t*;
        using reference = std::size_t;
        const_iterator() = default;
        std::size_t operator*() const { return current_; }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const {
            return run_ == other.run_ && (run_ == end_ || current_ == other.current_);
        }

      private:
        friend class NSIndexSet;
        using Runs = std::map<std::size_t, std::size_t>;
        const_iterator(Runs::const_iterator run, Runs::const_iterator end)
            : run_(run), end_(end), current_(run == end ? 0 : run->first) {}
        Runs::const_iterator run_, end_;
        std::size_t current_ = 0;
    };
    const_iterator begin() const { return {runs_.begin(), runs_.end()}; }
    const_iterator end() const { return {runs_.end(), runs_.end()}; }

    bool operator==(const NSIndexSet& other) const { return runs_ == other.runs_; }

  protected:
    friend class NSMutableIndexSet;
    void add(std::size_t start, std::size_t end);
    void remove(std::size_t start, std::size_t end);
    // Runs by first index, each holding its end (one past its last index); disjoint, never touching.
    std::map<std::size_t, std::size_t> runs_;
};

class NSMutableIndexSet : public NSIndexSet {
  public:
    NSMutableIndexSet() = default;
    // mutableCopy of any index set.
    explicit NSMutableIndexSet(const NSIndexSet& other) : NSIndexSet(other) {}
    explicit NSMutableIndexSet(std::size_t index) : NSIndexSet(index) {}
    explicit NSMutableIndexSet(NSRange range) : NSIndexSet(range) {}

    void addIndex(std::size_t index);
    void addIndexesInRange(NSRange range);
    void addIndexes(const NSIndexSet& other);
    void removeIndex(std::size_t index);
    void removeIndexesInRange(NSRange range);
    void removeIndexes(const NSIndexSet& other);
    void removeAllIndexes();
    // Moves every index at or above `startIndex` by `delta`. Moving down, the block slides over the
    // indexes just below it, which are removed; indexes that would fall below 0 or reach NSNotFound
    // are dropped.
    void shiftIndexesStartingAtIndex(std::size_t startIndex, long delta);

    // An immutable copy.
    NSIndexSet copy() const { return *this; }
};

}  // namespace fv
