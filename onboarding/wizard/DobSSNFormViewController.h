#pragma once
// The wizard's date-of-birth and SSN step. The date comes from a date dialog (no date after today);
// the SSN is typed into a field that shows only its last four digits. Next checks both and moves on
// with an SSN; "I don't have an SSN" moves on without one. Both write the two into the request.
#include <memory>
#include <optional>
#include <string>

#include "onboarding/wizard/DobSSNFormViewModel.h"
#include "onboarding/wizard/DobSSNFormViewModelDelegate.h"
#include "onboarding/wizard/WizardViewController.h"
#include "platform/foundation/Value.h"
#include "platform/ui/UIScrollView.h"
#include "screenkit/CustomButton.h"

namespace fv {

class DobSSNFormViewController : public WizardViewController, public DobSSNFormViewModelDelegate {
    FV_CLASS(DobSSNFormViewController, WizardViewController)
    static void registerMembers(ClassBuilder<DobSSNFormViewController>& b);
    using WizardViewController::WizardViewController;
    ~DobSSNFormViewController() override;

    static constexpr std::size_t kSSNLength = 9;
    // The date as the applicant reads it (in their own locale) and as the request carries it.
    static constexpr const char* kDisplayDateFormat = "MMMM/dd/yyyy";
    static constexpr const char* kRequestDateFormat = "MM/dd/yyyy";

    void formatView() override;
    void initialzieViewModel() override;
    // Next is enabled while both fields show text.
    void enableNextBtn();

    // The date field opens the date dialog instead of taking the focus.
    bool textFieldShouldBeginEditing(UITextField* textField) override;
    // The SSN field applies no edit itself: an insertion appends its digits to enteredSSN (never past
    // nine), a deletion removes the last one, and the field shows the masked enteredSSN.
    bool textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                const std::string& string) override;
    bool textFieldShouldReturn(UITextField* textField) override;

    void action_next(UIButton* sender);
    void proceedToNextScreen();
    void setDataInRequestModel();
    void action_do_not_have_ssn(UIButton* sender);
    void action_back(UIButton* sender);

    // The SSN as shown: the first five digits as "✱", the separators as they come, the last four.
    static std::string formatSSNInput(const std::string& input);

    FV_OUTLET(UITextField, tf_dob);
    FV_OUTLET(UITextField, tf_ssn);
    FV_OUTLET(CustomButton, Btn_next);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UIProgressView, progress_bar);
    FV_OUTLET(UILabel, lbl_bodyTitle_DOB);
    FV_OUTLET(UILabel, lbl_bodyTitle_SSN);
    FV_OUTLET(UIView, view_border_DOB);
    FV_OUTLET(UIView, view_border_SSN);
    FV_OUTLET(UILabel, lbl_titleOne);
    FV_OUTLET(UILabel, lbl_dontHaveSSN);
    FV_OUTLET(UIView, view_underline);

    // The SSN's digits as typed, the one source of what is checked, shown and written.
    std::string enteredSSN;
    std::shared_ptr<DobSSNFormViewModel> viewModel;
    // The date picked last; none until one is.
    std::optional<Date> selectDOB;

  private:
    void showDatePicker();
    void datePicked(Date date);
    void moveOn(bool haveSSN);
};

}  // namespace fv
