#pragma once
// A web view stand-in: it exists so interface files and outlets can hold one. It never loads
// anything; requested addresses are only remembered.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/UIView.h"

namespace fv {

class UIWebView : public UIView {
    FV_CLASS(UIWebView, UIView)
    static void registerMembers(ClassBuilder<UIWebView>& b);
    UIWebView() = default;
    explicit UIWebView(CGRect frame) : UIView(frame) {}
    ~UIWebView() override;

    bool scalesPageToFit() const { return scalesPageToFit_; }
    void setScalesPageToFit(bool on) { scalesPageToFit_ = on; }
    // Remembered, never fetched.
    void loadRequest(const std::string& url) { requested_.push_back(url); }
    const std::vector<std::string>& requestedURLs() const { return requested_; }
    bool isLoading() const { return false; }

  private:
    bool scalesPageToFit_ = false;
    std::vector<std::string> requested_;
};

}  // namespace fv
