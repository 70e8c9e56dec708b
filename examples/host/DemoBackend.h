#pragma once
// The example host's own card-programme backend: a real HTTP server on 127.0.0.1 that answers the
// framework's create-cardholder action, so that the new-card wizard can be walked, and its error road
// shown, without a real backend. start() points the framework's backend address at it; stop() (or
// the destructor) puts the address back.
//
// It issues a card whose number ends in the digits the host chooses, or fails on request: a declined
// response code, an HTTP 500, or a reply held back past the framework's time-out. Nothing the
// applicant sent is written to the log.
#include <memory>
#include <string>
#include <vector>

namespace fv {

class DemoBackend {
  public:
    enum class Outcome {
        Created,      // response code "0" and one card
        Declined,     // response code "05", no card
        ServerError,  // HTTP 500
        TimeOut,      // no reply until the hold has passed (the framework gives up after 30 s)
    };

    // The response code and text of a declined application.
    static constexpr const char* kDeclinedCode = "05";
    static constexpr const char* kDeclinedText = "Do not honour";

    DemoBackend();
    ~DemoBackend();
    DemoBackend(const DemoBackend&) = delete;
    DemoBackend& operator=(const DemoBackend&) = delete;

    // Serves on a free port of 127.0.0.1 and makes it the framework's backend. False, after a log
    // line, when no port could be bound. Starting a running backend does nothing.
    bool start();
    // Wakes any reply held back, stops serving and, when the framework's backend address is still
    // this server's, clears it. Harmless when not running.
    void stop();
    bool isRunning() const;

    // The base address the framework reaches it at: "http://127.0.0.1:<port>" followed by the
    // backend's services path; empty when not running.
    std::string baseURL() const;

    // The last four digits of the card numbers issued; false, and nothing changed, unless `digits` is
    // exactly four ASCII digits. "4321" until set.
    bool setCardLastFour(const std::string& digits);
    std::string cardLastFour() const;

    void setOutcome(Outcome outcome);
    Outcome outcome() const;

    // How long a TimeOut reply is held back, in seconds (40 until set; at most 600).
    void setTimeOutHold(double seconds);

    // The bodies of the create-cardholder requests received, oldest first; the last 16 at most.
    std::vector<std::string> receivedBodies() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace fv
