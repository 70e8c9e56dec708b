#include "platform/foundation/DateFormatter.h"

#include <unicode/datefmt.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <mutex>

#include "platform/foundation/IcuText.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/Log.h"

namespace fv {

namespace {

icu::DateFormat::EStyle icuStyle(NSDateFormatter::Style style) {
    switch (style) {
        case NSDateFormatter::Style::Short:
            return icu::DateFormat::kShort;
        case NSDateFormatter::Style::Medium:
            return icu::DateFormat::kMedium;
        case NSDateFormatter::Style::Long:
            return icu::DateFormat::kLong;
        case NSDateFormatter::Style::Full:
            return icu::DateFormat::kFull;
        case NSDateFormatter::Style::None:
            break;
    }
    return icu::DateFormat::kNone;
}

}  // namespace

struct NSDateFormatter::Impl {
    std::string pattern;
    Style dateStyle = Style::None;
    Style timeStyle = Style::None;
    bool usesStyles = false;
    std::optional<std::string> localeId;
    std::string timeZoneId;  // empty: the process's zone
    // Built on first use after a change; ICU formatters are costly to create.
    mutable std::mutex mutex;
    mutable std::unique_ptr<icu::DateFormat> cached;

    Impl() = default;
    Impl(const Impl& o)
        : pattern(o.pattern),
          dateStyle(o.dateStyle),
          timeStyle(o.timeStyle),
          usesStyles(o.usesStyles),
          localeId(o.localeId),
          timeZoneId(o.timeZoneId) {}

    std::string effectiveLocale() const {
        if (localeId) return *localeId;
        return usesStyles ? NSLocale::currentLocaleIdentifier() : "en_US_POSIX";
    }

    // The formatter for the current settings, or none when they describe no output.
    icu::DateFormat* formatter() const {
        if (cached) return cached.get();
        icu::Locale locale(effectiveLocale().c_str());
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::DateFormat> f;
        if (usesStyles) {
            if (dateStyle == Style::None && timeStyle == Style::None) return nullptr;
            f.reset(
                icu::DateFormat::createDateTimeInstance(icuStyle(dateStyle), icuStyle(timeStyle), locale));
        } else {
            f = std::make_unique<icu::SimpleDateFormat>(detail::toUnicode(pattern), locale, status);
        }
        if (!f || U_FAILURE(status)) {
            fv::log("NSDateFormatter: unusable format \"" + pattern + "\"");
            return nullptr;
        }
        f->setLenient(false);
        if (!timeZoneId.empty())
            f->adoptTimeZone(icu::TimeZone::createTimeZone(detail::toUnicode(timeZoneId)));
        cached = std::move(f);
        return cached.get();
    }
};

NSDateFormatter::NSDateFormatter() : impl_(std::make_unique<Impl>()) {}
NSDateFormatter::~NSDateFormatter() = default;
NSDateFormatter::NSDateFormatter(const NSDateFormatter& other)
    : impl_(std::make_unique<Impl>(*other.impl_)) {}

NSDateFormatter& NSDateFormatter::operator=(const NSDateFormatter& other) {
    if (this != &other) impl_ = std::make_unique<Impl>(*other.impl_);
    return *this;
}

void NSDateFormatter::setDateFormat(const std::string& pattern) {
    std::lock_guard lock(impl_->mutex);
    impl_->pattern = pattern;
    impl_->usesStyles = false;
    impl_->cached.reset();
}

std::string NSDateFormatter::dateFormat() const {
    std::lock_guard lock(impl_->mutex);
    if (!impl_->usesStyles) return impl_->pattern;
    auto* simple = dynamic_cast<icu::SimpleDateFormat*>(impl_->formatter());
    if (!simple) return {};
    icu::UnicodeString pattern;
    simple->toPattern(pattern);
    return detail::toUtf8(pattern);
}

void NSDateFormatter::setDateStyle(Style style) {
    std::lock_guard lock(impl_->mutex);
    impl_->dateStyle = style;
    impl_->usesStyles = true;
    impl_->cached.reset();
}

void NSDateFormatter::setTimeStyle(Style style) {
    std::lock_guard lock(impl_->mutex);
    impl_->timeStyle = style;
    impl_->usesStyles = true;
    impl_->cached.reset();
}

void NSDateFormatter::setLocale(const std::string& identifier) {
    std::lock_guard lock(impl_->mutex);
    impl_->localeId = identifier;
    impl_->cached.reset();
}

std::string NSDateFormatter::locale() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->effectiveLocale();
}

void NSDateFormatter::setTimeZone(const std::string& identifier) {
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(detail::toUnicode(identifier)));
    if (!zone || *zone == icu::TimeZone::getUnknown()) {
        fv::log("NSDateFormatter: unknown time zone \"" + identifier + "\"");
        return;
    }
    std::lock_guard lock(impl_->mutex);
    impl_->timeZoneId = identifier;
    impl_->cached.reset();
}

std::string NSDateFormatter::timeZone() const {
    std::lock_guard lock(impl_->mutex);
    if (!impl_->timeZoneId.empty()) return impl_->timeZoneId;
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createDefault());
    icu::UnicodeString id;
    zone->getID(id);
    return detail::toUtf8(id);
}

std::string NSDateFormatter::stringFromDate(Date date) const {
    std::lock_guard lock(impl_->mutex);
    icu::DateFormat* f = impl_->formatter();
    if (!f) return {};
    icu::UnicodeString text;
    f->format(static_cast<UDate>(date.secondsSince1970 * 1000.0), text);
    return detail::toUtf8(text);
}

std::optional<Date> NSDateFormatter::dateFromString(const std::string& text) const {
    std::lock_guard lock(impl_->mutex);
    icu::DateFormat* f = impl_->formatter();
    if (!f) return std::nullopt;
    icu::UnicodeString input = detail::toUnicode(text);
    icu::ParsePosition position(0);
    UDate parsed = f->parse(input, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length()) return std::nullopt;
    return Date{parsed / 1000.0};
}

}  // namespace fv
