#pragma once
// Every test program above the lowest platform parts (the screens, the end-to-end suites, the example
// host's walk-through) captures its whole log and fails at the end if any line carries what a log
// must never carry.
#include <string>
#include <vector>

namespace fv::testing {

// One entry per offending line: what was found and where, never the line itself.
std::vector<std::string> logAuditFindings(const std::vector<std::string>& lines);

}  // namespace fv::testing
