#include "platform/net/CurlTransport.h"

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cmath>
#include <map>
#include <mutex>
#include <thread>

#include "platform/foundation/RunLoop.h"
#include "platform/net/OperationQueue.h"
#include "platform/net/TrustedAuthorities.h"

namespace fv {

NSError URLError(std::int64_t code) {
    const char* text = "An unknown error occurred.";
    switch (code) {
        case NSURLErrorCancelled:
            text = "cancelled";
            break;
        case NSURLErrorBadURL:
            text = "bad URL";
            break;
        case NSURLErrorTimedOut:
            text = "The request timed out.";
            break;
        case NSURLErrorUnsupportedURL:
            text = "unsupported URL";
            break;
        case NSURLErrorCannotFindHost:
            text = "A server with the specified hostname could not be found.";
            break;
        case NSURLErrorCannotConnectToHost:
            text = "Could not connect to the server.";
            break;
        case NSURLErrorNetworkConnectionLost:
            text = "The network connection was lost.";
            break;
        case NSURLErrorHTTPTooManyRedirects:
            text = "too many HTTP redirects";
            break;
        case NSURLErrorBadServerResponse:
            text = "bad server response";
            break;
        case NSURLErrorCannotDecodeContentData:
            text = "cannot decode raw data";
            break;
        case NSURLErrorDataLengthExceedsMaximum:
            text = "resource exceeds maximum size";
            break;
        case NSURLErrorSecureConnectionFailed:
            text = "An SSL error has occurred and a secure connection to the server cannot be made.";
            break;
        case NSURLErrorServerCertificateUntrusted:
            text = "The certificate for this server is invalid.";
            break;
        default:
            break;
    }
    return NSError{NSURLErrorDomain, code, text, Value()};
}

NSError responseTooLargeError(std::size_t maximumBytes) {
    NSError error{NSURLErrorDomain, NSURLErrorDataLengthExceedsMaximum,
                  "The reply is larger than the " + std::to_string(maximumBytes) + " bytes allowed.",
                  Value()};
    error.userInfo.set("maximumSize", Value(static_cast<long long>(maximumBytes)));
    return error;
}

namespace {

constexpr long kMaximumRedirects = 16;

std::int64_t codeForCurl(CURLcode code) {
    switch (code) {
        case CURLE_OPERATION_TIMEDOUT:
            return NSURLErrorTimedOut;
        case CURLE_COULDNT_CONNECT:
            return NSURLErrorCannotConnectToHost;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
            return NSURLErrorCannotFindHost;
        case CURLE_UNSUPPORTED_PROTOCOL:
            return NSURLErrorUnsupportedURL;
        case CURLE_URL_MALFORMAT:
            return NSURLErrorBadURL;
        case CURLE_PEER_FAILED_VERIFICATION:
            return NSURLErrorServerCertificateUntrusted;
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_CACERT_BADFILE:
            return NSURLErrorSecureConnectionFailed;
        case CURLE_GOT_NOTHING:
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_PARTIAL_FILE:
            return NSURLErrorNetworkConnectionLost;
        case CURLE_TOO_MANY_REDIRECTS:
            return NSURLErrorHTTPTooManyRedirects;
        case CURLE_WEIRD_SERVER_REPLY:
            return NSURLErrorBadServerResponse;
        case CURLE_BAD_CONTENT_ENCODING:
            return NSURLErrorCannotDecodeContentData;
        case CURLE_FILESIZE_EXCEEDED:
            return NSURLErrorDataLengthExceedsMaximum;
        default:
            return NSURLErrorUnknown;
    }
}

std::string trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return std::string(s);
}

bool hasLineBreak(const std::string& s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
}

struct Transfer {
    std::uint64_t id = 0;
    CURL* easy = nullptr;
    curl_slist* headers = nullptr;
    std::vector<std::uint8_t> requestBody;
    std::vector<std::uint8_t> body;
    std::vector<std::pair<std::string, std::string>> headerLines;
    std::size_t limit = 0;
    bool tooLarge = false;
    std::string method;
    long redirects = 0;
    std::chrono::steady_clock::time_point deadline;
    CurlTransport::Done done;

    ~Transfer() {
        if (easy) curl_easy_cleanup(easy);
        curl_slist_free_all(headers);
    }
};

std::atomic<std::size_t> maximumResponseBytes{64u * 1024u * 1024u};

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    if (size * count > transfer->limit - std::min(transfer->body.size(), transfer->limit)) {
        transfer->tooLarge = true;
        return 0;  // curl aborts the load
    }
    transfer->body.insert(transfer->body.end(), data, data + size * count);
    return size * count;
}

