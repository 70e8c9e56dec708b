#pragma once
// The device: a phone unless a test or host says it is a pad.
#include <memory>
#include <string>

#include "platform/foundation/NSObject.h"

namespace fv {

enum UIUserInterfaceIdiom : int {
    UIUserInterfaceIdiomUnspecified = -1,
    UIUserInterfaceIdiomPhone = 0,
    UIUserInterfaceIdiomPad = 1,
};

class UIDevice : public NSObject {
    FV_CLASS(UIDevice, NSObject)
    static std::shared_ptr<UIDevice> currentDevice();

    UIUserInterfaceIdiom userInterfaceIdiom() const { return idiom_; }
    void setUserInterfaceIdiom(UIUserInterfaceIdiom idiom) { idiom_ = idiom; }
    std::string systemName() const { return "iOS"; }
    std::string systemVersion() const { return systemVersion_; }
    void setSystemVersion(std::string version) { systemVersion_ = std::move(version); }
    std::string model() const { return idiom_ == UIUserInterfaceIdiomPad ? "iPad" : "iPhone"; }
    // Phone, system version "15.0".
    void reset();

  private:
    UIUserInterfaceIdiom idiom_ = UIUserInterfaceIdiomPhone;
    std::string systemVersion_ = "15.0";
};

}  // namespace fv
