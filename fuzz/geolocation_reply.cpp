// Geolocation services' replies come from the network: whatever a service (or something posing as
// one) answers, reading it in any service's shape must give a location or an error, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "locations/IPAddressGeocoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the shape, the rest is the body.
    const auto service = static_cast<fv::IPAddressGeocoder::Service>(data[0] % 8);
    const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
    auto reply = fv::IPAddressGeocoder::readServiceReply(service, body);
    if (!reply.error && !reply.location) __builtin_trap();
    return 0;
}
