#pragma once
// Named notifications from any sender to any number of observers, delivered synchronously on the
// posting thread. Shared instances in this layer are function-local statics, which C++ initialises
// exactly once even under concurrent first calls.
#include <functional>
#include <memory>
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

struct Notification {
    std::string name;
    const void* object = nullptr;  // the sender, compared by address only
    Value userInfo;
};

class NSNotificationCenter {
  public:
    using Handler = std::function<void(const Notification&)>;

    static NSNotificationCenter& defaultCenter();

    // Observes `name` from any sender. A name is required: an empty one registers nothing.
    // The same observer may register several handlers, for one name or many.
    void addObserver(const void* observer, const std::string& name, Handler handler);
    // Removes the observer for all names, or for one; an unregistered observer is a no-op.
    void removeObserver(const void* observer);
    void removeObserver(const void* observer, const std::string& name);

    // Calls every handler registered for `name` at the time of the call, in registration order,
    // except those removed meanwhile (an observer may remove itself or others while handling).
    void postNotificationName(const std::string& name, const void* object = nullptr, Value userInfo = {});

    NSNotificationCenter();
    ~NSNotificationCenter();
    NSNotificationCenter(const NSNotificationCenter&) = delete;
    NSNotificationCenter& operator=(const NSNotificationCenter&) = delete;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace fv