size_t onHeader(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    std::string_view line(data, size * count);
    // A new status line starts a new response (after a redirect or "100 Continue").
    if (line.substr(0, 5) == "HTTP/") {
        transfer->headerLines.clear();
    } else if (std::size_t colon = line.find(':'); colon != std::string_view::npos) {
        transfer->headerLines.emplace_back(trim(line.substr(0, colon)), trim(line.substr(colon + 1)));
    }
    return size * count;
}

NSHTTPURLResponse makeResponse(Transfer& transfer) {
    NSHTTPURLResponse response;
    long status = 0;
    curl_easy_getinfo(transfer.easy, CURLINFO_RESPONSE_CODE, &status);
    response.statusCode = status;
    char* effective = nullptr;
    if (curl_easy_getinfo(transfer.easy, CURLINFO_EFFECTIVE_URL, &effective) == CURLE_OK && effective) {
        response.URL = NSURL::URLWithString(effective);
    }
    for (auto& [name, value] : transfer.headerLines) {
        auto [it, inserted] = response.allHeaderFields.emplace(name, value);
        if (!inserted) it->second += ", " + value;
    }
    if (auto type = response.valueForHTTPHeaderField("Content-Type")) {
        std::string mime = trim(type->substr(0, type->find(';')));
        for (char& c : mime) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        response.MIMEType = mime;
    }
    return response;
}

CURLcode addTrustedAuthorities(CURL*, void* sslContext, void*) {
    TrustedAuthorities::addTo(sslContext);
    return CURLE_OK;
}

struct Origin {
    std::string scheme, host, port;
    bool operator==(const Origin&) const = default;
    std::string text() const { return scheme + "://" + host + ":" + port; }
};

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::optional<Origin> originOf(const char* url) {
    if (!url) return std::nullopt;
    CURLU* parsed = curl_url();
    if (!parsed) return std::nullopt;
    std::optional<Origin> origin;
    if (curl_url_set(parsed, CURLUPART_URL, url, 0) == CURLUE_OK) {
        char *scheme = nullptr, *host = nullptr, *port = nullptr;
        if (curl_url_get(parsed, CURLUPART_SCHEME, &scheme, 0) == CURLUE_OK &&
            curl_url_get(parsed, CURLUPART_HOST, &host, 0) == CURLUE_OK &&
            curl_url_get(parsed, CURLUPART_PORT, &port, CURLU_DEFAULT_PORT) == CURLUE_OK) {
            origin = Origin{lowered(scheme), lowered(host), port};
        }
        curl_free(scheme);
        curl_free(host);
        curl_free(port);
    }
    curl_url_cleanup(parsed);
    return origin;
}

NSError redirectRefused(const Origin& from, const std::optional<Origin>& to) {
    std::string text;
    if (!to) {
        text = "The server redirected the request to an unreadable address; the redirect was not followed.";
    } else if (from.scheme == "https" && to->scheme != "https") {
        text = "The server redirected a secure request to plain HTTP (" + to->text() +
               "); the redirect was not followed.";
    } else {
        text = "The server redirected the request to another origin (" + to->text() +
               "); the redirect was not followed.";
    }
    NSError error{NSURLErrorDomain, NSURLErrorBadServerResponse, text, Value()};
    if (to) error.userInfo.set("redirectOrigin", Value(to->text()));
    return error;
}

long remainingMilliseconds(const Transfer& t) {
    auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(t.deadline - std::chrono::steady_clock::now());
    return static_cast<long>(left.count());
}

enum class Redirect { None, Follow, Refused };

// Decides on a finished exchange that asks to be redirected. To follow, the handle is set up for the
// next exchange; when refused, `error` says why.
Redirect prepareRedirect(Transfer& t, NSError& error) {
    long status = 0;
    curl_easy_getinfo(t.easy, CURLINFO_RESPONSE_CODE, &status);
    char* location = nullptr;
    curl_easy_getinfo(t.easy, CURLINFO_REDIRECT_URL, &location);
    bool redirecting = status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
    if (!redirecting || !location) return Redirect::None;
    std::string target = location;  // owned by the handle until its next exchange
    char* current = nullptr;
    curl_easy_getinfo(t.easy, CURLINFO_EFFECTIVE_URL, &current);
    auto from = originOf(current);
    auto to = originOf(target.c_str());
    if (!from || !to || !(*from == *to)) {
        error = redirectRefused(from.value_or(Origin{}), to);
        return Redirect::Refused;
    }
    if (++t.redirects > kMaximumRedirects) {
        error = URLError(NSURLErrorHTTPTooManyRedirects);
        return Redirect::Refused;
    }
    long left = remainingMilliseconds(t);
    if (left <= 0) {
        error = URLError(NSURLErrorTimedOut);
        return Redirect::Refused;
    }
    curl_easy_setopt(t.easy, CURLOPT_URL, target.c_str());
    curl_easy_setopt(t.easy, CURLOPT_TIMEOUT_MS, left);
    // As browsers do: a 303 asks for a GET, and so do 301 and 302 after a POST; 307 and 308 repeat
    // the request as it was.
    if ((status == 303 && t.method != "HEAD") || ((status == 301 || status == 302) && t.method == "POST")) {
        curl_easy_setopt(t.easy, CURLOPT_CUSTOMREQUEST, nullptr);
        curl_easy_setopt(t.easy, CURLOPT_HTTPGET, 1L);
        t.method = "GET";
    }
    t.body.clear();
    t.headerLines.clear();
    return Redirect::Follow;
}

