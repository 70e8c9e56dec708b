#pragma once
// The base of the screens' view models. A screen owns its model; the model reaches back to the screen
// through a weak delegate (its protocol, whatever the screen implements) and to the screen's view
// through a weak root view (for the progress overlay and ending editing), so it never keeps either
// alive and finds nothing, rather than a dead screen, once the screen is gone.
//
//     class FooViewModel : public ViewModel {
//         FV_CLASS(FooViewModel, ViewModel)
//         void load() { if (auto d = delegateAs<FooViewModelDelegate>()) d->fooDidLoad(); }
//     };
//     // in FooViewController::viewDidLoad:
//     viewModel->setDelegate(shared_from_this());
//     viewModel->setRootView(view());
#include <memory>

#include "platform/foundation/NSObject.h"
#include "platform/ui/UIView.h"

namespace fv {

class ViewModel : public NSObject {
    FV_CLASS(ViewModel, NSObject)

    // The delegate is kept weakly; it is usually the screen that owns this model.
    void setDelegate(const NSObjectPtr& delegate) { delegate_ = delegate; }
    NSObjectPtr delegate() const { return delegate_.lock(); }
    // The delegate in the role `Protocol`, or none when it is gone or plays no such role.
    template <typename Protocol>
    std::shared_ptr<Protocol> delegateAs() const {
        return std::dynamic_pointer_cast<Protocol>(delegate_.lock());
    }

    UIViewPtr rootView() const { return rootView_.lock(); }
    void setRootView(const UIViewPtr& view) { rootView_ = view; }

  private:
    std::weak_ptr<NSObject> delegate_;
    std::weak_ptr<UIView> rootView_;
};

}  // namespace fv
