#pragma once
// An outlet: a weak reference to a view (or constraint) of the object's interface file, bound by the
// loader. Declare it with FV_OUTLET, which also registers it as required, so a file that does not bind
// it fails to load. Reading it is unguarded: an unbound outlet is a fault, never a silent no-op.
#include <memory>

namespace fv {

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

}  // namespace fv
