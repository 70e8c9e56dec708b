#pragma once
// Holds the new-card application while the wizard fills it, and the backend's parsed reply for the
// screens that follow. Main thread only, apart from the creation of the shared instance.
#include <memory>
#include <optional>
#include <string>

#include "core/models/GetNewCardRequestModel.h"
#include "core/models/GetNewCardResponseModel.h"
#include "platform/foundation/Value.h"

namespace fv {

class ApiDataModel {
  public:
    // Created on first use; concurrent first calls get the same instance.
    static std::shared_ptr<ApiDataModel> sharedInstance();

    // Replaces the request with a new one holding the whole tree and its defaults.
    void Initialize_GetNewCardRequestInstance();
    // None until Initialize_GetNewCardRequestInstance has run.
    std::shared_ptr<GetNewCardRequestModel> getNewCardRequest() const { return request_; }

    // Replaces the response with one parsed from `text` (the reply's JSON). Without text, or with
    // text that is not a JSON object, the response is a new, empty model and the fault is logged.
    void Initialize_GetNewCardResponseInstance(const std::optional<std::string>& text);
    // The same from a reply already parsed (off the main thread), so that nothing is parsed here.
    void Initialize_GetNewCardResponseFromReply(const Value& reply);
    // None before the first reply.
    std::shared_ptr<GetNewCardResponseModel> getNewCardResponse() const { return response_; }

    // Drops the request and the response, as in a fresh process; for tests only.
    void resetForTesting() {
        request_.reset();
        response_.reset();
    }

    ApiDataModel(const ApiDataModel&) = delete;
    ApiDataModel& operator=(const ApiDataModel&) = delete;

  private:
    ApiDataModel() = default;

    std::shared_ptr<GetNewCardRequestModel> request_;
    std::shared_ptr<GetNewCardResponseModel> response_;
};

}  // namespace fv
