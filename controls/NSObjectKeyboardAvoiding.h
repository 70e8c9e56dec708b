#pragma once
// The associated-object, notification and observation helpers keyboard avoidance is built on.
#include <functional>
#include <string>

#include "platform/foundation/NSObject.h"
#include "platform/foundation/NotificationCenter.h"

namespace fv {

// Retains `object` on `receiver` under `key`; none clears the key (and releases what was there).
void associateObject(NSObject& receiver, const NSObjectPtr& object, const std::string& key);
NSObjectPtr associatedObjectForKey(const NSObject& receiver, const std::string& key);

// Delivers every notification of that name, from any sender, to `action`, until the receiver stops.
void observeNotificationNamed(const NSObject& receiver, const std::string& name,
                              NSNotificationCenter::Handler action);
void stopNotificationsObserving(const NSObject& receiver);

// Registers `observer` on `receiver` for `keyPath`, handing it the old and the new value.
void addObserverForKeyPath(NSObject& receiver, NSObject* observer, const std::string& keyPath,
                           NSObject::ObserverCallback callback);

}  // namespace fv
