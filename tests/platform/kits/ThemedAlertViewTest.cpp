#include <gtest/gtest.h>

#include "platform/kits/ThemedAlertView.h"
#include "platform/testing/TestHost.h"

namespace fv {
namespace {

class ThemedAlertViewTest : public TestHostFixture {};

TEST_F(ThemedAlertViewTest, ButtonsKeepTheirOrderAndTheDoneButtonComesLastUnlessHidden) {
    std::vector<std::string> ran;
    auto alert = ThemedAlertView::create();
    alert->addButton("One", [&] { ran.push_back("One"); });
    alert->addButton("Two", [&] { ran.push_back("Two"); });
    alert->showAlertWithTitle("Title", "Sub", nullptr, "Done", {"Plain"});
    EXPECT_EQ(alert->buttonTitles(), (std::vector<std::string>{"One", "Two", "Plain", "Done"}));
    EXPECT_EQ(alert->title(), "Title");
    EXPECT_EQ(alert->subtitle(), "Sub");
    EXPECT_TRUE(alert->tapButton("Done"));
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(ThemedAlertView::visibleAlert(), nullptr);

    auto hidden = ThemedAlertView::create();
    hidden->setHideDoneButton(true);
    hidden->addButton("Only", [&] { ran.push_back("Only"); });
    hidden->showAlertWithTitle("T", std::nullopt, nullptr, "Done", {});
    EXPECT_EQ(hidden->buttonTitles(), (std::vector<std::string>{"Only"}));
    EXPECT_TRUE(hidden->tapButton("Only"));
    EXPECT_FALSE(hidden->tapButton("Only"));
    EXPECT_EQ(ran, (std::vector<std::string>{"Only"}));
    EXPECT_TRUE(host.overlayWindows().empty());
}

TEST_F(ThemedAlertViewTest, ActionMayShowAnotherAlert) {
    auto second = ThemedAlertView::create();
    auto first = ThemedAlertView::create();
    first->addButton("Next",
                     [&] { second->showAlertWithTitle("Second", std::nullopt, nullptr, std::nullopt, {}); });
    first->showAlertWithTitle("First", std::nullopt, nullptr, std::nullopt, {});
    ASSERT_TRUE(first->tapButton("Next"));
    EXPECT_EQ(ThemedAlertView::visibleAlert(), second);
    EXPECT_EQ(host.overlayWindows().size(), 1u);
}

class OutsideTouchTest : public ThemedAlertViewTest, public ::testing::WithParamInterface<bool> {};

TEST_P(OutsideTouchTest, OutsideTouchClosesOnlyWhenAllowed) {
    int ran = 0;
    auto alert = ThemedAlertView::create();
    alert->setDismissOnOutsideTouch(GetParam());
    alert->addButton("OK", [&] { ++ran; });
    alert->showAlertWithTitle("T", "S", nullptr, std::nullopt, {});
    ASSERT_TRUE(alert->touchOutside());
    EXPECT_EQ(alert->isVisible(), !GetParam());
    EXPECT_EQ(ran, 0);
}

INSTANTIATE_TEST_SUITE_P(BothSettings, OutsideTouchTest, ::testing::Bool());

TEST_F(ThemedAlertViewTest, AutoHideClosesAfterItsTimeAndZeroKeepsItUp) {
    auto lasting = ThemedAlertView::create();
    lasting->showAlertWithTitle("Stays", std::nullopt, nullptr, std::nullopt, {});
    host.advance(30);
    EXPECT_TRUE(lasting->isVisible());
    lasting->dismiss();
    EXPECT_FALSE(lasting->isVisible());

    auto brief = ThemedAlertView::create();
    brief->setAutoHideSeconds(2);
    brief->showAlertWithTitle("Goes", std::nullopt, nullptr, std::nullopt, {});
    host.advance(1.9);
    EXPECT_TRUE(brief->isVisible());
    host.advance(0.2);
    EXPECT_FALSE(brief->isVisible());
}

}  // namespace
}  // namespace fv
