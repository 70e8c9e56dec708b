#include "platform/graphics/UIFont.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <set>

#include "platform/graphics/FontConfiguration.h"
#include "platform/graphics/FontSupport.h"

namespace fv {
namespace {

struct Face {
    std::string postscriptName, family, file;
    int weight = 400;
    bool italic = false;
};

struct Registry {
    bool built = false;
    std::map<std::string, Face> byName;  // PostScript names and file base names
    std::set<std::string> registeredFiles;
};

Registry& registry() {
    static Registry r;
    return r;
}

// Guards the registry. Kept apart from the Pango lock: finding a face by name must not wait for text
// being laid out, nor for the font worker.
std::recursive_mutex& registryLock() {
    static std::recursive_mutex m;
    return m;
}

int openTypeWeight(const FcPattern* p) {
    FcValue v;
    if (FcPatternGet(p, FC_WEIGHT, 0, &v) != FcResultMatch) return 400;
    double fc = 80;
    if (v.type == FcTypeInteger) fc = v.u.i;
    if (v.type == FcTypeDouble) fc = v.u.d;
    return static_cast<int>(FcWeightToOpenTypeDouble(fc));
}

std::string patternString(const FcPattern* p, const char* object) {
    FcChar8* s = nullptr;
    if (FcPatternGetString(p, object, 0, &s) != FcResultMatch || !s) return {};
    return reinterpret_cast<const char*>(s);
}

// Lists every face fontconfig knows, under both names each answers to. The first face with a
// name keeps it.
void buildIndex(Registry& r) {
    r.byName.clear();
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects =
        FcObjectSetBuild(FC_POSTSCRIPT_NAME, FC_FAMILY, FC_FILE, FC_WEIGHT, FC_SLANT, nullptr);
    FcFontSet* set = FcFontList(FontConfiguration::shared(), pattern, objects);
    for (int i = 0; set && i < set->nfont; ++i) {
        const FcPattern* p = set->fonts[i];
        Face face;
        face.postscriptName = patternString(p, FC_POSTSCRIPT_NAME);
        face.family = patternString(p, FC_FAMILY);
        face.file = patternString(p, FC_FILE);
        face.weight = openTypeWeight(p);
        int slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(p, FC_SLANT, 0, &slant);
        face.italic = slant != FC_SLANT_ROMAN;
        if (face.family.empty()) continue;
        std::string base = std::filesystem::path(face.file).stem().string();
        if (!face.postscriptName.empty()) r.byName.emplace(face.postscriptName, face);
        if (!base.empty()) r.byName.emplace(base, face);
    }
    if (set) FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    r.built = true;
}

const Face* findFace(const std::string& name) {
    Registry& r = registry();
    if (!r.built) buildIndex(r);
    auto it = r.byName.find(name);
    return it == r.byName.end() ? nullptr : &it->second;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// SF Pro Display is Apple's and cannot ship; Inter Display of the same weight stands in for it.
UIFontPtr sfStandIn(const std::string& name, CGFloat size) {
    std::string style;
    for (const char* prefix : {"SFProDisplay-", "SF-Pro-Display-"}) {
        if (name.rfind(prefix, 0) == 0) style = name.substr(std::string(prefix).size());
    }
    if (style.empty()) return nullptr;
    bool italic = false;
    std::string weight = style;
    if (lower(weight).size() >= 6 && lower(weight).ends_with("italic")) {
        italic = true;
        weight = weight.substr(0, weight.size() - 6);
        if (weight.empty()) weight = "Regular";
    }
    static const std::map<std::string, std::pair<std::string, std::string>> weights = {
        {"ultralight", {"Ultralight", "ExtraLight"}},
        {"thin", {"Thin", "Thin"}},
        {"light", {"Light", "Light"}},
        {"regular", {"Regular", "Regular"}},
        {"medium", {"Medium", "Medium"}},
        {"semibold", {"Semibold", "SemiBold"}},
        {"bold", {"Bold", "Bold"}},
        {"heavy", {"Heavy", "ExtraBold"}},
        {"black", {"Black", "Black"}},
    };
    auto w = weights.find(lower(weight));
    if (w == weights.end()) return nullptr;
    const auto& [appleName, interName] = w->second;
    std::string interFace =
        "InterDisplay-" + (italic ? (interName == "Regular" ? "" : interName) + "Italic" : interName);
    const Face* face = findFace(interFace);
    if (!face) return nullptr;
    std::string fontName =
        "SFProDisplay-" + (italic ? (appleName == "Regular" ? "" : appleName) + "Italic" : appleName);
    return std::make_shared<const UIFont>(fontName, "SF Pro Display", face->family, face->weight,
                                          face->italic, size);
}

UIFontPtr systemFace(const char* postscriptName, CGFloat size) {
    std::lock_guard lock(registryLock());
    const Face* face = findFace(postscriptName);
    int weight = std::string(postscriptName).ends_with("Bold") ? 700 : 400;
    // Without Inter the generic sans-serif family still draws.
    if (!face)
        return std::make_shared<const UIFont>(postscriptName, "Inter", "sans-serif", weight, false, size);
    return std::make_shared<const UIFont>(postscriptName, face->family, face->family, face->weight, false,
                                          size);
}

}  // namespace

UIFont::UIFont(std::string fontName, std::string familyName, std::string drawingFamily, int weight,
               bool italic, CGFloat size)
    : fontName_(std::move(fontName)),
      familyName_(std::move(familyName)),
      drawingFamily_(std::move(drawingFamily)),
      weight_(weight),
      italic_(italic),
      pointSize_(size) {}

UIFontPtr UIFont::fontWithName(const std::string& name, CGFloat size) {
    std::lock_guard lock(registryLock());
    if (const Face* face = findFace(name)) {
        return std::make_shared<const UIFont>(face->postscriptName.empty() ? name : face->postscriptName,
                                              face->family, face->family, face->weight, face->italic, size);
    }
    return sfStandIn(name, size);
}

UIFontPtr UIFont::systemFontOfSize(CGFloat size) {
    return systemFace("Inter-Regular", size);
}

UIFontPtr UIFont::boldSystemFontOfSize(CGFloat size) {
    return systemFace("Inter-Bold", size);
}

std::optional<std::string> UIFont::registerFontFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return "font file not found: " + path;
    std::string canonical = std::filesystem::canonical(path, ec).string();
    if (ec) return "font file not readable: " + path;

