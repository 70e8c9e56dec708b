#include "platform/foundation/ComposedCharacters.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>

#include <memory>

#include "platform/foundation/IcuText.h"

namespace fv::text {

namespace {

// Break iterators are costly to make and not thread-safe: one per thread, reused.
icu::BreakIterator* characterIterator() {
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> it(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(it) : nullptr;
    }();
    return iterator.get();
}

// Boundaries of the clusters of `u`, 0 and the length included.
std::vector<int32_t> boundaries(const icu::UnicodeString& u) {
    std::vector<int32_t> out{0};
    if (u.isEmpty()) return out;
    icu::BreakIterator* it = characterIterator();
    if (!it) {
        // Without break data, fall back to code points rather than splitting pairs.
        for (int32_t i = 0; i < u.length();) out.push_back(i = u.moveIndex32(i, 1));
        return out;
    }
    it->setText(u);
    for (int32_t b = it->next(); b != icu::BreakIterator::DONE; b = it->next()) out.push_back(b);
    // Drop the iterator's alias of `u` before it goes out of scope.
    it->setText(icu::UnicodeString());
    return out;
}

}  // namespace

std::vector<NSRange> composedCharacterRanges(std::string_view s) {
    std::vector<int32_t> b = boundaries(detail::toUnicode(s));
    std::vector<NSRange> out;
    out.reserve(b.size());
    for (std::size_t i = 1; i < b.size(); ++i)
        out.push_back({static_cast<std::size_t>(b[i - 1]), static_cast<std::size_t>(b[i] - b[i - 1])});
    return out;
}

std::vector<std::string> composedCharacters(std::string_view s) {
    icu::UnicodeString u = detail::toUnicode(s);
    std::vector<int32_t> b = boundaries(u);
    std::vector<std::string> out;
    out.reserve(b.size());
    for (std::size_t i = 1; i < b.size(); ++i)
        out.push_back(detail::toUtf8(u.tempSubStringBetween(b[i - 1], b[i])));
    return out;
}

std::size_t composedCharacterCount(std::string_view s) {
    return boundaries(detail::toUnicode(s)).size() - 1;
}

NSRange rangeOfComposedCharacterSequenceAtIndex(std::string_view s, std::size_t index) {
    for (const NSRange& r : composedCharacterRanges(s))
        if (index < r.end()) return r;
    return {NSNotFound, 0};
}

bool isCanonicallyEquivalent(std::string_view a, std::string_view b) {
    if (a == b) return true;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    if (U_FAILURE(status)) return false;
    icu::UnicodeString na = nfd->normalize(detail::toUnicode(a), status);
    icu::UnicodeString nb = nfd->normalize(detail::toUnicode(b), status);
    return U_SUCCESS(status) && na == nb;
}

}  // namespace fv::text
