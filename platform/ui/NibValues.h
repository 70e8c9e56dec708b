#pragma once
// Fonts and images as interface files and properties-by-name carry them: a font is "Name size"
// ("Inter-Regular 17"; "system 15" and "boldSystem 15" for the system faces), an image its name in
// the framework bundle (then the main bundle). A null value means none. Properties of these types
// accept such values so that interface files can set them.
#include <optional>

#include "platform/foundation/Value.h"
#include "platform/graphics/UIFont.h"
#include "platform/graphics/UIImage.h"

namespace fv {

// std::nullopt for an unreadable text or an unknown font; a null pointer for a null value.
std::optional<UIFontPtr> fontFromValue(const Value& v);
Value valueWithFont(const UIFontPtr& font);
// std::nullopt when no bundle has the image; a null pointer for a null value.
std::optional<UIImagePtr> imageFromValue(const Value& v);

}  // namespace fv
