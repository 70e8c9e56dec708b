#include "platform/foundation/NSCharacterSet.h"

#include <unicode/uniset.h>

#include "platform/foundation/IcuText.h"
#include "platform/foundation/Log.h"

namespace fv {

struct NSCharacterSet::Impl {
    icu::UnicodeSet set;
};

NSCharacterSet::NSCharacterSet(std::shared_ptr<const Impl> impl) : impl_(std::move(impl)) {}
NSCharacterSet::~NSCharacterSet() = default;

NSCharacterSet NSCharacterSet::fromPattern(const char16_t* pattern) {
    auto impl = std::make_shared<Impl>();
    UErrorCode status = U_ZERO_ERROR;
    impl->set.applyPattern(icu::UnicodeString(pattern), status);
    // The patterns are ours and fixed; a failure means a broken ICU installation, so say so once.
    if (U_FAILURE(status)) log(std::string("character class unavailable: ") + u_errorName(status));
    impl->set.freeze();
    return NSCharacterSet(std::move(impl));
}

NSCharacterSet NSCharacterSet::lowercaseLetterCharacterSet() {
    static const NSCharacterSet s = fromPattern(u"[:Ll:]");
    return s;
}
NSCharacterSet NSCharacterSet::uppercaseLetterCharacterSet() {
    static const NSCharacterSet s = fromPattern(u"[[:Lu:][:Lt:]]");
    return s;
}
NSCharacterSet NSCharacterSet::decimalDigitCharacterSet() {
    static const NSCharacterSet s = fromPattern(u"[:Nd:]");
    return s;
}
NSCharacterSet NSCharacterSet::symbolCharacterSet() {
    static const NSCharacterSet s = fromPattern(u"[[:Sm:][:Sc:][:Sk:][:So:]]");
    return s;
}
NSCharacterSet NSCharacterSet::punctuationCharacterSet() {
    static const NSCharacterSet s = fromPattern(u"[:P:]");
    return s;
}
NSCharacterSet NSCharacterSet::whitespaceCharacterSet() {
    static const NSCharacterSet s = fromPattern(u"[[:Zs:]\\u0009]");
    return s;
}
NSCharacterSet NSCharacterSet::nonBaseCharacterSet() {
    static const NSCharacterSet s = fromPattern(u"[:M:]");
    return s;
}

NSCharacterSet NSCharacterSet::characterSetWithCharactersInString(std::string_view characters) {
    auto impl = std::make_shared<Impl>();
    impl->set.addAll(detail::toUnicode(characters));
    impl->set.freeze();
    return NSCharacterSet(std::move(impl));
}

bool NSCharacterSet::characterIsMember(char16_t unit) const {
    return impl_->set.contains(static_cast<UChar32>(unit));
}

bool NSCharacterSet::longCharacterIsMember(char32_t codePoint) const {
    return codePoint <= 0x10FFFF && impl_->set.contains(static_cast<UChar32>(codePoint));
}

NSCharacterSet NSCharacterSet::invertedSet() const {
    auto impl = std::make_shared<Impl>();
    // Copies of a frozen set stay frozen, so the members are added to a fresh set instead.
    impl->set.addAll(impl_->set);
    impl->set.complement();
    impl->set.freeze();
    return NSCharacterSet(std::move(impl));
}

NSCharacterSet NSCharacterSet::unionWith(const NSCharacterSet& other) const {
    auto impl = std::make_shared<Impl>();
    impl->set.addAll(impl_->set);
    impl->set.addAll(other.impl_->set);
    impl->set.freeze();
    return NSCharacterSet(std::move(impl));
}

NSRange NSCharacterSet::rangeOfCharacterInString(std::string_view text) const {
    icu::UnicodeString u = detail::toUnicode(text);
    for (int32_t i = 0; i < u.length(); i = u.moveIndex32(i, 1)) {
        UChar32 c = u.char32At(i);
        if (impl_->set.contains(c))
            return {static_cast<std::size_t>(i), static_cast<std::size_t>(U16_LENGTH(c))};
    }
    return {NSNotFound, 0};
}

}  // namespace fv
