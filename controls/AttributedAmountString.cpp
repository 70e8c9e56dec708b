#include "controls/AttributedAmountString.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace fv {
namespace {

constexpr CGFloat kLargeSize = 26.0;
constexpr CGFloat kSmallSize = 14.0;
constexpr double kRaise = 10.0;
constexpr std::size_t kMarkerSlots = 10;

// The positions of the first ten opening and closing markers; markers beyond them are ignored so
// that text full of braces cannot overrun the tables.
struct MarkerTables {
    std::array<std::size_t, kMarkerSlots> open{};
    std::array<std::size_t, kMarkerSlots> close{};
    std::size_t opens = 0, closes = 0;
};

MarkerTables scanMarkers(const std::u16string& text) {
    MarkerTables t;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'{' && t.opens < kMarkerSlots) t.open[t.opens++] = i;
        if (text[i] == u'}' && t.closes < kMarkerSlots) t.close[t.closes++] = i;
    }
    return t;
}

}  // namespace

namespace detail {

NSMutableAttributedString attributedAmountString(const std::string& amount, const std::string& fontName) {
    const UIFontPtr large = namedOrSystemFont(fontName, kLargeSize);
    const auto lastPoint = amount.rfind('.');
    if (lastPoint == std::string::npos)
        return NSMutableAttributedString(amount, {{NSFontAttributeName, large}});

    // Everything before the last "." stays, so that "1.234.56" keeps its middle digits.
    const std::string marked = amount.substr(0, lastPoint) + "{." + amount.substr(lastPoint + 1) + "}";
    NSMutableAttributedString result(marked, {{NSFontAttributeName, large}});

    const NSAttributes small{{NSFontAttributeName, namedOrSystemFont(fontName, kSmallSize)},
                             {NSBaselineOffsetAttributeName, kRaise}};
    const MarkerTables tables = scanMarkers(result.utf16());
    // A pair counts only when both of its markers exist, so a stray "}" cannot stand in for a
    // missing "{" at the start; a closing marker before its opening one marks nothing.
    for (std::size_t k = 0; k < std::min(tables.opens, tables.closes); ++k) {
        const std::size_t open = tables.open[k], close = tables.close[k];
        if (close > open + 1) result.setAttributes(small, NSMakeRange(open + 1, close - open - 1));
    }

    result.replaceOccurrencesOfString("{", "", true);
    result.replaceOccurrencesOfString("}", "", true);
    return result;
}

}  // namespace detail

NSMutableAttributedString attributedAmountString(const std::string& amount) {
    return detail::attributedAmountString(amount, kAmountFontName);
}

}  // namespace fv
