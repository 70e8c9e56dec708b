#include "core/BankLinkSettings.h"

#include "platform/foundation/ResetHooks.h"

namespace fv {

namespace {

BankLinkCredentials& inForce() {
    static BankLinkCredentials credentials = BankLinkSettings::defaults();
    return credentials;
}

[[maybe_unused]] const bool registered =
    ResetHooks::add("core.bankLinkSettings", [] { BankLinkSettings::reset(); });

}  // namespace

BankLinkCredentials BankLinkSettings::defaults() {
    return {"7c1e94d03a5f28b6e0d4c912", "3e9d0b7a26c4f18e5d2a9c07b36f41", "a84f0c2e9b7d31f6e5a0c48d92b17e"};
}

const BankLinkCredentials& BankLinkSettings::current() {
    return inForce();
}

void BankLinkSettings::set(const BankLinkCredentials& credentials) {
    inForce() = credentials;
}

void BankLinkSettings::reset() {
    inForce() = defaults();
}

}  // namespace fv
