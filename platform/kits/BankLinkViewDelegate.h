#pragma once
// What a bank-link screen reports to the screen that presented it: exactly one of the two calls, on
// the main thread, after the link screen was shown. Dismissing the link screen is the receiver's job.
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/NSError.h"
#include "platform/foundation/Value.h"

namespace fv {

class BankLinkViewController;

class BankLinkViewDelegate {
  public:
    virtual ~BankLinkViewDelegate() = default;
    // linkViewController:didSucceedWithPublicToken:metadata:
    virtual void linkViewControllerDidSucceedWithPublicToken(
        const std::shared_ptr<BankLinkViewController>& controller, const std::string& publicToken,
        const std::optional<Value>& metadata) = 0;
    // linkViewController:didExitWithError:metadata:
    virtual void linkViewControllerDidExitWithError(const std::shared_ptr<BankLinkViewController>& controller,
                                                    const std::optional<NSError>& error,
                                                    const std::optional<Value>& metadata) = 0;
};

}  // namespace fv
