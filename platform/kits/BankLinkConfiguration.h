#pragma once
// The bank-link vendor's settings for one link session. The values are the vendor's own enumeration
// values and are kept as given.
#include <cstdint>
#include <string>

namespace fv {

struct BankLinkConfiguration {
    BankLinkConfiguration() = default;
    // initWithKey:env:product:selectAccount:longtailAuth:apiVersion:
    BankLinkConfiguration(std::string key, std::int64_t env, std::int64_t product, bool selectAccount,
                          bool longtailAuth, std::int64_t apiVersion)
        : key(std::move(key)),
          env(env),
          product(product),
          selectAccount(selectAccount),
          longtailAuth(longtailAuth),
          apiVersion(apiVersion) {}

    std::string key;
    std::int64_t env = 0;
    std::int64_t product = 0;
    bool selectAccount = false;
    bool longtailAuth = false;
    std::int64_t apiVersion = 0;

    bool operator==(const BankLinkConfiguration&) const = default;
};

}  // namespace fv
