#pragma once
// The list screens' search bar look: the field's font, and the magnifier and clear button drawn as
// templates in the theme's main colour. The clear button is made afresh while typing, so screens style
// it again whenever editing begins or the text changes.
#include "platform/ui/UISearchBar.h"

namespace fv {

// The field's font, its magnifier and its clear button.
void themeSearchBar(UISearchBar& searchBar);
void themeSearchClearButton(UISearchBar& searchBar);

}  // namespace fv
