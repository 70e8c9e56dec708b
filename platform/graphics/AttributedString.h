#pragma once
// Attributed strings: UTF-8 text addressed in UTF-16 code units, with runs of attributes.
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/foundation/Range.h"
#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIFont.h"

namespace fv {

using NSAttributedStringKey = std::string;
inline const NSAttributedStringKey NSFontAttributeName = "NSFont";
inline const NSAttributedStringKey NSForegroundColorAttributeName = "NSColor";
inline const NSAttributedStringKey kCTForegroundColorAttributeName = "CTForegroundColor";
inline const NSAttributedStringKey NSBaselineOffsetAttributeName = "NSBaselineOffset";
inline const NSAttributedStringKey NSUnderlineStyleAttributeName = "NSUnderline";
inline const NSAttributedStringKey NSLinkAttributeName = "NSLink";
inline const NSAttributedStringKey NSParagraphStyleAttributeName = "NSParagraphStyle";

enum class NSTextAlignment { Left = 0, Center = 1, Right = 2, Justified = 3, Natural = 4 };
enum class NSLineBreakMode {
    ByWordWrapping = 0,
    ByCharWrapping,
    ByClipping,
    ByTruncatingHead,
    ByTruncatingTail,
    ByTruncatingMiddle
};
enum NSUnderlineStyle : long {
    NSUnderlineStyleNone = 0,
    NSUnderlineStyleSingle = 1,
    NSUnderlineStyleThick = 2,
    NSUnderlineStyleDouble = 9
};

struct NSParagraphStyle {
    NSTextAlignment alignment = NSTextAlignment::Natural;
    NSLineBreakMode lineBreakMode = NSLineBreakMode::ByWordWrapping;
    bool operator==(const NSParagraphStyle&) const = default;
};

// Fonts and colours compare by content; numbers are doubles (underline styles too), links strings.
using NSAttributeValue = std::variant<UIFontPtr, UIColorPtr, double, std::string, NSParagraphStyle>;
using NSAttributes = std::map<NSAttributedStringKey, NSAttributeValue>;

bool attributeValuesEqual(const NSAttributeValue& a, const NSAttributeValue& b);
bool attributesEqual(const NSAttributes& a, const NSAttributes& b);

// Typed reads of one attribute; none when absent or of another type.
UIFontPtr fontAttribute(const NSAttributes& attrs);
// The foreground colour, falling back to the CT key.
UIColorPtr foregroundColorAttribute(const NSAttributes& attrs);
std::optional<double> numberAttribute(const NSAttributes& attrs, const NSAttributedStringKey& key);
std::optional<std::string> stringAttribute(const NSAttributes& attrs, const NSAttributedStringKey& key);
std::optional<NSParagraphStyle> paragraphStyleAttribute(const NSAttributes& attrs);

class NSAttributedString {
  public:
    NSAttributedString() = default;
    // Invalid UTF-8 is replaced by U+FFFD.
    explicit NSAttributedString(const std::string& text, const NSAttributes& attrs = {});

    std::string string() const;
    const std::u16string& utf16() const { return text_; }
    std::size_t length() const { return text_.size(); }

    // The attributes at a UTF-16 index and the longest range around it that has them. An index
    // out of range gives no attributes and {NSNotFound, 0}.
    NSAttributes attributesAtIndex(std::size_t index, NSRange* effectiveRange = nullptr) const;
    std::optional<NSAttributeValue> attributeAtIndex(const NSAttributedStringKey& key, std::size_t index,
                                                     NSRange* effectiveRange = nullptr) const;
    // Each maximal run of equal attributes, in order.
    std::vector<std::pair<NSRange, NSAttributes>> attributeRuns() const;

    // The part in `range`, clamped to the string.
    NSAttributedString attributedSubstringFromRange(NSRange range) const;

    bool isEqualToAttributedString(const NSAttributedString& o) const;
    bool operator==(const NSAttributedString& o) const { return isEqualToAttributedString(o); }

  protected:
    friend class NSMutableAttributedString;
    struct Run {
        std::size_t length;
        NSAttributes attrs;
    };
    bool validRange(NSRange r) const {
        return r.location <= text_.size() && r.length <= text_.size() - r.location;
    }
    // Splits runs so that one starts at `index`; returns that run's position.
    std::size_t splitAt(std::size_t index);
    void mergeRuns();
    // Applies `edit` to the attributes over `range` (already checked).
    void editAttributes(NSRange range, const std::function<void(NSAttributes&)>& edit);

    std::u16string text_;
    std::vector<Run> runs_;  // lengths sum to text_.size(); no empty runs
};

// Mutators return false and change nothing when a range reaches past the end.
class NSMutableAttributedString : public NSAttributedString {
  public:
    using NSAttributedString::NSAttributedString;
    NSMutableAttributedString(const NSAttributedString& s) : NSAttributedString(s) {}

    // Replaces every attribute of the range.
    bool setAttributes(const NSAttributes& attrs, NSRange range);
    bool addAttribute(const NSAttributedStringKey& key, const NSAttributeValue& value, NSRange range);
    bool addAttributes(const NSAttributes& attrs, NSRange range);
    bool removeAttribute(const NSAttributedStringKey& key, NSRange range);

    // The new text takes the attributes of the first replaced character (or the one before when
    // inserting; the one after at the start).
    bool replaceCharactersInRange(NSRange range, const std::string& text);
    bool replaceCharactersInRange(NSRange range, const NSAttributedString& text);
    void appendAttributedString(const NSAttributedString& s);
    bool insertAttributedString(const NSAttributedString& s, std::size_t index);
    bool deleteCharactersInRange(NSRange range);

    // Replaces every occurrence, left to right without overlaps; the rest keep their attributes.
    // Case-insensitive matching uses simple case folding. Returns the number replaced.
    std::size_t replaceOccurrencesOfString(const std::string& target, const std::string& replacement,
                                           bool caseInsensitive = false);
};

}  // namespace fv
