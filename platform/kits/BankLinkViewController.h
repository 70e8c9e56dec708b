#pragma once
// The bank-link vendor's link screen, without the vendor: no network, no credentials. It shows a
// short explanation with "Link" and "Cancel" buttons. "Link" reports success with a fresh sandbox
// public token ("public-sandbox-" and 32 random hexadecimal digits) and metadata naming the sandbox
// institution; "Cancel" reports an exit without an error, with metadata whose "status" is "cancelled". Only
// the first report counts: once one delegate call has been made, the buttons do nothing more.
//
// Test driver: setScriptedOutcome() makes every link screen shown afterwards report that outcome by
// itself on the main run loop's next turn after it appeared; visibleLinkScreen(), tapLink() and
// tapCancel() act as the user; reset() clears the script.
#include <memory>
#include <optional>
#include <string>

#include "platform/kits/BankLinkConfiguration.h"
#include "platform/kits/BankLinkViewDelegate.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIViewController.h"

namespace fv {

class BankLinkViewController;
using BankLinkViewControllerPtr = std::shared_ptr<BankLinkViewController>;

class BankLinkViewController : public UIViewController {
    FV_CLASS(BankLinkViewController, UIViewController)
    static void registerMembers(ClassBuilder<BankLinkViewController>& b);
    // initWithConfiguration:delegate:. The delegate is held weakly.
    static BankLinkViewControllerPtr create(BankLinkConfiguration configuration,
                                            const std::shared_ptr<BankLinkViewDelegate>& delegate);
    BankLinkViewController(BankLinkConfiguration configuration, std::weak_ptr<BankLinkViewDelegate> delegate);
    ~BankLinkViewController() override;

    const BankLinkConfiguration& configuration() const { return configuration_; }
    std::shared_ptr<BankLinkViewDelegate> delegate() const { return delegate_.lock(); }
    // Whether the one report has been made.
    bool hasReported() const { return reported_; }

    void loadView() override;
    void viewDidAppear(bool animated) override;
    void viewDidLayoutSubviews() override;

    // ---- test driver ----
    struct Outcome {
        bool success = true;
        std::string publicToken;       // success only; empty = a fresh sandbox token
        std::optional<NSError> error;  // exit only
        std::optional<Value> metadata;
        static Outcome succeed(std::string token = "", std::optional<Value> metadata = std::nullopt) {
            return {true, std::move(token), std::nullopt, std::move(metadata)};
        }
        static Outcome exit(std::optional<NSError> error = std::nullopt,
                            std::optional<Value> metadata = std::nullopt) {
            return {false, "", std::move(error), std::move(metadata)};
        }
    };
    static void setScriptedOutcome(std::optional<Outcome> outcome);
    // The link screen that appeared last and has not reported yet, or none.
    static BankLinkViewControllerPtr visibleLinkScreen();
    bool tapLink();
    bool tapCancel();
    // Clears the script and forgets the shown screen; the test host calls this between tests.
    static void reset();

    const UIButtonPtr& linkButton() const { return linkButton_; }
    const UIButtonPtr& cancelButton() const { return cancelButton_; }

  private:
    void linkPressed(NSObject* sender);
    void cancelPressed(NSObject* sender);
    void report(const Outcome& outcome);
    bool tapButton(const UIButtonPtr& button);

    BankLinkConfiguration configuration_;
    std::weak_ptr<BankLinkViewDelegate> delegate_;
    bool reported_ = false;
    UIButtonPtr linkButton_, cancelButton_;
    UILabelPtr titleLabel_, bodyLabel_;
};

}  // namespace fv
