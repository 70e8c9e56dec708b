#include "controls/UIImageViewTint.h"

namespace fv {

void tintAsTemplate(UIImageView& imageView, const UIColorPtr& color) {
    if (auto image = imageView.image();
        image && image->renderingMode() != UIImageRenderingMode::AlwaysTemplate)
        imageView.setImage(image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate));
    imageView.setTintColor(color);
}

}  // namespace fv
