#pragma once
// A wizard form built on the wizard base, loaded from the tests' own interface file: two watched
// fields under a rule that is either "every field" or "any field", and a record of the set-up calls.
#include <memory>
#include <string>
#include <vector>

#include "onboarding/wizard/WizardViewController.h"
#include "screenkit/CustomButton.h"
#include "screenkit/ViewModel.h"

namespace fv::wizard_test {

class SampleWizardModel : public ViewModel {
    FV_CLASS(SampleWizardModel, ViewModel)
};

class SampleWizardScreen : public WizardViewController {
    FV_CLASS(SampleWizardScreen, WizardViewController)
    static void registerMembers(ClassBuilder<SampleWizardScreen>& b);
    static std::shared_ptr<SampleWizardScreen> make(bool anyFieldEnables);

    void formatView() override;
    void initialzieViewModel() override;
    void enableNextBtn();
    void action_back(UIButton*) { hideOverlayThenPop(); }
    void failCheck() { showCheckFailure("Sample Not Valid", "Your entered sample is not valid."); }

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UIProgressView, progress_bar);
    FV_OUTLET(UITextField, tf_first);
    FV_OUTLET(UITextField, tf_second);
    FV_OUTLET(CustomButton, Btn_next);

    std::shared_ptr<SampleWizardModel> viewModel;
    std::vector<std::string> calls;
    bool anyFieldEnables = false;
    float progressValue = 0.68f;
};

}  // namespace fv::wizard_test
