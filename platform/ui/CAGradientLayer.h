#pragma once
// A linear gradient filling the layer's bounds. Points are in the unit square of the bounds.
#include <vector>

#include "platform/ui/CALayer.h"

namespace fv {

class CAGradientLayer : public CALayer {
    FV_CLASS(CAGradientLayer, CALayer)
    static std::shared_ptr<CAGradientLayer> create() { return std::make_shared<CAGradientLayer>(); }
    std::vector<UIColorPtr> colors;
    std::vector<CGFloat> locations;  // empty = evenly spread
    CGPoint startPoint{0.5, 0};
    CGPoint endPoint{0.5, 1};

    void drawInContext(CGContext& context) override;
};

}  // namespace fv
