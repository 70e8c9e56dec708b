#include "examples/host/ServerThread.h"

#include <httplib.h>

#include <chrono>

namespace fv {

namespace {
constexpr std::size_t kWorkers = 4;
}  // namespace

ServerThread::~ServerThread() {
    stop();
}

void ServerThread::start(httplib::Server& server) {
    if (thread_.joinable()) return;
    server_ = &server;
    returned_ = false;
    // A demo server answers one application at a time; httplib's default pool starts a thread per core.
    server.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    thread_ = std::thread([this] {
        server_->listen_after_bind();
        returned_ = true;
    });
}

void ServerThread::stop() {
    if (!thread_.joinable()) return;
    // httplib ignores stop() until its accept loop runs; a stop right after start waits for it (a
    // thread that failed to serve has returned instead). Bounded, in case neither ever happens.
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!server_->is_running() && !returned_ && std::chrono::steady_clock::now() < give_up)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    server_->stop();
    thread_.join();
    server_ = nullptr;
}

}  // namespace fv
