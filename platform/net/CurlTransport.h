#pragma once
// The one libcurl worker behind every URL load: a multi handle driven by a single thread, so loads
// run side by side and shut down together at exit. Internal to platform/net.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/NSError.h"
#include "platform/net/URLRequest.h"

namespace fv {

class CurlTransport {
  public:
    struct Result {
        std::vector<std::uint8_t> body;
        std::optional<NSHTTPURLResponse> response;
        std::optional<NSError> error;
    };
    // Called once, on the worker thread (or at once on the caller's thread for a request that
    // cannot be made), unless the load is cancelled or the process exits first. Must not block.
    using Done = std::function<void(Result&& result)>;

    static CurlTransport& shared();

    // Returns an identifier for cancel(). A reply body larger than `maximumBytes` (0: the transport's
    // maximum below) ends the load with NSURLErrorDataLengthExceedsMaximum.
    //
    // Redirects are followed only within the request's origin (same scheme, host and port), at most
    // 16 times, within the request's one time-out: a redirect elsewhere, above all from https to
    // http, would carry the request's body and header fields to a server nobody chose. Such a reply
    // ends the load with NSURLErrorBadServerResponse and a text naming the refused origin.
    std::uint64_t start(const NSURLRequest& request, Done done, std::size_t maximumBytes = 0);
    // Aborts the load; its Done is dropped without being called. Unknown identifiers are ignored.
    void cancel(std::uint64_t identifier);

    // A response body larger than this ends the load with NSURLErrorDataLengthExceedsMaximum, so a
    // server cannot exhaust memory. 64 MiB by default; settable for tests.
    static std::size_t maximumResponseSize();
    static void setMaximumResponseSize(std::size_t bytes);

    ~CurlTransport();
    CurlTransport(const CurlTransport&) = delete;
    CurlTransport& operator=(const CurlTransport&) = delete;

    struct Impl;

  private:
    CurlTransport();
    std::unique_ptr<Impl> impl_;
};

// The URL-loading error for an error code, with the platform's text for it.
NSError URLError(std::int64_t code);
// The error of a reply refused for being larger than `maximumBytes`.
NSError responseTooLargeError(std::size_t maximumBytes);

}  // namespace fv
