#include "core/ApiDataModel.h"

#include <algorithm>

#include "platform/foundation/JSON.h"
#include "platform/foundation/Log.h"

namespace fv {

namespace {

// Enough to see a reply's shape in a log; a hostile reply cannot make the line long.
constexpr std::size_t kMaxOutlineDepth = 3;
constexpr std::size_t kMaxOutlineNames = 40;
constexpr std::size_t kMaxShownLength = 32;

// Outside text as it may appear in a log: printable ASCII only, shortened.
std::string shown(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (out.size() == kMaxShownLength) return out + "…";
        out += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return out;
}

// The member names of a reply, nested, without a single value: free texts and balances may carry
// card data.
void outline(const Value& value, std::size_t depth, std::size_t& names, std::string& out) {
    if (const Value::Array* items = value.asArray()) {
        out += "[" + std::to_string(items->size()) + "]";
        if (!items->empty() && (*items)[0].isDictionary()) outline((*items)[0], depth, names, out);
        return;
    }
    const Value::Dictionary* members = value.asDictionary();
    if (!members) return;
    if (depth == kMaxOutlineDepth) {
        out += "{…}";
        return;
    }
    out += "{";
    bool first = true;
    for (const auto& [key, member] : *members) {
        if (names++ == kMaxOutlineNames) {
            out += ", …";
            break;
        }
        out += (first ? "" : ", ") + shown(key);
        first = false;
        outline(member, depth + 1, names, out);
    }
    out += "}";
}

// A reply code worth logging is a few letters or digits; anything longer or odder may be a value the
// backend put in the wrong member, such as a card or account number.
constexpr std::size_t kMaxCodeLength = 8;

std::string shownCode(const std::string& code) {
    const auto alphanumeric = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    };
    const bool shortCode =
        code.size() <= kMaxCodeLength && std::all_of(code.begin(), code.end(), alphanumeric);
    return shortCode ? "\"" + code + "\"" : "withheld (not a short code)";
}

std::string replySummary(const GetNewCardResponseModel& model, const Value& reply) {
    const auto& response = model.createCardHolderResponse;
    const std::string code =
        response && response->responseInfo ? shownCode(response->responseInfo->responseCode) : "none";
    std::string members;
    std::size_t names = 0;
    outline(reply, 0, names, members);
    return "New card response: responseCode " + code + ", members " + members;
}

}  // namespace

std::shared_ptr<ApiDataModel> ApiDataModel::sharedInstance() {
    static const std::shared_ptr<ApiDataModel> instance(new ApiDataModel());
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
    const std::optional<Value> parsed = JSON::parse(*text);
    Initialize_GetNewCardResponseFromReply(parsed ? *parsed : Value());
}

void ApiDataModel::Initialize_GetNewCardResponseFromReply(const Value& reply) {
    response_ = std::make_shared<GetNewCardResponseModel>();
    if (!reply.isDictionary()) {
        // The reply itself may hold card data, so it is not echoed.
        log("New card response: the reply is not a JSON object");
        return;
    }
    // A reply lacking required fields still fills what it can; the screens check what they read.
    response_->mergeFromDictionary(reply, true);
    log(replySummary(*response_, reply));
}

}  // namespace fv
