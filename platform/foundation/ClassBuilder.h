#pragma once
// Declaring a class's members for the object model: how a member converts to and from Value, and the
// builder a class's registerMembers fills its ClassInfo with.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "platform/foundation/ClassInfo.h"
#include "platform/foundation/Outlet.h"
#include "platform/foundation/Value.h"

namespace fv {

// Conversions between member types and Value for properties. Numbers convert between integer and
// real; enums travel as integers; a failed conversion refuses the set.
template <typename T>
Value toValue(const T& v) {
    if constexpr (std::is_same_v<T, Value>) {
        return v;
    } else if constexpr (std::is_same_v<T, bool>) {
        return Value(v);
    } else if constexpr (std::is_enum_v<T>) {
        return Value(static_cast<long long>(v));
    } else if constexpr (std::is_integral_v<T>) {
        return Value(static_cast<long long>(v));
    } else if constexpr (std::is_floating_point_v<T>) {
        return Value(static_cast<double>(v));
    } else if constexpr (std::is_same_v<T, std::optional<std::string>>) {
        return v ? Value(*v) : Value();
    } else {
        return Value(std::string(v));
    }
}

template <typename T>
std::optional<T> fromValue(const Value& v) {
    if constexpr (std::is_same_v<T, Value>) {
        return v;
    } else if constexpr (std::is_same_v<T, bool>) {
        if (v.isBool() || v.isNumber() || v.isString()) return v.boolValue();
        return std::nullopt;
    } else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>) {
        if (auto i = v.asInteger()) return static_cast<T>(*i);
        if (auto d = v.asReal()) return static_cast<T>(static_cast<long long>(*d));
        if (auto b = v.asBool()) return static_cast<T>(*b ? 1 : 0);
        return std::nullopt;
    } else if constexpr (std::is_floating_point_v<T>) {
        if (auto d = v.asReal()) return static_cast<T>(*d);
        return std::nullopt;
    } else if constexpr (std::is_same_v<T, std::optional<std::string>>) {
        if (v.isNull()) return T{};
        if (auto s = v.asString()) return T{*s};
        return std::nullopt;
    } else {
        return v.asString();
    }
}

// Declares members of class T. Member pointers may belong to T or to any base of T.
template <typename T>
class ClassBuilder {
  public:
    explicit ClassBuilder(ClassInfo& info) : info_(info) {}

    // An action by its exact selector text. Accepts `void T::f()`, `void T::f(U* sender)` (U an
    // NSObject kind; a sender of another kind arrives as nullptr) or a callable `void(T&, NSObject*)`.
    template <typename C>
    ClassBuilder& action(const std::string& selector, void (C::*fn)()) {
        info_.actions[selector] = [fn](NSObject& o, NSObject*) { (self(o).*fn)(); };
        return *this;
    }
    template <typename C, typename U>
    ClassBuilder& action(const std::string& selector, void (C::*fn)(U*)) {
        info_.actions[selector] = [fn](NSObject& o, NSObject* sender) {
            (self(o).*fn)(dynamic_cast<U*>(sender));
        };
        return *this;
    }
    ClassBuilder& action(const std::string& selector, std::function<void(T&, NSObject*)> fn) {
        info_.actions[selector] = [fn = std::move(fn)](NSObject& o, NSObject* sender) {
            fn(self(o), sender);
        };
        return *this;
    }

    // An outlet: a member std::shared_ptr<U> (strong) or std::weak_ptr<U> (weak) set by name with a
    // type check.
    template <typename C, typename U>
    ClassBuilder& outlet(const std::string& name, std::shared_ptr<U> C::*member) {
        info_.objects[name] = {[member](NSObject& o) -> NSObjectPtr { return self(o).*member; },
                               [member](NSObject& o, const NSObjectPtr& v) {
                                   auto typed = std::dynamic_pointer_cast<U>(v);
                                   if (v && !typed) return false;
                                   self(o).*member = typed;
                                   return true;
                               }};
        return *this;
    }
    template <typename C, typename U>
    ClassBuilder& outlet(const std::string& name, std::weak_ptr<U> C::*member) {
        info_.objects[name] = {[member](NSObject& o) -> NSObjectPtr { return (self(o).*member).lock(); },
                               [member](NSObject& o, const NSObjectPtr& v) {
                                   auto typed = std::dynamic_pointer_cast<U>(v);
                                   if (v && !typed) return false;
                                   self(o).*member = typed;
                                   return true;
                               }};
        return *this;
    }
    // The interface-file words for the values of the enum property `key`; a subclass may add its own.
    ClassBuilder& enumNames(const std::string& key, std::map<std::string, long long> names) {
        info_.enumNames[key] = std::move(names);
        return *this;
    }
    // A required outlet (see FV_OUTLET).
    template <typename C, typename U>
    ClassBuilder& outlet(const std::string& name, Outlet<U> C::*member) {
        ClassInfo::ObjectMember m{[member](NSObject& o) -> NSObjectPtr { return (self(o).*member).peek(); },
                                  [member](NSObject& o, const NSObjectPtr& v) {
                                      auto typed = std::dynamic_pointer_cast<U>(v);
                                      if (v && !typed) return false;
                                      (self(o).*member).bind(typed);
                                      return true;
                                  },
                                  true};
        info_.objects[name] = std::move(m);
        return *this;
    }
    // A property over Value through the class's own getter and setter, so setting by name runs the
    // setter's side effects. Getter and setter types convert through toValue/fromValue.
    template <typename C, typename R, typename A>
    ClassBuilder& property(const std::string& name, R (C::*getter)() const, void (C::*setter)(A)) {
        using Arg = std::remove_cvref_t<A>;
        info_.properties[name] = {
            [getter](NSObject& o) { return toValue<std::remove_cvref_t<R>>((self(o).*getter)()); },
            [setter](NSObject& o, const Value& v) {
                auto converted = fromValue<Arg>(v);
                if (!converted) return false;
                (self(o).*setter)(*converted);
                return true;
            }};
        return *this;
    }
    template <typename C, typename R>
    ClassBuilder& property(const std::string& name, R (C::*getter)() const) {
        info_.properties[name] = {
            [getter](NSObject& o) { return toValue<std::remove_cvref_t<R>>((self(o).*getter)()); }, {}};
        return *this;
    }
    // A property through callables, for types that need their own conversion (colours, fonts, rects).
    // Either may be empty (write-only / read-only).
    ClassBuilder& property(const std::string& name, std::function<Value(T&)> get,
                           std::function<bool(T&, const Value&)> set) {
        ClassInfo::Property p;
        if (get) p.get = [get = std::move(get)](NSObject& o) { return get(self(o)); };
        if (set) p.set = [set = std::move(set)](NSObject& o, const Value& v) { return set(self(o), v); };
        info_.properties[name] = std::move(p);
        return *this;
    }
    // An object property through callables (delegates, data sources, views).
    ClassBuilder& object(const std::string& name, std::function<NSObjectPtr(T&)> get,
                         std::function<bool(T&, const NSObjectPtr&)> set) {
        ClassInfo::ObjectMember m;
        if (get) m.get = [get = std::move(get)](NSObject& o) { return get(self(o)); };
        if (set)
            m.set = [set = std::move(set)](NSObject& o, const NSObjectPtr& v) { return set(self(o), v); };
        info_.objects[name] = std::move(m);
        return *this;
    }

  private:
    static T& self(NSObject& o) { return static_cast<T&>(o); }
    ClassInfo& info_;
};

}  // namespace fv
