#pragma once
// A host application's own fontconfig configuration and what it answers, for tests that check the
// framework's fonts leave it alone. Header only: the graphics tests use it without the test host.
//
// The framework builds its fonts once per process, so these checks run in a fresh child process
// (runInFreshProcess) where the host chooses its configuration before the framework's first text.
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace fv::test {

// The system's font folders with aliases of the host's own, as an application adds for its users:
// its brand name and "Courier" drawn with faces the framework's configuration would not pick.
inline FcConfig* makeHostFontConfiguration() {
    static constexpr const char* kHost = R"(<?xml version="1.0"?>
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <alias binding="same"><family>Host Brand</family><prefer><family>DejaVu Serif</family></prefer></alias>
  <alias binding="same"><family>Courier</family><prefer><family>DejaVu Sans Mono</family></prefer></alias>
  <alias><family>monospace</family><prefer><family>DejaVu Sans Mono</family></prefer></alias>
</fontconfig>
)";
    FcConfig* config = FcConfigCreate();
    if (!config) return nullptr;
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kHost), FcTrue) ||
        !FcConfigBuildFonts(config)) {
        FcConfigDestroy(config);
        return nullptr;
    }
    return config;
}

// The face each of a few requests matches in `config` (null: the process's current one), a line each.
inline std::string fontMatchesIn(FcConfig* config) {
    std::string out;
    for (const char* request : {"Courier", "monospace", "Host Brand", "serif", "Times:bold", "Inter"}) {
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(request));
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        FcPattern* font = FcFontMatch(config, pattern, &result);
        FcChar8* file = nullptr;
        out += std::string(request) + " -> ";
        if (font && FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch && file)
            out += reinterpret_cast<const char*>(file);
        else
            out += "nothing";
        out += "\n";
        if (font) FcPatternDestroy(font);
        FcPatternDestroy(pattern);
    }
    return out;
}

// Whether `config` (null: the current one) lists a face from `file`.
inline bool listsFontFile(FcConfig* config, const std::string& file) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(file.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* set = FcFontList(config, pattern, objects);
    const bool listed = set && set->nfont > 0;
    if (set) FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return listed;
}

// Runs `check` in a new process started afresh and expects it to return no problem; the problems it
// returns are the failure's message. The child leaves at once, without the process's exit handlers.
inline void runInFreshProcess(const std::function<std::string()>& check) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string problems = check();
            std::fputs(problems.c_str(), stderr);
            std::fflush(stderr);
            std::_Exit(problems.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace fv::test
