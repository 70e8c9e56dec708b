// Localized-strings tables come from resource folders a host supplies: parsing must never crash and
// must only ever produce valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/foundation/StringsFile.h"
#include "platform/foundation/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto table = fv::StringsFile::parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!table) return 0;
    for (const auto& [key, value] : *table)
        if (!fv::utf8::isValid(key) || !fv::utf8::isValid(value)) std::abort();
    return 0;
}
