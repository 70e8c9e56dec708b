#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/graphics/UIFont.h"

namespace fv {
namespace {

namespace fs = std::filesystem;
const std::string kInterDir = "/usr/share/fonts/opentype/inter/";

struct SfCase {
    std::string requested, reported;
    int weight;
};

class SfNames : public ::testing::TestWithParam<SfCase> {};

TEST_P(SfNames, ResolveToInterDisplayOfTheSameWeight) {
    UIFontPtr f = UIFont::fontWithName(GetParam().requested, 15);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->fontName(), GetParam().reported);
    EXPECT_EQ(f->pointSize(), 15);
    EXPECT_EQ(f->drawingFamily(), "Inter Display");
    EXPECT_EQ(f->weight(), GetParam().weight);
}

INSTANTIATE_TEST_SUITE_P(UIFont, SfNames,
                         ::testing::Values(SfCase{"SFProDisplay-Light", "SFProDisplay-Light", 300},
                                           SfCase{"SF-Pro-Display-Light", "SFProDisplay-Light", 300},
                                           SfCase{"SFProDisplay-Thin", "SFProDisplay-Thin", 100},
                                           SfCase{"SF-Pro-Display-Medium", "SFProDisplay-Medium", 500},
                                           SfCase{"SFProDisplay-Regular", "SFProDisplay-Regular", 400},
                                           SfCase{"SF-Pro-Display-Semibold", "SFProDisplay-Semibold", 600},
                                           SfCase{"SFProDisplay-Bold", "SFProDisplay-Bold", 700}));

TEST(UIFont, UnknownNamesGiveNoneAndTheHelperFallsBack) {
    EXPECT_FALSE(UIFont::fontWithName("NoSuchFace-Regular", 12));
    EXPECT_FALSE(UIFont::fontWithName("SFProDisplay-Wobbly", 12));
    EXPECT_FALSE(UIFont::fontWithName("", 12));
    UIFontPtr f = namedOrSystemFont("NoSuchFace-Regular", 12);
    ASSERT_TRUE(f);
    EXPECT_TRUE(fontsEqual(f, UIFont::systemFontOfSize(12)));
}

TEST(UIFont, InstalledFacesAnswerToPostScriptAndFileNames) {
    UIFontPtr byPs = UIFont::fontWithName("InterDisplay-Light", 10);
    ASSERT_TRUE(byPs);
    EXPECT_EQ(byPs->familyName(), "Inter Display");
    UIFontPtr bold = UIFont::boldSystemFontOfSize(17);
    EXPECT_GT(bold->weight(), UIFont::systemFontOfSize(17)->weight());
    EXPECT_FALSE(fontsEqual(byPs, byPs->fontWithSize(11)));
    EXPECT_GT(byPs->lineHeight(), 10);
    EXPECT_GT(byPs->ascender(), 0);
    EXPECT_LT(byPs->descender(), 0);
}

class FontFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("fv-fonts-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(FontFiles, RegisteringTwiceReportsAlreadyRegisteredAndKeepsTheFace) {
    const fs::path copy = dir_ / "Lato-Light.otf";  // a stand-in file under the name screens ask for
    fs::copy_file(kInterDir + "Inter-Light.otf", copy);
    EXPECT_FALSE(UIFont::fontWithName("Lato-Light", 12));
    EXPECT_EQ(UIFont::registerFontFile(copy.string()), std::nullopt);
    EXPECT_TRUE(UIFont::fontWithName("Lato-Light", 12));
    EXPECT_EQ(UIFont::registerFontFile(copy.string()), "already registered");
    EXPECT_TRUE(UIFont::fontWithName("Lato-Light", 12));
}

TEST_F(FontFiles, BadFilesReportWhy) {
    const fs::path junk = dir_ / "Broken.ttf";
    std::ofstream(junk) << "not a font at all";
    auto error = UIFont::registerFontFile(junk.string());
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("Broken.ttf"), std::string::npos);
    EXPECT_FALSE(UIFont::fontWithName("Broken", 12));
    EXPECT_TRUE(UIFont::registerFontFile((dir_ / "Missing.otf").string()));
}

}  // namespace
}  // namespace fv
