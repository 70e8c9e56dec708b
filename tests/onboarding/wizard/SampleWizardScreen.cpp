#include "SampleWizardScreen.h"

#include "onboarding/wizard/MainButtonRule.h"
#include "platform/foundation/Bundle.h"

namespace fv::wizard_test {

FV_REGISTER_CLASS(SampleWizardModel);
FV_REGISTER_CLASS(SampleWizardScreen);

void SampleWizardScreen::registerMembers(ClassBuilder<SampleWizardScreen>& b) {
    b.action("action_back:", &SampleWizardScreen::action_back);
    b.action("enableNextBtn", &SampleWizardScreen::enableNextBtn);
}

std::shared_ptr<SampleWizardScreen> SampleWizardScreen::make(bool anyFieldEnables) {
    auto screen = std::make_shared<SampleWizardScreen>();
    screen->anyFieldEnables = anyFieldEnables;
    screen->initWithNibName("", std::make_shared<NSBundle>(std::string(FV_TEST_DIR) + "/nib_resources"));
    return screen;
}

void SampleWizardScreen::formatView() {
    calls.push_back("formatView");
    enableNextBtn();
    styleHeader(*view_navbar, *lbl_headerTitle);
    showWizardProgress(*progress_bar, progressValue);
    watchFields({tf_first.get(), tf_second.get()}, "enableNextBtn");
    tf_second->setInputAccessoryView(keyboardToolbar("Done", "textFieldShouldReturn:"));
}

void SampleWizardScreen::initialzieViewModel() {
    calls.push_back("initialzieViewModel");
    makeViewModel(viewModel);
}

void SampleWizardScreen::enableNextBtn() {
    const bool holds = anyFieldEnables ? anyFieldFilled({tf_first.get(), tf_second.get()})
                                       : everyFieldFilled({tf_first.get(), tf_second.get()});
    applyMainButtonRule(*Btn_next, holds);
}

}  // namespace fv::wizard_test
