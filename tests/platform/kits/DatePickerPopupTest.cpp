#include "platform/kits/DatePickerPopup.h"

#include <gtest/gtest.h>

#include "KitTestSupport.h"
#include "platform/kits/DateWheelPan.h"

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

// A drag over a wheel, by `rows` rows of travel (positive: the finger goes up), at `speed`.
class DatePickerDragTest : public DatePickerPopupTest {
  protected:
    bool dragWheel(const DatePickerPopupPtr& popup, std::size_t wheel, double rows, double speed) {
        const auto frame = popup->wheelFrame(wheel);
        if (!frame || host.overlayWindows().empty()) return false;
        const CGPoint from{CGRectGetMidX(*frame), CGRectGetMidY(*frame)};
        const CGPoint to{from.x, from.y - rows * DateWheelPan::kRowHeight};
        return host.drag(host.overlayWindows().back(), from, to, speed);
    }
    std::string year(const DatePickerPopupPtr& popup) { return popup->wheelTitles().at(2); }
};

TEST_F(DatePickerDragTest, AWheelFollowsADragRowByRowWithinTheBounds) {
    auto popup = make();
    showOn(popup, std::nullopt, Date{kNoon});
    ASSERT_TRUE(dragWheel(popup, 2, -3.5, 100));  // down: earlier years
    EXPECT_EQ(year(popup), "2023");
    ASSERT_TRUE(dragWheel(popup, 2, 1.2, 100));
    EXPECT_EQ(year(popup), "2024");
    ASSERT_TRUE(dragWheel(popup, 2, 5, 100));  // past the maximum: held at it
    EXPECT_EQ(popup->pickedDate(), Date{kNoon});
    ASSERT_TRUE(dragWheel(popup, 0, -2, 100));  // months come round
    EXPECT_EQ(popup->wheelTitles(), (std::vector<std::string>{"October", "7", "2026"}));
    host.advance(2);
    EXPECT_EQ(popup->wheelTitles(), (std::vector<std::string>{"October", "7", "2026"}))
        << "a slow drag stops";
    // The arrows still step, and a drag off the wheels turns none.
    ASSERT_TRUE(popup->tapWheel(2, false));
    EXPECT_EQ(year(popup), "2025");
    const CGRect title = *popup->wheelFrame(0);
    ASSERT_TRUE(host.drag(host.overlayWindows().back(), {CGRectGetMidX(title), title.origin.y - 20},
                          {CGRectGetMidX(title), title.origin.y - 200}, 100));
    EXPECT_EQ(year(popup), "2025");
    ASSERT_TRUE(popup->tapDone());
    EXPECT_EQ(results, (std::vector<std::optional<Date>>{Date{kNoon - 365 * kDay - 61 * kDay}}));
}

TEST_F(DatePickerDragTest, AFlickRunsOnSlowingOnTheClockUntilCaught) {
    auto popup = make();
    showOn(popup, std::nullopt, Date{kNoon});
    // Two rows under the finger, then 3000 points per second: 1497 points more as it slows.
    ASSERT_TRUE(dragWheel(popup, 2, -2, 3000));
    EXPECT_EQ(year(popup), "2024");
    host.advance(0.2);
    const int midway = std::stoi(year(popup));
    EXPECT_LT(midway, 2024);
    EXPECT_GT(midway, 1975);
    host.advance(1);
    EXPECT_EQ(year(popup), "1975");
    host.advance(1);
    EXPECT_EQ(year(popup), "1975");

    // A finger on a running wheel stops it there; that touch is not a tap on an arrow.
    ASSERT_TRUE(dragWheel(popup, 2, 1, 3000));
    host.advance(0.1);
    const CGRect wheel = *popup->wheelFrame(2);
    ASSERT_TRUE(host.tap(CGPoint{CGRectGetMidX(wheel), wheel.origin.y + wheel.size.height / 4}));
    const std::string caught = year(popup);
    EXPECT_GT(std::stoi(caught), 1976);
    host.advance(2);
    EXPECT_EQ(year(popup), caught);
    ASSERT_TRUE(popup->tapWheel(2, true));
    EXPECT_EQ(std::stoi(year(popup)), std::stoi(caught) + 1);
}

TEST_F(DatePickerPopupTest, Snapshot) {
    auto popup = make();
    showOn(popup, std::nullopt, Date{kNoon});
    EXPECT_TRUE(snapshotScreen("date_picker_popup"));
}

}  // namespace
}  // namespace fv
