#include "controls/DictionaryWordRule.h"

#include "controls/PasswordKitStrings.h"
#include "platform/foundation/NSCharacterSet.h"
#include "platform/foundation/Text.h"

namespace fv {

namespace {

bool isHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}

bool isLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

char32_t combine(char16_t high, char16_t low) {
    return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (static_cast<char32_t>(low) - 0xDC00);
}

// Everything but the lower-case letters; made once per process (a thread-safe static).
const NSCharacterSet& trimmingSet() {
    static const NSCharacterSet set = NSCharacterSet::lowercaseLetterCharacterSet().invertedSet();
    return set;
}

std::string trimmedTerm(const std::string& password) {
    const std::u16string units = text::utf8ToUtf16(text::lowercase(password));
    const NSCharacterSet& trim = trimmingSet();
    std::size_t begin = 0;
    while (begin < units.size()) {
        const bool pair =
            isHighSurrogate(units[begin]) && begin + 1 < units.size() && isLowSurrogate(units[begin + 1]);
        const char32_t cp = pair ? combine(units[begin], units[begin + 1]) : units[begin];
        if (!trim.longCharacterIsMember(cp)) break;
        begin += pair ? 2 : 1;
    }
    std::size_t end = units.size();
    while (end > begin) {
        const bool pair =
            isLowSurrogate(units[end - 1]) && end - 1 > begin && isHighSurrogate(units[end - 2]);
        const char32_t cp = pair ? combine(units[end - 2], units[end - 1]) : units[end - 1];
        if (!trim.longCharacterIsMember(cp)) break;
        end -= pair ? 2 : 1;
    }
    return text::utf16ToUtf8(std::u16string_view(units).substr(begin, end - begin));
}

}  // namespace

std::shared_ptr<DictionaryWordRule> DictionaryWordRule::rule(PasswordWordListPtr words) {
    return std::make_shared<DictionaryWordRule>(std::move(words));
}

DictionaryWordRule::DictionaryWordRule(PasswordWordListPtr words)
    : words_(words ? std::move(words) : PasswordWordList::englishWordList()) {}

bool DictionaryWordRule::evaluateWithString(const std::string& password) const {
    const std::string term = trimmedTerm(password);
    return !term.empty() && words_->hasDefinitionForTerm(term);
}

std::string DictionaryWordRule::localizedErrorDescription() const {
    return passwordKitString("Must not be dictionary word");
}

}  // namespace fv
