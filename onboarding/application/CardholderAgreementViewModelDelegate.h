#pragma once
// What the cardholder agreement screen hears from its view model while an application is posted.
// Every call comes on the main thread.
namespace fv {

class CardholderAgreementViewModelDelegate {
  public:
    virtual ~CardholderAgreementViewModelDelegate() = default;

    // The backend issued the card (response code 0).
    virtual void successfullyCreateCardHolder() = 0;
    // The backend refused the application, or its reply could not be read.
    virtual void errorInCreateCardHolder() = 0;
    // The backend could not be reached, timed out or answered with a fault.
    virtual void failedService() = 0;
    // The post is starting.
    virtual void showHUD() = 0;
    // The reply is being handled; comes first, whatever the reply says.
    virtual void dismissHUD() = 0;
};

}  // namespace fv
