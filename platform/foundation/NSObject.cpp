#include "platform/foundation/NSObject.h"

#include <mutex>
#include <stdexcept>

#include "platform/foundation/Fault.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"

namespace fv {

namespace {

struct Registry {
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<const ClassInfo>> classes;
};

Registry& registry() {
    static Registry* r = new Registry;  // outlives static destructors of every library
    return *r;
}

}  // namespace

void ClassRegistry::add(std::shared_ptr<const ClassInfo> info) {
    if (!info) return;
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    r.classes[info->name] = std::move(info);
}

const ClassInfo* ClassRegistry::find(const std::string& name) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.classes.find(name);
    return it == r.classes.end() ? nullptr : it->second.get();
}

NSObjectPtr ClassRegistry::create(const std::string& name) {
    const ClassInfo* info = find(name);
    if (!info || !info->factory) return nullptr;
    try {
        return info->factory();
    } catch (...) {
        log("Could not create an instance of " + name);
        return nullptr;
    }
}

bool ClassRegistry::isSubclass(const std::string& name, const std::string& ancestor) {
    const ClassInfo* info = find(name);
    return info && info->isSubclassOf(ancestor);
}

const ClassInfo* ClassInfo::superclass() const {
    return superName.empty() ? nullptr : ClassRegistry::find(superName);
}

const ClassInfo::Property* ClassInfo::findProperty(const std::string& key) const {
    for (const ClassInfo* c = this; c; c = c->superclass()) {
        auto it = c->properties.find(key);
        if (it != c->properties.end()) return &it->second;
    }
    return nullptr;
}

const ClassInfo::ObjectMember* ClassInfo::findObject(const std::string& key) const {
    for (const ClassInfo* c = this; c; c = c->superclass()) {
        auto it = c->objects.find(key);
        if (it != c->objects.end()) return &it->second;
    }
    return nullptr;
}

const ClassInfo::Action* ClassInfo::findAction(const std::string& selector) const {
    for (const ClassInfo* c = this; c; c = c->superclass()) {
        auto it = c->actions.find(selector);
        if (it != c->actions.end()) return &it->second;
    }
    return nullptr;
}

std::vector<std::string> ClassInfo::requiredOutlets() const {
    std::vector<std::string> names;
    for (const ClassInfo* c = this; c; c = c->superclass())
        for (const auto& [name, member] : c->objects)
            if (member.required && findObject(name) == &member) names.push_back(name);
    return names;
}

bool answersAction(const NSObject& target, const std::string& selector, const std::string& sender) {
    if (target.respondsToSelector(selector)) return true;
    reportFault(sender + ": refused the action \"" + selector + "\", which " + target.className() +
                " does not answer");
    return false;
}

void unboundOutletFault(const char* name) {
    const std::string what = std::string("outlet ") + name + " read before anything bound it";
    reportFault(what);
    throw std::logic_error(what);
}

const std::map<std::string, long long>* ClassInfo::findEnumNames(const std::string& key) const {
    for (const ClassInfo* c = this; c; c = c->superclass()) {
        auto it = c->enumNames.find(key);
        if (it != c->enumNames.end()) return &it->second;
    }
    return nullptr;
}

bool ClassInfo::isSubclassOf(const std::string& className) const {
    for (const ClassInfo* c = this; c; c = c->superclass())
        if (c->name == className) return true;
    return false;
}

FV_REGISTER_CLASS(NSObject);

NSObject::~NSObject() {
    // Released before the observation list so a released object that looks at us finds nothing.
    auto associated = std::move(associated_);
    associated.clear();
}

const ClassInfo& NSObject::classInfo() const {
    return classInfoOf<NSObject>();
}

bool NSObject::isKindOfClass(const std::string& name) const {
    return classInfo().isSubclassOf(name);
}

bool NSObject::respondsToSelector(const std::string& selector) const {
    return classInfo().findAction(selector) != nullptr;
}

bool NSObject::performSelector(const std::string& selector, NSObject* sender) {
    const auto* action = classInfo().findAction(selector);
    if (!action) return false;
    try {
        (*action)(*this, sender);
    } catch (const std::exception& e) {
        reportFault("Action " + selector + " of " + className() + " failed: " + e.what());
    } catch (...) {
        reportFault("Action " + selector + " of " + className() + " failed");
    }
    return true;
}

