// Archives are read back from the user-defaults file: decoding must never crash, and whatever it
// accepts must archive again to the same tree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/foundation/KeyedArchiver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto value = fv::NSKeyedUnarchiver::unarchiveObjectWithData(fv::Value::Bytes(data, data + size));
    if (!value) return 0;
    const auto bytes = fv::NSKeyedArchiver::archivedDataWithRootObject(*value);
    if (bytes.empty()) return 0;
    auto again = fv::NSKeyedUnarchiver::unarchiveObjectWithData(bytes);
    if (!again || *again != *value) std::abort();
    return 0;
}
