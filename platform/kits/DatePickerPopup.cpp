#include "platform/kits/DatePickerPopup.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>

#include <algorithm>
#include <cmath>

#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/ResetHooks.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"
#include "platform/kits/DateWheelPan.h"
#include "platform/kits/KitTouch.h"
#include "platform/ui/UIEvent.h"

namespace fv {

FV_REGISTER_CLASS(DatePickerPopup);
// The test host closes any dialog before and after every test.
[[maybe_unused]] const bool registered =
    ResetHooks::add("kits.datePickerPopup", [] { DatePickerPopup::reset(); });

namespace {

constexpr UIWindowLevel kPopupLevel = UIWindowLevelAlert - 1;
constexpr CGFloat kMargin = 12;
constexpr CGFloat kTitleHeight = 44;
constexpr CGFloat kWheelHeight = 150;
constexpr CGFloat kButtonHeight = 50;

struct Wheel {
    UCalendarDateFields field;
    const char* pattern;
    CGFloat width;  // share of the card's width
};

std::vector<Wheel> wheelsFor(DatePickerPopup::Mode mode) {
    switch (mode) {
        case DatePickerPopup::Mode::time:
            return {{UCAL_HOUR, "h", 1.0 / 3}, {UCAL_MINUTE, "mm", 1.0 / 3}, {UCAL_AM_PM, "a", 1.0 / 3}};
        case DatePickerPopup::Mode::dateAndTime:
            return {{UCAL_DAY_OF_YEAR, "EEE d MMM", 0.5},
                    {UCAL_HOUR_OF_DAY, "HH", 0.25},
                    {UCAL_MINUTE, "mm", 0.25}};
        case DatePickerPopup::Mode::date:
            break;
    }
    // Month names are long, days short.
    return {{UCAL_MONTH, "MMMM", 0.48}, {UCAL_DATE, "d", 0.18}, {UCAL_YEAR, "y", 0.34}};
}

std::weak_ptr<DatePickerPopup>& lastShown() {
    static std::weak_ptr<DatePickerPopup> popup;
    return popup;
}

}  // namespace

// The dialog's full-window view: backdrop, card, wheels and buttons; it takes every touch, taps on
// the arrows and drags over the wheels. It keeps its dialog alive while shown, as callers often make a
// dialog, show it and let go of it.
class DatePickerPopupView : public UIView {
  public:
    explicit DatePickerPopupView(std::shared_ptr<DatePickerPopup> owner) : owner_(std::move(owner)) {
        setBackgroundColor(UIColor::colorWithWhite(0, 0.4));
        setOpaque(false);
        DateWheelPan::Wheels wheels;
        wheels.wheelAt = [this](CGPoint p) { return wheelAt(p); };
        wheels.began = [this](std::size_t) { owner_->beginTurn(); };
        wheels.turned = [this](std::size_t wheel, long rows) { owner_->turn(wheel, rows); };
        pan_ = DateWheelPan::create(std::move(wheels));
        addGestureRecognizer(pan_);
    }

    CGRect card() const {
        const CGRect b = bounds();
        const CGFloat height = kTitleHeight + kWheelHeight + kButtonHeight;
        return {{kMargin, CGRectGetMaxY(b) - height - kMargin}, {b.size.width - 2 * kMargin, height}};
    }
    std::vector<Wheel> wheels() const {
        auto owner = owner_;
        return owner && owner->lastShow_ ? wheelsFor(owner->lastShow_->datePickerMode) : std::vector<Wheel>{};
    }
    std::size_t wheelCount() const { return wheels().size(); }
    CGRect wheel(std::size_t index) const {
        const CGRect c = card();
        const std::vector<Wheel> all = wheels();
        CGFloat x = c.origin.x;
        for (std::size_t i = 0; i < index && i < all.size(); ++i) x += all[i].width * c.size.width;
        const CGFloat width = index < all.size() ? all[index].width * c.size.width : 0;
        return {{x, c.origin.y + kTitleHeight}, {width, kWheelHeight}};
    }
    // Done on the right; Cancel, when shown, on the left.
    CGRect button(bool done) const {
        const CGRect c = card();
        auto owner = owner_;
        const bool both = owner && owner->showCancelButton_;
        const CGFloat width = both ? c.size.width / 2 : c.size.width;
        const CGFloat x = done && both ? c.origin.x + width : c.origin.x;
        return {{x, CGRectGetMaxY(c) - kButtonHeight}, {width, kButtonHeight}};
    }

