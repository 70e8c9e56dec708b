#pragma once
// Character sets by Unicode general category, as the platform's text services define them, with
// inversion and union. Membership is asked per UTF-16 unit (a lone surrogate half belongs to no
// class) or per code point.
#include <memory>
#include <string_view>

#include "platform/foundation/Range.h"

namespace fv {

class NSCharacterSet {
  public:
    static NSCharacterSet lowercaseLetterCharacterSet();  // Ll
    static NSCharacterSet uppercaseLetterCharacterSet();  // Lu, Lt
    static NSCharacterSet decimalDigitCharacterSet();     // Nd
    static NSCharacterSet symbolCharacterSet();           // Sm, Sc, Sk, So
    static NSCharacterSet punctuationCharacterSet();      // P*
    static NSCharacterSet whitespaceCharacterSet();       // Zs and tab
    static NSCharacterSet nonBaseCharacterSet();          // M*
    // Exactly the characters of `characters` (invalid UTF-8 adds U+FFFD).
    static NSCharacterSet characterSetWithCharactersInString(std::string_view characters);

    bool characterIsMember(char16_t unit) const;
    bool longCharacterIsMember(char32_t codePoint) const;
    NSCharacterSet invertedSet() const;
    NSCharacterSet unionWith(const NSCharacterSet& other) const;

    // The first character of `text` in this set, as a UTF-16 range covering the whole code point;
    // {NSNotFound, 0} when there is none.
    NSRange rangeOfCharacterInString(std::string_view text) const;

    NSCharacterSet(const NSCharacterSet&) = default;
    NSCharacterSet& operator=(const NSCharacterSet&) = default;
    ~NSCharacterSet();

  private:
    struct Impl;
    explicit NSCharacterSet(std::shared_ptr<const Impl> impl);
    static NSCharacterSet fromPattern(const char16_t* pattern);
    // Frozen sets are read-only and safe to share between threads.
    std::shared_ptr<const Impl> impl_;
};

}  // namespace fv
