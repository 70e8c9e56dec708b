#include "platform/ui/layout/SimplexSolver.h"

#include <gtest/gtest.h>

namespace fv::layout {
namespace {

using Relation = SimplexSolver::Relation;

// Terms and constant of `sum (relation) 0`.
LinearRow expr(std::initializer_list<std::pair<Symbol, double>> terms, double constant) {
    LinearRow row;
    for (auto& [s, c] : terms) row.add(s, c);
    row.constant = constant;
    return row;
}

TEST(SimplexSolverTest, ViolatedInequalityIsReleasedForTheLowerWish) {
    SimplexSolver s;
    Symbol v1 = s.newVariable(), v2 = s.newVariable();
    ASSERT_TRUE(s.addConstraint(expr({{v1, 1}}, -60), Relation::LessOrEqual, 1000).added());
    ASSERT_TRUE(s.addConstraint(expr({{v2, 1}, {v1, -1}}, 50), Relation::GreaterOrEqual, 1000).added());
    s.addConstraint(expr({{v1, 1}}, -100), Relation::Equal, 750);
    s.addConstraint(expr({{v2, 1}}, -30), Relation::Equal, 250);
    EXPECT_DOUBLE_EQ(s.value(v1), 60);
    EXPECT_DOUBLE_EQ(s.value(v2), 30);
}

TEST(SimplexSolverTest, EqualWishesGiveOneOfThemNotTheirMean) {
    SimplexSolver s;
    Symbol x = s.newVariable();
    s.addConstraint(expr({{x, 1}}, -100), Relation::Equal, 500);
    s.addConstraint(expr({{x, 1}}, -200), Relation::Equal, 500);
    EXPECT_TRUE(s.value(x) == 100 || s.value(x) == 200) << s.value(x);
}

struct PriorityCase {
    double high, low;  // priorities of x == 100 and x == 200; the higher wins outright
    double expected;
};

class SimplexPriorityTest : public ::testing::TestWithParam<PriorityCase> {};

TEST_P(SimplexPriorityTest, HigherPriorityWinsWhateverTheCountOfLowerOnes) {
    auto p = GetParam();
    SimplexSolver s;
    Symbol x = s.newVariable();
    s.addConstraint(expr({{x, 1}}, -100), Relation::Equal, p.high);
    // Several lower wishes do not add up to outweigh one higher one.
    for (int i = 0; i < 5; ++i) s.addConstraint(expr({{x, 1}}, -200), Relation::Equal, p.low);
    EXPECT_DOUBLE_EQ(s.value(x), p.expected);
}

INSTANTIATE_TEST_SUITE_P(Levels, SimplexPriorityTest,
                         ::testing::Values(PriorityCase{750, 250, 100}, PriorityCase{251, 250, 100},
                                           PriorityCase{250, 750, 200}, PriorityCase{1000, 999, 100}));

TEST(SimplexSolverTest, RequiredConflictIsRefusedNamingTheOthersAndTheRestKept) {
    SimplexSolver s;
    Symbol a = s.newVariable(), b = s.newVariable();
    auto left = s.addConstraint(expr({{a, 1}}, -10), Relation::Equal, 1000);
    auto gap = s.addConstraint(expr({{b, 1}, {a, -1}}, -5), Relation::GreaterOrEqual, 1000);
    s.addConstraint(expr({{b, 1}}, -40), Relation::Equal, 500);
    auto bad = s.addConstraint(expr({{b, 1}}, -12), Relation::LessOrEqual, 1000);
    EXPECT_FALSE(bad.added());
    EXPECT_EQ(bad.conflicts, (std::vector<SimplexSolver::ConstraintId>{left.id, gap.id}));
    EXPECT_DOUBLE_EQ(s.value(a), 10);
    EXPECT_DOUBLE_EQ(s.value(b), 40);

    // Contradicting required equalities, and a redundant one that is accepted.
    auto other = s.addConstraint(expr({{a, 1}}, -11), Relation::Equal, 1000);
    EXPECT_FALSE(other.added());
    EXPECT_EQ(other.conflicts, (std::vector<SimplexSolver::ConstraintId>{left.id}));
    EXPECT_TRUE(s.addConstraint(expr({{a, 2}}, -20), Relation::Equal, 1000).added());
    EXPECT_DOUBLE_EQ(s.value(a), 10);
}

TEST(SimplexSolverTest, RemovingAConstraintRecomputesTheOptimum) {
    SimplexSolver s;
    Symbol x = s.newVariable(), w = s.newVariable();
    s.addConstraint(expr({{x, 1}}, 0), Relation::Equal, 1000);
    auto limit = s.addConstraint(expr({{x, 1}, {w, 1}}, -120), Relation::LessOrEqual, 1000);
    auto wish = s.addConstraint(expr({{w, 1}}, -80), Relation::Equal, 750);
    s.addConstraint(expr({{w, 1}}, -300), Relation::Equal, 250);
    EXPECT_DOUBLE_EQ(s.value(w), 80);
    s.removeConstraint(wish.id);
    EXPECT_DOUBLE_EQ(s.value(w), 120);
    s.removeConstraint(limit.id);
    EXPECT_DOUBLE_EQ(s.value(w), 300);
    s.removeConstraint(limit.id);  // twice is harmless
    EXPECT_DOUBLE_EQ(s.value(w), 300);
}

// An edit moving across a required limit and back: the limit binds, then lets go again.
TEST(SimplexSolverTest, SuggestedValuesFollowTheLimitBothWays) {
    SimplexSolver s;
    Symbol x = s.newVariable(), y = s.newVariable();
    s.addConstraint(expr({{x, 1}}, -60), Relation::LessOrEqual, 1000);
    s.addConstraint(expr({{y, 1}, {x, -2}}, 0), Relation::Equal, 1000);
    auto edit = s.addEditVariable(x, 10, 750);
    for (double target : {30.0, 90.0, 45.0, 61.0, 0.0, -20.0}) {
        s.suggestValue(edit, target);
        ASSERT_TRUE(s.resolve());
        EXPECT_DOUBLE_EQ(s.value(x), std::min(target, 60.0)) << target;
        EXPECT_DOUBLE_EQ(s.value(y), 2 * std::min(target, 60.0)) << target;
    }
}

TEST(SimplexSolverTest, ConstantChangedIntoRequiredConflictFailsToResolve) {
    SimplexSolver s;
    Symbol x = s.newVariable();
    auto floor = s.addConstraint(expr({{x, 1}}, -10), Relation::GreaterOrEqual, 1000);
    s.addConstraint(expr({{x, 1}}, -50), Relation::LessOrEqual, 1000);
    s.setConstant(floor.id, -40);
    ASSERT_TRUE(s.resolve());
    EXPECT_DOUBLE_EQ(s.value(x), 40);
    s.setConstant(floor.id, -70);
    EXPECT_FALSE(s.resolve());
}

// Views in a row sharing a width that changes every frame: the incremental answer equals a solve
// from scratch, and the tableau does not grow.
TEST(SimplexSolverTest, AnimatedConstantMatchesASolveFromScratch) {
    auto build = [](SimplexSolver& s, std::vector<Symbol>& x, std::vector<Symbol>& w, double total) {
        Symbol right = s.newVariable();
        for (int i = 0; i < 6; ++i) {
            x.push_back(s.newVariable());
            w.push_back(s.newVariable());
            s.addEditVariable(x[i], 0, 0.5);
            s.addEditVariable(w[i], 0, 0.5);
            s.addConstraint(expr({{w[i], 1}}, -30), Relation::GreaterOrEqual, 750);
        }
        s.addConstraint(expr({{x[0], 1}}, 0), Relation::Equal, 1000);
        for (int i = 1; i < 6; ++i) {
            s.addConstraint(expr({{x[i], 1}, {x[i - 1], -1}, {w[i - 1], -1}}, -4), Relation::Equal, 1000);
            s.addConstraint(expr({{w[i], 1}, {w[0], -1}}, 0), Relation::Equal, 1000);
        }
        s.addConstraint(expr({{right, 1}, {x[5], -1}, {w[5], -1}}, 0), Relation::Equal, 1000);
        return s.addEditVariable(right, total, 1000);
    };
    SimplexSolver animated;
    std::vector<Symbol> ax, aw;
    auto edit = build(animated, ax, aw, 320);
    std::size_t rows = animated.rowCount();
    for (double total : {320.0, 200.0, 140.0, 500.0, 100.0, 377.5}) {
        animated.suggestValue(edit, total);
        ASSERT_TRUE(animated.resolve());
        SimplexSolver fresh;
        std::vector<Symbol> fx, fw;
        build(fresh, fx, fw, total);
        for (int i = 0; i < 6; ++i) {
            EXPECT_NEAR(animated.value(ax[i]), fresh.value(fx[i]), 1e-9) << total << " " << i;
            EXPECT_NEAR(animated.value(aw[i]), fresh.value(fw[i]), 1e-9) << total << " " << i;
        }
        EXPECT_EQ(animated.rowCount(), rows);
    }
}

}  // namespace
}  // namespace fv::layout
