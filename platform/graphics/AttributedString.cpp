#include "platform/graphics/AttributedString.h"

#include <unicode/uchar.h>

#include <algorithm>

#include "platform/foundation/Text.h"

namespace fv {

bool attributeValuesEqual(const NSAttributeValue& a, const NSAttributeValue& b) {
    if (a.index() != b.index()) return false;
    if (auto* f = std::get_if<UIFontPtr>(&a)) return fontsEqual(*f, std::get<UIFontPtr>(b));
    if (auto* c = std::get_if<UIColorPtr>(&a)) return colorsEqual(*c, std::get<UIColorPtr>(b));
    return a == b;
}

bool attributesEqual(const NSAttributes& a, const NSAttributes& b) {
    if (a.size() != b.size()) return false;
    for (auto ia = a.begin(), ib = b.begin(); ia != a.end(); ++ia, ++ib) {
        if (ia->first != ib->first || !attributeValuesEqual(ia->second, ib->second)) return false;
    }
    return true;
}

namespace {
template <class T>
const T* attribute(const NSAttributes& attrs, const NSAttributedStringKey& key) {
    auto it = attrs.find(key);
    return it == attrs.end() ? nullptr : std::get_if<T>(&it->second);
}
}  // namespace

UIFontPtr fontAttribute(const NSAttributes& attrs) {
    const UIFontPtr* f = attribute<UIFontPtr>(attrs, NSFontAttributeName);
    return f ? *f : nullptr;
}

UIColorPtr foregroundColorAttribute(const NSAttributes& attrs) {
    for (const auto* key : {&NSForegroundColorAttributeName, &kCTForegroundColorAttributeName}) {
        if (const UIColorPtr* c = attribute<UIColorPtr>(attrs, *key); c && *c) return *c;
    }
    return nullptr;
}

std::optional<double> numberAttribute(const NSAttributes& attrs, const NSAttributedStringKey& key) {
    const double* d = attribute<double>(attrs, key);
    return d ? std::optional<double>(*d) : std::nullopt;
}

std::optional<std::string> stringAttribute(const NSAttributes& attrs, const NSAttributedStringKey& key) {
    const std::string* s = attribute<std::string>(attrs, key);
    return s ? std::optional<std::string>(*s) : std::nullopt;
}

std::optional<NSParagraphStyle> paragraphStyleAttribute(const NSAttributes& attrs) {
    const NSParagraphStyle* p = attribute<NSParagraphStyle>(attrs, NSParagraphStyleAttributeName);
    return p ? std::optional<NSParagraphStyle>(*p) : std::nullopt;
}

NSAttributedString::NSAttributedString(const std::string& text, const NSAttributes& attrs)
    : text_(text::utf8ToUtf16(text)) {
    if (!text_.empty()) runs_.push_back({text_.size(), attrs});
}

std::string NSAttributedString::string() const {
    return text::utf16ToUtf8(text_);
}

NSAttributes NSAttributedString::attributesAtIndex(std::size_t index, NSRange* effectiveRange) const {
    std::size_t start = 0;
    for (const Run& run : runs_) {
        if (index < start + run.length) {
            if (effectiveRange) *effectiveRange = {start, run.length};
            return run.attrs;
        }
        start += run.length;
    }
    if (effectiveRange) *effectiveRange = {NSNotFound, 0};
    return {};
}

std::optional<NSAttributeValue> NSAttributedString::attributeAtIndex(const NSAttributedStringKey& key,
                                                                     std::size_t index,
                                                                     NSRange* effectiveRange) const {
    if (index >= text_.size()) {
        if (effectiveRange) *effectiveRange = {NSNotFound, 0};
        return std::nullopt;
    }
    auto valueIn = [&](const Run& r) -> std::optional<NSAttributeValue> {
        auto it = r.attrs.find(key);
        return it == r.attrs.end() ? std::nullopt : std::optional<NSAttributeValue>(it->second);
    };
    auto same = [](const std::optional<NSAttributeValue>& a, const std::optional<NSAttributeValue>& b) {
        return a.has_value() == b.has_value() && (!a || attributeValuesEqual(*a, *b));
    };
    std::size_t i = 0, start = 0;
    while (index >= start + runs_[i].length) start += runs_[i++].length;
    const std::optional<NSAttributeValue> value = valueIn(runs_[i]);
    if (effectiveRange) {
        std::size_t first = i, begin = start, end = start + runs_[i].length;
        while (first > 0 && same(valueIn(runs_[first - 1]), value)) begin -= runs_[--first].length;
        for (std::size_t j = i + 1; j < runs_.size() && same(valueIn(runs_[j]), value); ++j)
            end += runs_[j].length;
        *effectiveRange = {begin, end - begin};
    }
    return value;
}

std::vector<std::pair<NSRange, NSAttributes>> NSAttributedString::attributeRuns() const {
    std::vector<std::pair<NSRange, NSAttributes>> out;
    std::size_t start = 0;
    for (const Run& run : runs_) {
        out.push_back({{start, run.length}, run.attrs});
        start += run.length;
    }
    return out;
}

NSAttributedString NSAttributedString::attributedSubstringFromRange(NSRange range) const {
    const std::size_t begin = std::min(range.location, text_.size());
    const std::size_t end = begin + std::min(range.length, text_.size() - begin);
    NSAttributedString out;
    out.text_ = text_.substr(begin, end - begin);
    std::size_t start = 0;
    for (const Run& run : runs_) {
        const std::size_t a = std::max(start, begin), b = std::min(start + run.length, end);
        if (a < b) out.runs_.push_back({b - a, run.attrs});
        start += run.length;
    }
    return out;
}

bool NSAttributedString::isEqualToAttributedString(const NSAttributedString& o) const {
    if (text_ != o.text_ || runs_.size() != o.runs_.size()) return false;
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        if (runs_[i].length != o.runs_[i].length || !attributesEqual(runs_[i].attrs, o.runs_[i].attrs))
            return false;
    }
    return true;
}

