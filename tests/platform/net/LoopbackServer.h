#pragma once
// A real HTTP server on 127.0.0.1 for the net tests. Register handlers, then start(). Handlers that
// must stall call `hold()`, which returns when the test releases it (at the latest on destruction).
#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/RunLoop.h"

namespace fv::test {

class LoopbackServer {
  public:
    httplib::Server server;

    void start() {
        // One request per connection, so that stopping never waits out a kept-alive connection.
        server.set_keep_alive_max_count(1);
        port_ = server.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server.listen_after_bind(); });
        // stop() is ignored until the server runs, so a quick test must not stop it earlier.
        while (!server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    ~LoopbackServer() {
        release();
        if (thread_.joinable()) {
            server.stop();
            thread_.join();
        }
    }

    int port() const { return port_; }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    // Stalls a handler until release(), at most `limit`.
    void hold(std::chrono::milliseconds limit = std::chrono::milliseconds(3000)) {
        std::unique_lock lock(mutex_);
        released_wake_.wait_for(lock, limit, [this] { return released_; });
    }
    void release() {
        {
            std::lock_guard lock(mutex_);
            released_ = true;
        }
        released_wake_.notify_all();
    }

    // What handlers saw, recorded under a lock since handlers run on server threads.
    void record(const httplib::Request& request) {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
    }
    std::vector<httplib::Request> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }

  private:
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable released_wake_;
    bool released_ = false;
    std::vector<httplib::Request> requests_;
};

// Pumps the main loop until `done`, also when the awaited work runs on another thread.
inline bool waitFor(const std::function<bool()>& done, double seconds = 2.0) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        RunLoop::main().pumpUntil(done, 0.01);
    }
    return true;
}

// A port on which nothing listens: bound without listening, then closed again.
inline int closedPort() {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

}  // namespace fv::test
