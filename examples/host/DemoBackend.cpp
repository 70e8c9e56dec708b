#include "examples/host/DemoBackend.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <mutex>

#include "core/ServiceAddresses.h"
#include "core/ServiceConstants.h"
#include "examples/host/ServerThread.h"
#include "platform/foundation/JSON.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Value.h"
#include "platform/net/URL.h"

namespace fv {

namespace {

constexpr std::size_t kMaxBodyBytes = 64 * 1024;
constexpr std::size_t kKeptBodies = 16;
constexpr double kMaxHoldSeconds = 600;
constexpr const char* kDefaultBin = "221133";
constexpr const char* kJSON = "application/json";

bool allDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// The path the framework's backend lives under ("/RestfulWS/restful/services").
std::string servicesPath() {
    auto url = NSURL::URLWithString(SERVICE_URL);
    return url ? url->path() : std::string();
}

std::string utcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
    return text;
}

// A 16-digit number: the BIN, a serial, a check digit chosen so that the Luhn sum holds, then the
// last four. The check digit sits fifth from the right, a place the Luhn sum does not double.
std::string cardNumber(const std::string& bin, unsigned serial, const std::string& lastFour) {
    std::string serialText = std::to_string(serial % 100000);
    serialText.insert(0, 5 - serialText.size(), '0');
    std::string number = bin + serialText + "0" + lastFour;
    int sum = 0;
    for (std::size_t i = 0; i < number.size(); ++i) {
        int digit = number[number.size() - 1 - i] - '0';
        if (i % 2 == 1) digit = digit * 2 > 9 ? digit * 2 - 9 : digit * 2;
        sum += digit;
    }
    number[number.size() - 5] = static_cast<char>('0' + (10 - sum % 10) % 10);
    return number;
}

std::string jsonText(const Value& value) {
    return JSON::serialize(value, true).value_or("{}");
}

}  // namespace

struct DemoBackend::Impl {
    httplib::Server server;
    ServerThread thread;
    int port = 0;

    mutable std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::string lastFour = "4321";
    Outcome outcome = Outcome::Created;
    double holdSeconds = 40;
    unsigned serial = 0;
    std::deque<std::string> bodies;

    void answer(const httplib::Request& request, httplib::Response& response);
    Value createdReply(const Value& application, const std::string& lastFour, unsigned serial) const;
    static Value declinedReply(const Value& application, unsigned serial);
};

Value DemoBackend::Impl::createdReply(const Value& application, const std::string& digits,
                                      unsigned number) const {
    const Value& holder = application["create_cardholder"]["cardholder_data"];
    std::string bin = holder["card_bin"].stringValue();
    if (!allDigits(bin) || bin.size() != 6) bin = kDefaultBin;
    const std::string serial = std::to_string(number);
    const std::string created = utcNow();
    const std::string cardholderId = "CH" + serial;
    Value::Dictionary balance{{"cardBalance", "0.00"},
                              {"currencyCode", "840"},
                              {"heldAmount", "0.00"},
                              {"ledgerBalance", "0.00"},
                              {"walletId", "W" + serial}};
    Value::Dictionary card{{"accountBalances", Value::Array{Value(std::move(balance))}},
                           {"cardholderId", cardholderId},
                           {"cardLastFour", digits},
                           {"cardNo", cardNumber(bin, number, digits)},
                           {"cardRefNo", "REF" + serial},
                           {"cardStatus", "ACTIVE"},
                           {"createdOn", created}};
    Value::Dictionary reply{
        {"responseInfo",
         Value::Dictionary{{"responseCode", "0"},
                           {"acquirerRefNo",
                            application["create_cardholder"]["transaction"]["acquirer_ref_no"].stringValue()},
                           {"responseDesc", "Approved"},
                           {"transactionId", "TXN" + serial}}},
        {"cardsData", Value::Array{Value(std::move(card))}},
        {"cardholderInfo",
         Value::Dictionary{{"batchNo", "B001"}, {"cardholderId", cardholderId}, {"createdOn", created}}}};
    return Value::Dictionary{{"create_cardholder_response", Value(std::move(reply))}};
}

Value DemoBackend::Impl::declinedReply(const Value& application, unsigned number) {
    return Value::Dictionary{
        {"create_cardholder_response",
         Value::Dictionary{
             {"responseInfo",
              Value::Dictionary{
                  {"responseCode", kDeclinedCode},
                  {"acquirerRefNo",
                   application["create_cardholder"]["transaction"]["acquirer_ref_no"].stringValue()},
                  {"responseDesc", kDeclinedText},
                  {"transactionId", "TXN" + std::to_string(number)}}}}}};
}