std::size_t NSAttributedString::splitAt(std::size_t index) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < runs_.size(); ++i) {
        if (index == start) return i;
        if (index < start + runs_[i].length) {
            Run tail{start + runs_[i].length - index, runs_[i].attrs};
            runs_[i].length = index - start;
            runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(tail));
            return i + 1;
        }
        start += runs_[i].length;
    }
    return runs_.size();
}

// Keeps runs maximal, so equal strings have equal runs and effective ranges span whole runs.
void NSAttributedString::mergeRuns() {
    std::vector<Run> merged;
    for (Run& run : runs_) {
        if (run.length == 0) continue;
        if (!merged.empty() && attributesEqual(merged.back().attrs, run.attrs)) {
            merged.back().length += run.length;
        } else {
            merged.push_back(std::move(run));
        }
    }
    runs_ = std::move(merged);
}

void NSAttributedString::editAttributes(NSRange range, const std::function<void(NSAttributes&)>& edit) {
    const std::size_t i = splitAt(range.location), j = splitAt(range.end());
    for (std::size_t k = i; k < j; ++k) edit(runs_[k].attrs);
    mergeRuns();
}

bool NSMutableAttributedString::setAttributes(const NSAttributes& attrs, NSRange range) {
    if (!validRange(range)) return false;
    editAttributes(range, [&](NSAttributes& a) { a = attrs; });
    return true;
}

bool NSMutableAttributedString::addAttribute(const NSAttributedStringKey& key, const NSAttributeValue& value,
                                             NSRange range) {
    return addAttributes({{key, value}}, range);
}

bool NSMutableAttributedString::addAttributes(const NSAttributes& attrs, NSRange range) {
    if (!validRange(range)) return false;
    editAttributes(range, [&](NSAttributes& a) {
        for (const auto& [k, v] : attrs) a[k] = v;
    });
    return true;
}

bool NSMutableAttributedString::removeAttribute(const NSAttributedStringKey& key, NSRange range) {
    if (!validRange(range)) return false;
    editAttributes(range, [&](NSAttributes& a) { a.erase(key); });
    return true;
}

bool NSMutableAttributedString::replaceCharactersInRange(NSRange range, const std::string& text) {
    if (!validRange(range)) return false;
    // Inserted text continues the character before it; at the very start, the one after.
    const bool continuesPrevious = range.length == 0 && range.location > 0;
    NSAttributes attrs = attributesAtIndex(continuesPrevious ? range.location - 1 : range.location);
    return replaceCharactersInRange(range, NSAttributedString(text, attrs));
}

bool NSMutableAttributedString::replaceCharactersInRange(NSRange range, const NSAttributedString& text) {
    if (!validRange(range)) return false;
    const std::size_t i = splitAt(range.location), j = splitAt(range.end());
    runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(i),
                runs_.begin() + static_cast<std::ptrdiff_t>(j));
    runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(i), text.runs_.begin(), text.runs_.end());
    text_.replace(range.location, range.length, text.text_);
    mergeRuns();
    return true;
}

void NSMutableAttributedString::appendAttributedString(const NSAttributedString& s) {
    replaceCharactersInRange(NSMakeRange(text_.size(), 0), s);
}

bool NSMutableAttributedString::insertAttributedString(const NSAttributedString& s, std::size_t index) {
    return replaceCharactersInRange(NSMakeRange(index, 0), s);
}

bool NSMutableAttributedString::deleteCharactersInRange(NSRange range) {
    return replaceCharactersInRange(range, NSAttributedString());
}

std::size_t NSMutableAttributedString::replaceOccurrencesOfString(const std::string& target,
                                                                  const std::string& replacement,
                                                                  bool caseInsensitive) {
    const std::u16string needle = text::utf8ToUtf16(target);
    if (needle.empty() || needle.size() > text_.size()) return 0;
    auto fold = [&](char16_t c) {
        return caseInsensitive ? static_cast<char16_t>(u_foldCase(c, U_FOLD_CASE_DEFAULT)) : c;
    };
    std::vector<std::size_t> matches;
    for (std::size_t at = 0; at + needle.size() <= text_.size();) {
        std::size_t k = 0;
        while (k < needle.size() && fold(text_[at + k]) == fold(needle[k])) ++k;
        if (k == needle.size()) {
            matches.push_back(at);
            at += needle.size();
        } else {
            ++at;
        }
    }
    // From the end, so the positions found still hold.
    for (auto it = matches.rbegin(); it != matches.rend(); ++it) {
        replaceCharactersInRange(NSMakeRange(*it, needle.size()), replacement);
    }
    return matches.size();
}

}  // namespace fv
