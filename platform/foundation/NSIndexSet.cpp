#include "platform/foundation/NSIndexSet.h"

#include <algorithm>
#include <iterator>

namespace fv {

namespace {

// The end (one past the last index) of a range, or none when the range is empty or reaches NSNotFound.
bool rangeEnd(NSRange range, std::size_t& end) {
    if (range.length == 0 || range.location >= NSNotFound || range.length > NSNotFound - range.location)
        return false;
    end = range.location + range.length;
    return true;
}

}  // namespace

NSIndexSet::NSIndexSet(std::size_t index) {
    if (index < NSNotFound) add(index, index + 1);
}

NSIndexSet::NSIndexSet(NSRange range) {
    if (std::size_t end; rangeEnd(range, end)) add(range.location, end);
}

void NSIndexSet::add(std::size_t start, std::size_t end) {
    if (start >= end) return;
    // Merge with every run that overlaps or touches [start, end).
    auto it = runs_.upper_bound(start);
    if (it != runs_.begin() && std::prev(it)->second >= start) --it;
    while (it != runs_.end() && it->first <= end) {
        start = std::min(start, it->first);
        end = std::max(end, it->second);
        it = runs_.erase(it);
    }
    runs_[start] = end;
}

void NSIndexSet::remove(std::size_t start, std::size_t end) {
    if (start >= end) return;
    auto it = runs_.upper_bound(start);
    if (it != runs_.begin() && std::prev(it)->second > start) --it;
    while (it != runs_.end() && it->first < end) {
        const std::size_t runStart = it->first, runEnd = it->second;
        it = runs_.erase(it);
        if (runStart < start) runs_[runStart] = start;
        if (runEnd > end) runs_[end] = runEnd;
    }
}

std::size_t NSIndexSet::count() const {
    std::size_t n = 0;
    for (const auto& [start, end] : runs_) n += end - start;
    return n;
}

bool NSIndexSet::containsIndex(std::size_t index) const {
    auto it = runs_.upper_bound(index);
    return it != runs_.begin() && std::prev(it)->second > index;
}

bool NSIndexSet::containsIndexesInRange(NSRange range) const {
    std::size_t end = 0;
    if (!rangeEnd(range, end)) return false;
    auto it = runs_.upper_bound(range.location);
    return it != runs_.begin() && std::prev(it)->second >= end;
}

bool NSIndexSet::containsIndexes(const NSIndexSet& other) const {
    return std::all_of(other.runs_.begin(), other.runs_.end(), [this](const auto& run) {
        return containsIndexesInRange({run.first, run.second - run.first});
    });
}

std::size_t NSIndexSet::firstIndex() const {
    return runs_.empty() ? NSNotFound : runs_.begin()->first;
}

std::size_t NSIndexSet::lastIndex() const {
    return runs_.empty() ? NSNotFound : runs_.rbegin()->second - 1;
}

std::size_t NSIndexSet::indexGreaterThanIndex(std::size_t index) const {
    if (index + 1 >= NSNotFound) return NSNotFound;
    if (containsIndex(index + 1)) return index + 1;
    auto it = runs_.upper_bound(index);
    return it == runs_.end() ? NSNotFound : it->first;
}

std::size_t NSIndexSet::indexLessThanIndex(std::size_t index) const {
    if (index == 0 || index > NSNotFound) return NSNotFound;
    auto it = runs_.lower_bound(index);
    if (it == runs_.begin()) return NSNotFound;
    --it;
    return std::min(it->second - 1, index - 1);
}

void NSIndexSet::enumerateIndexesUsingBlock(const std::function<void(std::size_t, bool&)>& block) const {
    bool stop = false;
    // A copy, so that the block may change the set it walks.
    const auto runs = runs_;
    for (const auto& [start, end] : runs)
        for (std::size_t i = start; i < end && !stop; ++i) block(i, stop);
}

NSIndexSet::const_iterator& NSIndexSet::const_iterator::operator++() {
    if (++current_ >= run_->second && ++run_ != end_) current_ = run_->first;
    return *this;
}

void NSMutableIndexSet::addIndex(std::size_t index) {
    if (index < NSNotFound) add(index, index + 1);
}

void NSMutableIndexSet::addIndexesInRange(NSRange range) {
    if (std::size_t end; rangeEnd(range, end)) add(range.location, end);
}

void NSMutableIndexSet::addIndexes(const NSIndexSet& other) {
    for (const auto& [start, end] : other.runs_) add(start, end);
}

void NSMutableIndexSet::removeIndex(std::size_t index) {
    if (index < NSNotFound) remove(index, index + 1);
}

void NSMutableIndexSet::removeIndexesInRange(NSRange range) {
    if (std::size_t end; rangeEnd(range, end)) remove(range.location, end);
}

void NSMutableIndexSet::removeIndexes(const NSIndexSet& other) {
    for (const auto& [start, end] : other.runs_) remove(start, end);
}

void NSMutableIndexSet::removeAllIndexes() {
    runs_.clear();
}

void NSMutableIndexSet::shiftIndexesStartingAtIndex(std::size_t startIndex, long delta) {
    if (delta == 0 || startIndex >= NSNotFound) return;
    std::map<std::size_t, std::size_t> movedRuns;
    for (const auto& [start, end] : runs_)
        if (end > startIndex) movedRuns[std::max(start, startIndex)] = end;
    remove(startIndex, NSNotFound);
    if (delta < 0) {
        const std::size_t down = static_cast<std::size_t>(-(delta + 1)) + 1;
        remove(startIndex > down ? startIndex - down : 0, startIndex);
        for (const auto& [start, end] : movedRuns)
            if (end > down) add(start > down ? start - down : 0, end - down);
    } else {
        const std::size_t up = static_cast<std::size_t>(delta);
        for (const auto& [start, end] : movedRuns)
            if (start < NSNotFound - up) add(start + up, std::min(end, NSNotFound - up) + up);
    }
}

}  // namespace fv
