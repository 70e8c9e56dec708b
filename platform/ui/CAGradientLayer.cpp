#include "platform/ui/CAGradientLayer.h"

namespace fv {

FV_REGISTER_CLASS(CAGradientLayer);

void CAGradientLayer::drawInContext(CGContext& context) {
    if (colors.empty()) return;
    std::vector<UIColorPtr> stops;
    for (auto& c : colors) stops.push_back(c ? c : UIColor::clearColor());
    if (stops.size() == 1) stops.push_back(stops.front());
    std::vector<CGFloat> at = locations;
    if (at.size() != stops.size()) {
        // Missing or mismatched locations spread the colours evenly.
        at.clear();
        for (std::size_t i = 0; i < stops.size(); ++i) at.push_back(CGFloat(i) / CGFloat(stops.size() - 1));
    }
    CGRect b = bounds();
    CGPoint start{b.origin.x + startPoint.x * b.size.width, b.origin.y + startPoint.y * b.size.height};
    CGPoint end{b.origin.x + endPoint.x * b.size.width, b.origin.y + endPoint.y * b.size.height};
    context.saveGState();
    context.clipToRect(b);
    context.drawLinearGradient(stops, at, start, end,
                               kCGGradientDrawsBeforeStartLocation | kCGGradientDrawsAfterEndLocation);
    context.restoreGState();
}

}  // namespace fv
