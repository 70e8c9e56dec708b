#pragma once
// libcurl, opened when the first URL load starts rather than with the process: with its TLS,
// directory and compression libraries it adds some 5 ms and 6 MiB to the start of a process that may
// never load a URL. The functions below are the ones the transport uses, with libcurl's signatures;
// they may be called only once load() has said yes. Internal to platform/net.
#include <curl/curl.h>

#include <string>

namespace fv::curl {

// Opens libcurl and finds every function below, once per process; false (and `why`, once: the
// library or the function that is missing) when that cannot be done.
bool load(std::string* why = nullptr);
// The same for the library at `file`, for tests; never replaces a library already loaded.
bool loadFrom(const char* file, std::string* why);

struct Functions {
    decltype(&::curl_global_init) global_init;
    decltype(&::curl_global_cleanup) global_cleanup;
    decltype(&::curl_easy_init) easy_init;
    decltype(&::curl_easy_cleanup) easy_cleanup;
    CURLcode (*easy_setopt)(CURL*, CURLoption, ...);
    CURLcode (*easy_getinfo)(CURL*, CURLINFO, ...);
    decltype(&::curl_slist_append) slist_append;
    decltype(&::curl_slist_free_all) slist_free_all;
    decltype(&::curl_free) free;
    decltype(&::curl_url) url;
    decltype(&::curl_url_set) url_set;
    decltype(&::curl_url_get) url_get;
    decltype(&::curl_url_cleanup) url_cleanup;
    decltype(&::curl_multi_init) multi_init;
    decltype(&::curl_multi_cleanup) multi_cleanup;
    decltype(&::curl_multi_add_handle) multi_add_handle;
    decltype(&::curl_multi_remove_handle) multi_remove_handle;
    decltype(&::curl_multi_perform) multi_perform;
    decltype(&::curl_multi_poll) multi_poll;
    decltype(&::curl_multi_info_read) multi_info_read;
    decltype(&::curl_multi_wakeup) multi_wakeup;
};

// The loaded library's functions (after load() said yes).
const Functions& api();

}  // namespace fv::curl
