#pragma once
// The wizard's name and address step: first and last name, a home address line and an area address
// line with suggestions from the bundle's list as it is typed. Next writes the four texts into the
// new-card request and opens the date-of-birth step.
#include <memory>
#include <string>
#include <vector>

#include "onboarding/wizard/UserInfoFormViewModel.h"
#include "onboarding/wizard/UserInfoFormViewModelDelegate.h"
#include "onboarding/wizard/WizardViewController.h"
#include "platform/kits/DropList.h"
#include "platform/ui/UIScrollView.h"
#include "screenkit/CustomButton.h"

namespace fv {

class UserInfoFormViewController : public WizardViewController, public UserInfoFormViewModelDelegate {
    FV_CLASS(UserInfoFormViewController, WizardViewController)
    static void registerMembers(ClassBuilder<UserInfoFormViewController>& b);
    using WizardViewController::WizardViewController;
    ~UserInfoFormViewController() override;

    void formatView() override;
    void initialzieViewModel() override;
    // Next is enabled while all four fields hold text.
    void enableNextBtn();
    void setDataInRequestModel();
    void action_next(UIButton* sender);
    void action_back(UIButton* sender);

    // Closes the keyboard; the focus stays where it is.
    bool textFieldShouldReturn(UITextField* textField) override;
    // Every edit is taken; one in the area address filters the suggestions by the text it leads to.
    bool textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                const std::string& string) override;

    FV_OUTLET(UITextField, tf_firstName);
    FV_OUTLET(UITextField, tf_lastName);
    FV_OUTLET(UITextField, tf_areaAddress);
    FV_OUTLET(UITextField, tf_homeAddress);
    FV_OUTLET(CustomButton, Btn_next);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UIView, view_areaAddress);
    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UIView, view_border_firstName);
    FV_OUTLET(UIView, view_border_lastName);
    FV_OUTLET(UIView, view_border_livingAddress);
    FV_OUTLET(UIView, view_border_apartmentAddress);
    FV_OUTLET(UILabel, lbl_bodyTitle_firstName);
    FV_OUTLET(UILabel, lbl_bodyTitle_lastName);
    FV_OUTLET(UILabel, lbl_bodyTitle_livingAddress);
    FV_OUTLET(UILabel, lbl_bodyTitle_apartmentAddress);
    FV_OUTLET(UIProgressView, progress_bar);
    FV_OUTLET(UIButton, btn_userCurrentLocation);

    std::vector<std::string> locationsArr;
    std::vector<std::string> filteredlocationsContent;
    const DropListPtr dropList = DropList::create();
    std::shared_ptr<UserInfoFormViewModel> viewModel;

  private:
    void setUpDropList();
};

}  // namespace fv
