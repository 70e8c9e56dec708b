#include "platform/foundation/Predicate.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include "platform/foundation/IcuText.h"
#include "platform/foundation/Regex.h"

namespace fv {

namespace {

// Canonical decomposition, non-spacing marks dropped, full case folding: "Éa" and "ea" compare equal.
icu::UnicodeString foldCaseAndDiacritics(const std::string& s) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString input = detail::toUnicode(s);
    icu::UnicodeString decomposed = U_SUCCESS(status) ? nfd->normalize(input, status) : input;
    if (U_FAILURE(status)) decomposed = input;
    icu::UnicodeString stripped;
    for (int32_t i = 0; i < decomposed.length(); i = decomposed.moveIndex32(i, 1)) {
        UChar32 c = decomposed.char32At(i);
        if (u_charType(c) != U_NON_SPACING_MARK) stripped.append(c);
    }
    return stripped.foldCase(U_FOLD_CASE_DEFAULT);
}

bool sameValue(const Value& a, const Value& b) {
    if (a.isInteger() && b.isInteger()) return *a.asInteger() == *b.asInteger();
    if (a.isNumber() && b.isNumber()) return *a.asReal() == *b.asReal();
    return a == b;
}

}  // namespace

Value PredicateSubject::valueForKeyPath(const std::string& keyPath) const {
    std::size_t start = 0;
    Value current;
    bool first = true;
    // "SELF.key" on an object means the object's own key.
    if (!value_ && keyPath.rfind("SELF.", 0) == 0) start = 5;
    while (start <= keyPath.size()) {
        std::size_t dot = keyPath.find('.', start);
        std::string key = keyPath.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (first) {
            if (key == "SELF") {
                if (!value_) return Value();
                current = *value_;
            } else {
                current = value_ ? (*value_)[key] : object_->valueForKey(key);
            }
            first = false;
        } else {
            current = Value(current[key]);
        }
        if (current.isNull() || dot == std::string::npos) break;
        start = dot + 1;
    }
    return current;
}

NSPredicate NSPredicate::containsCD(const std::string& keyPath, const std::string& needle) {
    icu::UnicodeString foldedNeedle = foldCaseAndDiacritics(needle);
    return NSPredicate([keyPath, foldedNeedle](const PredicateSubject& subject) {
        if (foldedNeedle.isEmpty()) return false;
        auto text = subject.valueForKeyPath(keyPath).asString();
        return text && foldCaseAndDiacritics(*text).indexOf(foldedNeedle) >= 0;
    });
}

NSPredicate NSPredicate::equals(const std::string& keyPath, Value value) {
    return NSPredicate([keyPath, value = std::move(value)](const PredicateSubject& subject) {
        return sameValue(subject.valueForKeyPath(keyPath), value);
    });
}

NSPredicate NSPredicate::matches(const std::string& pattern, bool caseInsensitive) {
    return NSPredicate([pattern, caseInsensitive](const PredicateSubject& subject) {
        auto text = subject.valueForKeyPath("SELF").asString();
        return text && regex::matchesWhole(pattern, *text, caseInsensitive);
    });
}

NSPredicate NSPredicate::block(Function function) {
    return NSPredicate(std::move(function));
}

NSPredicate NSPredicate::orPredicate(std::vector<NSPredicate> subpredicates) {
    return NSPredicate([subs = std::move(subpredicates)](const PredicateSubject& subject) {
        for (const auto& p : subs)
            if (p.evaluateWithObject(subject)) return true;
        return false;
    });
}

NSPredicate NSPredicate::andPredicate(std::vector<NSPredicate> subpredicates) {
    return NSPredicate([subs = std::move(subpredicates)](const PredicateSubject& subject) {
        for (const auto& p : subs)
            if (!p.evaluateWithObject(subject)) return false;
        return true;
    });
}

bool NSPredicate::evaluateWithObject(const PredicateSubject& subject) const {
    if (!function_) return false;
    try {
        return function_(subject);
    } catch (...) {
        // A throwing block rejects the element rather than escaping the filter.
        return false;
    }
}

}  // namespace fv
