#include <gtest/gtest.h>

#include <numbers>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/GeometryValue.h"
#include "platform/graphics/UIColor.h"

namespace fv {
namespace {

TEST(Geometry, NegativeSizesStandardiseBeforeEdgesAreRead) {
    const CGRect r = CGRectMake(10, 20, -4, -6);
    EXPECT_EQ(CGRectStandardize(r), CGRectMake(6, 14, 4, 6));
    EXPECT_EQ(CGRectGetMinX(r), 6);
    EXPECT_EQ(CGRectGetMaxX(r), 10);
    EXPECT_EQ(CGRectGetMinY(r), 14);
    EXPECT_EQ(CGRectGetMaxY(r), 20);
    EXPECT_EQ(CGRectGetMidX(r), 8);
    EXPECT_TRUE(CGRectEqualToRect(r, CGRectMake(6, 14, 4, 6)));
    EXPECT_TRUE(CGRectContainsPoint(r, CGPointMake(7, 15)));
}

struct IntersectCase {
    CGRect a, b;
    bool intersects;
    CGRect intersection;
};

class Intersections : public ::testing::TestWithParam<IntersectCase> {};

TEST_P(Intersections, EdgeTouchingRectsDoNotIntersect) {
    const auto& c = GetParam();
    EXPECT_EQ(CGRectIntersectsRect(c.a, c.b), c.intersects);
    EXPECT_EQ(CGRectIntersectsRect(c.b, c.a), c.intersects);
    EXPECT_EQ(CGRectIntersection(c.a, c.b), c.intersection);
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, Intersections,
    ::testing::Values(
        IntersectCase{CGRectMake(0, 0, 10, 10), CGRectMake(5, 5, 10, 10), true, CGRectMake(5, 5, 5, 5)},
        IntersectCase{CGRectMake(0, 0, 10, 10), CGRectMake(10, 0, 10, 10), false, CGRectZero},
        IntersectCase{CGRectMake(0, 0, 10, 10), CGRectMake(0, 10, 10, 10), false, CGRectZero},
        IntersectCase{CGRectMake(0, 0, 10, 10), CGRectMake(20, 20, 1, 1), false, CGRectZero},
        IntersectCase{CGRectMake(0, 0, 10, 10), CGRectMake(2, 2, 0, 5), false, CGRectZero},
        IntersectCase{CGRectMake(10, 10, -10, -10), CGRectMake(2, 2, 2, 2), true, CGRectMake(2, 2, 2, 2)}));

TEST(Geometry, ContainmentUnionInsetAndIntegral) {
    const CGRect outer = CGRectMake(0, 0, 100, 50);
    EXPECT_TRUE(CGRectContainsRect(outer, CGRectMake(0, 0, 100, 50)));
    EXPECT_FALSE(CGRectContainsRect(outer, CGRectMake(90, 0, 11, 10)));
    EXPECT_FALSE(CGRectContainsPoint(outer, CGPointMake(100, 10)));  // max edge is outside
    EXPECT_EQ(CGRectUnion(CGRectMake(0, 0, 1, 1), CGRectMake(5, 5, 1, 1)), CGRectMake(0, 0, 6, 6));
    EXPECT_EQ(CGRectInset(outer, 10, 5), CGRectMake(10, 5, 80, 40));
    EXPECT_TRUE(CGRectIsEmpty(CGRectInset(outer, 60, 0)));
    EXPECT_EQ(CGRectIntegral(CGRectMake(0.5, 1.2, 2.1, 3.9)), CGRectMake(0, 1, 3, 5));
    EXPECT_EQ(UIEdgeInsetsInsetRect(outer, UIEdgeInsetsMake(1, 2, 3, 4)), CGRectMake(2, 1, 94, 46));
}

TEST(Geometry, RotatedRectGivesItsBoundingBox) {
    const CGRect r = CGRectMake(0, 0, 10, 20);
    const CGRect q = CGRectApplyAffineTransform(r, CGAffineTransformMakeRotation(std::numbers::pi / 2));
    EXPECT_NEAR(q.origin.x, -20, 1e-9);
    EXPECT_NEAR(q.origin.y, 0, 1e-9);
    EXPECT_NEAR(q.size.width, 20, 1e-9);
    EXPECT_NEAR(q.size.height, 10, 1e-9);
    const CGRect diamond = CGRectApplyAffineTransform(CGRectMake(-1, -1, 2, 2),
                                                      CGAffineTransformMakeRotation(std::numbers::pi / 4));
    EXPECT_NEAR(diamond.size.width, 2 * std::sqrt(2.0), 1e-9);
}

TEST(Geometry, TransformsComposeInOrderAndInvert) {
    // Scale first, then translate.
    CGAffineTransform t =
        CGAffineTransformConcat(CGAffineTransformMakeScale(2, 3), CGAffineTransformMakeTranslation(10, 0));
    EXPECT_EQ(CGPointApplyAffineTransform(CGPointMake(1, 1), t), CGPointMake(12, 3));
    // Translate applies before the existing transform.
    EXPECT_EQ(CGPointApplyAffineTransform(CGPointMake(1, 1),
                                          CGAffineTransformTranslate(CGAffineTransformMakeScale(2, 2), 5, 0)),
              CGPointMake(12, 2));
    const CGAffineTransform r = CGAffineTransformRotate(t, 0.7);
    const CGPoint p = CGPointApplyAffineTransform(CGPointApplyAffineTransform(CGPointMake(3, -4), r),
                                                  CGAffineTransformInvert(r));
    EXPECT_NEAR(p.x, 3, 1e-9);
    EXPECT_NEAR(p.y, -4, 1e-9);
    EXPECT_TRUE(CGAffineTransformIsIdentity(CGAffineTransformIdentity));
    EXPECT_EQ(CGAffineTransformInvert(CGAffineTransformMakeScale(0, 1)), CGAffineTransformMakeScale(0, 1));
}

TEST(Geometry, TextForms) {
    EXPECT_EQ(NSStringFromCGRect(CGRectMake(0, 1.5, 320, -2)), "{{0, 1.5}, {320, -2}}");
    EXPECT_EQ(NSStringFromCGPoint(CGPointMake(0.1, 1e20)), "{0.1, 1e+20}");
}

TEST(GeometryValue, RoundTripsAndRejectsOtherValues) {
    const CGRect r = CGRectMake(1.5, -2, 30, 40.25);
    EXPECT_EQ(rectFromValue(valueWithCGRect(r)), r);
    EXPECT_EQ(pointFromValue(valueWithCGPoint({3, 4})), CGPointMake(3, 4));
    EXPECT_EQ(sizeFromValue(valueWithCGSize({5, 6})), CGSizeMake(5, 6));
    EXPECT_EQ(rectFromValue(Value("{{1, 2}, {3, 4}}")), CGRectZero);
    Value dict;
    dict.set("x", "7");
    EXPECT_EQ(pointFromValue(dict), CGPointZero);
}

TEST(UIColor, EqualityByComponentsAndNamedColours) {
    EXPECT_EQ(*UIColor::redColor(), *UIColor::colorWithRed(1, 0, 0, 1));
    EXPECT_TRUE(colorsEqual(UIColor::grayColor(), UIColor::colorWithWhite(0.5, 1)));
    EXPECT_FALSE(colorsEqual(UIColor::blackColor(), UIColor::clearColor()));
    EXPECT_FALSE(colorsEqual(UIColor::blackColor(), nullptr));
    EXPECT_TRUE(colorsEqual(nullptr, nullptr));
    EXPECT_EQ(UIColor::whiteColor()->colorWithAlphaComponent(0.25)->alpha(), 0.25);
    CGFloat w = -1, a = -1;
    EXPECT_TRUE(UIColor::darkGrayColor()->getWhite(&w, &a));
    EXPECT_DOUBLE_EQ(w, 1.0 / 3.0);
    EXPECT_FALSE(UIColor::redColor()->getWhite(&w, &a));
    CGFloat r, g, b;
    EXPECT_TRUE(UIColor::lightGrayColor()->getRed(&r, &g, &b, &a));
    EXPECT_DOUBLE_EQ(g, 2.0 / 3.0);
}

}  // namespace
}  // namespace fv
