#pragma once
// Base of JSON-mapped records: each model declares its members once, in a table that ties a C++
// member to its property name and its JSON key. The table drives `toDictionary`, the merge of a
// parsed dictionary and the printable description, so a model holds no mapping code of its own.
//
// Member kinds: a text (`std::string`, or `std::optional<std::string>` when it may be absent), a nested
// record (`std::shared_ptr<Record>`) and an array of records (`std::vector<std::shared_ptr<Record>>`).
// Members are required unless declared `Optional`.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/foundation/Value.h"

namespace fv {

class MappedModel {
  public:
    // Member flags, combined with `|`.
    enum Flags : unsigned {
        Required = 0,
        Optional = 1u << 0,
        // For the description only, so that logs never carry the value in full.
        ShowLastFour = 1u << 1,  // card numbers: "…1234"
        Secret = 1u << 2,        // SSN, passwords, tokens: never shown
    };

    // One row of a model's table; built by the `text`, `record` and `records` helpers below.
    struct Property {
        std::string name;
        std::string key;
        unsigned flags = Required;
        // The member as a JSON value; null when it is absent (it is then left out).
        std::function<Value(const MappedModel&)> read;
        // Fills the member from a JSON value; false when the value is missing or unusable.
        std::function<bool(MappedModel&, const Value&, bool useKeyMapping)> write;
        // The member as printable text, already redacted.
        std::function<std::string(const MappedModel&)> describe;
    };

    struct Schema {
        std::string className;
        std::vector<Property> properties;
    };

    virtual ~MappedModel() = default;

    // The record and everything below it as nested dictionaries under the JSON keys; texts as they
    // stand, empty ones included; absent optional texts and records are left out.
    Value toDictionary() const;

    // Fills members from `dictionary`, keyed by JSON key (or by property name when `useKeyMapping`
    // is false). A nested record that lacks a required member is left none while the rest is filled
    // (in an array, such an element stays in its place as none); a JSON number read into a text becomes its
    // decimal text. Returns whether every required member was filled; never throws.
    bool mergeFromDictionary(const Value& dictionary, bool useKeyMapping = true);

    // "<ClassName> {name: value, ...}" on one line, with card numbers cut to their last four digits and
    // secrets hidden, so that it is safe to log.
    std::string description() const;

  protected:
    virtual const Schema& schema() const = 0;

    template <class M>
    static Property text(std::string M::*member, std::string name, std::string key,
                         unsigned flags = Required);
    template <class M>
    static Property text(std::optional<std::string> M::*member, std::string name, std::string key,
                         unsigned flags = Optional);
    template <class M, class R>
    static Property record(std::shared_ptr<R> M::*member, std::string name, std::string key,
                           unsigned flags = Required);
    template <class M, class R>
    static Property records(std::vector<std::shared_ptr<R>> M::*member, std::string name, std::string key,
                            unsigned flags = Required);

  private:
    // Helpers shared by the member templates, kept out of line.
    static std::optional<std::string> textFrom(const Value& value);
    static std::string describeText(const std::string& text, unsigned flags);
    static std::string describeRecord(const MappedModel* record);
};

template <class M>
MappedModel::Property MappedModel::text(std::string M::*member, std::string name, std::string key,
                                        unsigned flags) {
    return {std::move(name),
            std::move(key),
            flags,
            [member](const MappedModel& m) { return Value(static_cast<const M&>(m).*member); },
            [member](MappedModel& m, const Value& v, bool) {
                auto t = textFrom(v);
                if (t) static_cast<M&>(m).*member = std::move(*t);
                return t.has_value();
            },
            [member, flags](const MappedModel& m) {
                return describeText(static_cast<const M&>(m).*member, flags);
            }};
}

template <class M>
MappedModel::Property MappedModel::text(std::optional<std::string> M::*member, std::string name,
                                        std::string key, unsigned flags) {
    return {std::move(name),
            std::move(key),
            flags,
            [member](const MappedModel& m) {
                const auto& t = static_cast<const M&>(m).*member;
                return t ? Value(*t) : Value();
            },
            [member](MappedModel& m, const Value& v, bool) {
                auto t = textFrom(v);
                if (t) static_cast<M&>(m).*member = std::move(t);
                return t.has_value();
            },
            [member, flags](const MappedModel& m) {
                const auto& t = static_cast<const M&>(m).*member;
                return t ? describeText(*t, flags) : std::string("<none>");
            }};
}

template <class M, class R>
MappedModel::Property MappedModel::record(std::shared_ptr<R> M::*member, std::string name, std::string key,
                                          unsigned flags) {
    static_assert(std::is_base_of_v<MappedModel, R>);
    return {
        std::move(name),
        std::move(key),
        flags,
        [member](const MappedModel& m) {
            const auto& r = static_cast<const M&>(m).*member;
            return r ? r->toDictionary() : Value();
        },
        [member](MappedModel& m, const Value& v, bool useKeyMapping) {
            auto r = std::make_shared<R>();
            bool filled = v.isDictionary() && r->mergeFromDictionary(v, useKeyMapping);
            static_cast<M&>(m).*member = filled ? std::move(r) : nullptr;
            return filled;
        },
        [member](const MappedModel& m) { return describeRecord((static_cast<const M&>(m).*member).get()); }};
}

template <class M, class R>
MappedModel::Property MappedModel::records(std::vector<std::shared_ptr<R>> M::*member, std::string name,
                                           std::string key, unsigned flags) {
    static_assert(std::is_base_of_v<MappedModel, R>);
    return {std::move(name), std::move(key), flags,
            [member](const MappedModel& m) {
                Value::Array out;
                for (const auto& r : static_cast<const M&>(m).*member) {
                    if (r) out.push_back(r->toDictionary());
                }
                return Value(std::move(out));
            },
            // An element that cannot be filled stays in place as none, so positions keep their meaning.
            [member](MappedModel& m, const Value& v, bool useKeyMapping) {
                const Value::Array* elements = v.asArray();
                if (!elements) return false;
                std::vector<std::shared_ptr<R>> out;
                for (const Value& e : *elements) {
                    auto r = std::make_shared<R>();
                    bool filled = e.isDictionary() && r->mergeFromDictionary(e, useKeyMapping);
                    out.push_back(filled ? std::move(r) : nullptr);
                }
                static_cast<M&>(m).*member = std::move(out);
                return true;
            },
            [member](const MappedModel& m) {
                std::string out = "[";
                const auto& list = static_cast<const M&>(m).*member;
                for (std::size_t i = 0; i < list.size(); ++i) {
                    out += (i ? ", " : "") + describeRecord(list[i].get());
                }
                return out + "]";
            }};
}

}  // namespace fv
