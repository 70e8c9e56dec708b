#include "platform/foundation/NSIndexSet.h"

namespace fv {

NSIndexSet NSIndexSet::indexSetWithIndexesInRange(std::size_t location, std::size_t length) {
    NSMutableIndexSet set;
    set.addIndexesInRange(location, length);
    return set;
}

void NSIndexSet::enumerateIndexesUsingBlock(const std::function<void(std::size_t)>& block) const {
    for (std::size_t i : indexes_) block(i);
}

NSIndexSet NSIndexSet::indexesPassingTest(const std::function<bool(std::size_t)>& test) const {
    NSMutableIndexSet passing;
    for (std::size_t i : indexes_) {
        if (test(i)) passing.addIndex(i);
    }
    return passing;
}

void NSMutableIndexSet::addIndexesInRange(std::size_t location, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) indexes_.insert(location + i);
}

void NSMutableIndexSet::shiftIndexesStartingAtIndex(std::size_t index, long delta) {
    if (delta == 0) return;
    std::set<std::size_t> shifted;
    const std::size_t down = delta < 0 ? static_cast<std::size_t>(-delta) : 0;
    const std::size_t dropFrom = index >= down ? index - down : 0;
    for (std::size_t i : indexes_) {
        if (i < index) {
            if (i < dropFrom) shifted.insert(i);
        } else if (delta > 0) {
            shifted.insert(i + static_cast<std::size_t>(delta));
        } else if (i >= down) {
            shifted.insert(i - down);
        }
    }
    indexes_ = std::move(shifted);
}

}  // namespace fv
