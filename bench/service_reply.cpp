// Time and peak memory of a 1 MiB service reply over loopback: the raw load of its bytes (the
// baseline), and the whole service path (load, checks, parse and pretty-print on the worker,
// completion on the main queue). Counters: the process's peak resident memory after the run, and the
// longest the main loop was kept from turning while the reply was handled, which the worker keeps
// short whatever the reply's size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "core/ServiceManager.h"
#include "platform/foundation/RunLoop.h"
#include "platform/net/URLSession.h"
#include "platform/testing/LoopbackServer.h"

namespace {

using Clock = std::chrono::steady_clock;

// A reply shaped like the backend's lists: an array of small records, 1 MiB in all.
std::string replyOfOneMebibyte() {
    std::string reply = "{\"responseCode\":\"00\",\"items\":[";
    for (int i = 0; reply.size() < 1024 * 1024 - 80; ++i) {
        if (i > 0) reply += ',';
        reply += "{\"id\":" + std::to_string(i) + ",\"name\":\"record " + std::to_string(i) +
                 "\",\"amount\":12.5,\"active\":true}";
    }
    reply += "]}";
    reply.resize(1024 * 1024 - 1, ' ');
    return reply + "\n";
}

struct Backend {
    fv::test::LoopbackServer server;
    std::string reply = replyOfOneMebibyte();
    Backend() {
        server.server.Post("/list", [this](const httplib::Request&, httplib::Response& res) {
            res.set_content(reply, "application/json");
        });
        server.start();
    }
};

Backend& backend() {
    static Backend instance;
    return instance;
}

double peakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Pumps the main loop in short slices until `done`; the longest slice beyond its length is a stall.
double pumpUntil(const std::function<bool()>& done) {
    double longest = 0;
    auto deadline = Clock::now() + std::chrono::seconds(30);
    while (!done() && Clock::now() < deadline) {
        auto start = Clock::now();
        fv::RunLoop::main().pumpUntil(done, 0.001);
        longest = std::max(longest, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return longest;
}

void BM_RawLoadOfOneMebibyte(benchmark::State& state) {
    fv::RunLoop::main();
    const std::string url = backend().server.url("/list");
    auto session = fv::NSURLSession::create(fv::NSOperationQueue::mainQueue());
    double stall = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        bool done = false;
        fv::NSURLRequest request(fv::NSURL::URLWithString(url));
        request.setHTTPMethod("POST");
        request.setHTTPBody(std::string("{}"));
        session
            ->dataTaskWithRequest(request,
                                  [&](const auto& data, const auto&, const auto&) {
                                      bytes = data.size();
                                      done = true;
                                  })
            ->resume();
        stall = std::max(stall, pumpUntil([&] { return done; }));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["main_stall_ms"] = stall;
    state.counters["peak_rss_MiB"] = peakResidentMiB();
}
BENCHMARK(BM_RawLoadOfOneMebibyte)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ServiceReplyOfOneMebibyte(benchmark::State& state) {
    fv::RunLoop::main();
    const std::string url = backend().server.url("/list");
    double stall = 0;
    std::size_t bytes = 0;
    bool succeeded = true;
    for (auto _ : state) {
        bool done = false;
        fv::ServiceManager::sharedInstance()->PostService(
            fv::Value::Dictionary{}, url, [&](const auto& result, const auto&, const auto& response) {
                succeeded = succeeded && result == "Success";
                bytes = response ? response->size() : 0;
                done = true;
            });
        stall = std::max(stall, pumpUntil([&] { return done; }));
    }
    if (!succeeded) state.SkipWithError("the service path refused the reply");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * backend().reply.size()));
    benchmark::DoNotOptimize(bytes);
    state.counters["main_stall_ms"] = stall;
    state.counters["peak_rss_MiB"] = peakResidentMiB();
}
BENCHMARK(BM_ServiceReplyOfOneMebibyte)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
