#include "screenkit/UISearchBarTheme.h"

#include "core/ThemeManager.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UITextField.h"

namespace fv {

namespace {

std::shared_ptr<UITextField> searchField(UISearchBar& searchBar) {
    return std::dynamic_pointer_cast<UITextField>(searchBar.objectForKey("searchField"));
}

}  // namespace

void applySearchBarTheme(UISearchBar& searchBar) {
    auto field = searchField(searchBar);
    if (!field) return;
    field->setFont(namedOrSystemFont("SFProDisplay-Regular", 16));
    if (auto magnifier = std::dynamic_pointer_cast<UIImageView>(field->leftView())) {
        if (auto image = magnifier->image())
            magnifier->setImage(image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate));
        magnifier->setTintColor(ThemeManager::sharedInstance()->main_color());
    }
    applySearchBarClearButtonTheme(searchBar);
}

void applySearchBarClearButtonTheme(UISearchBar& searchBar) {
    auto field = searchField(searchBar);
    auto clear = field ? std::dynamic_pointer_cast<UIButton>(field->objectForKey("clearButton")) : nullptr;
    if (!clear) return;
    auto image = clear->imageView()->image();
    clear->setImage(image ? image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate) : nullptr,
                    UIControlStateNormal);
    clear->setTintColor(ThemeManager::sharedInstance()->main_color());
}

}  // namespace fv
