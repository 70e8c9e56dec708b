#include "controls/UISearchBarTheme.h"

#include "controls/UIImageViewTint.h"
#include "core/ThemeManager.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UITextField.h"

namespace fv {

namespace {

std::shared_ptr<UITextField> searchField(UISearchBar& searchBar) {
    return std::dynamic_pointer_cast<UITextField>(searchBar.objectForKey("searchField"));
}

}  // namespace

void themeSearchBar(UISearchBar& searchBar) {
    auto field = searchField(searchBar);
    if (!field) return;
    field->setFont(namedOrSystemFont("SFProDisplay-Regular", 16));
    if (auto magnifier = std::dynamic_pointer_cast<UIImageView>(field->leftView()))
        tintAsTemplate(*magnifier, ThemeManager::sharedInstance()->main_color());
    themeSearchClearButton(searchBar);
}

void themeSearchClearButton(UISearchBar& searchBar) {
    auto field = searchField(searchBar);
    auto clear = field ? std::dynamic_pointer_cast<UIButton>(field->objectForKey("clearButton")) : nullptr;
    if (!clear) return;
    auto image = clear->imageView()->image();
    clear->setImage(image ? image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate) : nullptr,
                    UIControlStateNormal);
    clear->setTintColor(ThemeManager::sharedInstance()->main_color());
}

}  // namespace fv
