#pragma once
// Filters with NSPredicate's semantics, built as callables rather than parsed from a format, so that
// arguments are always data (quotes and "%" are literal). They evaluate a Value (usually a dictionary)
// or any KeyValueCoding object. Key paths are dotted ("address.city"); "SELF" is the object itself.
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/foundation/KeyValueCoding.h"
#include "platform/foundation/Value.h"

namespace fv {

// What a predicate looks at: exactly one of a Value or a KeyValueCoding object.
class PredicateSubject {
  public:
    PredicateSubject(const Value& value) : value_(&value) {}
    PredicateSubject(const KeyValueCoding& object) : object_(&object) {}

    const Value* value() const { return value_; }
    const KeyValueCoding* object() const { return object_; }
    // Null when any step is missing; "SELF" gives a Value subject itself (null for an object).
    Value valueForKeyPath(const std::string& keyPath) const;

  private:
    const Value* value_ = nullptr;
    const KeyValueCoding* object_ = nullptr;
};

class NSPredicate {
  public:
    using Function = std::function<bool(const PredicateSubject&)>;

    // "keyPath CONTAINS[cd] needle": canonical decomposition on both sides, non-spacing marks
    // dropped, full case folding, then a substring test. A missing or non-text property, or an
    // empty needle, never matches.
    static NSPredicate containsCD(const std::string& keyPath, const std::string& needle);
    // "keyPath == value": texts by exact code units, numbers by value, other types exactly.
    static NSPredicate equals(const std::string& keyPath, Value value);
    // "SELF MATCHES pattern": the subject is a text that the ICU pattern matches whole.
    static NSPredicate matches(const std::string& pattern, bool caseInsensitive = false);
    static NSPredicate block(Function function);
    static NSPredicate orPredicate(std::vector<NSPredicate> subpredicates);   // none: false
    static NSPredicate andPredicate(std::vector<NSPredicate> subpredicates);  // none: true

    bool evaluateWithObject(const PredicateSubject& subject) const;
    bool operator()(const PredicateSubject& subject) const { return evaluateWithObject(subject); }

  private:
    explicit NSPredicate(Function function) : function_(std::move(function)) {}
    Function function_;
};

namespace detail {
template <class T>
const auto& predicateTarget(const T& item) {
    if constexpr (std::is_pointer_v<T> || requires { item.get(); }) {
        return *item;
    } else {
        return item;
    }
}
}  // namespace detail

// The elements the predicate accepts, in order. Elements are Values, KeyValueCoding objects, or
// pointers (raw or smart) to them; a null pointer is never accepted.
template <class T>
std::vector<T> filter(const std::vector<T>& items, const NSPredicate& predicate) {
    std::vector<T> out;
    for (const T& item : items) {
        if constexpr (std::is_pointer_v<T> || requires { item.get(); }) {
            if (!item) continue;
        }
        if (predicate.evaluateWithObject(PredicateSubject(detail::predicateTarget(item))))
            out.push_back(item);
    }
    return out;
}

}  // namespace fv
