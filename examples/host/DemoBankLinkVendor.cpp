#include "examples/host/DemoBankLinkVendor.h"

#include <httplib.h>

#include <atomic>
#include <map>
#include <mutex>
#include <random>

#include "core/BankLinkSettings.h"
#include "core/ServiceAddresses.h"
#include "core/ServiceConstants.h"
#include "examples/host/ServerThread.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Value.h"

namespace fv {

namespace {

constexpr std::size_t kMaxBodyBytes = 16 * 1024;
constexpr std::size_t kMaxLiveTokens = 64;
constexpr const char* kJSON = "application/json";

std::string randomHex(std::size_t digits) {
    static thread_local std::mt19937_64 engine{std::random_device{}()};
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < digits; ++i) out += hex[engine() % 16];
    return out;
}

void reply(httplib::Response& response, int status, const Value& body) {
    response.status = status;
    response.set_content(JSON::serialize(body).value_or("{}"), kJSON);
}

void error(httplib::Response& response, int status, const std::string& code) {
    reply(response, status, Value(Value::Dictionary{{"error_code", code}}));
}

}  // namespace

struct DemoBankLinkVendor::Impl {
    httplib::Server server;
    ServerThread thread;
    int port = 0;
    std::atomic<int> exchanges{0}, auths{0};
    mutable std::mutex mutex;
    // Access tokens handed out, each good for the one auth call that follows.
    std::map<std::string, bool> liveTokens;
    BankLinkCredentials expected = BankLinkSettings::current();

    // The body as an object whose credentials are the host's and whose `member` is a text.
    std::optional<Value> checked(const httplib::Request& request, httplib::Response& response,
                                 const char* member) {
        auto body = JSON::parse(request.body);
        if (!body || !body->isDictionary() || !(*body)[member].isString()) {
            error(response, 400, "INVALID_REQUEST");
            return std::nullopt;
        }
        if ((*body)["client_id"].stringValue() != expected.clientId ||
            (*body)["secret"].stringValue() != expected.secret) {
            error(response, 401, "INVALID_API_KEYS");
            return std::nullopt;
        }
        return body;
    }

    void exchange(const httplib::Request& request, httplib::Response& response) {
        if (!checked(request, response, "public_token")) return;
        const std::string token = "access-demo-" + randomHex(24);
        {
            std::lock_guard lock(mutex);
            if (liveTokens.size() >= kMaxLiveTokens) liveTokens.clear();
            liveTokens[token] = true;
        }
        ++exchanges;
        log("Demo vendor: a public token was exchanged");
        reply(response, 200,
              Value(Value::Dictionary{{"access_token", token}, {"item_id", "item-demo-" + randomHex(8)}}));
    }

    void auth(const httplib::Request& request, httplib::Response& response) {
        auto body = checked(request, response, "access_token");
        if (!body) return;
        {
            std::lock_guard lock(mutex);
            if (liveTokens.erase((*body)["access_token"].stringValue()) == 0) {
                error(response, 400, "INVALID_ACCESS_TOKEN");
                return;
            }
        }
        ++auths;
        log("Demo vendor: numbers reported for one account");
        Value ach(Value::Dictionary{{"account_id", "demo-checking-1"},
                                    {"account", kAccountNumber},
                                    {"routing", kRoutingNumber},
                                    {"wire_routing", kRoutingNumber}});
        Value account(Value::Dictionary{{"account_id", "demo-checking-1"},
                                        {"name", "Demo Checking"},
                                        {"mask", std::string(kAccountNumber).substr(12)},
                                        {"type", "depository"},
                                        {"subtype", kSubtype}});
        reply(
            response, 200,
            Value(Value::Dictionary{{"numbers", Value(Value::Dictionary{{"ach", Value(Value::Array{ach})}})},
                                    {"accounts", Value(Value::Array{account})}}));
    }
};

DemoBankLinkVendor::DemoBankLinkVendor() : impl_(std::make_unique<Impl>()) {
    Impl& s = *impl_;
    s.server.set_payload_max_length(kMaxBodyBytes);
    s.server.set_keep_alive_max_count(1);
    s.server.Post(BANKLINK_PATH_TOKEN_EXCHANGE, [&s](const auto& req, auto& res) { s.exchange(req, res); });
    s.server.Post(BANKLINK_PATH_AUTH, [&s](const auto& req, auto& res) { s.auth(req, res); });
}

DemoBankLinkVendor::~DemoBankLinkVendor() {
    stop();
}

bool DemoBankLinkVendor::start() {
    if (isRunning()) return true;
    Impl& s = *impl_;
    s.expected = BankLinkSettings::current();
    s.port = s.server.bind_to_any_port("127.0.0.1");
    if (s.port <= 0 || !s.server.is_valid()) {
        log("Demo vendor: no port on 127.0.0.1 could be bound");
        s.port = 0;
        return false;
    }
    s.thread.start(s.server);
    ServiceAddresses::setBaseURL(OutsideService::BankLink, baseURL());
    log("Demo vendor: serving at " + baseURL());
    return true;
}

void DemoBankLinkVendor::stop() {
    Impl& s = *impl_;
    if (!s.thread.isRunning()) return;
    if (ServiceAddresses::baseURL(OutsideService::BankLink) == baseURL())
        ServiceAddresses::setBaseURL(OutsideService::BankLink, std::nullopt);
    s.thread.stop();
    s.port = 0;
}

bool DemoBankLinkVendor::isRunning() const {
    return impl_->thread.isRunning();
}

std::string DemoBankLinkVendor::baseURL() const {
    if (impl_->port == 0) return {};
    return "http://127.0.0.1:" + std::to_string(impl_->port);
}

int DemoBankLinkVendor::exchangesAnswered() const {
    return impl_->exchanges.load();
}

int DemoBankLinkVendor::authsAnswered() const {
    return impl_->auths.load();
}

}  // namespace fv
