// The bank-link vendor's replies come from the network: whatever it (or something posing as it)
// answers, reading it as a token exchange or an auth reply must give a value or a problem, never a
// crash, and matching what was read must finish.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "banking/BankLinkReplies.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] % 2 == 0) {
        auto read = fv::readAccessToken(body);
        if (read.value.has_value() == !read.problem.empty()) __builtin_trap();
        return 0;
    }
    auto read = fv::readAuthReply(body);
    if (read.value.has_value() == !read.problem.empty()) __builtin_trap();
    if (read.value) {
        const auto match =
            fv::bankLinkDetailsMatch(*read.value, {"1111222233330000", "011401533", "checking"});
        if (match.verified && !match.problem.empty()) __builtin_trap();
    }
    return 0;
}
