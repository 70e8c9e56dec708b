#pragma once
// A date-picker dialog: a card at the bottom of the screen, over a dimmed backdrop, with a title, one
// wheel per date component and Done (and optionally Cancel) buttons. Tapping the upper half of a wheel
// rolls it forward by one, the lower half back, within [minimumDate, maximumDate]; a vertical drag on
// a wheel turns it a value per row and a flick runs on (DateWheelPan.h). Done closes the
// dialog and hands the chosen date to the callback; Cancel closes it and hands none. Each show's
// callback runs exactly once: showing again while up first cancels the earlier show. A shown dialog
// keeps itself alive until it closes, so a caller need not hold it.
//
// Test driver: DatePickerPopup::visiblePopup(), lastShow() (the parameters of the last show),
// pickedDate(), wheelTitles(), wheelFrame(index), pick(date), tapDone(), cancel(),
// tapWheel(index, forward).
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/NSObject.h"
#include "platform/foundation/Value.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIWindow.h"

namespace fv {

class DatePickerPopup;
using DatePickerPopupPtr = std::shared_ptr<DatePickerPopup>;

class DatePickerPopup : public NSObject {
    FV_CLASS(DatePickerPopup, NSObject)
    // The platform's picker modes, with its numbering.
    enum class Mode { time = 0, date = 1, dateAndTime = 2 };
    using Callback = std::function<void(std::optional<Date>)>;

    // An empty `locale` means the current locale; none for colours or font means the dialog's own.
    static DatePickerPopupPtr create(UIColorPtr textColor, UIColorPtr buttonColor, UIFontPtr font,
                                     std::string locale, bool showCancelButton);
    DatePickerPopup(UIColorPtr textColor, UIColorPtr buttonColor, UIFontPtr font, std::string locale,
                    bool showCancelButton);
    ~DatePickerPopup() override;

    struct ShowParameters {
        std::string title, doneButtonTitle, cancelButtonTitle;
        Date defaultDate;
        std::optional<Date> minimumDate, maximumDate;
        Mode datePickerMode = Mode::date;
    };

    // The wheels start on `defaultDate`, brought within the bounds. With a minimum after the maximum,
    // the maximum wins.
    void show(const std::string& title, const std::string& doneButtonTitle,
              const std::string& cancelButtonTitle, Date defaultDate, std::optional<Date> minimumDate,
              std::optional<Date> maximumDate, Mode datePickerMode, Callback callback);
    bool isVisible() const;

    // ---- test driver ----
    static DatePickerPopupPtr visiblePopup();
    // The parameters of this dialog's last show, or none before the first.
    const std::optional<ShowParameters>& lastShow() const { return lastShow_; }
    // The date the wheels show.
    Date pickedDate() const { return picked_; }
    // The wheels' texts, left to right ("December", "7", "2026").
    std::vector<std::string> wheelTitles() const;
    // Sets the wheels to `date` (brought within the bounds), then taps Done; false when not up.
    bool pick(Date date);
    bool tapDone();
    // Taps Cancel; false when not up or shown without a cancel button.
    bool cancel();
    // A wheel's frame in screen coordinates, while up; for drags.
    std::optional<CGRect> wheelFrame(std::size_t index) const;
    // Taps the upper (forward) or lower half of a wheel; false when there is no such wheel.
    bool tapWheel(std::size_t index, bool forward);
    // Closes any dialog up without calling back; the test host calls this between tests.
    static void reset();

  private:
    friend class DatePickerPopupView;
    void finish(bool done);
    void roll(std::size_t wheel, bool forward);
    void beginTurn();
    void turn(std::size_t wheel, long rows);
    // `from` with one wheel rolled by `rows`, brought within the bounds.
    std::optional<Date> rolled(Date from, std::size_t wheel, long rows) const;
    Date bounded(Date date) const;
    std::string localeIdentifier() const;
    std::optional<CGRect> screenFrameOf(CGRect viewRect) const;

    UIColorPtr textColor_, buttonColor_;
    UIFontPtr font_;
    std::string locale_;
    bool showCancelButton_;

    std::optional<ShowParameters> lastShow_;
    Callback callback_;
    Date picked_;
    Date turnBase_;
    std::weak_ptr<UIWindow> window_;
    std::shared_ptr<UIView> view_;
};

}  // namespace fv
