#pragma once
// The base of the new-card wizard's screens: what each of them repeats. The view loads as the base's
// viewDidLoad, then formatView, then initialzieViewModel; every appearance sets the light status bar.
// Helpers cover the rest of the common shape: the progress bar, the header colours, the main-button
// rule's editing targets, the keyboard toolbar, the error banner, the view model made once, and back
// as hide-the-overlay-then-pop.
//
//     class FooViewController : public WizardViewController {
//         void formatView() override {
//             enableNextBtn();
//             showWizardProgress(*progress_bar, wizard_progress::kNameAddress);
//             watchFields({tf_a.get(), tf_b.get()}, "enableNextBtn");
//         }
//         void initialzieViewModel() override { makeViewModel(viewModel); }
//         void enableNextBtn() { applyMainButtonRule(*Btn_next, everyFieldFilled({...})); }
//         void action_back(UIButton*) { hideOverlayThenPop(); }   // registered as "action_back:"
//     };
//
// The base registers no action: each screen registers its own, so a screen without back has none.
#include <initializer_list>
#include <memory>
#include <string>

#include "platform/ui/UILabel.h"
#include "platform/ui/UIProgressView.h"
#include "platform/ui/UITextField.h"
#include "platform/ui/UIToolbar.h"
#include "screenkit/BaseViewController.h"

namespace fv {

class WizardViewController : public BaseViewController {
    FV_CLASS(WizardViewController, BaseViewController)
    using BaseViewController::BaseViewController;
    ~WizardViewController() override;

    // The base's, then formatView, then initialzieViewModel.
    void viewDidLoad() override;

    // Once per instance, when the view loads: theme, progress, targets, keyboard handling.
    virtual void formatView() {}
    // Once per instance, after formatView: the view model of a screen that has one.
    virtual void initialzieViewModel() {}

  protected:
    // Back on the wizard's screens: the progress overlay goes, then this screen pops, animated.
    void hideOverlayThenPop();

    // Track and fill in the theme's progress colours, then `value` without animation.
    static void showWizardProgress(UIProgressView& bar, float value);
    // The header bar in the theme's header colour, its title in the header text colour.
    static void styleHeader(UIView& navbar, UILabel& title);

    // Sends `selector` (an action this screen registers) to this screen on every editing change of
    // each field; a text the screen sets itself sends nothing, so such a screen calls its rule too.
    void watchFields(std::initializer_list<UITextFieldPtr> fields, const std::string& selector);

    // A keyboard toolbar as wide as this screen's view and 50 points high: a flexible space, then a
    // done-style item titled with the host's text for `titleKey`, sending `selector` to this screen.
    UIToolbarPtr keyboardToolbar(const std::string& titleKey, const std::string& selector);

    // The error banner of a failed check, title and body looked up in the host's strings.
    void showCheckFailure(const std::string& titleKey, const std::string& bodyKey);

    // When `slot` is empty: a new model, its delegate this screen, then its root view this screen's
    // view (held weakly by the model). A model that exists already stays.
    template <typename Model>
    void makeViewModel(std::shared_ptr<Model>& slot) {
        if (slot) return;
        slot = std::make_shared<Model>();
        slot->setDelegate(shared_from_this());
        slot->setRootView(view());
    }
};

}  // namespace fv
