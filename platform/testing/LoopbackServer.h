#pragma once
// A real HTTP or HTTPS server on 127.0.0.1 for every suite's tests. Register handlers on `server`,
// then start(). An HTTPS server presents TestCertificates' server certificate, which the client
// trusts only after trustTestAuthority(). Handlers that must stall call `hold()`, which returns when
// the test releases it (at the latest on destruction).
//
//     test::LoopbackServer backend(test::LoopbackServer::Scheme::HTTPS);
//     backend.server.Post("/x", [&](const auto& req, auto& res) { backend.record(req); ... });
//     backend.start();
//     test::LoopbackServer::trustTestAuthority();
#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace fv::test {

class LoopbackServer {
    std::unique_ptr<httplib::Server> owned_;  // first, so that `server` can refer to it

  public:
    enum class Scheme { HTTP, HTTPS };

    explicit LoopbackServer(Scheme scheme = Scheme::HTTP);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    httplib::Server& server;

    // Binds a free port on 127.0.0.1 and serves on a thread of its own until destruction.
    void start();

    Scheme scheme() const { return scheme_; }
    int port() const { return port_; }
    // "http://127.0.0.1:<port>" or "https://...", without a trailing "/".
    std::string origin() const;
    std::string url(const std::string& path) const { return origin() + path; }

    // Adds the test authority to what HTTPS loads trust (the test host's reset takes it away).
    static void trustTestAuthority();

    // Stalls a handler until release(), at most `limit`.
    void hold(std::chrono::milliseconds limit = std::chrono::milliseconds(3000));
    void release();

    // What handlers saw, recorded under a lock since handlers run on server threads.
    void record(const httplib::Request& request);
    std::vector<httplib::Request> requests() const;
    // The last request recorded; an empty one when none was.
    httplib::Request last() const;

  private:
    Scheme scheme_;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable released_wake_;
    bool released_ = false;
    std::vector<httplib::Request> requests_;
};

// Pumps the main loop until `done`, also when the awaited work runs on another thread.
bool waitFor(const std::function<bool()>& done, double seconds = 2.0);

// A loopback port on which nothing listens: bound without listening, then closed again.
int closedPort();

}  // namespace fv::test
