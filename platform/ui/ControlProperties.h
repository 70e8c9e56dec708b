#pragma once
// Helpers that register colour, font, image and inset properties by name, so interface files can set
// them as text ("#RRGGBB", "Inter-Regular 17", image names, "top left bottom right").
#include <string>

#include "platform/foundation/NSObject.h"
#include "platform/graphics/GeometryValue.h"
#include "platform/ui/ColorValue.h"
#include "platform/ui/NibValues.h"

namespace fv {

template <typename T, typename Get, typename Set>
void colorProperty(ClassBuilder<T>& b, const std::string& name, Get get, Set set) {
    b.property(
        name, [get](T& o) { return valueWithColor(get(o)); },
        [set](T& o, const Value& v) {
            auto color = colorFromValue(v);
            if (!color) return false;
            set(o, *color);
            return true;
        });
}

template <typename T, typename Get, typename Set>
void fontProperty(ClassBuilder<T>& b, const std::string& name, Get get, Set set) {
    b.property(
        name, [get](T& o) { return valueWithFont(get(o)); },
        [set](T& o, const Value& v) {
            auto font = fontFromValue(v);
            if (!font) return false;
            set(o, *font);
            return true;
        });
}

// Images read back as none: an image has no name to give.
template <typename T, typename Set>
void imageProperty(ClassBuilder<T>& b, const std::string& name, Set set) {
    b.property(name, nullptr, [set](T& o, const Value& v) {
        auto image = imageFromValue(v);
        if (!image) return false;
        set(o, *image);
        return true;
    });
}

inline Value valueWithInsets(UIEdgeInsets i) {
    Value::Dictionary d;
    d["top"] = i.top;
    d["left"] = i.left;
    d["bottom"] = i.bottom;
    d["right"] = i.right;
    return Value(std::move(d));
}

inline std::optional<UIEdgeInsets> insetsFromValue(const Value& v) {
    if (!v.isDictionary()) return std::nullopt;
    return UIEdgeInsets{v["top"].doubleValue(), v["left"].doubleValue(), v["bottom"].doubleValue(),
                        v["right"].doubleValue()};
}

template <typename T, typename Get, typename Set>
void insetsProperty(ClassBuilder<T>& b, const std::string& name, Get get, Set set) {
    b.property(
        name, [get](T& o) { return valueWithInsets(get(o)); },
        [set](T& o, const Value& v) {
            auto insets = insetsFromValue(v);
            if (!insets) return false;
            set(o, *insets);
            return true;
        });
}

// The words of the text-entry traits that every editable text view shares in interface files.
template <typename T>
void textInputTraitNames(ClassBuilder<T>& b) {
    b.enumNames("textAlignment",
                {{"left", 0}, {"center", 1}, {"right", 2}, {"justified", 3}, {"natural", 4}});
    b.enumNames("keyboardType", {{"default", 0},
                                 {"asciiCapable", 1},
                                 {"numbersAndPunctuation", 2},
                                 {"URL", 3},
                                 {"numberPad", 4},
                                 {"phonePad", 5},
                                 {"namePhonePad", 6},
                                 {"emailAddress", 7},
                                 {"decimalPad", 8}});
    b.enumNames("returnKeyType", {{"default", 0},
                                  {"go", 1},
                                  {"google", 2},
                                  {"join", 3},
                                  {"next", 4},
                                  {"route", 5},
                                  {"search", 6},
                                  {"send", 7},
                                  {"yahoo", 8},
                                  {"done", 9}});
    b.enumNames("autocapitalizationType",
                {{"none", 0}, {"words", 1}, {"sentences", 2}, {"allCharacters", 3}});
    b.enumNames("autocorrectionType", {{"default", 0}, {"no", 1}, {"yes", 2}});
    b.enumNames("keyboardAppearance", {{"default", 0}, {"dark", 1}, {"light", 2}});
}

}  // namespace fv