    std::optional<std::size_t> wheelAt(CGPoint p) const {
        for (std::size_t i = 0; i < wheelCount(); ++i)
            if (CGRectContainsPoint(wheel(i), p)) return i;
        return std::nullopt;
    }

    // A finger on a running wheel stops it there; that touch is not also a tap on an arrow.
    void touchesBegan(const UITouchSet&, UIEvent*) override {
        caughtRunningWheel_ = pan_->isRunningOn();
        pan_->stopRunning();
    }
    void touchesEnded(const UITouchSet& touches, UIEvent*) override {
        auto owner = owner_;
        if (touches.empty() || !owner) return;
        const CGPoint p = touches.front()->locationInView(this);
        if (CGRectContainsPoint(button(true), p)) return owner->finish(true);
        if (owner->showCancelButton_ && CGRectContainsPoint(button(false), p)) return owner->finish(false);
        if (caughtRunningWheel_) return;
        if (auto i = wheelAt(p)) owner->roll(*i, p.y < CGRectGetMidY(wheel(*i)));
    }

    void drawRect(CGRect) override {
        auto owner = owner_;
        CGContextRef context = UIGraphicsGetCurrentContext();
        if (!owner || !context || !owner->lastShow_) return;
        CGContext& cg = *context;
        const CGRect c = card();
        cg.setFillColor(UIColor::whiteColor());
        cg.beginPath();
        cg.addRoundedRect(c, 12);
        cg.fillPath();

        const UIColorPtr text = owner->textColor_ ? owner->textColor_ : UIColor::blackColor();
        const UIColorPtr buttons =
            owner->buttonColor_ ? owner->buttonColor_ : UIColor::colorWithRed(0.08, 0.44, 0.94, 1);
        const UIFontPtr font = owner->font_ ? owner->font_ : UIFont::systemFontOfSize(22);
        drawCentred(cg, owner->lastShow_->title, UIFont::boldSystemFontOfSize(17), text,
                    {c.origin, {c.size.width, kTitleHeight}});

        const std::vector<std::string> titles = owner->wheelTitles();
        // Large fonts are brought down to what a wheel a third of the card wide can hold.
        const UIFontPtr wheelFont = font->fontWithSize(std::min<CGFloat>(font->pointSize(), 26));
        for (std::size_t i = 0; i < titles.size(); ++i) {
            const CGRect w = wheel(i);
            drawCentred(cg, "\u25B2", UIFont::systemFontOfSize(12), UIColor::colorWithWhite(0.6, 1),
                        {w.origin, {w.size.width, 30}});
            drawCentred(cg, titles[i], wheelFont, text, CGRectInset(w, 2, 30));
            drawCentred(cg, "\u25BC", UIFont::systemFontOfSize(12), UIColor::colorWithWhite(0.6, 1),
                        {{w.origin.x, CGRectGetMaxY(w) - 30}, {w.size.width, 30}});
        }
        // The selection band across the wheels.
        cg.setFillColor(UIColor::colorWithWhite(0, 0.06));
        cg.fillRect({{c.origin.x, c.origin.y + kTitleHeight + 30}, {c.size.width, kWheelHeight - 60}});

        cg.setFillColor(UIColor::colorWithWhite(0.85, 1));
        cg.fillRect({{c.origin.x, CGRectGetMaxY(c) - kButtonHeight}, {c.size.width, 0.5}});
        const UIFontPtr buttonFont = UIFont::systemFontOfSize(18);
        drawCentred(cg, owner->lastShow_->doneButtonTitle, buttonFont, buttons, button(true));
        if (owner->showCancelButton_) {
            const CGRect cancel = button(false);
            cg.fillRect({{CGRectGetMaxX(cancel), cancel.origin.y}, {0.5, kButtonHeight}});
            drawCentred(cg, owner->lastShow_->cancelButtonTitle, buttonFont, buttons, cancel);
        }
    }

