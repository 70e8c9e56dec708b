#include "platform/kits/DatePickerPopup.h"

#include <gtest/gtest.h>

#include "KitTestSupport.h"

namespace fv {
namespace {

// 2026-12-07 12:00:00 UTC and neighbours.
constexpr double kNoon = 1796644800;
constexpr double kDay = 86400;

class DatePickerPopupTest : public KitTest {
  protected:
    DatePickerPopupPtr make(bool cancelButton = true) {
        return DatePickerPopup::create(UIColor::blackColor(), UIColor::blackColor(),
                                       UIFont::systemFontOfSize(32), "en_US", cancelButton);
    }
    void showOn(const DatePickerPopupPtr& popup, std::optional<Date> min, std::optional<Date> max,
                DatePickerPopup::Mode mode = DatePickerPopup::Mode::date) {
        popup->show("Select Date of Birth", "Done", "Cancel", Date{kNoon}, min, max, mode,
                    [this](std::optional<Date> d) { results.push_back(d); });
    }
    std::vector<std::optional<Date>> results;
};

TEST_F(DatePickerPopupTest, RemembersTheShowParameters) {
    auto popup = make();
    showOn(popup, std::nullopt, Date{kNoon});
    ASSERT_EQ(DatePickerPopup::visiblePopup(), popup);
    const auto& shown = *popup->lastShow();
    EXPECT_EQ(shown.title, "Select Date of Birth");
    EXPECT_EQ(shown.doneButtonTitle, "Done");
    EXPECT_EQ(shown.cancelButtonTitle, "Cancel");
    EXPECT_EQ(shown.defaultDate, Date{kNoon});
    EXPECT_EQ(shown.minimumDate, std::nullopt);
    EXPECT_EQ(shown.maximumDate, Date{kNoon});
    EXPECT_EQ(shown.datePickerMode, DatePickerPopup::Mode::date);
}

struct PickCase {
    double asked, handed;
};

class DatePickerClampTest : public DatePickerPopupTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(DatePickerClampTest, DoneHandsTheDateWithinTheBounds) {
    auto popup = make();
    showOn(popup, Date{kNoon - 10 * kDay}, Date{kNoon});
    ASSERT_TRUE(popup->pick(Date{GetParam().asked}));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], Date{GetParam().handed});
    EXPECT_EQ(DatePickerPopup::visiblePopup(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Dates, DatePickerClampTest,
                         ::testing::Values(PickCase{kNoon - kDay, kNoon - kDay}, PickCase{kNoon, kNoon},
                                           PickCase{kNoon + kDay, kNoon},
                                           PickCase{kNoon - 400 * kDay, kNoon - 10 * kDay}));

TEST_F(DatePickerPopupTest, CancelHandsNoneAndEachShowCallsBackOnce) {
    auto popup = make();
    showOn(popup, std::nullopt, std::nullopt);
    ASSERT_TRUE(popup->cancel());
    EXPECT_FALSE(popup->cancel());
    EXPECT_FALSE(popup->tapDone());
    ASSERT_EQ(results, (std::vector<std::optional<Date>>{std::nullopt}));

    // Shown again while up, the earlier show is cancelled first.
    showOn(popup, std::nullopt, std::nullopt);
    showOn(popup, std::nullopt, std::nullopt);
    ASSERT_TRUE(popup->tapDone());
    EXPECT_EQ(results, (std::vector<std::optional<Date>>{std::nullopt, std::nullopt, Date{kNoon}}));
}

TEST_F(DatePickerPopupTest, AShownDialogOutlivesItsCallersReference) {
    std::weak_ptr<DatePickerPopup> weak;
    {
        auto popup = make();
        weak = popup;
        showOn(popup, std::nullopt, std::nullopt);
    }
    auto shown = DatePickerPopup::visiblePopup();
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(shown->pick(Date{kNoon - kDay}));
    shown.reset();
    EXPECT_EQ(results, (std::vector<std::optional<Date>>{Date{kNoon - kDay}}));
    host.runUntilIdle();
    EXPECT_TRUE(weak.expired());
}

TEST_F(DatePickerPopupTest, WithoutACancelButtonOnlyDoneCloses) {
    auto popup = make(false);
    showOn(popup, std::nullopt, std::nullopt);
    EXPECT_FALSE(popup->cancel());
    EXPECT_TRUE(popup->isVisible());
    ASSERT_TRUE(popup->tapDone());
    EXPECT_EQ(results.size(), 1u);
}

TEST_F(DatePickerPopupTest, WheelsRollWithinTheBounds) {
    auto popup = make();
    showOn(popup, std::nullopt, Date{kNoon});
    EXPECT_EQ(popup->wheelTitles(), (std::vector<std::string>{"December", "7", "2026"}));
    ASSERT_TRUE(popup->tapWheel(2, false));  // a year back
    EXPECT_EQ(popup->wheelTitles()[2], "2025");
    ASSERT_TRUE(popup->tapWheel(2, true));
    ASSERT_TRUE(popup->tapWheel(2, true));  // past the maximum: held at it
    EXPECT_EQ(popup->pickedDate(), Date{kNoon});
    // A wheel comes round on its own: December rolls on to January of the same year.
    ASSERT_TRUE(popup->tapWheel(0, true));
    EXPECT_EQ(popup->wheelTitles(), (std::vector<std::string>{"January", "7", "2026"}));
    ASSERT_TRUE(popup->tapWheel(0, false));
    ASSERT_TRUE(popup->tapWheel(1, false));  // a day back
    EXPECT_FALSE(popup->tapWheel(3, true));
    ASSERT_TRUE(popup->tapDone());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], Date{kNoon - kDay});
}

TEST_F(DatePickerPopupTest, Snapshot) {
    auto popup = make();
    showOn(popup, std::nullopt, Date{kNoon});
    EXPECT_TRUE(snapshotScreen("date_picker_popup"));
}

}  // namespace
}  // namespace fv