    // Pango's lock first, as everywhere: the font map is dropped once the file is in.
    std::lock_guard pango(detail::pangoLock());
    std::lock_guard lock(registryLock());
    Registry& r = registry();
    if (r.registeredFiles.count(canonical)) return std::string("already registered");

    // fontconfig accepts files without any face in them, so check there is one first.
    FcFontSet* probe = FcFontSetCreate();
    unsigned faces =
        FcFreeTypeQueryAll(reinterpret_cast<const FcChar8*>(canonical.c_str()), -1, nullptr, nullptr, probe);
    FcFontSetDestroy(probe);
    if (faces == 0) return "not a font file: " + path;
    if (!FcConfigAppFontAddFile(FontConfiguration::shared(),
                                reinterpret_cast<const FcChar8*>(canonical.c_str()))) {
        return "font file could not be registered: " + path;
    }
    r.registeredFiles.insert(canonical);
    buildIndex(r);
    detail::resetFontMap();
    return std::nullopt;
}

UIFontPtr UIFont::fontWithSize(CGFloat size) const {
    return std::make_shared<const UIFont>(fontName_, familyName_, drawingFamily_, weight_, italic_, size);
}

namespace {
struct Metrics {
    CGFloat ascent = 0, descent = 0, height = 0;
};

Metrics metricsOf(const UIFont& font) {
    std::lock_guard lock(detail::pangoLock());
    PangoContext* context = detail::newPangoContext();
    PangoFontDescription* desc = detail::newFontDescription(font);
    PangoFontMetrics* m = pango_context_get_metrics(context, desc, nullptr);
    Metrics out;
    out.ascent = static_cast<CGFloat>(pango_font_metrics_get_ascent(m)) / PANGO_SCALE;
    out.descent = static_cast<CGFloat>(pango_font_metrics_get_descent(m)) / PANGO_SCALE;
    out.height = static_cast<CGFloat>(pango_font_metrics_get_height(m)) / PANGO_SCALE;
    if (out.height <= 0) out.height = out.ascent + out.descent;
    pango_font_metrics_unref(m);
    pango_font_description_free(desc);
    g_object_unref(context);
    return out;
}
}  // namespace

CGFloat UIFont::ascender() const {
    return metricsOf(*this).ascent;
}
CGFloat UIFont::descender() const {
    return -metricsOf(*this).descent;
}
CGFloat UIFont::lineHeight() const {
    return metricsOf(*this).height;
}

bool UIFont::operator==(const UIFont& o) const {
    return fontName_ == o.fontName_ && pointSize_ == o.pointSize_;
}

UIFontPtr namedOrSystemFont(const std::string& name, CGFloat size) {
    if (UIFontPtr font = UIFont::fontWithName(name, size)) return font;
    return UIFont::systemFontOfSize(size);
}

bool fontsEqual(const UIFontPtr& a, const UIFontPtr& b) {
    if (!a || !b) return !a && !b;
    return *a == *b;
}

namespace detail {

std::string fontFileNamed(const std::string& name) {
    std::lock_guard lock(registryLock());
    const Face* face = findFace(name);
    return face ? face->file : std::string();
}

std::recursive_mutex& pangoLock() {
    static std::recursive_mutex m;
    return m;
}

namespace {
PangoFontMap*& fontMapSlot() {
    static PangoFontMap* map = nullptr;
    return map;
}
unsigned& generationSlot() {
    static unsigned generation = 0;
    return generation;
}
}  // namespace

PangoFontMap* sharedFontMap() {
    std::lock_guard lock(pangoLock());
    PangoFontMap*& map = fontMapSlot();
    if (!map) {
        // The first map also has Pango load fontconfig's current configuration (the host's, else the
        // system's) on a thread of its own; the font worker makes it early enough that text rarely
        // waits for that.
        map = pango_cairo_font_map_new();
        pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(map), FontConfiguration::shared());
        pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(map), 72);
    }
    return map;
}

// A fresh map reads the fonts fontconfig knows now; nothing keeps Pango objects between calls.
void resetFontMap() {
    std::lock_guard lock(pangoLock());
    PangoFontMap*& map = fontMapSlot();
    if (map) g_object_unref(map);
    map = nullptr;
    ++generationSlot();
}

unsigned fontGeneration() {
    std::lock_guard lock(pangoLock());
    return generationSlot();
}

PangoContext* newPangoContext() {
    return pango_font_map_create_context(sharedFontMap());
}

PangoFontDescription* newFontDescription(const UIFont& font) {
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, font.drawingFamily().c_str());
    pango_font_description_set_weight(d, static_cast<PangoWeight>(font.weight()));
    pango_font_description_set_style(d, font.italic() ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(d, font.pointSize() * PANGO_SCALE);
    return d;
}

}  // namespace detail
}  // namespace fv
