#pragma once
// The one libcurl worker behind every URL load: a multi handle driven by a single thread, so loads
// run side by side and shut down together at exit. Internal to platform/net.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/net/NSError.h"
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

    // Returns an identifier for cancel().
    std::uint64_t start(const NSURLRequest& request, Done done);
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

}  // namespace fv