  private:
    static void drawCentred(CGContext& cg, const std::string& s, const UIFontPtr& font,
                            const UIColorPtr& color, CGRect r) {
        TextStyle style;
        style.font = font;
        style.textColor = color;
        style.alignment = NSTextAlignment::Center;
        style.numberOfLines = 1;
        style.lineBreakMode = NSLineBreakMode::ByTruncatingTail;
        r.origin.y += std::max<CGFloat>(0, (r.size.height - font->lineHeight()) / 2);
        TextLayout::drawText(cg, s, style, r);
    }

    std::shared_ptr<DatePickerPopup> owner_;
    DateWheelPanPtr pan_;
    bool caughtRunningWheel_ = false;
};

DatePickerPopupPtr DatePickerPopup::create(UIColorPtr textColor, UIColorPtr buttonColor, UIFontPtr font,
                                           std::string locale, bool showCancelButton) {
    return std::make_shared<DatePickerPopup>(std::move(textColor), std::move(buttonColor), std::move(font),
                                             std::move(locale), showCancelButton);
}

DatePickerPopup::DatePickerPopup(UIColorPtr textColor, UIColorPtr buttonColor, UIFontPtr font,
                                 std::string locale, bool showCancelButton)
    : textColor_(std::move(textColor)),
      buttonColor_(std::move(buttonColor)),
      font_(std::move(font)),
      locale_(std::move(locale)),
      showCancelButton_(showCancelButton) {}

DatePickerPopup::~DatePickerPopup() {
    if (auto window = window_.lock()) window->setHidden(true);
}

void DatePickerPopup::show(const std::string& title, const std::string& doneButtonTitle,
                           const std::string& cancelButtonTitle, Date defaultDate,
                           std::optional<Date> minimumDate, std::optional<Date> maximumDate,
                           Mode datePickerMode, Callback callback) {
    if (isVisible()) finish(false);
    lastShow_ = ShowParameters{title,       doneButtonTitle, cancelButtonTitle, defaultDate,
                               minimumDate, maximumDate,     datePickerMode};
    callback_ = std::move(callback);
    picked_ = bounded(defaultDate);

    auto window = UIWindow::create();
    window->setWindowLevel(kPopupLevel);
    window->setBackgroundColor(UIColor::clearColor());
    auto self = std::static_pointer_cast<DatePickerPopup>(shared_from_this());
    auto view = std::make_shared<DatePickerPopupView>(self);
    view->setFrame(window->bounds());
    view->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    window->addSubview(view);
    window->setHidden(false);
    window_ = window;
    view_ = view;
    lastShown() = self;
}

bool DatePickerPopup::isVisible() const {
    return !window_.expired();
}

void DatePickerPopup::finish(bool done) {
    if (!isVisible()) return;
    auto keepAlive = shared_from_this();
    if (auto window = window_.lock()) window->setHidden(true);
    window_.reset();
    view_.reset();
    // Taken out first, so that the callback may show the dialog again.
    Callback callback = std::move(callback_);
    callback_ = nullptr;
    if (callback) callback(done ? std::optional<Date>(picked_) : std::nullopt);
}

Date DatePickerPopup::bounded(Date date) const {
    double t = std::isfinite(date.secondsSince1970) ? date.secondsSince1970 : 0;
    if (lastShow_ && lastShow_->minimumDate) t = std::max(t, lastShow_->minimumDate->secondsSince1970);
    if (lastShow_ && lastShow_->maximumDate) t = std::min(t, lastShow_->maximumDate->secondsSince1970);
    return {t};
}

std::string DatePickerPopup::localeIdentifier() const {
    return locale_.empty() ? NSLocale::currentLocaleIdentifier() : locale_;
}

void DatePickerPopup::roll(std::size_t wheel, bool forward) {
    if (auto next = rolled(picked_, wheel, forward ? 1 : -1)) picked_ = *next;
    if (view_) view_->setNeedsDisplay();
}

void DatePickerPopup::beginTurn() {
    turnBase_ = picked_;
}

// Counted from where the turn began, so that a wheel held at a bound on the way comes back as it went.
void DatePickerPopup::turn(std::size_t wheel, long rows) {
    if (!isVisible()) return;
    if (auto next = rolled(turnBase_, wheel, rows)) picked_ = *next;
    if (view_) view_->setNeedsDisplay();
}

std::optional<Date> DatePickerPopup::rolled(Date from, std::size_t wheel, long rows) const {
    if (!lastShow_) return std::nullopt;
    const std::vector<Wheel> wheels = wheelsFor(lastShow_->datePickerMode);
    if (wheel >= wheels.size()) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::Locale(localeIdentifier().c_str()), status));
    if (U_FAILURE(status)) return std::nullopt;
    calendar->setTime(from.secondsSince1970 * 1000.0, status);
    // A wheel turns on its own: past its last value it comes round to its first, as on a device.
    const auto amount = static_cast<std::int32_t>(std::clamp<long>(rows, -100000, 100000));
    calendar->roll(wheels[wheel].field, amount, status);
    const UDate next = calendar->getTime(status);
    if (U_FAILURE(status)) return std::nullopt;
    return bounded({next / 1000.0});
}