void DemoBackend::Impl::answer(const httplib::Request& request, httplib::Response& response) {
    std::unique_lock lock(mutex);
    bodies.push_back(request.body);
    if (bodies.size() > kKeptBodies) bodies.pop_front();
    const Outcome now = outcome;
    const std::string digits = lastFour;
    const unsigned number = ++serial;

    const std::optional<Value> application = JSON::parse(request.body);
    if (!application || !application->operator[]("create_cardholder").isDictionary()) {
        log("Demo backend: the application is not a JSON object with \"create_cardholder\"");
        response.status = 400;
        response.set_content(jsonText(Value::Dictionary{{"error", "malformed application"}}), kJSON);
        return;
    }
    switch (now) {
        case Outcome::Created:
            log("Demo backend: application " + std::to_string(number) + " approved");
            response.set_content(jsonText(createdReply(*application, digits, number)), kJSON);
            return;
        case Outcome::Declined:
            log("Demo backend: application " + std::to_string(number) + " declined");
            response.set_content(jsonText(declinedReply(*application, number)), kJSON);
            return;
        case Outcome::ServerError:
            log("Demo backend: application " + std::to_string(number) + " answered with a server error");
            response.status = 500;
            response.set_content(jsonText(Value::Dictionary{{"error", "internal server error"}}), kJSON);
            return;
        case Outcome::TimeOut:
            log("Demo backend: application " + std::to_string(number) + " held back");
            wake.wait_for(lock, std::chrono::duration<double>(holdSeconds), [this] { return stopping; });
            response.status = 504;
            response.set_content(jsonText(Value::Dictionary{{"error", "timed out"}}), kJSON);
            return;
    }
}

DemoBackend::DemoBackend() : impl_(std::make_unique<Impl>()) {
    Impl& s = *impl_;
    s.server.set_payload_max_length(kMaxBodyBytes);
    // One request per connection, so that stopping never waits out a kept-alive connection.
    s.server.set_keep_alive_max_count(1);
    s.server.Post(
        servicesPath() + SERVICE_ACTION_CREATE_CARD,
        [&s](const httplib::Request& request, httplib::Response& response) { s.answer(request, response); });
}

DemoBackend::~DemoBackend() {
    stop();
}

bool DemoBackend::start() {
    if (isRunning()) return true;
    Impl& s = *impl_;
    s.port = s.server.bind_to_any_port("127.0.0.1");
    if (s.port <= 0 || !s.server.is_valid()) {
        log("Demo backend: no port on 127.0.0.1 could be bound");
        s.port = 0;
        return false;
    }
    {
        std::lock_guard lock(s.mutex);
        s.stopping = false;
    }
    s.thread.start(s.server);
    ServiceAddresses::setBaseURL(OutsideService::Backend, baseURL());
    log("Demo backend: serving at " + baseURL());
    return true;
}

void DemoBackend::stop() {
    Impl& s = *impl_;
    if (!s.thread.isRunning()) return;
    {
        std::lock_guard lock(s.mutex);
        s.stopping = true;
    }
    s.wake.notify_all();
    if (ServiceAddresses::baseURL(OutsideService::Backend) == baseURL())
        ServiceAddresses::setBaseURL(OutsideService::Backend, std::nullopt);
    s.thread.stop();
    s.port = 0;
}

bool DemoBackend::isRunning() const {
    return impl_->thread.isRunning();
}

std::string DemoBackend::baseURL() const {
    if (impl_->port == 0) return {};
    return "http://127.0.0.1:" + std::to_string(impl_->port) + servicesPath();
}

bool DemoBackend::setCardLastFour(const std::string& digits) {
    if (digits.size() != 4 || !allDigits(digits)) return false;
    std::lock_guard lock(impl_->mutex);
    impl_->lastFour = digits;
    return true;
}

std::string DemoBackend::cardLastFour() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->lastFour;
}

void DemoBackend::setOutcome(Outcome outcome) {
    std::lock_guard lock(impl_->mutex);
    impl_->outcome = outcome;
}

DemoBackend::Outcome DemoBackend::outcome() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->outcome;
}

void DemoBackend::setTimeOutHold(double seconds) {
    std::lock_guard lock(impl_->mutex);
    impl_->holdSeconds = seconds > 0 ? std::min(seconds, kMaxHoldSeconds) : 0;
}

std::vector<std::string> DemoBackend::receivedBodies() const {
    std::lock_guard lock(impl_->mutex);
    return {impl_->bodies.begin(), impl_->bodies.end()};
}

}  // namespace fv
