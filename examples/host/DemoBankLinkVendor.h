#pragma once
// The example host's stand-in for the bank-link vendor's REST service: a real HTTP server on
// 127.0.0.1 answering the token exchange and the auth call, so that the vendor route of adding a bank
// account can be walked without the vendor. start() points the framework's vendor address at it;
// stop() (or the destructor) puts the address back.
//
// Every linked login reports one checking account with the numbers below; entering them verifies the
// account, anything else does not. It checks the credentials the host configured, and logs no token
// or number.
#include <memory>
#include <string>

namespace fv {

class DemoBankLinkVendor {
  public:
    // The one account every linked login reports.
    static constexpr const char* kAccountNumber = "1111222233330000";
    static constexpr const char* kRoutingNumber = "011401533";
    static constexpr const char* kSubtype = "checking";

    DemoBankLinkVendor();
    ~DemoBankLinkVendor();
    DemoBankLinkVendor(const DemoBankLinkVendor&) = delete;
    DemoBankLinkVendor& operator=(const DemoBankLinkVendor&) = delete;

    // Serves on a free port of 127.0.0.1 and makes it the framework's vendor address. False, after a
    // log line, when no port could be bound. Starting a running vendor does nothing.
    bool start();
    // Stops serving and, when the vendor address is still this server's, clears it.
    void stop();
    bool isRunning() const;
    // "http://127.0.0.1:<port>"; empty when not running.
    std::string baseURL() const;
    // How many requests of each kind were answered.
    int exchangesAnswered() const;
    int authsAnswered() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace fv
