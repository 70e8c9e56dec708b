#pragma once
// Texts and images that the host application may supply in its main bundle, with the framework
// bundle's own as the fallback, so a host rewords or redraws only what it wants to.
#include <string>

#include "platform/graphics/UIImage.h"

namespace fv {

// The host's text for `key` in `table`; else the framework's; else the key itself.
std::string hostLocalizedText(const std::string& key, const std::string& table);

// The host's image of that name; else the framework's; else none.
UIImagePtr hostImageNamed(const std::string& name);

}  // namespace fv
