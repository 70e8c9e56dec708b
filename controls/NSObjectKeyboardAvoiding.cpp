#include "controls/NSObjectKeyboardAvoiding.h"

namespace fv {

void associateObject(NSObject& receiver, const NSObjectPtr& object, const std::string& key) {
    receiver.setAssociatedObject(key, object);
}

NSObjectPtr associatedObjectForKey(const NSObject& receiver, const std::string& key) {
    return receiver.associatedObject(key);
}

void observeNotificationNamed(const NSObject& receiver, const std::string& name,
                              NSNotificationCenter::Handler action) {
    NSNotificationCenter::defaultCenter().addObserver(&receiver, name, std::move(action));
}

void stopNotificationsObserving(const NSObject& receiver) {
    NSNotificationCenter::defaultCenter().removeObserver(&receiver);
}

void addObserverForKeyPath(NSObject& receiver, NSObject* observer, const std::string& keyPath,
                           NSObject::ObserverCallback callback) {
    receiver.addObserver(observer, keyPath, std::move(callback));
}

}  // namespace fv
