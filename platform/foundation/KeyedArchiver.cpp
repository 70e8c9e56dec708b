#include "platform/foundation/KeyedArchiver.h"

#include <string_view>

#include "platform/foundation/PropertyList.h"

namespace fv {

namespace {

// The envelope: {"$archiver": kArchiver, "$version": kVersion, "$top": {"root": node}}.
// A node is a plain property-list scalar, or a dictionary whose "$class" names one of the classes
// below; plain arrays and dictionaries never appear as nodes, so user dictionaries cannot pass for
// class markers.
constexpr std::string_view kArchiver = "FVKeyedArchiver";
constexpr std::int64_t kVersion = 1;
constexpr std::string_view kArrayClass = "NSArray";
constexpr std::string_view kDictionaryClass = "NSDictionary";
constexpr std::string_view kNullClass = "NSNull";

Value classNode(std::string_view className) {
    Value node;
    node.set("$class", std::string(className));
    return node;
}

std::optional<Value> encode(const Value& v, std::size_t depth) {
    switch (v.type()) {
        case Value::Type::Null:
            return classNode(kNullClass);
        case Value::Type::Array: {
            if (depth >= NSKeyedArchiver::kMaxDepth) return std::nullopt;
            Value::Array objects;
            objects.reserve(v.size());
            for (const Value& item : *v.asArray()) {
                auto encoded = encode(item, depth + 1);
                if (!encoded) return std::nullopt;
                objects.push_back(std::move(*encoded));
            }
            Value node = classNode(kArrayClass);
            node.set("NS.objects", std::move(objects));
            return node;
        }
        case Value::Type::Dictionary: {
            if (depth >= NSKeyedArchiver::kMaxDepth) return std::nullopt;
            Value::Array keys, objects;
            for (const auto& [key, item] : *v.asDictionary()) {
                auto encoded = encode(item, depth + 1);
                if (!encoded) return std::nullopt;
                keys.emplace_back(key);
                objects.push_back(std::move(*encoded));
            }
            Value node = classNode(kDictionaryClass);
            node.set("NS.keys", std::move(keys));
            node.set("NS.objects", std::move(objects));
            return node;
        }
        default:
            return v;
    }
}

std::optional<Value> decode(const Value& node, std::size_t depth);

const Value::Array* members(const Value& node, const char* key, std::size_t expectedKeys) {
    if (node.size() != expectedKeys) return nullptr;  // unknown extra fields: not ours
    return node[key].asArray();
}

std::optional<Value> decodeArray(const Value& node, std::size_t depth) {
    const Value::Array* objects = members(node, "NS.objects", 2);
    if (!objects) return std::nullopt;
    Value::Array out;
    out.reserve(objects->size());
    for (const Value& item : *objects) {
        auto decoded = decode(item, depth + 1);
        if (!decoded) return std::nullopt;
        out.push_back(std::move(*decoded));
    }
    return Value(std::move(out));
}

std::optional<Value> decodeDictionary(const Value& node, std::size_t depth) {
    const Value::Array* keys = members(node, "NS.keys", 3);
    const Value::Array* objects = node["NS.objects"].asArray();
    if (!keys || !objects || keys->size() != objects->size()) return std::nullopt;
    Value::Dictionary out;
    for (std::size_t i = 0; i < keys->size(); ++i) {
        auto key = (*keys)[i].asString();
        if (!key || out.count(*key)) return std::nullopt;
        auto decoded = decode((*objects)[i], depth + 1);
        if (!decoded) return std::nullopt;
        out.emplace(std::move(*key), std::move(*decoded));
    }
    return Value(std::move(out));
}

std::optional<Value> decode(const Value& node, std::size_t depth) {
    if (node.isArray()) return std::nullopt;
    if (!node.isDictionary()) return node;
    const auto className = node["$class"].asString();
    if (!className) return std::nullopt;
    if (*className == kNullClass) return node.size() == 1 ? std::optional<Value>(Value()) : std::nullopt;
    if (depth >= NSKeyedArchiver::kMaxDepth) return std::nullopt;
    if (*className == kArrayClass) return decodeArray(node, depth);
    if (*className == kDictionaryClass) return decodeDictionary(node, depth);
    return std::nullopt;
}

}  // namespace

Value::Bytes NSKeyedArchiver::archivedDataWithRootObject(const Value& rootObject) {
    auto root = encode(rootObject, 0);
    if (!root) return {};
    Value top;
    top.set("root", std::move(*root));
    Value envelope;
    envelope.set("$archiver", std::string(kArchiver));
    envelope.set("$version", static_cast<long long>(kVersion));
    envelope.set("$top", std::move(top));
    const std::string xml = PropertyList::toXML(envelope);
    return Value::Bytes(xml.begin(), xml.end());
}

std::optional<Value> NSKeyedUnarchiver::unarchiveObjectWithData(const Value::Bytes& data) {
    if (data.empty() || data.size() > kMaxArchiveSize) return std::nullopt;
    auto envelope = PropertyList::readData(data);
    if (!envelope || !envelope->isDictionary() || envelope->size() != 3) return std::nullopt;
    if ((*envelope)["$archiver"].asString() != std::string(kArchiver) ||
        (*envelope)["$version"].asInteger() != kVersion)
        return std::nullopt;
    const Value& top = (*envelope)["$top"];
    if (!top.isDictionary() || top.size() != 1 || !top.contains("root")) return std::nullopt;
    return decode(top["root"], 0);
}

}  // namespace fv
