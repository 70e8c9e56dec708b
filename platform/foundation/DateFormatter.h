#pragma once
// Dates to text and back with ICU. A pattern formatter uses "en_US_POSIX" unless told otherwise, so
// fixed formats do not change with the user's locale; style formatters use the current locale
// (NSLocale) unless a locale was set. The time zone is the process's unless set (e.g. "UTC").
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

class NSDateFormatter {
  public:
    enum class Style { None = 0, Short = 1, Medium = 2, Long = 3, Full = 4 };

    NSDateFormatter();
    ~NSDateFormatter();
    NSDateFormatter(const NSDateFormatter& other);
    NSDateFormatter& operator=(const NSDateFormatter& other);

    // The last of setDateFormat and setDateStyle/setTimeStyle decides how dates are written.
    void setDateFormat(const std::string& pattern);
    std::string dateFormat() const;
    void setDateStyle(Style style);
    void setTimeStyle(Style style);

    void setLocale(const std::string& identifier);
    std::string locale() const;  // the identifier in effect
    // An unknown identifier is ignored with a log line and the previous zone kept.
    void setTimeZone(const std::string& identifier);
    std::string timeZone() const;

    std::string stringFromDate(Date date) const;
    // Strict: the whole text must match the format; none otherwise.
    std::optional<Date> dateFromString(const std::string& text) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace fv
