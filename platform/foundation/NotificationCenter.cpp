#include "platform/foundation/NotificationCenter.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <vector>

#include "platform/foundation/Fault.h"
#include "platform/foundation/Log.h"

namespace fv {

namespace {

struct Registration {
    const void* observer;
    std::string name;
    NSNotificationCenter::Handler handler;
    // Cleared on removal, so a delivery already under way skips the handler.
    std::atomic<bool> active{true};
};

}  // namespace

struct NSNotificationCenter::Impl {
    std::mutex mutex;
    std::vector<std::shared_ptr<Registration>> registrations;

    template <class Pred>
    void removeIf(Pred pred) {
        std::vector<std::shared_ptr<Registration>> removed;
        {
            std::lock_guard lock(mutex);
            auto split = std::stable_partition(registrations.begin(), registrations.end(),
                                               [&](const auto& r) { return !pred(*r); });
            for (auto it = split; it != registrations.end(); ++it) {
                (*it)->active = false;
                removed.push_back(std::move(*it));
            }
            registrations.erase(split, registrations.end());
        }
        // `removed` is released here, outside the lock: handlers' captures may post or observe.
    }
};

NSNotificationCenter::NSNotificationCenter() : impl_(std::make_unique<Impl>()) {}
NSNotificationCenter::~NSNotificationCenter() = default;

NSNotificationCenter& NSNotificationCenter::defaultCenter() {
    // Never destroyed: observers torn down during exit may still remove themselves.
    static NSNotificationCenter* center = new NSNotificationCenter;
    return *center;
}

void NSNotificationCenter::addObserver(const void* observer, const std::string& name, Handler handler) {
    if (name.empty() || !handler) return;
    auto registration = std::make_shared<Registration>();
    registration->observer = observer;
    registration->name = name;
    registration->handler = std::move(handler);
    std::lock_guard lock(impl_->mutex);
    impl_->registrations.push_back(std::move(registration));
}

void NSNotificationCenter::removeObserver(const void* observer) {
    impl_->removeIf([&](const Registration& r) { return r.observer == observer; });
}

void NSNotificationCenter::removeObserver(const void* observer, const std::string& name) {
    impl_->removeIf([&](const Registration& r) { return r.observer == observer && r.name == name; });
}

void NSNotificationCenter::postNotificationName(const std::string& name, const void* object, Value userInfo) {
    std::vector<std::shared_ptr<Registration>> targets;
    {
        std::lock_guard lock(impl_->mutex);
        for (const auto& r : impl_->registrations)
            if (r->name == name) targets.push_back(r);
    }
    const Notification notification{name, object, std::move(userInfo)};
    for (const auto& r : targets) {
        if (!r->active) continue;
        try {
            r->handler(notification);
        } catch (const std::exception& e) {
            reportFault("NotificationCenter: observer of " + name + " threw: " + e.what());
        } catch (...) {
            reportFault("NotificationCenter: observer of " + name + " threw");
        }
    }
}

}  // namespace fv
