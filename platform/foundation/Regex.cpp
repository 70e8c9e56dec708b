#include "platform/foundation/Regex.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/foundation/IcuText.h"
#include "platform/foundation/Log.h"

namespace fv::regex {

namespace {

using detail::toUnicode;

// A matcher for the pattern, or none (logged) when it does not compile. Compiled patterns are kept per
// thread, since filters run the same pattern over many elements.
std::unique_ptr<icu::RegexMatcher> matcherFor(std::string_view pattern, bool caseInsensitive,
                                              const icu::UnicodeString& text) {
    thread_local std::map<std::pair<std::string, bool>, std::unique_ptr<icu::RegexPattern>> cache;
    auto key = std::make_pair(std::string(pattern), caseInsensitive);
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() >= 64) cache.clear();
        UParseError parseError{};
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::RegexPattern> compiled(icu::RegexPattern::compile(
            toUnicode(pattern), caseInsensitive ? UREGEX_CASE_INSENSITIVE : 0, parseError, status));
        if (U_FAILURE(status)) compiled.reset();
        it = cache.emplace(std::move(key), std::move(compiled)).first;
    }
    if (!it->second) {
        fv::log("Regex: invalid pattern \"" + std::string(pattern) + "\"");
        return nullptr;
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(it->second->matcher(text, status));
    if (U_FAILURE(status)) return nullptr;
    return matcher;
}

}  // namespace

bool matchesWhole(std::string_view pattern, std::string_view text, bool caseInsensitive) {
    icu::UnicodeString input = toUnicode(text);
    auto matcher = matcherFor(pattern, caseInsensitive, input);
    if (!matcher) return false;
    UErrorCode status = U_ZERO_ERROR;
    bool matched = matcher->matches(status);
    return U_SUCCESS(status) && matched;
}

std::optional<NSRange> firstMatch(std::string_view pattern, std::string_view text, bool caseInsensitive) {
    icu::UnicodeString input = toUnicode(text);
    auto matcher = matcherFor(pattern, caseInsensitive, input);
    if (!matcher || !matcher->find()) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    int32_t start = matcher->start(status);
    int32_t end = matcher->end(status);
    if (U_FAILURE(status)) return std::nullopt;
    return NSRange{static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)};
}

std::size_t countMatches(std::string_view pattern, std::string_view text, bool caseInsensitive) {
    icu::UnicodeString input = toUnicode(text);
    auto matcher = matcherFor(pattern, caseInsensitive, input);
    if (!matcher) return 0;
    std::size_t count = 0;
    // ICU's find() steps past empty matches itself, so this always ends.
    while (matcher->find()) ++count;
    return count;
}

}  // namespace fv::regex
