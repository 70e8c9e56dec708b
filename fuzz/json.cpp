// JSON comes from servers: parsing must never crash, and what it accepts must serialize and parse
// back to the same value.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/foundation/JSON.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto value = fv::JSON::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!value) return 0;
    auto text = fv::JSON::serialize(*value, size % 2 == 0);
    if (!text) std::abort();  // everything parsed from JSON is JSON again
    auto again = fv::JSON::parse(*text);
    if (!again || *again != *value) std::abort();
    return 0;
}
