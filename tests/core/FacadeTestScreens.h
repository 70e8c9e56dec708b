#pragma once
// Stand-ins for the framework's main screens, registered under their class names in this test program
// only. Each builds a plain view, so no interface file is needed.
#include <memory>
#include <string>

#include "platform/foundation/NSObject.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIViewController.h"

namespace fv::facade_test {

class PlainScreen : public UIViewController {
    FV_CLASS(PlainScreen, UIViewController)
    void loadView() override { setView(UIView::create(UIScreen::mainScreen()->bounds())); }
};

class VerificationPhoneEmailViewController : public PlainScreen {
    FV_CLASS(VerificationPhoneEmailViewController, PlainScreen)
};

class MyCardsViewController : public PlainScreen {
    FV_CLASS(MyCardsViewController, PlainScreen)
};

class CardToBankTransferViewController : public PlainScreen {
    FV_CLASS(CardToBankTransferViewController, PlainScreen)
};

// While alive, `name` is registered as a class that is no view controller, as a screen whose code is
// not there yet behaves.
class HiddenScreenClass {
  public:
    explicit HiddenScreenClass(const std::string& name) {
        if (const ClassInfo* current = ClassRegistry::find(name))
            saved_ = std::make_shared<ClassInfo>(*current);
        auto stub = std::make_shared<ClassInfo>();
        stub->name = name;
        stub->superName = NSObject::staticClassName();
        ClassRegistry::add(stub);
    }
    ~HiddenScreenClass() {
        if (saved_) ClassRegistry::add(saved_);
    }
    HiddenScreenClass(const HiddenScreenClass&) = delete;
    HiddenScreenClass& operator=(const HiddenScreenClass&) = delete;

  private:
    std::shared_ptr<const ClassInfo> saved_;
};

}  // namespace fv::facade_test
