#pragma once
// Internal: the Pango font map text is laid out with, and font descriptions for UIFont faces.
#include <mutex>
#include <string>

#include <pango/pango.h>

#include "platform/graphics/UIFont.h"

namespace fv::detail {

// Pango is not thread-safe; every use holds this lock. (The index of faces by name has its own.)
std::recursive_mutex& pangoLock();
// One font map for the process, at 72 dpi so that a point is a unit.
PangoFontMap* sharedFontMap();
// Drops the shared map so the next use sees newly registered fonts.
void resetFontMap();
// Changes whenever the map is dropped: text laid out under another generation is stale.
unsigned fontGeneration();
// A new Pango context on the shared map; the caller unrefs it.
PangoContext* newPangoContext();
// The file of the face with this PostScript or file base name; empty when no such face is known.
std::string fontFileNamed(const std::string& name);
// Selects the font's face at its point size; the caller frees it.
PangoFontDescription* newFontDescription(const UIFont& font);

}  // namespace fv::detail