std::vector<std::string> DatePickerPopup::wheelTitles() const {
    if (!lastShow_) return {};
    NSDateFormatter formatter;
    formatter.setLocale(localeIdentifier());
    std::vector<std::string> titles;
    for (const Wheel& wheel : wheelsFor(lastShow_->datePickerMode)) {
        formatter.setDateFormat(wheel.pattern);
        titles.push_back(formatter.stringFromDate(picked_));
    }
    return titles;
}

std::optional<CGRect> DatePickerPopup::screenFrameOf(CGRect viewRect) const {
    if (!isVisible() || !view_) return std::nullopt;
    return view_->convertRectToView(viewRect, nullptr);
}

DatePickerPopupPtr DatePickerPopup::visiblePopup() {
    auto popup = lastShown().lock();
    return popup && popup->isVisible() ? popup : nullptr;
}

bool DatePickerPopup::pick(Date date) {
    if (!isVisible()) return false;
    picked_ = bounded(date);
    return tapDone();
}

bool DatePickerPopup::tapDone() {
    auto view = std::static_pointer_cast<DatePickerPopupView>(view_);
    auto frame = view ? screenFrameOf(view->button(true)) : std::nullopt;
    return frame && kits::tapAtScreenPoint({CGRectGetMidX(*frame), CGRectGetMidY(*frame)});
}

bool DatePickerPopup::cancel() {
    if (!showCancelButton_) return false;
    auto view = std::static_pointer_cast<DatePickerPopupView>(view_);
    auto frame = view ? screenFrameOf(view->button(false)) : std::nullopt;
    return frame && kits::tapAtScreenPoint({CGRectGetMidX(*frame), CGRectGetMidY(*frame)});
}

std::optional<CGRect> DatePickerPopup::wheelFrame(std::size_t index) const {
    auto view = std::static_pointer_cast<DatePickerPopupView>(view_);
    if (!view || index >= view->wheelCount()) return std::nullopt;
    return screenFrameOf(view->wheel(index));
}

bool DatePickerPopup::tapWheel(std::size_t index, bool forward) {
    auto view = std::static_pointer_cast<DatePickerPopupView>(view_);
    if (!view || index >= view->wheelCount()) return false;
    auto frame = screenFrameOf(view->wheel(index));
    if (!frame) return false;
    const CGFloat y =
        forward ? frame->origin.y + frame->size.height / 4 : CGRectGetMaxY(*frame) - frame->size.height / 4;
    return kits::tapAtScreenPoint({CGRectGetMidX(*frame), y});
}

void DatePickerPopup::reset() {
    if (auto popup = lastShown().lock()) {
        if (auto window = popup->window_.lock()) window->setHidden(true);
        popup->window_.reset();
        popup->view_.reset();
        popup->callback_ = nullptr;
    }
    lastShown().reset();
}

}  // namespace fv
