#include "platform/graphics/GeometryValue.h"

namespace fv {

Value valueWithCGRect(CGRect r) {
    return Value::Dictionary{
        {"x", r.origin.x}, {"y", r.origin.y}, {"width", r.size.width}, {"height", r.size.height}};
}

Value valueWithCGPoint(CGPoint p) {
    return Value::Dictionary{{"x", p.x}, {"y", p.y}};
}

Value valueWithCGSize(CGSize s) {
    return Value::Dictionary{{"width", s.width}, {"height", s.height}};
}

CGRect rectFromValue(const Value& v) {
    if (!v.isDictionary()) return CGRectZero;
    return {pointFromValue(v), sizeFromValue(v)};
}

CGPoint pointFromValue(const Value& v) {
    if (!v.isDictionary()) return CGPointZero;
    return {v["x"].asReal().value_or(0), v["y"].asReal().value_or(0)};
}

CGSize sizeFromValue(const Value& v) {
    if (!v.isDictionary()) return CGSizeZero;
    return {v["width"].asReal().value_or(0), v["height"].asReal().value_or(0)};
}

}  // namespace fv
