#include "platform/foundation/NSIndexSet.h"

#include <gtest/gtest.h>

#include <vector>

namespace fv {
namespace {

std::vector<std::size_t> all(const NSIndexSet& set) {
    return std::vector<std::size_t>(set.begin(), set.end());
}

TEST(NSIndexSetTest, AddsRemovesAndIteratesAscending) {
    NSMutableIndexSet set;
    EXPECT_EQ(set.count(), 0u);
    EXPECT_EQ(set.firstIndex(), NSNotFound);
    EXPECT_EQ(set.lastIndex(), NSNotFound);
    set.addIndex(5);
    set.addIndex(1);
    set.addIndex(3);
    set.addIndex(3);
    EXPECT_EQ(all(set), (std::vector<std::size_t>{1, 3, 5}));
    set.addIndexesInRange({2, 2});  // 2, 3 -> joins 1..3
    EXPECT_EQ(all(set), (std::vector<std::size_t>{1, 2, 3, 5}));
    set.addIndex(4);  // bridges two runs
    EXPECT_EQ(all(set), (std::vector<std::size_t>{1, 2, 3, 4, 5}));
    set.removeIndex(3);
    set.removeIndex(99);
    EXPECT_EQ(all(set), (std::vector<std::size_t>{1, 2, 4, 5}));
    EXPECT_EQ(set.count(), 4u);
    EXPECT_TRUE(set.containsIndex(4));
    EXPECT_FALSE(set.containsIndex(3));
    EXPECT_TRUE(set.containsIndexesInRange({4, 2}));
    EXPECT_FALSE(set.containsIndexesInRange({2, 3}));
    EXPECT_EQ(set.firstIndex(), 1u);
    EXPECT_EQ(set.lastIndex(), 5u);
    EXPECT_EQ(set.indexGreaterThanIndex(2), 4u);
    EXPECT_EQ(set.indexGreaterThanIndex(5), NSNotFound);
    EXPECT_EQ(set.indexLessThanIndex(4), 2u);
    EXPECT_EQ(set.indexLessThanIndex(1), NSNotFound);
    set.removeIndexesInRange({0, 5});
    EXPECT_EQ(all(set), (std::vector<std::size_t>{5}));
    set.removeAllIndexes();
    EXPECT_EQ(set.begin(), set.end());
}

TEST(NSIndexSetTest, HugeRangesCostNothingAndNeverReachNotFound) {
    NSMutableIndexSet set;
    set.addIndexesInRange({10, NSNotFound - 10});
    EXPECT_EQ(set.count(), NSNotFound - 10);
    EXPECT_EQ(set.lastIndex(), NSNotFound - 1);
    set.addIndexesInRange({NSNotFound - 1, 2});  // reaches past NSNotFound: ignored
    set.addIndex(NSNotFound);
    EXPECT_EQ(set.count(), NSNotFound - 10);
    EXPECT_FALSE(set.containsIndex(NSNotFound));
    set.removeIndexesInRange({11, NSNotFound - 12});
    EXPECT_EQ(all(set), (std::vector<std::size_t>{10, NSNotFound - 1}));
}

TEST(NSIndexSetTest, CopiesAreIndependent) {
    NSMutableIndexSet set(NSRange{0, 3});
    const NSIndexSet frozen = set.copy();
    NSMutableIndexSet mutableCopy(frozen);
    set.removeIndex(1);
    mutableCopy.addIndex(9);
    EXPECT_EQ(all(frozen), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(all(set), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(all(mutableCopy), (std::vector<std::size_t>{0, 1, 2, 9}));
    EXPECT_TRUE(mutableCopy.containsIndexes(frozen));
    EXPECT_FALSE(set.containsIndexes(frozen));
    mutableCopy.removeIndexes(frozen);
    EXPECT_EQ(all(mutableCopy), (std::vector<std::size_t>{9}));
    EXPECT_EQ(NSIndexSet(NSRange{0, 3}), frozen);
}

struct ShiftCase {
    std::size_t start;
    long delta;
    std::vector<std::size_t> after;
};

class ShiftTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftTest, MovesTheIndexesFromTheStart) {
    NSMutableIndexSet set;
    for (std::size_t i : {0u, 2u, 3u, 5u, 8u}) set.addIndex(i);
    set.shiftIndexesStartingAtIndex(GetParam().start, GetParam().delta);
    EXPECT_EQ(all(set), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShiftTest,
                         ::testing::Values(ShiftCase{3, 1, {0, 2, 4, 6, 9}},  // a segment inserted before 3
                                           ShiftCase{0, 2, {2, 4, 5, 7, 10}},
                                           ShiftCase{9, 5, {0, 2, 3, 5, 8}},
                                           ShiftCase{4, -1, {0, 2, 4, 7}},  // 3 is slid over
                                           ShiftCase{5, -2, {0, 2, 3, 6}},  // 3 and 4 are slid over
                                           ShiftCase{3, -3, {0, 2, 5}},     // indexes below 0 are dropped
                                           ShiftCase{2, 0, {0, 2, 3, 5, 8}}));

TEST(NSIndexSetTest, EnumerationStopsOnRequest) {
    NSMutableIndexSet set(NSRange{0, 100});
    std::vector<std::size_t> seen;
    set.enumerateIndexesUsingBlock([&](std::size_t i, bool& stop) {
        seen.push_back(i);
        stop = i == 2;
    });
    EXPECT_EQ(seen, (std::vector<std::size_t>{0, 1, 2}));
}

}  // namespace
}  // namespace fv