// Configures the easy handle; an error when the request cannot be sent as asked.
std::optional<NSError> configure(Transfer& t, const NSURLRequest& request) {
    const auto& url = request.URL();
    if (!url) return URLError(NSURLErrorBadURL);
    if (url->scheme() != "http" && url->scheme() != "https") return URLError(NSURLErrorUnsupportedURL);
    if (url->host().empty()) return URLError(NSURLErrorBadURL);
    const std::string& method = request.HTTPMethod();
    for (char c : method) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_')
            return URLError(NSURLErrorBadURL);
    }
    CURL* e = t.easy;
    curl_easy_setopt(e, CURLOPT_URL, url->absoluteString().c_str());
    curl_easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http,https");
    // Redirects are looked at one by one in prepareRedirect(), never followed blindly by curl.
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(e, CURLOPT_SSL_VERIFYHOST, 2L);
    if (TrustedAuthorities::count() > 0) {
        // Beside the system's store; a cached store would outlive authorities removed since.
        curl_easy_setopt(e, CURLOPT_CA_CACHE_TIMEOUT, 0L);
        curl_easy_setopt(e, CURLOPT_SSL_CTX_FUNCTION, addTrustedAuthorities);
    }
    curl_easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(t.limit));
    double timeout = request.timeoutInterval();
    if (!(timeout > 0) || !std::isfinite(timeout)) timeout = 60.0;
    long timeoutMs = static_cast<long>(std::ceil(timeout * 1000.0));
    curl_easy_setopt(e, CURLOPT_TIMEOUT_MS, timeoutMs);
    t.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    t.method = method;
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(e, CURLOPT_PRIVATE, &t);

    t.requestBody = request.HTTPBody();
    if (method == "GET" && t.requestBody.empty()) {
        curl_easy_setopt(e, CURLOPT_HTTPGET, 1L);
    } else if (method == "HEAD") {
        curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
    } else {
        // The body is sent from our buffer, which lives as long as the transfer.
        const char* body = t.requestBody.empty() ? "" : reinterpret_cast<const char*>(t.requestBody.data());
        curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(t.requestBody.size()));
        curl_easy_setopt(e, CURLOPT_POSTFIELDS, body);
        if (method != "POST") curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, method.c_str());
    }

    for (const auto& [name, value] : request.allHTTPHeaderFields()) {
        // A line break would let a value smuggle in header fields of its own.
        if (name.empty() || hasLineBreak(name) || hasLineBreak(value) ||
            name.find(':') != std::string::npos) {
            return URLError(NSURLErrorBadURL);
        }
        std::string line = value.empty() ? name + ";" : name + ": " + value;
        t.headers = curl_slist_append(t.headers, line.c_str());
    }
    // Waiting for "100 Continue" only delays the body; servers we talk to never need it.
    t.headers = curl_slist_append(t.headers, "Expect:");
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, t.headers);
    return std::nullopt;
}

}  // namespace

struct CurlTransport::Impl {
    CURLM* multi = nullptr;
    std::mutex mutex;
    std::vector<std::unique_ptr<Transfer>> incoming;
    std::vector<std::uint64_t> cancels;
    bool stopping = false;
    std::atomic<std::uint64_t> nextId{1};
    std::map<std::uint64_t, std::unique_ptr<Transfer>> active;  // worker thread only
    std::thread worker;

    void run() {
        for (;;) {
            if (!takeWork()) break;
            int running = 0;
            curl_multi_perform(multi, &running);
            collectFinished();
            curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
        }
        for (auto& [id, transfer] : active) curl_multi_remove_handle(multi, transfer->easy);
        active.clear();
    }

