#pragma once
// Runs a bound cpp-httplib server on a thread of its own. Starting returns at once: the bound socket
// already queues connections until the thread accepts them, so nobody waits for the thread to start.
#include <atomic>
#include <thread>

namespace httplib {
class Server;
}

namespace fv {

class ServerThread {
  public:
    ServerThread() = default;
    ~ServerThread();
    ServerThread(const ServerThread&) = delete;
    ServerThread& operator=(const ServerThread&) = delete;

    // Serves `server`, already bound, until stop(). Does nothing while running.
    void start(httplib::Server& server);
    // Stops serving and joins the thread. Harmless when not running.
    void stop();
    bool isRunning() const { return thread_.joinable(); }

  private:
    httplib::Server* server_ = nullptr;
    std::thread thread_;
    std::atomic<bool> returned_{false};
};

}  // namespace fv
