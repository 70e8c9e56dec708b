#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>
#include <pango/pangocairo.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "platform/graphics/FontConfiguration.h"
#include "platform/graphics/FontSupport.h"
#include "platform/graphics/UIFont.h"

namespace fv {
namespace {

namespace fs = std::filesystem;

std::string stringOf(const FcPattern* p, const char* object) {
    FcChar8* s = nullptr;
    if (FcPatternGetString(p, object, 0, &s) != FcResultMatch || !s) return {};
    return reinterpret_cast<const char*>(s);
}

std::set<std::string> filesOf(FcConfig* config) {
    std::set<std::string> files;
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* set = FcFontList(config, all, objects);
    for (int i = 0; set && i < set->nfont; ++i) files.insert(stringOf(set->fonts[i], FC_FILE));
    if (set) FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(all);
    return files;
}

class FontConfigurationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!FontConfiguration::isOwn())
            GTEST_SKIP() << "FONTCONFIG_FILE or FONTCONFIG_PATH chooses the configuration";
    }
};

TEST_F(FontConfigurationTest, ReadsNoConfigurationFileAndSeesTheInstalledFaces) {
    FcConfig* config = FontConfiguration::shared();
    EXPECT_NE(FcConfigGetCurrent(), config);
    FcStrList* read = FcConfigGetConfigFiles(config);
    EXPECT_EQ(FcStrListNext(read), nullptr);
    FcStrListDone(read);
    const std::set<std::string> files = filesOf(config);
    EXPECT_TRUE(files.count("/usr/share/fonts/opentype/inter/InterDisplay-Medium.otf"));
    EXPECT_TRUE(files.count("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
}

// What a font is drawn with: the face, its hinting, smoothing and synthesis.
std::string renderingOf(FcConfig* config, const char* request) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(request));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* font = FcFontMatch(config, pattern, &result);
    std::string out = "no face";
    if (font) {
        FcBool antialias = FcFalse, hinting = FcFalse, embolden = FcFalse;
        int hintstyle = -1;
        FcMatrix* matrix = nullptr;
        FcPatternGetBool(font, FC_ANTIALIAS, 0, &antialias);
        FcPatternGetBool(font, FC_HINTING, 0, &hinting);
        FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden);
        FcPatternGetInteger(font, FC_HINT_STYLE, 0, &hintstyle);
        const bool slanted =
            FcPatternGetMatrix(font, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix->xy != 0;
        out = stringOf(font, FC_FILE) + " antialias=" + std::to_string(antialias) +
              " hinting=" + std::to_string(hinting) + " hintstyle=" + std::to_string(hintstyle) +
              " embolden=" + std::to_string(embolden) + " slanted=" + std::to_string(slanted);
        FcPatternDestroy(font);
    }
    FcPatternDestroy(pattern);
    return out;
}

// The platform's few rules must draw every face the way the system's full configuration does.
TEST_F(FontConfigurationTest, DrawsAsTheSystemsConfigurationDoes) {
    FcConfig* system = FcInitLoadConfigAndFonts();
    ASSERT_TRUE(system);
    for (const char* request :
         {"Inter:weight=80:pixelsize=17", "Inter:weight=200:pixelsize=34",
          "Inter Display:weight=100:pixelsize=12", "Inter Display:weight=180:slant=100:pixelsize=28",
          "sans-serif:pixelsize=16", "DejaVu Sans:pixelsize=6", "DejaVu Serif:weight=200:pixelsize=14",
          "DejaVu Sans Mono:slant=100", "DejaVu Sans:slant=100:weight=200:pixelsize=40",
          "NoSuchFamily:pixelsize=20"}) {
        EXPECT_EQ(renderingOf(FontConfiguration::shared(), request), renderingOf(system, request)) << request;
    }
    FcConfigDestroy(system);
}

// Runs of the laid-out text and the family each is drawn in; counts characters no face has.
std::vector<std::string> familiesOfRuns(const std::string& text, const char* family, int& unknown) {
    std::lock_guard lock(detail::pangoLock());
    PangoContext* context = detail::newPangoContext();
    PangoLayout* layout = pango_layout_new(context);
    PangoFontDescription* desc = pango_font_description_from_string(family);
    pango_font_description_set_absolute_size(desc, 17 * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_layout_set_text(layout, text.c_str(), -1);
    std::vector<std::string> families;
    for (GSList* run = pango_layout_get_line_readonly(layout, 0)->runs; run; run = run->next) {
        PangoFontDescription* used =
            pango_font_describe(static_cast<PangoGlyphItem*>(run->data)->item->analysis.font);
        families.push_back(pango_font_description_get_family(used));
        pango_font_description_free(used);
    }
    unknown = pango_layout_get_unknown_glyphs_count(layout);
    pango_font_description_free(desc);
    g_object_unref(layout);
    g_object_unref(context);
    return families;
}

TEST_F(FontConfigurationTest, CharactersInterLacksFallBackToAnotherInstalledFace) {
    int unknown = -1;
    const auto families = familiesOfRuns("Pay \u2603 \u05E9\u05DC\u05D5\u05DD", "Inter Display", unknown);
    EXPECT_EQ(unknown, 0);
    ASSERT_FALSE(families.empty());
    EXPECT_EQ(families.front(), "Inter Display");
    EXPECT_NE(std::find(families.begin(), families.end(), "DejaVu Sans"), families.end());
}

TEST_F(FontConfigurationTest, RegisteredFontFilesJoinTheConfigurationTextIsDrawnWith) {
    const fs::path dir = fs::temp_directory_path() / ("fv-fontconfig-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path copy = dir / "Registered-Medium.otf";
    fs::copy_file("/usr/share/fonts/opentype/inter/Inter-Medium.otf", copy);
    EXPECT_EQ(UIFont::registerFontFile(copy.string()), std::nullopt);
    EXPECT_TRUE(filesOf(FontConfiguration::shared()).count(fs::canonical(copy).string()));
    int unknown = -1;
    EXPECT_EQ(familiesOfRuns("Registered", "Inter Medium", unknown).front(), "Inter");
    EXPECT_EQ(unknown, 0);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace fv