    // Moves new loads in and cancelled ones out; false once stopping.
    bool takeWork() {
        std::vector<std::unique_ptr<Transfer>> added;
        std::vector<std::uint64_t> cancelled;
        {
            std::lock_guard lock(mutex);
            if (stopping) return false;
            added.swap(incoming);
            cancelled.swap(cancels);
        }
        for (auto& transfer : added) {
            curl_multi_add_handle(multi, transfer->easy);
            active.emplace(transfer->id, std::move(transfer));
        }
        for (std::uint64_t id : cancelled) {
            auto it = active.find(id);
            if (it == active.end()) continue;
            curl_multi_remove_handle(multi, it->second->easy);
            active.erase(it);
        }
        return true;
    }

    void collectFinished() {
        int left = 0;
        while (CURLMsg* message = curl_multi_info_read(multi, &left)) {
            if (message->msg != CURLMSG_DONE) continue;
            Transfer* raw = nullptr;
            curl_easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &raw);
            CURLcode code = message->data.result;
            auto it = active.find(raw->id);
            if (it == active.end()) continue;
            std::unique_ptr<Transfer> transfer = std::move(it->second);
            active.erase(it);
            curl_multi_remove_handle(multi, transfer->easy);
            Result result;
            NSError refusal;
            Redirect redirect = code == CURLE_OK ? prepareRedirect(*transfer, refusal) : Redirect::None;
            if (redirect == Redirect::Follow) {
                curl_multi_add_handle(multi, transfer->easy);
                active.emplace(transfer->id, std::move(transfer));
                continue;
            }
            if (redirect == Redirect::Refused) {
                result.error = std::move(refusal);
            } else if (code == CURLE_OK) {
                result.response = makeResponse(*transfer);
                result.body = std::move(transfer->body);
            } else if (transfer->tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
                result.error = responseTooLargeError(transfer->limit);
            } else {
                result.error = URLError(codeForCurl(code));
            }
            transfer->done(std::move(result));
        }
    }
};

std::size_t CurlTransport::maximumResponseSize() {
    return maximumResponseBytes.load();
}

void CurlTransport::setMaximumResponseSize(std::size_t bytes) {
    maximumResponseBytes.store(bytes);
}

CurlTransport::CurlTransport() : impl_(std::make_unique<Impl>()) {
    // Built first, so torn down after this worker has stopped posting to it.
    RunLoop::main();
    NSOperationQueue::mainQueue();
    curl_global_init(CURL_GLOBAL_DEFAULT);
    impl_->multi = curl_multi_init();
    if (impl_->multi) impl_->worker = std::thread([impl = impl_.get()] { impl->run(); });
}

CurlTransport::~CurlTransport() {
    if (!impl_->multi) return;
    {
        std::lock_guard lock(impl_->mutex);
        impl_->stopping = true;
    }
    curl_multi_wakeup(impl_->multi);
    impl_->worker.join();
    impl_->incoming.clear();
    curl_multi_cleanup(impl_->multi);
    curl_global_cleanup();
}

CurlTransport& CurlTransport::shared() {
    static CurlTransport transport;
    return transport;
}

std::uint64_t CurlTransport::start(const NSURLRequest& request, Done done, std::size_t maximumBytes) {
    if (!impl_->multi) {
        Result result;
        result.error = URLError(NSURLErrorCannotConnectToHost);
        done(std::move(result));
        return impl_->nextId++;
    }
    auto transfer = std::make_unique<Transfer>();
    transfer->id = impl_->nextId++;
    transfer->limit = maximumBytes > 0 ? maximumBytes : maximumResponseBytes.load();
    transfer->done = std::move(done);
    transfer->easy = curl_easy_init();
    std::uint64_t id = transfer->id;
    std::optional<NSError> error =
        transfer->easy ? configure(*transfer, request) : URLError(NSURLErrorUnknown);
    if (error) {
        Result result;
        result.error = std::move(error);
        transfer->done(std::move(result));
        return id;
    }
    {
        std::lock_guard lock(impl_->mutex);
        if (!impl_->stopping) impl_->incoming.push_back(std::move(transfer));
    }
    curl_multi_wakeup(impl_->multi);
    return id;
}

void CurlTransport::cancel(std::uint64_t identifier) {
    if (!impl_->multi) return;
    std::unique_ptr<Transfer> dropped;  // released after the lock: its Done may own anything
    {
        std::lock_guard lock(impl_->mutex);
        if (impl_->stopping) return;
        auto it = std::find_if(impl_->incoming.begin(), impl_->incoming.end(),
                               [&](const auto& t) { return t->id == identifier; });
        if (it != impl_->incoming.end()) {
            dropped = std::move(*it);
            impl_->incoming.erase(it);
            return;
        }
        impl_->cancels.push_back(identifier);
    }
    curl_multi_wakeup(impl_->multi);
}

}  // namespace fv
