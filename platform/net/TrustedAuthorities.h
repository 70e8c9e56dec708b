#pragma once
// Certificate authorities that HTTPS loads trust besides the system's store: a host whose services
// use a private authority, or a test serving HTTPS on loopback, adds its authority here. Peer and
// host-name verification stay on whatever is added.
#include <cstddef>
#include <string>

namespace fv {

class TrustedAuthorities {
  public:
    // Adds every certificate of `pem` (PEM text, one or more certificates). False, and nothing added,
    // when the text holds no readable certificate or something unreadable after one.
    static bool addCertificateAuthorityPEM(const std::string& pem);
    // The same for a PEM file; false when it cannot be read.
    static bool addCertificateAuthorityFile(const std::string& path);
    // Back to the system's store alone, for loads started from now on.
    static void removeAddedAuthorities();
    static std::size_t count();

    // Adds the authorities to an OpenSSL SSL_CTX's store; called by the transport per connection.
    static void addTo(void* sslContext);
};

}  // namespace fv
