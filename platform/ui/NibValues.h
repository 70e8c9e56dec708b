#pragma once
// Fonts and images as interface files and properties-by-name carry them: a font is "Name size"
// ("Inter-Regular 17"; "system 15" and "boldSystem 15" for the system faces), an image its name in
// the registered library bundles (then the main bundle). A null value means none. Properties of these types
// accept such values so that interface files can set them.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/foundation/Value.h"
#include "platform/graphics/UIFont.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/CALayer.h"
#include "platform/ui/NSLayoutConstraint.h"

namespace fv {

// std::nullopt for an unreadable text or an unknown font; a null pointer for a null value.
std::optional<UIFontPtr> fontFromValue(const Value& v);
Value valueWithFont(const UIFontPtr& font);
// std::nullopt when no bundle has the image; a null pointer for a null value.
std::optional<UIImagePtr> imageFromValue(const Value& v);

// Reading the values of interface-file attributes; the loader (UINib.cpp) does the building.
namespace nib {

// A number as the file writes it ("12", "-0.5", "+3"); none for anything else.
std::optional<double> parseNumber(std::string_view text);
// Numbers separated by spaces; empty when any word is not a number.
std::vector<double> parseNumbers(const std::string& text);
// The readings of an attribute's text, most specific first: the class's enum word, a boolean, a
// number, a rect or insets, a size or point, the text itself. The first one the setter takes wins.
std::vector<Value> candidateValues(const ClassInfo& info, const std::string& key, const std::string& text);
// A runtime attribute's value by its declared type; none for an unknown type or unreadable text.
std::optional<Value> typedValue(const std::string& type, const std::string& text);
// A view's own layer has no properties by name; interface files still style it ("layer.cornerRadius").
bool setLayerValue(CALayer& layer, const std::string& key, const Value& v);
// "left width bottom ..." as an autoresizing mask; none for an unknown word.
std::optional<unsigned> autoresizingMask(const std::string& text);
std::optional<NSLayoutAttribute> layoutAttribute(const std::string& name);

// A constraint as a file writes it: "item.attr == item.attr * m + c @priority" or "item.attr == c".
struct ConstraintSpec {
    std::shared_ptr<UIView> first;
    NSLayoutAttribute firstAttribute = NSLayoutAttributeNotAnAttribute;
    NSLayoutRelation relation = NSLayoutRelationEqual;
    std::shared_ptr<UIView> second;
    NSLayoutAttribute secondAttribute = NSLayoutAttributeNotAnAttribute;
    double multiplier = 1;
    double constant = 0;
    float priority = UILayoutPriorityRequired;
};
// The constraint `text` states, its items found by `viewNamed`; or what is wrong with the text.
std::variant<ConstraintSpec, std::string> parseConstraint(
    const std::string& text, const std::function<std::shared_ptr<UIView>(const std::string&)>& viewNamed);

}  // namespace nib

}  // namespace fv
