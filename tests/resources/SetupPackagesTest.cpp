// scripts/setup must name every Debian package the build, the tests and the screens rely on; one that
// only arrives as another package's dependency may vanish with it.
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace fv {
namespace {

std::string setupScript() {
    std::ifstream in(std::string(FV_SOURCE_DIR) + "/scripts/setup");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool names(const std::string& script, const std::string& package) {
    for (std::size_t at = script.find(package); at != std::string::npos; at = script.find(package, at + 1)) {
        const char before = at == 0 ? ' ' : script[at - 1];
        const char after = at + package.size() < script.size() ? script[at + package.size()] : ' ';
        if ((before == ' ' || before == '(' || before == '\n') &&
            (after == ' ' || after == '\n' || after == ')'))
            return true;
    }
    return false;
}

// The Debian package owning `path`, without its architecture; empty when none does.
std::string owningPackage(const std::string& path) {
    const std::string command = "dpkg-query -S '" + path + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) return {};
    char line[512] = {};
    if (!std::fgets(line, sizeof line, pipe.get())) return {};
    std::string package(line, std::string(line).find(':'));
    return package;
}

// The font file fontconfig falls back to for `character` when the named faces lack it.
std::string fontFileFor(FcChar32 character) {
    FcPattern* pattern = FcPatternCreate();
    FcCharSet* charset = FcCharSetCreate();
    FcCharSetAddChar(charset, character);
    FcPatternAddCharSet(pattern, FC_CHARSET, charset);
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("Inter"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcFontSet* fonts = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result);
    std::string file;
    for (int i = 0; fonts && i < fonts->nfont && file.empty(); ++i) {
        FcCharSet* has = nullptr;
        FcChar8* path = nullptr;
        if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &has) == FcResultMatch &&
            FcCharSetHasChar(has, character) &&
            FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &path) == FcResultMatch)
            file = reinterpret_cast<const char*>(path);
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcCharSetDestroy(charset);
    FcPatternDestroy(pattern);
    return file;
}

class SetupPackagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (owningPackage("/bin/sh").empty()) GTEST_SKIP() << "not a Debian system";
        script_ = setupScript();
        ASSERT_FALSE(script_.empty());
    }
    void expectNamed(const std::string& path, const std::string& reason) {
        const std::string package = owningPackage(path);
        ASSERT_FALSE(package.empty()) << path << " (" << reason << ") belongs to no package";
        EXPECT_TRUE(names(script_, package)) << reason << ": " << package << " is not in scripts/setup";
    }
    std::string script_;
};

TEST_F(SetupPackagesTest, NamesTheFontOfEveryCharacterTheScreensShow) {
    // The card-number mask, the ellipsis and the accented letters of the texts.
    for (FcChar32 character : {0x2731u, 0x2026u, 0xE9u, 0xB7u}) {
        const std::string file = fontFileFor(character);
        ASSERT_FALSE(file.empty()) << "no installed font carries U+" << std::hex << character;
        expectNamed(
            file, "the font for U+" + [&] {
                char hex[8];
                std::snprintf(hex, sizeof hex, "%04X", character);
                return std::string(hex);
            }());
    }
}

TEST_F(SetupPackagesTest, NamesWhatTheTestsInclude) {
    expectNamed("/usr/include/httplib.h", "the tests' loopback server");
    expectNamed("/usr/include/gtest/gtest.h", "the tests");
    expectNamed("/usr/include/benchmark/benchmark.h", "the benchmarks");
}

}  // namespace
}  // namespace fv
