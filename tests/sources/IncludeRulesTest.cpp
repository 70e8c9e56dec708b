#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "core/Constants.h"

namespace fv {
namespace {

namespace fs = std::filesystem;

// A folder's DEPS file lists the folders its sources (and those of its subfolders without a DEPS of
// their own) may include besides itself; "*" allows any. Lines starting with '#' are comments.
struct Deps {
    std::string folder;  // relative to the source tree
    std::vector<std::string> allowed;
};

const fs::path kRoot = FV_SOURCE_DIR;

bool isUnder(const std::string& path, const std::string& folder) {
    return path.rfind(folder + "/", 0) == 0;
}

std::string sourcePath(const fs::path& p) {
    return fs::relative(p, kRoot).generic_string();
}

Deps readDeps(const fs::path& file) {
    Deps deps{sourcePath(file.parent_path()), {}};
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        line.erase(0, line.find_first_not_of(" \t"));
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (!line.empty() && line[0] != '#') deps.allowed.push_back(line);
    }
    return deps;
}

// The folders at the top of the tree: an include naming one of them is a project include.
std::set<std::string> projectFolders() {
    std::set<std::string> out;
    for (const auto& entry : fs::directory_iterator(kRoot))
        if (entry.is_directory() && entry.path().filename().string()[0] != '.')
            out.insert(entry.path().filename().string());
    return out;
}

// Why `file` may not include `target` under `deps`, or nothing when it may.
std::optional<std::string> violation(const std::string& file, const std::string& target, const Deps& deps,
                                     const std::set<std::string>& folders) {
    const std::string top = target.substr(0, target.find('/'));
    if (top == target || !folders.count(top)) return std::nullopt;  // beside the file, or not ours
    if (isUnder(target, deps.folder)) return std::nullopt;
    for (const auto& allowed : deps.allowed)
        if (allowed == "*" || isUnder(target, allowed)) return std::nullopt;
    return file + " includes " + target + ", which " + deps.folder + "/DEPS does not allow";
}

struct Source {
    std::string file;
    std::vector<std::string> includes;
};

bool skipped(const fs::path& dir) {
    const std::string name = dir.filename().string();
    return name.empty() || name[0] == '.' ||
           (dir.parent_path() == kRoot && (name == "build" || name == "out"));
}

// Every source file of the tree with the project includes it makes, and every DEPS file by folder.
void scan(std::vector<Source>& sources, std::map<std::string, Deps>& deps) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    for (auto it = fs::recursive_directory_iterator(kRoot); it != fs::recursive_directory_iterator(); ++it) {
        if (it->is_directory() && skipped(it->path())) {
            it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file()) continue;
        if (it->path().filename() == "DEPS") {
            Deps d = readDeps(it->path());
            deps[d.folder] = d;
            continue;
        }
        const auto ext = it->path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        Source src{sourcePath(it->path()), {}};
        std::ifstream in(it->path());
        for (std::string line; std::getline(in, line);) {
            std::smatch m;
            if (std::regex_search(line, m, include)) src.includes.push_back(m[1]);
        }
        sources.push_back(std::move(src));
    }
}

// The DEPS nearest above a file governs it.
const Deps* governing(const std::string& file, const std::map<std::string, Deps>& deps) {
    for (fs::path dir = fs::path(file).parent_path(); !dir.empty(); dir = dir.parent_path()) {
        const auto found = deps.find(dir.generic_string());
        if (found != deps.end()) return &found->second;
    }
    return nullptr;
}

class IncludeRules : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { scan(sources_, deps_); }
    static inline std::vector<Source> sources_;
    static inline std::map<std::string, Deps> deps_;
};

// The layers only hold while nothing reaches across them; one stray include is enough to start a knot.
TEST_F(IncludeRules, EveryIncludeIsOneItsFolderAllows) {
    const auto folders = projectFolders();
    ASSERT_GT(sources_.size(), 500u);
    for (const auto& src : sources_) {
        const Deps* deps = governing(src.file, deps_);
        if (!deps) {
            ADD_FAILURE() << src.file << " lies in no folder with a DEPS file";
            continue;
        }
        for (const auto& target : src.includes)
            if (auto why = violation(src.file, target, *deps, folders)) ADD_FAILURE() << *why;
    }
}

TEST_F(IncludeRules, DepsFilesNameFoldersThatExist) {
    for (const auto& [folder, deps] : deps_)
        for (const auto& allowed : deps.allowed)
            if (allowed != "*") {
                EXPECT_TRUE(fs::is_directory(kRoot / allowed)) << folder << "/DEPS names " << allowed;
            }
}

// The rules the layers rest on, read from the files themselves: a planted include breaks them.
TEST_F(IncludeRules, TheLayersForbidWhatTheyMust) {
    const auto folders = projectFolders();
    struct Planted {
        const char* file;
        const char* target;
    };
    for (const Planted& p : {Planted{"screenkit/Planted.cpp", "cards/MyCardsViewController.h"},
                             Planted{"controls/Planted.cpp", "core/DataModel.h"},
                             Planted{"core/Planted.cpp", "controls/UIViewGeometry.h"},
                             Planted{"core/Planted.cpp", "screenkit/BaseViewController.h"},
                             Planted{"banking/Planted.cpp", "transfers/RecipientModel.h"},
                             Planted{"cards/Planted.cpp", "onboarding/wizard/FormStep.h"},
                             Planted{"platform/foundation/Planted.cpp", "platform/graphics/UIColor.h"},
                             Planted{"platform/graphics/Planted.cpp", "platform/ui/UIView.h"},
                             Planted{"platform/ui/Planted.cpp", "platform/net/URLSession.h"},
                             Planted{"platform/camera/Planted.cpp", "platform/kits/DropList.h"},
                             Planted{"platform/kits/Planted.cpp", "core/DataModel.h"},
                             Planted{"examples/host/Planted.cpp", "cards/MyCardsViewController.h"}}) {
        const Deps* deps = governing(p.file, deps_);
        ASSERT_NE(deps, nullptr) << p.file;
        EXPECT_TRUE(violation(p.file, p.target, *deps, folders)) << p.file << " may include " << p.target;
    }
    const Deps* screens = governing("transfers/Planted.cpp", deps_);
    ASSERT_NE(screens, nullptr);
    for (const char* shared : {"screenkit/BaseViewController.h", "core/DataModel.h", "transfers/Other.h"})
        EXPECT_FALSE(violation("transfers/Planted.cpp", shared, *screens, folders)) << shared;
}

// The platform finds the framework's files through the bundle the framework registers, never by name.
TEST(PlatformLayer, NamesNotTheFrameworkBundle) {
    for (const char* folder : {"platform", "tests/platform"}) {
        for (const auto& entry : fs::recursive_directory_iterator(kRoot / folder)) {
            const auto ext = entry.path().extension();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            std::ifstream in(entry.path());
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(text.find(kFrameworkBundleIdentifier), std::string::npos) << sourcePath(entry.path());
        }
    }
}

}  // namespace
}  // namespace fv
