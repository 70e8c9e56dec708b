#include "platform/ui/NibValues.h"

#include <charconv>
#include <map>
#include <sstream>

#include "platform/foundation/Bundle.h"
#include "platform/graphics/GeometryValue.h"
#include "platform/ui/ColorValue.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIView.h"

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
    for (const auto& bundle : NSBundle::allFrameworks())
        if (auto image = UIImage::imageNamed(*name, bundle)) return image;
    if (auto image = UIImage::imageNamed(*name)) return image;
    return std::nullopt;
}

namespace {

Value insetsValue(const std::vector<double>& n) {
    Value::Dictionary d;
    d["top"] = n[0];
    d["left"] = n[1];
    d["bottom"] = n[2];
    d["right"] = n[3];
    return Value(std::move(d));
}

bool containsInsetWord(const std::string& key) {
    return key.find("nset") != std::string::npos || key.find("argin") != std::string::npos;
}

}  // namespace

namespace nib {

std::optional<double> parseNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    double d = 0;
    const char* begin = text.data();
    if (*begin == '+') ++begin;
    auto [end, ec] = std::from_chars(begin, text.data() + text.size(), d);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return d;
}

std::vector<double> parseNumbers(const std::string& text) {
    std::vector<double> out;
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        auto d = parseNumber(word);
        if (!d) return {};
        out.push_back(*d);
    }
    return out;
}

// Enum words come from the object's class, which registers them with its properties.
std::vector<Value> candidateValues(const ClassInfo& info, const std::string& key, const std::string& text) {
    std::vector<Value> out;
    if (const auto* names = info.findEnumNames(key)) {
        if (auto e = names->find(text); e != names->end()) out.emplace_back(e->second);
    }
    if (text == "true" || text == "YES") out.emplace_back(true);
    if (text == "false" || text == "NO") out.emplace_back(false);
    if (auto d = parseNumber(text)) {
        bool integral = text.find_first_of(".eE") == std::string::npos;
        if (integral && *d >= -9e18 && *d <= 9e18) out.emplace_back(static_cast<long long>(*d));
        out.emplace_back(*d);
    } else if (auto n = parseNumbers(text); n.size() == 4) {
        CGRect r{{n[0], n[1]}, {n[2], n[3]}};
        if (containsInsetWord(key)) {
            out.push_back(insetsValue(n));
            out.push_back(valueWithCGRect(r));
        } else {
            out.push_back(valueWithCGRect(r));
            out.push_back(insetsValue(n));
        }
    } else if (n.size() == 2) {
        out.push_back(valueWithCGSize({n[0], n[1]}));
        out.push_back(valueWithCGPoint({n[0], n[1]}));
    }
    out.emplace_back(text);
    return out;
}

// A runtime attribute's value by its declared type; none for an unknown type or unreadable text.
std::optional<Value> typedValue(const std::string& type, const std::string& text) {
    if (type == "string" || type == "color" || type == "font" || type == "image") return Value(text);
    if (type == "nil") return Value();
    if (type == "boolean") {
        if (text == "true" || text == "YES" || text == "1") return Value(true);
        if (text == "false" || text == "NO" || text == "0") return Value(false);
        return std::nullopt;
    }
    if (type == "number") {
        auto d = parseNumber(text);
        if (!d) return std::nullopt;
        if (text.find_first_of(".eE") == std::string::npos) return Value(static_cast<long long>(*d));
        return Value(*d);
    }
    auto n = parseNumbers(text);
    if (type == "rect" && n.size() == 4) return valueWithCGRect({{n[0], n[1]}, {n[2], n[3]}});
    if (type == "insets" && n.size() == 4) return insetsValue(n);
    if (type == "point" && n.size() == 2) return valueWithCGPoint({n[0], n[1]});
    if (type == "size" && n.size() == 2) return valueWithCGSize({n[0], n[1]});
    return std::nullopt;
}

std::optional<unsigned> autoresizingMask(const std::string& text) {
    static const std::map<std::string, unsigned> bits = {
        {"left", UIViewAutoresizingFlexibleLeftMargin},   {"width", UIViewAutoresizingFlexibleWidth},
        {"right", UIViewAutoresizingFlexibleRightMargin}, {"top", UIViewAutoresizingFlexibleTopMargin},
        {"height", UIViewAutoresizingFlexibleHeight},     {"bottom", UIViewAutoresizingFlexibleBottomMargin},
    };
    unsigned mask = 0;
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        auto it = bits.find(word);
        if (it == bits.end()) return std::nullopt;
        mask |= it->second;
    }
    return mask;
}

