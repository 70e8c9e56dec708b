#include "platform/foundation/ResetHooks.h"

#include <mutex>
#include <utility>

namespace fv {

namespace {

struct Registry {
    std::mutex mutex;
    std::vector<std::pair<std::string, ResetHooks::Hook>> hooks;
};

// Built on first use: registrations run from other files' static initialisers.
Registry& registry() {
    static Registry instance;
    return instance;
}

}  // namespace

bool ResetHooks::add(const std::string& name, Hook hook) {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    for (auto& [existing, function] : r.hooks) {
        if (existing == name) {
            function = std::move(hook);
            return true;
        }
    }
    r.hooks.emplace_back(name, std::move(hook));
    return true;
}

void ResetHooks::runAll() {
    std::vector<Hook> hooks;
    {
        auto& r = registry();
        std::lock_guard lock(r.mutex);
        for (const auto& entry : r.hooks) hooks.push_back(entry.second);
    }
    // Outside the lock, so a hook may itself register or look up hooks.
    for (const auto& hook : hooks) {
        if (hook) hook();
    }
}

std::vector<std::string> ResetHooks::names() {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    std::vector<std::string> out;
    for (const auto& entry : r.hooks) out.push_back(entry.first);
    return out;
}

}  // namespace fv
