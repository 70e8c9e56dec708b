#pragma once
// An HTTP request as handed to a URL session: address, method, header fields, body and time-out.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/net/URL.h"

namespace fv {

enum class NSURLRequestCachePolicy : int {
    UseProtocolCachePolicy = 0,
    ReloadIgnoringLocalCacheData = 1,
};

// Header-field names compare without regard to letter case, as HTTP wants.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};
using HTTPHeaderFields = std::map<std::string, std::string, CaseInsensitiveLess>;

class NSURLRequest {
  public:
    NSURLRequest() = default;
    explicit NSURLRequest(
        std::optional<NSURL> url,
        NSURLRequestCachePolicy cachePolicy = NSURLRequestCachePolicy::UseProtocolCachePolicy,
        double timeoutInterval = 60.0)
        : url_(std::move(url)), cachePolicy_(cachePolicy), timeoutInterval_(timeoutInterval) {}

    const std::optional<NSURL>& URL() const { return url_; }
    void setURL(std::optional<NSURL> url) { url_ = std::move(url); }

    // Upper-case method name; "GET" by default.
    const std::string& HTTPMethod() const { return method_; }
    void setHTTPMethod(std::string method);

    const HTTPHeaderFields& allHTTPHeaderFields() const { return headers_; }
    std::optional<std::string> valueForHTTPHeaderField(const std::string& field) const;
    // Replaces any value of the same field (letter case ignored).
    void setValueForHTTPHeaderField(const std::string& value, const std::string& field);

    const std::vector<std::uint8_t>& HTTPBody() const { return body_; }
    void setHTTPBody(std::vector<std::uint8_t> body) { body_ = std::move(body); }
    void setHTTPBody(const std::string& body) { body_.assign(body.begin(), body.end()); }

    // Seconds for the whole exchange.
    double timeoutInterval() const { return timeoutInterval_; }
    void setTimeoutInterval(double seconds) { timeoutInterval_ = seconds; }

    // Nothing is cached locally, so every policy loads from the network.
    NSURLRequestCachePolicy cachePolicy() const { return cachePolicy_; }
    void setCachePolicy(NSURLRequestCachePolicy policy) { cachePolicy_ = policy; }

  private:
    std::optional<NSURL> url_;
    std::string method_ = "GET";
    HTTPHeaderFields headers_;
    std::vector<std::uint8_t> body_;
    NSURLRequestCachePolicy cachePolicy_ = NSURLRequestCachePolicy::UseProtocolCachePolicy;
    double timeoutInterval_ = 60.0;
};

// What the server answered, for HTTP exchanges.
struct NSHTTPURLResponse {
    std::optional<NSURL> URL;  // the address finally answered, after redirects
    long statusCode = 0;
    // Repeated fields are joined with ", ".
    HTTPHeaderFields allHeaderFields;
    // The Content-Type without parameters, lower-cased; empty when the server sent none.
    std::string MIMEType;

    std::optional<std::string> valueForHTTPHeaderField(const std::string& field) const;
    // The lower-case reason phrase of a status code ("not found"); "server error" etc. for unknown
    // codes.
    static std::string localizedStringForStatusCode(long statusCode);
};

}  // namespace fv
