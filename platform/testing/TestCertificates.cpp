#include "platform/testing/TestCertificates.h"

#include <openssl/pem.h>
#include <openssl/x509v3.h>

#include <cstdlib>
#include <memory>

namespace fv::test {

namespace {

constexpr long kValidSeconds = 7L * 24 * 3600;

// The tests cannot run without these; a failure here is a broken OpenSSL, not a test outcome.
void require(bool ok) {
    if (!ok) std::abort();
}

void addExtension(X509* certificate, X509* issuer, int nid, const char* value) {
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
    require(extension != nullptr);
    require(X509_add_ext(certificate, extension, -1) == 1);
    X509_EXTENSION_free(extension);
}

// Signed by `issuer` with `issuerKey`; self-signed when `issuer` is null.
X509* makeCertificate(EVP_PKEY* key, const char* commonName, long serial, X509* issuer, EVP_PKEY* issuerKey) {
    X509* certificate = X509_new();
    require(certificate != nullptr);
    X509_set_version(certificate, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(certificate), serial);
    X509_gmtime_adj(X509_getm_notBefore(certificate), -3600);
    X509_gmtime_adj(X509_getm_notAfter(certificate), kValidSeconds);
    require(X509_set_pubkey(certificate, key) == 1);
    X509_NAME* name = X509_get_subject_name(certificate);
    X509_NAME_add_entry_by_txt(name, "O", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("Fernvault tests"), -1, -1, 0);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>(commonName),
                               -1, -1, 0);
    X509* signer = issuer ? issuer : certificate;
    X509_set_issuer_name(certificate, X509_get_subject_name(signer));
    addExtension(certificate, signer, NID_subject_key_identifier, "hash");
    if (issuer) {
        addExtension(certificate, signer, NID_basic_constraints, "critical,CA:FALSE");
        addExtension(certificate, signer, NID_key_usage, "critical,digitalSignature,keyEncipherment");
        addExtension(certificate, signer, NID_ext_key_usage, "serverAuth");
        addExtension(certificate, signer, NID_authority_key_identifier, "keyid:always");
        addExtension(certificate, signer, NID_subject_alt_name, "DNS:localhost,IP:127.0.0.1,IP:::1");
    } else {
        addExtension(certificate, signer, NID_basic_constraints, "critical,CA:TRUE");
        addExtension(certificate, signer, NID_key_usage, "critical,keyCertSign,cRLSign");
    }
    require(X509_sign(certificate, issuerKey ? issuerKey : key, EVP_sha256()) > 0);
    return certificate;
}

std::string toPEM(X509* certificate) {
    std::unique_ptr<BIO, decltype(&BIO_free)> bio(BIO_new(BIO_s_mem()), BIO_free);
    require(bio && PEM_write_bio_X509(bio.get(), certificate) == 1);
    char* data = nullptr;
    long size = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, static_cast<std::size_t>(size));
}

}  // namespace

TestCertificates::TestCertificates() {
    authorityKey_ = EVP_EC_gen("P-256");
    serverKey_ = EVP_EC_gen("P-256");
    require(authorityKey_ && serverKey_);
    authority_ = makeCertificate(authorityKey_, "Fernvault test authority", 1, nullptr, nullptr);
    serverCertificate_ = makeCertificate(serverKey_, "127.0.0.1", 2, authority_, authorityKey_);
    authorityPEM_ = toPEM(authority_);
}

TestCertificates::~TestCertificates() {
    X509_free(serverCertificate_);
    X509_free(authority_);
    EVP_PKEY_free(serverKey_);
    EVP_PKEY_free(authorityKey_);
}

const TestCertificates& TestCertificates::shared() {
    static const TestCertificates certificates;
    return certificates;
}

}  // namespace fv::test
