#include "platform/testing/LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/foundation/RunLoop.h"
#include "platform/net/TrustedAuthorities.h"
#include "platform/testing/TestCertificates.h"

namespace fv::test {

namespace {

std::unique_ptr<httplib::Server> makeServer(LoopbackServer::Scheme scheme) {
    if (scheme == LoopbackServer::Scheme::HTTP) return std::make_unique<httplib::Server>();
    const auto& certificates = TestCertificates::shared();
    return std::make_unique<httplib::SSLServer>(certificates.serverCertificate(), certificates.serverKey());
}

}  // namespace

LoopbackServer::LoopbackServer(Scheme scheme)
    : owned_(makeServer(scheme)), server(*owned_), scheme_(scheme) {}

LoopbackServer::~LoopbackServer() {
    release();
    if (thread_.joinable()) {
        server.stop();
        thread_.join();
    }
}

void LoopbackServer::start() {
    // One request per connection, so that stopping never waits out a kept-alive connection.
    server.set_keep_alive_max_count(1);
    port_ = server.bind_to_any_port("127.0.0.1");
    if (port_ <= 0 || !server.is_valid()) std::abort();  // no loopback: no test can run
    thread_ = std::thread([this] { server.listen_after_bind(); });
    // stop() is ignored until the server runs, so a quick test must not stop it earlier.
    while (!server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

std::string LoopbackServer::origin() const {
    return std::string(scheme_ == Scheme::HTTPS ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_);
}

void LoopbackServer::trustTestAuthority() {
    TrustedAuthorities::addCertificateAuthorityPEM(TestCertificates::shared().authorityPEM());
}

void LoopbackServer::hold(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    released_wake_.wait_for(lock, limit, [this] { return released_; });
}

void LoopbackServer::release() {
    {
        std::lock_guard lock(mutex_);
        released_ = true;
    }
    released_wake_.notify_all();
}

void LoopbackServer::record(const httplib::Request& request) {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
}

std::vector<httplib::Request> LoopbackServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

httplib::Request LoopbackServer::last() const {
    std::lock_guard lock(mutex_);
    return requests_.empty() ? httplib::Request() : requests_.back();
}

bool waitFor(const std::function<bool()>& done, double seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        RunLoop::main().pumpUntil(done, 0.01);
    }
    return true;
}

int closedPort() {
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
