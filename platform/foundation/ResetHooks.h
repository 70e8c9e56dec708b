#pragma once
// Functions that put a piece of process-wide state back as it was at start, run by the test host
// before and after each test. Each piece registers its own, usually from a static in its source file:
//
//     [[maybe_unused]] const bool registered = ResetHooks::add("ui.keyboard", [] { Keyboard::reset(); });
#include <functional>
#include <string>
#include <vector>

namespace fv {

class ResetHooks {
  public:
    using Hook = std::function<void()>;

    // Registers `hook` under `name`; a second registration of a name replaces the first. Returns true,
    // so that it can initialise a static.
    static bool add(const std::string& name, Hook hook);
    // Runs every hook on the calling thread, in the order of first registration.
    static void runAll();
    static std::vector<std::string> names();
};

}  // namespace fv
