#include "platform/graphics/FontWarmup.h"

#include <cstdlib>
#include <mutex>
#include <thread>

#include <cairo.h>
#include <pango/pangocairo.h>

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

// Lays out and draws a line in the system faces onto a scrap surface: this loads fontconfig, the
// shared font map, the faces and cairo's glyph caches that every later frame shares.
void warm() {
    const UIFontPtr faces[] = {UIFont::systemFontOfSize(17), UIFont::boldSystemFontOfSize(17)};
    std::lock_guard lock(detail::pangoLock());
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_t* cr = cairo_create(surface);
    PangoContext* context = detail::newPangoContext();
    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_text(layout, "Fernvault 0123456789 $.,", -1);
    for (const UIFontPtr& font : faces) {
        PangoFontDescription* desc = detail::newFontDescription(*font);
        pango_layout_set_font_description(layout, desc);
        pango_font_description_free(desc);
        int width = 0, height = 0;
        pango_layout_get_size(layout, &width, &height);
        pango_cairo_show_layout(cr, layout);
    }
    g_object_unref(layout);
    g_object_unref(context);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
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
