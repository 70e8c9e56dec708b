#pragma once
// Posts the new-card application held by ApiDataModel to the backend's create-cardholder action and
// tells its delegate (the agreement screen) how it went. It keeps no state besides its references:
// each applyForCard posts the same request again.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "onboarding/application/CardholderAgreementViewModelDelegate.h"
#include "screenkit/ViewModel.h"

namespace fv {

class CardholderAgreementViewModel : public ViewModel {
    FV_CLASS(CardholderAgreementViewModel, ViewModel)

    // View models are shared: a post in flight keeps its view model alive.
    static std::shared_ptr<CardholderAgreementViewModel> create() {
        return std::make_shared<CardholderAgreementViewModel>();
    }

    // showHUD, then the post; returns at once. The outcome reaches the delegate in a later turn of
    // the main queue, dismissHUD first. Without a request to post nothing is sent and the delegate
    // hears errorInCreateCardHolder.
    void applyForCard();

    // The completion step: `result` is one of the service result strings (or anything else, which
    // only takes the overlay away), `response` the reply's JSON text on success.
    void handleCreateCardholderResponse(const std::optional<std::string>& result,
                                        const std::optional<std::string>& response);

    // The response code as a signed base-10 number: an optional sign, then digits only, within 64 bits.
    static std::optional<std::int64_t> responseCodeNumber(const std::string& code);

  private:
    // Tells the delegate what `result` means, after `keepReply` has stored a successful reply.
    void handleOutcome(const std::optional<std::string>& result, const std::function<void()>& keepReply);
    // The delegate as it is at this moment; none once the screen is gone.
    std::shared_ptr<CardholderAgreementViewModelDelegate> listener() const {
        return delegateAs<CardholderAgreementViewModelDelegate>();
    }
    // The response code of the reply ApiDataModel holds now, every step of the way checked.
    static std::optional<std::string> currentResponseCode();
};

}  // namespace fv
