#pragma once
// An error as the platform reports it: a domain, a code and a text for the user. Failures are values.
#include <cstdint>
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

inline constexpr const char* NSURLErrorDomain = "NSURLErrorDomain";
inline constexpr const char* NSCocoaErrorDomain = "NSCocoaErrorDomain";

// The URL-loading codes callers match on.
enum NSURLErrorCode : std::int64_t {
    NSURLErrorUnknown = -1,
    NSURLErrorCancelled = -999,
    NSURLErrorBadURL = -1000,
    NSURLErrorTimedOut = -1001,
    NSURLErrorUnsupportedURL = -1002,
    NSURLErrorCannotFindHost = -1003,
    NSURLErrorCannotConnectToHost = -1004,
    NSURLErrorNetworkConnectionLost = -1005,
    NSURLErrorHTTPTooManyRedirects = -1007,
    NSURLErrorBadServerResponse = -1011,
    NSURLErrorCannotDecodeContentData = -1016,
    NSURLErrorDataLengthExceedsMaximum = -1103,
    NSURLErrorSecureConnectionFailed = -1200,
    NSURLErrorServerCertificateUntrusted = -1202,
};

// The code of a body that is not valid JSON.
inline constexpr std::int64_t NSPropertyListReadCorruptError = 3840;

struct NSError {
    std::string domain;
    std::int64_t code = 0;
    std::string localizedDescription;
    // Extra facts, e.g. "statusCode" for a rejected HTTP status.
    Value userInfo;

    // The console form: Error Domain=<domain> Code=<code> "<localizedDescription>".
    std::string description() const {
        return "Error Domain=" + domain + " Code=" + std::to_string(code) + " \"" + localizedDescription +
               "\"";
    }
};

}  // namespace fv
