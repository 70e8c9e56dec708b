#pragma once
// A web view stand-in. It fetches nothing: each address it is asked to load is recorded and becomes
// the page shown, drawn as a plain white page with the address in a bar along its top. Before any
// load it shows an empty page. An interface file names a first address through "request".
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/UIView.h"

namespace fv {

class UIWebView;
using UIWebViewPtr = std::shared_ptr<UIWebView>;

class UIWebView : public UIView {
    FV_CLASS(UIWebView, UIView)
    static void registerMembers(ClassBuilder<UIWebView>& b);
    static UIWebViewPtr create(CGRect frame = CGRectZero);
    UIWebView() : UIWebView(CGRectZero) {}
    explicit UIWebView(CGRect frame);
    ~UIWebView() override;

    bool scalesPageToFit() const { return scalesPageToFit_; }
    void setScalesPageToFit(bool on) { scalesPageToFit_ = on; }

    // Recorded and shown, never fetched.
    void loadRequest(const std::string& url);
    // The address of the page shown; none before any load.
    const std::optional<std::string>& request() const { return request_; }
    // Every address asked for, in order, repeats included.
    const std::vector<std::string>& requestedURLs() const { return requested_; }
    bool isLoading() const { return false; }

    void drawRect(CGRect rect) override;

  private:
    bool scalesPageToFit_ = false;
    std::optional<std::string> request_;
    std::vector<std::string> requested_;
};

}  // namespace fv
