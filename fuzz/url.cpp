// URLs arrive in replies and from hosts: parsing and resolving must never crash, and what is accepted
// must read back to the same URL.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/net/URL.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const auto base = fv::NSURL::URLWithString("https://api.example.test/v1/cards/list?page=2#top");
    if (!base) std::abort();
    if (auto url = fv::NSURL::URLWithString(text)) {
        auto again = fv::NSURL::URLWithString(url->absoluteString());
        if (!again || !(*again == *url) || again->host() != url->host() || again->port() != url->port())
            std::abort();
    }
    if (auto resolved = fv::NSURL::URLWithString(text, *base)) {
        if (!fv::NSURL::URLWithString(resolved->absoluteString())) std::abort();
    }
    // Escaped text holds nothing a URL may not carry, so it always parses as a relative reference.
    const std::string escaped = fv::percentEscape(text);
    for (char c : escaped)
        if (static_cast<unsigned char>(c) < 0x21 || static_cast<unsigned char>(c) > 0x7E) std::abort();
    return 0;
}
