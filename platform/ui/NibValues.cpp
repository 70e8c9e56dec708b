#include "platform/ui/NibValues.h"

#include <charconv>

#include "platform/foundation/Bundle.h"
#include "platform/ui/UINib.h"

namespace fv {

std::optional<UIFontPtr> fontFromValue(const Value& v) {
    if (v.isNull()) return UIFontPtr{};
    auto text = v.asString();
    if (!text) return std::nullopt;
    auto space = text->find_last_of(' ');
    if (space == std::string::npos || space == 0) return std::nullopt;
    std::string name = text->substr(0, space);
    std::string sizeText = text->substr(space + 1);
    double size = 0;
    auto [end, ec] = std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
    if (ec != std::errc() || end != sizeText.data() + sizeText.size() || size <= 0) return std::nullopt;
    UIFontPtr font;
    if (name == "system") {
        font = UIFont::systemFontOfSize(size);
    } else if (name == "boldSystem") {
        font = UIFont::boldSystemFontOfSize(size);
    } else {
        font = UIFont::fontWithName(name, size);
    }
    if (!font) return std::nullopt;
    return font;
}

Value valueWithFont(const UIFontPtr& font) {
    if (!font) return Value();
    return Value(font->fontName() + " " + Value(static_cast<double>(font->pointSize())).description());
}

std::optional<UIImagePtr> imageFromValue(const Value& v) {
    if (v.isNull()) return UIImagePtr{};
    auto name = v.asString();
    if (!name || name->empty()) return std::nullopt;
    if (auto bundle = frameworkBundle())
        if (auto image = UIImage::imageNamed(*name, bundle)) return image;
    if (auto image = UIImage::imageNamed(*name)) return image;
    return std::nullopt;
}

}  // namespace fv
