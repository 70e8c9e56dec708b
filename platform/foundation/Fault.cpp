#include "platform/foundation/Fault.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "platform/foundation/Log.h"

namespace fv {

namespace {

struct Faults {
    std::mutex mutex;
    std::vector<std::string> all;
    int collectors = 0;
};

Faults& faultState() {
    static Faults* state = new Faults;  // outlives static destructors that may still report
    return *state;
}

}  // namespace

void reportFault(const std::string& what) {
    log("fault: " + what);
    auto& f = faultState();
    bool collected = false;
    {
        std::lock_guard lock(f.mutex);
        f.all.push_back(what);
        collected = f.collectors > 0;
    }
#ifndef NDEBUG
    if (!collected) std::abort();
#else
    (void)collected;
#endif
}

std::size_t faultCount() {
    auto& f = faultState();
    std::lock_guard lock(f.mutex);
    return f.all.size();
}

FaultCollector::FaultCollector() {
    auto& f = faultState();
    std::lock_guard lock(f.mutex);
    ++f.collectors;
    first_ = f.all.size();
}

FaultCollector::~FaultCollector() {
    auto& f = faultState();
    std::lock_guard lock(f.mutex);
    --f.collectors;
}

std::vector<std::string> FaultCollector::faults() const {
    auto& f = faultState();
    std::lock_guard lock(f.mutex);
    return {f.all.begin() + static_cast<std::ptrdiff_t>(std::min(first_, f.all.size())), f.all.end()};
}

void FaultCollector::clear() {
    auto& f = faultState();
    std::lock_guard lock(f.mutex);
    first_ = f.all.size();
}

}  // namespace fv
