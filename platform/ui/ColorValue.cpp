#include "platform/ui/ColorValue.h"

#include <cctype>
#include <cstdlib>

namespace fv {

Value valueWithColor(const UIColorPtr& color) {
    if (!color) return Value();
    Value::Dictionary d{
        {"red", color->red()}, {"green", color->green()}, {"blue", color->blue()}, {"alpha", color->alpha()}};
    return Value(std::move(d));
}

namespace {

std::optional<UIColorPtr> colorFromHex(const std::string& s) {
    if (s.size() != 7 && s.size() != 9) return std::nullopt;
    if (s[0] != '#') return std::nullopt;
    for (std::size_t i = 1; i < s.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(s[i]))) return std::nullopt;
    auto byte = [&](std::size_t at) { return std::strtol(s.substr(at, 2).c_str(), nullptr, 16) / 255.0; };
    return UIColor::colorWithRed(byte(1), byte(3), byte(5), s.size() == 9 ? byte(7) : 1.0);
}

}  // namespace

std::optional<UIColorPtr> colorFromValue(const Value& v) {
    if (v.isNull()) return UIColorPtr();
    if (auto s = v.asString()) return colorFromHex(*s);
    if (!v.isDictionary()) return std::nullopt;
    CGFloat alpha = v["alpha"].doubleValue(1.0);
    if (v.contains("white")) return UIColor::colorWithWhite(v["white"].doubleValue(), alpha);
    if (!v.contains("red") || !v.contains("green") || !v.contains("blue")) return std::nullopt;
    return UIColor::colorWithRed(v["red"].doubleValue(), v["green"].doubleValue(), v["blue"].doubleValue(),
                                 alpha);
}

}  // namespace fv
