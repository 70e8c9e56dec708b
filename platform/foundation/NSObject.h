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

#include "platform/foundation/ClassBuilder.h"
#include "platform/foundation/Value.h"

namespace fv {

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
#define FV_CLASS(Name, Super)                           \
  public:                                               \
    using super = Super;                                \
    using fv_self = Name;                               \
    static constexpr const char* staticClassName() {    \
        return #Name;                                   \
    }                                                   \
    const ::fv::ClassInfo& classInfo() const override { \
        return ::fv::classInfoOf<Name>();               \
    }                                                   \
                                                        \
  public:

// Use inside a class body, after FV_CLASS: declares a required outlet and registers it, in one line.
//     FV_OUTLET(UILabel, lbl_title);
#define FV_OUTLET(Type, Name)       \
    ::fv::Outlet<Type> Name{#Name}; \
    static inline const bool fv_outlet_##Name = ::fv::detail::addOutlet<fv_self>(#Name, &fv_self::Name)

// Use once at namespace scope in the class's .cpp: registers the class when the library loads.
#define FV_REGISTER_CLASS(Name) \
    [[maybe_unused]] static const ::fv::ClassInfo& fv_registrar_##Name = ::fv::classInfoOf<Name>()

namespace detail {
template <typename T>
concept HasOwnRegisterMembers = requires(ClassBuilder<T>& b) {
    {T::registerMembers(b)};
}
&&std::is_same_v<decltype(&T::registerMembers), void (*)(ClassBuilder<T>&)>;

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
