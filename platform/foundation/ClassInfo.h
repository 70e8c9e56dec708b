#pragma once
// What the object model knows of a class: its name, superclass, factory and members by name, and the
// registry that finds a class by its name.
#include <functional>
#include <map>
#include <memory>
#include <string>
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
        std::function<Value(NSObject&)> get;               // may be empty (write-only)
        std::function<bool(NSObject&, const Value&)> set;  // may be empty (read-only); false = refused
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

}  // namespace fv
