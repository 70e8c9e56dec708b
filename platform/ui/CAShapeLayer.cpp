#include "platform/ui/CAShapeLayer.h"

namespace fv {

FV_REGISTER_CLASS(CAShapeLayer);

void CAShapeLayer::drawInContext(CGContext& context) {
    if (!path || path->isEmpty()) return;
    context.saveGState();
    if (fillColor) {
        context.setFillColor(fillColor);
        context.beginPath();
        path->addToContext(context);
        context.fillPath(evenOddFillRule);
    }
    if (strokeColor && lineWidth > 0) {
        context.setStrokeColor(strokeColor);
        context.setLineWidth(lineWidth);
        context.beginPath();
        path->addToContext(context);
        context.strokePath();
    }
    context.restoreGState();
}

}  // namespace fv
