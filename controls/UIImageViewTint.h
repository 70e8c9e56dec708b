#pragma once
// Tinting an icon: a tint only shows on an image drawn as a template, so the icon is turned into one
// (once) before the colour is set.
#include "platform/graphics/UIColor.h"
#include "platform/ui/UIImageView.h"

namespace fv {

void tintAsTemplate(UIImageView& imageView, const UIColorPtr& color);

}  // namespace fv
