#pragma once
// The themed look of the list screens' search bars: the inner field (platform key "searchField") in
// the 16-point regular face, its magnifier and its clear button (key "clearButton") as template
// images tinted in the theme's main colour. A bar without these parts is left as it is.
#include "platform/ui/UISearchBar.h"

namespace fv {

// The whole look; list screens apply it once, at set-up.
void applySearchBarTheme(UISearchBar& searchBar);
// The clear button alone: the bar makes it anew while text is typed, so screens apply this again then.
void applySearchBarClearButtonTheme(UISearchBar& searchBar);

}  // namespace fv
