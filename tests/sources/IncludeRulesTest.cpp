#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "core/Constants.h"

namespace fv {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kFrameworkFolders = {"core",       "screenkit", "controls",  "cards",
                                                    "onboarding", "banking",   "transfers", "locations"};
const std::vector<std::string> kScreenFolders = {"cards", "onboarding", "banking", "transfers", "locations"};

struct Include {
    std::string file;  // relative to the source tree
    std::string target;
};

std::vector<Include> includesUnder(const std::string& folder) {
    std::vector<Include> out;
    const fs::path root = fs::path(FV_SOURCE_DIR) / folder;
    if (!fs::is_directory(root)) return out;
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const auto ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            std::smatch m;
            if (std::regex_search(line, m, include))
                out.push_back({fs::relative(entry.path(), FV_SOURCE_DIR).string(), m[1]});
        }
    }
    return out;
}

bool startsWithFolder(const std::string& path, const std::string& folder) {
    return path.rfind(folder + "/", 0) == 0;
}

struct Rule {
    const char* name;
    std::string from;
    std::vector<std::string> forbidden;
};

class IncludeRuleTest : public ::testing::TestWithParam<Rule> {};

// The layers only hold while nothing reaches across them; one stray include is enough to start a knot.
TEST_P(IncludeRuleTest, NoFileIncludesAForbiddenFolder) {
    const Rule& rule = GetParam();
    for (const auto& inc : includesUnder(rule.from))
        for (const auto& folder : rule.forbidden)
            EXPECT_FALSE(startsWithFolder(inc.target, folder)) << inc.file << " includes " << inc.target;
}

// The platform finds the framework's files through the bundle the framework registers, never by name.
TEST(PlatformLayer, NamesNotTheFrameworkBundle) {
    for (const char* folder : {"platform", "tests/platform"}) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(FV_SOURCE_DIR) / folder)) {
            const auto ext = entry.path().extension();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            std::ifstream in(entry.path());
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(text.find(kFrameworkBundleIdentifier), std::string::npos)
                << fs::relative(entry.path(), FV_SOURCE_DIR).string();
        }
    }
}

std::vector<Rule> rules() {
    std::vector<Rule> out;
    out.push_back({"platformKeepsToItself", "platform", kFrameworkFolders});
    out.back().forbidden.push_back("examples");
    out.push_back({"coreIncludesNoScreen", "core", kScreenFolders});
    // The model and services sit below every control.
    out.push_back({"coreIncludesNoControl", "core", {"controls"}});
    for (const auto& screens : kScreenFolders) {
        Rule r{"", screens, {}};
        for (const auto& other : kScreenFolders)
            if (other != screens) r.forbidden.push_back(other);
        out.push_back(r);
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(Layers, IncludeRuleTest, ::testing::ValuesIn(rules()), [](const auto& info) {
    return info.param.name[0] ? std::string(info.param.name)
                              : info.param.from + "IncludesNoOtherScreenFolder";
});

}  // namespace
}  // namespace fv
