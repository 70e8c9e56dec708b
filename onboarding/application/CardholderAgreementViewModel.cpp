#include "onboarding/application/CardholderAgreementViewModel.h"

#include <charconv>

#include "core/ApiDataModel.h"
#include "core/ServiceConstants.h"
#include "core/ServiceManager.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"

namespace fv {

FV_REGISTER_CLASS(CardholderAgreementViewModel);

void CardholderAgreementViewModel::applyForCard() {
    // Only a shared view model can outlive its screen until the reply comes (see create()).
    auto self = sharedAs<CardholderAgreementViewModel>();
    if (!self) return;
    if (auto d = listener()) d->showHUD();
    const auto request = ApiDataModel::sharedInstance()->getNewCardRequest();
    if (!request) {
        log("New card application: there is no request to post");
        // Still in a later turn, so that the screen sees the same order as with a reply.
        RunLoop::main().post(
            [self] { self->handleCreateCardholderResponse(SERVICE_RESULT_ERROR, std::nullopt); });
        return;
    }
    // The completion holds the view model, so the reply is handled even if the screen let go of it.
    // The reply arrives parsed: a large one would hold the screen still if it were parsed again here.
    ServiceManager::sharedInstance()->PostServiceForReply(
        request->toDictionary(), SERVICE_URL + SERVICE_ACTION_CREATE_CARD,
        [self](const std::optional<std::string>& result, const std::optional<std::string>&,
               const std::shared_ptr<const ServiceManager::Reply>& reply) {
            RunLoop::main().post([self, result, reply] {
                self->handleOutcome(result, [&reply] {
                    // Read in place: a copy of a large reply would cost the main queue nearly as much.
                    static const Value none;
                    ApiDataModel::sharedInstance()->Initialize_GetNewCardResponseFromReply(
                        reply ? reply->object : none);
                });
            });
        });
}

void CardholderAgreementViewModel::handleCreateCardholderResponse(
    const std::optional<std::string>& result, const std::optional<std::string>& response) {
    handleOutcome(result, [&response] {
        ApiDataModel::sharedInstance()->Initialize_GetNewCardResponseInstance(response);
    });
}

void CardholderAgreementViewModel::handleOutcome(const std::optional<std::string>& result,
                                                 const std::function<void()>& keepReply) {
    if (auto d = listener()) d->dismissHUD();
    if (result == SERVICE_RESULT_SUCCESS) {
        keepReply();
        const auto code = currentResponseCode();
        const auto number = code ? responseCodeNumber(*code) : std::nullopt;
        if (auto d = listener()) {
            if (number == 0) {
                d->successfullyCreateCardHolder();
            } else {
                d->errorInCreateCardHolder();
            }
        }
    } else if (result == SERVICE_RESULT_ERROR) {
        if (auto d = listener()) d->errorInCreateCardHolder();
    } else if (result == SERVICE_RESULT_FAILURE) {
        if (auto d = listener()) d->failedService();
    }
}

std::optional<std::string> CardholderAgreementViewModel::currentResponseCode() {
    const auto reply = ApiDataModel::sharedInstance()->getNewCardResponse();
    if (!reply || !reply->createCardHolderResponse) return std::nullopt;
    const auto& info = reply->createCardHolderResponse->responseInfo;
    if (!info) return std::nullopt;
    return info->responseCode;
}

std::optional<std::int64_t> CardholderAgreementViewModel::responseCodeNumber(const std::string& code) {
    std::size_t start = 0;
    if (!code.empty() && (code[0] == '+' || code[0] == '-')) start = 1;
    if (start == code.size()) return std::nullopt;
    for (std::size_t i = start; i < code.size(); ++i) {
        if (code[i] < '0' || code[i] > '9') return std::nullopt;
    }
    // from_chars takes a "-" but no "+"; the digits alone are read, the sign applied after.
    std::uint64_t magnitude = 0;
    const char* first = code.data() + start;
    const char* last = code.data() + code.size();
    if (std::from_chars(first, last, magnitude).ec != std::errc()) return std::nullopt;
    const bool negative = code[0] == '-';
    constexpr std::uint64_t kMax = static_cast<std::uint64_t>(INT64_MAX);
    if (magnitude > kMax + (negative ? 1 : 0)) return std::nullopt;
    if (!negative) return static_cast<std::int64_t>(magnitude);
    return magnitude == kMax + 1 ? INT64_MIN : -static_cast<std::int64_t>(magnitude);
}

}  // namespace fv
