#include "platform/graphics/FontWarmup.h"

#include <cstdlib>
#include <mutex>
#include <thread>

#include <glib-object.h>

#include "platform/graphics/FontSupport.h"
#include "platform/graphics/UIFont.h"

namespace fv {

namespace {

std::mutex& workerLock() {
    static std::mutex m;
    return m;
}

// Never destroyed: the exit handler joins it after other statics may be gone.
std::thread*& worker() {
    static std::thread* t = nullptr;
    return t;
}

// Builds what all text shares: fontconfig's configuration, the index of faces by name and the font
// map. Faces at a size are left to the first frame: the worker cannot know which ones a screen draws
// with, and text measured while the worker holds the font lock waits for it.
void warm() {
    UIFont::systemFontOfSize(17);
    std::lock_guard lock(detail::pangoLock());
    g_object_unref(detail::newPangoContext());
}

}  // namespace

void warmFontsInBackground() {
    std::lock_guard lock(workerLock());
    if (worker()) return;
    worker() = new std::thread(warm);
    std::atexit(waitForFontWarmup);
}

void waitForFontWarmup() {
    std::lock_guard lock(workerLock());
    if (worker() && worker()->joinable()) worker()->join();
}

}  // namespace fv
