#include "core/ApiDataModel.h"

#include "platform/foundation/JSON.h"
#include "platform/foundation/Log.h"

namespace fv {

ApiDataModel& ApiDataModel::sharedInstance() {
    static ApiDataModel instance;
    return instance;
}

void ApiDataModel::Initialize_GetNewCardRequestInstance() {
    auto request = std::make_shared<GetNewCardRequestModel>();
    request->initWithPredefinedData();
    request_ = std::move(request);
}

void ApiDataModel::Initialize_GetNewCardResponseInstance(const std::optional<std::string>& text) {
    response_ = std::make_shared<GetNewCardResponseModel>();
    if (!text) {
        log("New card response: no reply text");
        return;
    }
    std::optional<Value> parsed = JSON::parse(*text);
    if (!parsed || !parsed->isDictionary()) {
        // The reply itself may hold card data, so it is not echoed.
        log("New card response: the reply is not a JSON object");
        return;
    }
    // A reply lacking required fields still fills what it can; the screens check what they read.
    response_->mergeFromDictionary(*parsed, true);
    log(response_->description());
}

}  // namespace fv
