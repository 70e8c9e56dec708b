#include <gtest/gtest.h>

#include <vector>

#include "platform/foundation/NSIndexSet.h"

namespace fv {
namespace {

std::vector<std::size_t> indexesOf(const NSIndexSet& set) {
    return {set.begin(), set.end()};
}

struct ShiftCase {
    std::vector<std::size_t> before;
    std::size_t from;
    long delta;
    std::vector<std::size_t> after;
};

class IndexSetShift : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(IndexSetShift, MovesIndexesFromTheStartOn) {
    const auto& c = GetParam();
    NSMutableIndexSet set;
    for (std::size_t i : c.before) set.addIndex(i);
    set.shiftIndexesStartingAtIndex(c.from, c.delta);
    EXPECT_EQ(indexesOf(set), c.after);
}

INSTANTIATE_TEST_SUITE_P(UpAndDown, IndexSetShift,
                         ::testing::Values(ShiftCase{{0, 1, 4}, 1, 1, {0, 2, 5}},
                                           ShiftCase{{0, 1, 4}, 0, 2, {2, 3, 6}},
                                           ShiftCase{{0, 2, 3}, 3, -1, {0, 2}},  // 2 is overwritten by 3
                                           ShiftCase{{0, 1, 5}, 2, -1, {0, 4}},  // 1 lies in the place taken
                                           ShiftCase{{0, 1, 5}, 2, -2, {3}}, ShiftCase{{0, 1, 5}, 1, -3, {2}},
                                           ShiftCase{{3}, 3, 0, {3}}));

TEST(NSIndexSet, FirstLastAndRanges) {
    NSIndexSet empty;
    EXPECT_EQ(empty.firstIndex(), NSNotFound);
    EXPECT_EQ(empty.lastIndex(), NSNotFound);
    const auto range = NSIndexSet::indexSetWithIndexesInRange(2, 3);
    EXPECT_EQ(indexesOf(range), (std::vector<std::size_t>{2, 3, 4}));
    EXPECT_EQ(range.firstIndex(), 2u);
    EXPECT_EQ(range.lastIndex(), 4u);
    EXPECT_TRUE(range.containsIndex(3));
    EXPECT_EQ(indexesOf(range.indexesPassingTest([](std::size_t i) { return i != 3; })),
              (std::vector<std::size_t>{2, 4}));
}

}  // namespace
}  // namespace fv
