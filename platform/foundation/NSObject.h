#pragma once
// The object model of every UIKit-like class: class identity by name, creation by class name, members
// reachable by name (properties over Value, object properties and outlets, actions by selector text),
// minimal key-value observing, associated objects and delayed selectors.
//
// Declaring a class:
//     class MyView : public UIView {
//         FV_CLASS(MyView, UIView)   // leaves the class body in `public:`
//         static void registerMembers(ClassBuilder<MyView>& b) {
//             b.outlet("lbl_title", &MyView::lbl_title);
//             b.action("btnNextPressed:", &MyView::btnNextPressed);
//             b.property("text", &MyView::text, &MyView::setText);
//         }
//         ...
//     };
// and, in its .cpp, `FV_REGISTER_CLASS(MyView);` so that ClassRegistry::create("MyView") works before
// any MyView exists. Members are inherited; a subclass may re-register a name to override it.
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/foundation/Value.h"

namespace fv {

class NSObject;
using NSObjectPtr = std::shared_ptr<NSObject>;
using NSObjectWeak = std::weak_ptr<NSObject>;

// Per-class metadata: name, superclass name, optional factory and the members declared by the class
// itself (lookups walk the superclass chain through the registry).
struct ClassInfo {
    struct Property {
        std::function<Value(NSObject&)> get;                // may be empty (write-only)
        std::function<bool(NSObject&, const Value&)> set;   // may be empty (read-only); false = refused
    };
    struct ObjectMember {
        std::function<NSObjectPtr(NSObject&)> get;
        std::function<bool(NSObject&, const NSObjectPtr&)> set;  // false on a type mismatch
        // An outlet the object's interface file must bind (declared with FV_OUTLET).
        bool required = false;
    };
    using Action = std::function<void(NSObject&, NSObject* sender)>;

    std::string name;
    std::string superName;  // empty for NSObject
    std::function<NSObjectPtr()> factory;
    std::map<std::string, Property> properties;
    std::map<std::string, ObjectMember> objects;  // outlets and object-typed properties
    std::map<std::string, Action> actions;        // by exact selector text
    // The words interface files use for an enum property's values ("center" -> 1), by property.
    std::map<std::string, std::map<std::string, long long>> enumNames;

    const ClassInfo* superclass() const;
    const Property* findProperty(const std::string& key) const;
    const ObjectMember* findObject(const std::string& key) const;
    const Action* findAction(const std::string& selector) const;
    const std::map<std::string, long long>* findEnumNames(const std::string& key) const;
    bool isSubclassOf(const std::string& className) const;  // true for itself too
    // The names of the required outlets of this class and its ancestors.
    std::vector<std::string> requiredOutlets() const;
};

class ClassRegistry {
public:
    // Adds or replaces a class by name. Thread-safe; used by static registrars of shared libraries.
    static void add(std::shared_ptr<const ClassInfo> info);
    static const ClassInfo* find(const std::string& name);
    // A new instance of the named class, or none when unknown or not creatable.
    static NSObjectPtr create(const std::string& name);
    static bool isSubclass(const std::string& name, const std::string& ancestor);
};

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

// An outlet: a weak reference to a view (or constraint) of the object's interface file, bound by the
// loader. Declare it with FV_OUTLET, which also registers it as required, so a file that does not bind
// it fails to load. Reading it is unguarded: an unbound outlet is a fault, never a silent no-op.
[[noreturn]] void unboundOutletFault(const char* name);

template <typename T>
class Outlet {
  public:
    explicit Outlet(const char* name) : name_(name) {}

    std::shared_ptr<T> get() const {
        auto bound = ref_.lock();
        if (!bound) unboundOutletFault(name_);
        return bound;
    }
    std::shared_ptr<T> operator->() const { return get(); }
    T& operator*() const { return *get(); }
    // True while the outlet holds a live object; for the rare code that runs before loading.
    bool isBound() const { return !ref_.expired(); }

    std::shared_ptr<T> peek() const { return ref_.lock(); }
    void bind(const std::shared_ptr<T>& object) { ref_ = object; }

  private:
    std::weak_ptr<T> ref_;
    const char* name_;
};

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
        info_.actions[selector] = [fn = std::move(fn)](NSObject& o, NSObject* sender) { fn(self(o), sender); };
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
        if (set) m.set = [set = std::move(set)](NSObject& o, const NSObjectPtr& v) { return set(self(o), v); };
        info_.objects[name] = std::move(m);
        return *this;
    }

private:
    static T& self(NSObject& o) { return static_cast<T&>(o); }
    ClassInfo& info_;
};

namespace detail {
template <typename T>
std::shared_ptr<const ClassInfo> buildClassInfo(const char* name, const char* superName);
}

// Registers T when first asked; the same info is returned every time.
template <typename T>
const ClassInfo& classInfoOf();

class NSObject : public std::enable_shared_from_this<NSObject> {
public:
    NSObject() = default;
    virtual ~NSObject();
    NSObject(const NSObject&) = delete;
    NSObject& operator=(const NSObject&) = delete;

    static constexpr const char* staticClassName() { return "NSObject"; }
    static void registerMembers(ClassBuilder<NSObject>&) {}
    virtual const ClassInfo& classInfo() const;
    std::string className() const { return classInfo().name; }
    // Kind-of: this class or any subclass of `name`. Member-of: exactly this class.
    bool isKindOfClass(const std::string& name) const;
    bool isMemberOfClass(const std::string& name) const { return className() == name; }