void NSObject::performSelector(const std::string& selector, NSObjectPtr argument, double afterDelay) {
    NSObjectPtr self = weak_from_this().lock();
    if (!self) {
        log("performSelector " + selector + " after a delay needs a shared-owned " + className());
        return;
    }
    RunLoop::main().postAfter(afterDelay, [self, argument, selector] {
        if (!self->performSelector(selector, argument.get()))
            reportFault("-[" + self->className() + " " + selector + "]: unrecognized selector");
    });
}

bool NSObject::setValueForKey(const std::string& key, const Value& value) {
    const auto* p = classInfo().findProperty(key);
    if (!p || !p->set) return false;
    try {
        return p->set(*this, value);
    } catch (...) {
        return false;
    }
}

Value NSObject::valueForKey(const std::string& key) const {
    const auto* p = classInfo().findProperty(key);
    if (!p || !p->get) return Value();
    try {
        // Getters do not change the object; the registry stores them over a mutable reference.
        return p->get(const_cast<NSObject&>(*this));
    } catch (...) {
        return Value();
    }
}

bool NSObject::hasValueForKey(const std::string& key) const {
    return classInfo().findProperty(key) != nullptr;
}

bool NSObject::setObjectForKey(const std::string& key, const NSObjectPtr& object) {
    const auto* m = classInfo().findObject(key);
    if (!m || !m->set) return false;
    try {
        return m->set(*this, object);
    } catch (...) {
        return false;
    }
}

NSObjectPtr NSObject::objectForKey(const std::string& key) const {
    const auto* m = classInfo().findObject(key);
    if (!m || !m->get) return nullptr;
    try {
        return m->get(const_cast<NSObject&>(*this));
    } catch (...) {
        return nullptr;
    }
}

bool NSObject::hasObjectForKey(const std::string& key) const {
    return classInfo().findObject(key) != nullptr;
}

void NSObject::addObserver(NSObject* observer, const std::string& keyPath, ObserverCallback callback) {
    if (!callback) return;
    Observation o{observer, {}, false, keyPath, std::move(callback)};
    if (observer) {
        o.observerWeak = observer->weak_from_this();
        o.tracked = !o.observerWeak.expired();
    }
    observations_.push_back(std::move(o));
}

void NSObject::removeObserver(NSObject* observer, const std::string& keyPath) {
    std::erase_if(observations_,
                  [&](const Observation& o) { return o.observer == observer && o.keyPath == keyPath; });
}

void NSObject::removeObserver(NSObject* observer) {
    std::erase_if(observations_, [&](const Observation& o) { return o.observer == observer; });
}

void NSObject::didChangeValueForKey(const std::string& key, const Value& oldValue, const Value& newValue) {
    if (oldValue == newValue) return;
    // Callbacks may add or remove observations: run over a snapshot, skipping removed ones.
    std::vector<Observation> snapshot;
    for (const auto& o : observations_)
        if (o.keyPath == key) snapshot.push_back(o);
    for (const auto& o : snapshot) {
        if (o.tracked && o.observerWeak.expired()) continue;
        bool stillRegistered = false;
        for (const auto& cur : observations_)
            if (cur.observer == o.observer && cur.keyPath == key) stillRegistered = true;
        if (!stillRegistered) continue;
        try {
            o.callback(oldValue, newValue);
        } catch (const std::exception& e) {
            reportFault("An observer of " + key + " on " + className() + " failed: " + e.what());
        } catch (...) {
            reportFault("An observer of " + key + " on " + className() + " failed");
        }
    }
}

void NSObject::setAssociatedObject(const std::string& key, NSObjectPtr object) {
    NSObjectPtr released;  // released after the map is consistent again
    auto it = associated_.find(key);
    if (it != associated_.end()) {
        released = std::move(it->second);
        if (object)
            it->second = std::move(object);
        else
            associated_.erase(it);
    } else if (object) {
        associated_[key] = std::move(object);
    }
}

NSObjectPtr NSObject::associatedObject(const std::string& key) const {
    auto it = associated_.find(key);
    return it == associated_.end() ? nullptr : it->second;
}

}  // namespace fv
