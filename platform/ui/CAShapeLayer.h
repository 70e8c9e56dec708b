#pragma once
// A path filled and stroked in the layer's coordinates.
#include "platform/ui/CALayer.h"

namespace fv {

class CAShapeLayer : public CALayer {
    FV_CLASS(CAShapeLayer, CALayer)
    static std::shared_ptr<CAShapeLayer> create() { return std::make_shared<CAShapeLayer>(); }
    UIBezierPathPtr path;
    UIColorPtr fillColor = UIColor::blackColor();  // none = no fill
    UIColorPtr strokeColor;                        // none = no stroke
    CGFloat lineWidth = 1;
    bool evenOddFillRule = false;

    void drawInContext(CGContext& context) override;
};

}  // namespace fv