    // Actions by exact selector text. performSelector returns false when no such action exists.
    bool respondsToSelector(const std::string& selector) const;
    bool performSelector(const std::string& selector, NSObject* sender = nullptr);
    // Runs the selector once `afterDelay` seconds have passed on the main run loop (0 = next turn),
    // retaining this object and `argument` until then; never cancelled. Unknown selectors are logged.
    void performSelector(const std::string& selector, NSObjectPtr argument, double afterDelay);

    // Properties by name. A missing key or a refused value gives false / a null value; never throws.
    bool setValueForKey(const std::string& key, const Value& value);
    Value valueForKey(const std::string& key) const;
    bool hasValueForKey(const std::string& key) const;
    // Outlets and object properties by name; a missing name or a wrong type gives false.
    bool setObjectForKey(const std::string& key, const NSObjectPtr& object);
    NSObjectPtr objectForKey(const std::string& key) const;
    bool hasObjectForKey(const std::string& key) const;

    // Key-value observing. The observer only identifies the registration (and is skipped once it has
    // died, when it is shared-owned). Removing an unregistered observer does nothing.
    using ObserverCallback = std::function<void(const Value& oldValue, const Value& newValue)>;
    void addObserver(NSObject* observer, const std::string& keyPath, ObserverCallback callback);
    void removeObserver(NSObject* observer, const std::string& keyPath);
    void removeObserver(NSObject* observer);  // every key path
    // Setters call this after a change; observers run only when old != new.
    void didChangeValueForKey(const std::string& key, const Value& oldValue, const Value& newValue);

    // Objects retained by this one under a key; a null object clears the key. Released on
    // replacement, clearing, or when this object dies; by then weak references to this object are
    // already expired, so a released object cannot reach the half-destroyed host through them.
    void setAssociatedObject(const std::string& key, NSObjectPtr object);
    NSObjectPtr associatedObject(const std::string& key) const;

    // Called by the interface-file loader on every object it made, once all connections are set.
    virtual void awakeFromNib() {}

    template <typename T>
    std::shared_ptr<T> sharedAs() {
        return std::dynamic_pointer_cast<T>(weak_from_this().lock());
    }

private:
    struct Observation {
        NSObject* observer;
        NSObjectWeak observerWeak;
        bool tracked;  // observer was shared-owned at registration
        std::string keyPath;
        ObserverCallback callback;
    };
    std::vector<Observation> observations_;
    std::map<std::string, NSObjectPtr> associated_;
};

// Target-action set in code: true when `target` answers `selector`; otherwise a fault naming the
// sender, and the caller adds nothing, so a misspelt selector shows when it is wired, not when tapped.
bool answersAction(const NSObject& target, const std::string& selector, const std::string& sender);

// Use inside a class body: declares its identity and its superclass. Leaves the body in `public:`.
#define FV_CLASS(Name, Super)                                                                     \
public:                                                                                           \
    using super = Super;                                                                          \
    using fv_self = Name;                                                                         \
    static constexpr const char* staticClassName() { return #Name; }                              \
    const ::fv::ClassInfo& classInfo() const override { return ::fv::classInfoOf<Name>(); }       \
                                                                                                  \
public:

// Use inside a class body, after FV_CLASS: declares a required outlet and registers it, in one line.
//     FV_OUTLET(UILabel, lbl_title);
#define FV_OUTLET(Type, Name)                                                                    \
    ::fv::Outlet<Type> Name{#Name};                                                              \
    static inline const bool fv_outlet_##Name = ::fv::detail::addOutlet<fv_self>(#Name, &fv_self::Name)

// Use once at namespace scope in the class's .cpp: registers the class when the library loads.
#define FV_REGISTER_CLASS(Name) \
    [[maybe_unused]] static const ::fv::ClassInfo& fv_registrar_##Name = ::fv::classInfoOf<Name>()

namespace detail {
template <typename T>
concept HasOwnRegisterMembers = requires(ClassBuilder<T>& b) {
    { T::registerMembers(b) };
} && std::is_same_v<decltype(&T::registerMembers), void (*)(ClassBuilder<T>&)>;

template <typename T>
concept HasOwnCreate = requires {
    { T::create() } -> std::convertible_to<std::shared_ptr<T>>;
};

template <typename T>
std::shared_ptr<const ClassInfo> buildClassInfo(const char* name, const char* superName) {
    auto info = std::make_shared<ClassInfo>();
    info->name = name;
    info->superName = superName;
    if constexpr (HasOwnCreate<T>) {
        info->factory = [] { return NSObjectPtr(T::create()); };
    } else if constexpr (std::is_default_constructible_v<T> && !std::is_abstract_v<T>) {
        info->factory = [] { return NSObjectPtr(std::make_shared<T>()); };
    }
    if constexpr (HasOwnRegisterMembers<T>) {
        ClassBuilder<T> builder(*info);
        T::registerMembers(builder);
    }
    return info;
}
}  // namespace detail

namespace detail {
template <typename T>
ClassInfo& mutableClassInfoOf() {
    static const std::shared_ptr<ClassInfo> info = [] {
        const char* superName = "";
        if constexpr (!std::is_same_v<T, NSObject>) superName = T::super::staticClassName();
        auto built = std::const_pointer_cast<ClassInfo>(buildClassInfo<T>(T::staticClassName(), superName));
        ClassRegistry::add(built);
        return built;
    }();
    return *info;
}

// FV_OUTLET's registration, run while the libraries load, whichever of class and outlet comes first.
template <typename T, typename U>
bool addOutlet(const char* name, Outlet<U> T::*member) {
    ClassBuilder<T> builder(mutableClassInfoOf<T>());
    builder.outlet(name, member);
    return true;
}
}  // namespace detail

template <typename T>
const ClassInfo& classInfoOf() {
    return detail::mutableClassInfoOf<T>();
}

}  // namespace fv
