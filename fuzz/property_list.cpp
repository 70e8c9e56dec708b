// Property lists come from files anyone can edit: reading must never crash, and what it reads must
// write back and read again to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/foundation/PropertyList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto value = fv::PropertyList::readData(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!value) return 0;
    const std::string xml = fv::PropertyList::toXML(*value);
    if (xml.empty()) return 0;  // e.g. a text holding NUL from a character reference
    auto again = fv::PropertyList::readData(xml);
    if (!again || *again != *value) std::abort();
    return 0;
}
