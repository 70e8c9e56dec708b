#include "platform/kits/MappedModel.h"

namespace fv {

Value MappedModel::toDictionary() const {
    Value out(Value::Dictionary{});
    for (const Property& p : schema().properties) {
        Value v = p.read(*this);
        if (!v.isNull()) out.set(p.key, std::move(v));
    }
    return out;
}

bool MappedModel::mergeFromDictionary(const Value& dictionary, bool useKeyMapping) {
    if (!dictionary.isDictionary()) return false;
    bool complete = true;
    for (const Property& p : schema().properties) {
        const Value& v = dictionary[useKeyMapping ? p.key : p.name];
        bool filled = !v.isNull() && p.write(*this, v, useKeyMapping);
        if (!filled && !(p.flags & Optional)) complete = false;
    }
    return complete;
}

std::string MappedModel::description() const {
    // One line, so that a logged model stays one console line.
    const Schema& s = schema();
    std::string out = "<" + s.className + "> {";
    bool first = true;
    for (const Property& p : s.properties) {
        out += (first ? "" : ", ") + p.name + ": " + p.describe(*this);
        first = false;
    }
    return out + "}";
}

std::optional<std::string> MappedModel::textFrom(const Value& value) {
    // A reply may carry codes and amounts as numbers; the model keeps them as their decimal text.
    if (value.isString() || value.isNumber()) return value.description();
    return std::nullopt;
}

std::string MappedModel::describeText(const std::string& text, unsigned flags) {
    if (flags & Secret) return text.empty() ? "\"\"" : "<hidden>";
    if (flags & ShowLastFour) {
        // Only digits are kept, so that no separator or stray byte lets more of the number through.
        std::string digits;
        for (char c : text) {
            if (c >= '0' && c <= '9') digits += c;
        }
        if (digits.size() > 4) digits.erase(0, digits.size() - 4);
        return text.empty() ? "\"\"" : "\"…" + digits + "\"";
    }
    return "\"" + text + "\"";
}

std::string MappedModel::describeRecord(const MappedModel* record) {
    return record ? record->description() : std::string("<none>");
}

}  // namespace fv
