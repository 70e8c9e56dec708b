#include "platform/graphics/FontWarmup.h"

#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

#include <glib-object.h>
#include <hb.h>

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

// The first text HarfBuzz shapes in a process costs about half a millisecond that later text does not
// pay again (its own start, its code paged in). Shaping with a face of our own needs no font lock.
// (Warming Pango's own faces as well was tried: taking the font lock for them kept the first screen's
// text waiting as long as it saved.)
void warmShaping() {
    const std::string file = detail::fontFileNamed("Inter-Regular");
    if (file.empty()) return;
    hb_blob_t* blob = hb_blob_create_from_file(file.c_str());
    hb_face_t* face = hb_face_create(blob, 0);
    hb_font_t* font = hb_font_create(face);
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf8(buffer, "Transfer 0123456789 $.,", -1, 0, -1);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(font, buffer, nullptr, 0);
    hb_buffer_destroy(buffer);
    hb_font_destroy(font);
    hb_face_destroy(face);
    hb_blob_destroy(blob);
}

// Builds what all text shares: fontconfig's configuration, the index of faces by name, the font map
// and HarfBuzz's start. Faces at a size are left to the first frame: the worker cannot know which ones
// a screen draws with, and text measured while the worker holds the font lock waits for it.
void warm() {
    UIFont::systemFontOfSize(17);
    {
        std::lock_guard lock(detail::pangoLock());
        g_object_unref(detail::newPangoContext());
    }
    warmShaping();
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
