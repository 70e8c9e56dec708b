#pragma once
// Program faults caught at a boundary: an exception escaping an action, an observer or a queued block,
// an outlet read before anything bound it, a selector nobody answers. Each is logged with what failed
// and where. While a FaultCollector is alive (the test host keeps one) faults are collected for it to
// fail the test; with none alive a debug build stops at once, and a release build goes on after the
// log line.
#include <cstddef>
#include <string>
#include <vector>

namespace fv {

void reportFault(const std::string& what);

// Collects the faults reported while it lives. Collectors nest; each sees every fault.
class FaultCollector {
  public:
    FaultCollector();
    ~FaultCollector();
    FaultCollector(const FaultCollector&) = delete;
    FaultCollector& operator=(const FaultCollector&) = delete;

    std::vector<std::string> faults() const;
    void clear();

  private:
    std::size_t first_;
};

// Faults reported since the program started, collected or not.
std::size_t faultCount();

}  // namespace fv
