#include "onboarding/wizard/UserInfoFormViewController.h"

#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/ThemeManager.h"
#include "onboarding/wizard/AddressSuggestionList.h"
#include "onboarding/wizard/MainButtonRule.h"
#include "onboarding/wizard/WizardProgress.h"
#include "platform/foundation/Text.h"

namespace fv {

FV_REGISTER_CLASS(UserInfoFormViewController);

void UserInfoFormViewController::registerMembers(ClassBuilder<UserInfoFormViewController>& b) {
    using Self = UserInfoFormViewController;
    b.action("enableNextBtn", &Self::enableNextBtn);
    b.action("action_next:", &Self::action_next);
    b.action("action_back:", &Self::action_back);
}

UserInfoFormViewController::~UserInfoFormViewController() = default;

void UserInfoFormViewController::formatView() {
    enableNextBtn();
    auto theme = ThemeManager::sharedInstance();
    const auto fields = {tf_firstName.get(), tf_lastName.get(), tf_areaAddress.get(), tf_homeAddress.get()};
    for (const auto& field : fields) field->setTintColor(theme->main_color());
    Btn_next->setTitleColor(theme->header_button_color(), UIControlStateNormal);
    styleHeader(*view_navbar, *lbl_headerTitle);
    showWizardProgress(*progress_bar, wizard_progress::kNameAddress);
    for (const auto& label : {lbl_bodyTitle_firstName.get(), lbl_bodyTitle_lastName.get(),
                              lbl_bodyTitle_livingAddress.get(), lbl_bodyTitle_apartmentAddress.get()})
        label->setTextColor(theme->main_font_color());
    for (const auto& field : fields) field->setTextColor(theme->main_font_color());
    for (const auto& border : {view_border_firstName.get(), view_border_lastName.get(),
                               view_border_livingAddress.get(), view_border_apartmentAddress.get()})
        border->setBackgroundColor(theme->border_color());
    watchFields({tf_firstName.get(), tf_lastName.get(), tf_areaAddress.get(), tf_homeAddress.get()},
                "enableNextBtn");
    setKeyboardAvoidingEnabled(*scrollView, true);
    locationsArr = AddressSuggestionList::load();
    filteredlocationsContent = locationsArr;
    setUpDropList();
}

void UserInfoFormViewController::setUpDropList() {
    const CGFloat height = view_areaAddress->bounds().size.height;
    dropList->setAnchorView(view_areaAddress.get());
    dropList->direction = DropList::Direction::any;
    dropList->bottomOffset = CGPointMake(0, height);
    dropList->topOffset = CGPointMake(0, -height);
    DropList::appearance().setTextFont(namedOrSystemFont("SFProDisplay-Thin", 24));
    dropList->dataSource = filteredlocationsContent;
    std::weak_ptr<UITextField> area = tf_areaAddress.get();
    // The row's own text: the list on screen may be an older filtering than the latest one.
    dropList->selectionAction = [area](long, const std::string& title) {
        if (auto field = area.lock()) field->setText(title);
    };
}

void UserInfoFormViewController::initialzieViewModel() {
    makeViewModel(viewModel);
}

void UserInfoFormViewController::enableNextBtn() {
    applyMainButtonRule(*Btn_next, everyFieldFilled({tf_firstName.get(), tf_lastName.get(),
                                                     tf_areaAddress.get(), tf_homeAddress.get()}));
}

void UserInfoFormViewController::setDataInRequestModel() {
    if (!viewModel) return;
    viewModel->setFirstNameToRequestModel(tf_firstName->text().value_or(""));
    viewModel->setLastNameToRequestModel(tf_lastName->text().value_or(""));
    viewModel->setAddress1ToRequestModel(tf_homeAddress->text().value_or(""));
    viewModel->setAddress2ToRequestModel(tf_areaAddress->text().value_or(""));
}

void UserInfoFormViewController::action_next(UIButton*) {
    HideHUD();
    view()->endEditing(true);
    setDataInRequestModel();
    pushScreen(screen::DobSSNFormViewController);
}

void UserInfoFormViewController::action_back(UIButton*) {
    hideOverlayThenPop();
}

bool UserInfoFormViewController::textFieldShouldReturn(UITextField*) {
    view()->endEditing(true);
    return true;
}

bool UserInfoFormViewController::textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                                        const std::string& string) {
    if (textField != tf_areaAddress.get().get()) {
        dropList->hide();
        return true;
    }
    const auto current = textField->text();
    if (!current) return true;
    const auto proposed = text::replaceCharactersInRange(*current, range, string);
    if (!proposed) return true;
    filteredlocationsContent = AddressSuggestionList::matching(locationsArr, *proposed);
    if (filteredlocationsContent.empty()) {
        dropList->hide();
    } else {
        dropList->dataSource = filteredlocationsContent;
        dropList->show();
    }
    return true;
}

}  // namespace fv