std::optional<NSLayoutAttribute> layoutAttribute(const std::string& name) {
    static const std::map<std::string, NSLayoutAttribute> attrs = {
        {"left", NSLayoutAttributeLeft},       {"right", NSLayoutAttributeRight},
        {"top", NSLayoutAttributeTop},         {"bottom", NSLayoutAttributeBottom},
        {"leading", NSLayoutAttributeLeading}, {"trailing", NSLayoutAttributeTrailing},
        {"width", NSLayoutAttributeWidth},     {"height", NSLayoutAttributeHeight},
        {"centerX", NSLayoutAttributeCenterX}, {"centerY", NSLayoutAttributeCenterY},
    };
    auto it = attrs.find(name);
    if (it == attrs.end()) return std::nullopt;
    return it->second;
}

bool setLayerValue(CALayer& layer, const std::string& key, const Value& v) {
    auto number = v.asReal();
    if (key == "cornerRadius" && number) {
        layer.cornerRadius = *number;
    } else if (key == "borderWidth" && number) {
        layer.borderWidth = *number;
    } else if (key == "shadowOpacity" && number) {
        layer.shadowOpacity = *number;
    } else if (key == "shadowRadius" && number) {
        layer.shadowRadius = *number;
    } else if (key == "masksToBounds" && (v.isBool() || v.isNumber())) {
        layer.masksToBounds = v.boolValue();
    } else if (key == "shadowOffset" && v.isDictionary()) {
        layer.shadowOffset = sizeFromValue(v);
    } else if (key == "borderColor" || key == "shadowColor") {
        auto parsed = colorFromValue(v);
        if (!parsed || !*parsed) return false;
        (key == "borderColor" ? layer.borderColor : layer.shadowColor) = *parsed;
    } else {
        return false;
    }
    return true;
}

std::variant<ConstraintSpec, std::string> parseConstraint(
    const std::string& text, const std::function<std::shared_ptr<UIView>(const std::string&)>& viewNamed) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    if (words.size() < 3)
        return std::string("expected \"item.attribute == item.attribute * m + c @priority\"");

    auto item = [&](const std::string& word, std::shared_ptr<UIView>& view, NSLayoutAttribute& attr) {
        auto dot = word.rfind('.');
        if (dot == std::string::npos) return false;
        auto a = layoutAttribute(word.substr(dot + 1));
        if (!a) return false;
        attr = *a;
        view = viewNamed(word.substr(0, dot));
        return view != nullptr;
    };
    ConstraintSpec spec;
    if (!item(words[0], spec.first, spec.firstAttribute))
        return "unknown view or attribute \"" + words[0] + "\"";
    if (words[1] == "==") {
        spec.relation = NSLayoutRelationEqual;
    } else if (words[1] == "<=") {
        spec.relation = NSLayoutRelationLessThanOrEqual;
    } else if (words[1] == ">=") {
        spec.relation = NSLayoutRelationGreaterThanOrEqual;
    } else {
        return "unknown relation \"" + words[1] + "\"";
    }
    std::size_t i = 2;
    if (auto c = parseNumber(words[i])) {
        spec.constant = *c;
        ++i;
    } else if (!item(words[i++], spec.second, spec.secondAttribute)) {
        return "unknown view or attribute \"" + words[i - 1] + "\"";
    }
    while (i < words.size()) {
        const std::string& w = words[i];
        if ((w == "*" || w == "+" || w == "-") && i + 1 < words.size()) {
            auto n = parseNumber(words[i + 1]);
            if (!n || !spec.second) return "\"" + w + "\" needs a number after a second item";
            if (w == "*") spec.multiplier = *n;
            if (w == "+") spec.constant = *n;
            if (w == "-") spec.constant = -*n;
            i += 2;
        } else if (w.size() > 1 && w[0] == '@') {
            auto p = parseNumber(w.substr(1));
            if (!p || *p <= 0 || *p > 1000) return "priority \"" + w + "\" is not in 1...1000";
            spec.priority = static_cast<float>(*p);
            ++i;
        } else {
            return "unexpected \"" + w + "\"";
        }
    }
    return spec;
}

}  // namespace nib

}  // namespace fv
