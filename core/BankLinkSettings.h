#pragma once
// The bank-link vendor's credentials and link key, which a host sets for its own vendor account. The
// built-in values are the sandbox's. None of them is ever written to the log. Main thread only.
//
//     BankLinkSettings::set({"<client id>", "<secret>", "<public key>"});
#include <string>

namespace fv {

struct BankLinkCredentials {
    // "client_id" and "secret" of both REST calls.
    std::string clientId;
    std::string secret;
    // The key the link screen is configured with.
    std::string publicKey;

    bool operator==(const BankLinkCredentials&) const = default;
};

class BankLinkSettings {
  public:
    static BankLinkCredentials defaults();
    // What is in force: the host's, else the defaults.
    static const BankLinkCredentials& current();
    // The host's credentials, used from the next verification on.
    static void set(const BankLinkCredentials& credentials);
    // Back to the defaults.
    static void reset();
};

}  // namespace fv
