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
    const bool all = find(library, "curl_global_init", f.global_init, why) &&
                     find(library, "curl_global_cleanup", f.global_cleanup, why) &&
                     find(library, "curl_easy_init", f.easy_init, why) &&
                     find(library, "curl_easy_cleanup", f.easy_cleanup, why) &&
                     find(library, "curl_easy_setopt", f.easy_setopt, why) &&
                     find(library, "curl_easy_getinfo", f.easy_getinfo, why) &&
                     find(library, "curl_slist_append", f.slist_append, why) &&
                     find(library, "curl_slist_free_all", f.slist_free_all, why) &&
                     find(library, "curl_free", f.free, why) && find(library, "curl_url", f.url, why) &&
                     find(library, "curl_url_set", f.url_set, why) && find(library, "curl_url_get", f.url_get, why) &&
                     find(library, "curl_url_cleanup", f.url_cleanup, why) &&
                     find(library, "curl_multi_init", f.multi_init, why) &&
                     find(library, "curl_multi_cleanup", f.multi_cleanup, why) &&
                     find(library, "curl_multi_add_handle", f.multi_add_handle, why) &&
                     find(library, "curl_multi_remove_handle", f.multi_remove_handle, why) &&
                     find(library, "curl_multi_perform", f.multi_perform, why) &&
                     find(library, "curl_multi_poll", f.multi_poll, why) &&
                     find(library, "curl_multi_info_read", f.multi_info_read, why) &&
                     find(library, "curl_multi_wakeup", f.multi_wakeup, why);
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
