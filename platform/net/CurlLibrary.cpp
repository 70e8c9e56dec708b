#include "platform/net/CurlLibrary.h"

#include <dlfcn.h>

#include <mutex>

#include "platform/foundation/Log.h"

namespace fv::curl {

namespace {

// libcurl's ABI has kept this name since 2006; the build checked the version against its headers.
constexpr const char* kLibrary = "libcurl.so.4";

Functions functions{};

template <typename Function>
bool find(void* library, const char* name, Function& slot, std::string& why) {
    slot = reinterpret_cast<Function>(dlsym(library, name));
    if (!slot) why = std::string("libcurl has no ") + name;
    return slot != nullptr;
}

// Fills `out` from the library at `file`; the library stays open for the life of the process (its
// global state lives until exit).
bool open(const char* file, Functions& out, std::string& why) {
    void* library = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* error = dlerror();
        why = std::string("libcurl could not be opened: ") + (error ? error : file);
        return false;
    }
    Functions f{};
#define FV_FIND(name) find(library, "curl_" #name, f.name, why)
    const bool all = FV_FIND(global_init) && FV_FIND(global_cleanup) && FV_FIND(easy_init) &&
                     FV_FIND(easy_cleanup) && FV_FIND(easy_setopt) && FV_FIND(easy_getinfo) &&
                     FV_FIND(slist_append) && FV_FIND(slist_free_all) && FV_FIND(free) && FV_FIND(url) &&
                     FV_FIND(url_set) && FV_FIND(url_get) && FV_FIND(url_cleanup) && FV_FIND(multi_init) &&
                     FV_FIND(multi_cleanup) && FV_FIND(multi_add_handle) && FV_FIND(multi_remove_handle) &&
                     FV_FIND(multi_perform) && FV_FIND(multi_poll) && FV_FIND(multi_info_read) &&
                     FV_FIND(multi_wakeup);
#undef FV_FIND
    if (!all) {
        dlclose(library);
        return false;
    }
    out = f;
    return true;
}

}  // namespace

bool load(std::string* why) {
    static std::once_flag once;
    static bool loaded = false;
    static std::string failure;
    std::call_once(once, [] {
        loaded = open(kLibrary, functions, failure);
        if (!loaded) log("Network: " + failure + "; no URL can be loaded");
    });
    if (!loaded && why) *why = failure;
    return loaded;
}

bool loadFrom(const char* file, std::string* why) {
    Functions ignored{};
    std::string failure;
    const bool ok = open(file, ignored, failure);
    if (!ok && why) *why = failure;
    return ok;
}

const Functions& api() {
    return functions;
}

}  // namespace fv::curl
