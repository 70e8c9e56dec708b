#pragma once
// A certificate authority and a server certificate for loopback HTTPS in tests, made with OpenSSL
// when first asked for (never shipped, never trusted by the system). The server certificate names
// 127.0.0.1, ::1 and localhost, and is signed by the authority.
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <string>

namespace fv::test {

class TestCertificates {
  public:
    static const TestCertificates& shared();

    // The authority's certificate, for TrustedAuthorities.
    const std::string& authorityPEM() const { return authorityPEM_; }
    X509* serverCertificate() const { return serverCertificate_; }
    EVP_PKEY* serverKey() const { return serverKey_; }

    ~TestCertificates();
    TestCertificates(const TestCertificates&) = delete;
    TestCertificates& operator=(const TestCertificates&) = delete;

  private:
    TestCertificates();
    EVP_PKEY* authorityKey_ = nullptr;
    X509* authority_ = nullptr;
    EVP_PKEY* serverKey_ = nullptr;
    X509* serverCertificate_ = nullptr;
    std::string authorityPEM_;
};

}  // namespace fv::test
