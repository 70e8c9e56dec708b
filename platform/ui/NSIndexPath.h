#pragma once
// A position in a sectioned list: a row of a table or an item of a collection within its section.
// A plain value, ordered by section, then row.
#include <compare>
#include <string>

namespace fv {

struct NSIndexPath {
    long section = 0;
    long row = 0;

    static NSIndexPath indexPathForRow(long row, long section) { return {section, row}; }
    static NSIndexPath indexPathForItem(long item, long section) { return {section, item}; }
    // Collections call the row an item.
    long item() const { return row; }

    std::string description() const;
    friend auto operator<=>(const NSIndexPath&, const NSIndexPath&) = default;
};

}  // namespace fv
