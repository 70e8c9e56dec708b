#include "platform/net/TrustedAuthorities.h"

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <memory>
#include <mutex>
#include <vector>

#include "platform/foundation/FileContents.h"
#include "platform/foundation/ResetHooks.h"

namespace fv {

namespace {

struct X509Free {
    void operator()(X509* certificate) const { X509_free(certificate); }
};
using Certificate = std::unique_ptr<X509, X509Free>;

// A PEM file holding an authority is a few kilobytes; a bundle of many is still far below this.
constexpr std::size_t kMaximumPEMBytes = 1024 * 1024;

std::mutex& registryMutex() {
    static std::mutex mutex;
    return mutex;
}

std::vector<Certificate>& registry() {
    static std::vector<Certificate> certificates;
    return certificates;
}

std::vector<Certificate> readCertificates(const std::string& pem) {
    std::vector<Certificate> out;
    if (pem.empty() || pem.size() > kMaximumPEMBytes) return out;
    std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())),
                                                  BIO_free);
    if (!bio) return out;
    while (X509* certificate = PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr)) {
        out.emplace_back(certificate);
    }
    // The loop ends at the end of the text or at something unreadable; only the first is fine.
    unsigned long reason = ERR_peek_last_error();
    bool clean = ERR_GET_LIB(reason) == ERR_LIB_PEM && ERR_GET_REASON(reason) == PEM_R_NO_START_LINE;
    ERR_clear_error();
    if (!clean) out.clear();
    return out;
}

// Each test starts with the system's store alone.
[[maybe_unused]] const bool registered =
    ResetHooks::add("net.trustedAuthorities", [] { TrustedAuthorities::removeAddedAuthorities(); });

}  // namespace

bool TrustedAuthorities::addCertificateAuthorityPEM(const std::string& pem) {
    auto certificates = readCertificates(pem);
    if (certificates.empty()) return false;
    std::lock_guard lock(registryMutex());
    for (auto& certificate : certificates) registry().push_back(std::move(certificate));
    return true;
}

bool TrustedAuthorities::addCertificateAuthorityFile(const std::string& path) {
    auto contents = readFileContents(path, kMaximumPEMBytes);
    return contents && addCertificateAuthorityPEM(std::string(contents->begin(), contents->end()));
}

void TrustedAuthorities::removeAddedAuthorities() {
    std::lock_guard lock(registryMutex());
    registry().clear();
}

std::size_t TrustedAuthorities::count() {
    std::lock_guard lock(registryMutex());
    return registry().size();
}

void TrustedAuthorities::addTo(void* sslContext) {
    X509_STORE* store = SSL_CTX_get_cert_store(static_cast<SSL_CTX*>(sslContext));
    if (!store) return;
    std::lock_guard lock(registryMutex());
    // An authority already in the store is reported as an error that changes nothing.
    for (const auto& certificate : registry()) X509_STORE_add_cert(store, certificate.get());
    ERR_clear_error();
}

}  // namespace fv
