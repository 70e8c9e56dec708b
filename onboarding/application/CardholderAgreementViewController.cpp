#include "onboarding/application/CardholderAgreementViewController.h"

#include "core/ThemeManager.h"
#include "platform/foundation/Bundle.h"

namespace fv {

FV_REGISTER_CLASS(CardholderAgreementViewController);

void CardholderAgreementViewController::registerMembers(ClassBuilder<CardholderAgreementViewController>& b) {
    using Self = CardholderAgreementViewController;
    b.action("action_continue:", &Self::action_continue);
    b.action("action_back:", &Self::action_back);
}

CardholderAgreementViewController::~CardholderAgreementViewController() = default;

void CardholderAgreementViewController::formatView() {
    auto theme = ThemeManager::sharedInstance();
    Btn_continue->setBackgroundColor(UIColor::clearColor());
    styleHeader(*view_navbar, *lbl_headerTitle);
    lbl_titleOne->setTextColor(theme->main_font_color());
    txtView_agreement->setTextColor(theme->light_font_color());
}

void CardholderAgreementViewController::initialzieViewModel() {
    makeViewModel(viewModel);
}

void CardholderAgreementViewController::viewWillLayoutSubviews() {
    showAgreementFromTheTop();
}

void CardholderAgreementViewController::viewDidLayoutSubviews() {
    showAgreementFromTheTop();
}

void CardholderAgreementViewController::showAgreementFromTheTop() {
    txtView_agreement->setContentOffset(CGPointMake(0, 0), true);
}

void CardholderAgreementViewController::proceedToNextScreen() {
    HideHUD();
    pushScreen(screen::SuccessAndVerifiedViewController);
}

void CardholderAgreementViewController::action_continue(UIButton*) {
    if (viewModel) viewModel->applyForCard();
}

void CardholderAgreementViewController::action_back(UIButton*) {
    hideOverlayThenPop();
}

void CardholderAgreementViewController::showHUD() {
    ShowHUD(NSLocalizedString("Please wait!", ""));
}

void CardholderAgreementViewController::dismissHUD() {
    HideHUD();
}

void CardholderAgreementViewController::successfullyCreateCardHolder() {
    proceedToNextScreen();
}

void CardholderAgreementViewController::errorInCreateCardHolder() {
    showCheckFailure("Unable To Get Card", "Something went wrong. Please try again!");
}

void CardholderAgreementViewController::failedService() {
    CreateNotification(NSLocalizedString("Get Card Service Failed", ""), std::string(),
                       BannerMessageTypeError);
}

}  // namespace fv
