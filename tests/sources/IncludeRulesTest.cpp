#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "core/Constants.h"
#include "tests/support/DataTestDir.h"

namespace fv {
namespace {

namespace fs = std::filesystem;

// A folder's DEPS file lists the folders, or single headers, its sources (and those of its subfolders
// without a DEPS of their own) may include besides itself; "*" allows any. Lines starting with '#'
// are comments.
struct Deps {
    std::string folder;  // relative to the source tree
    std::vector<std::string> allowed;
};

const fs::path kRoot = FV_SOURCE_DIR;
// The build this test was built in, wherever it lies.
const fs::path kBinaryDir = FV_BINARY_DIR;

bool isUnder(const std::string& path, const std::string& folder) {
    return path.rfind(folder + "/", 0) == 0;
}

// What a scan reads: the project's sources under `root`, never a build's. A build folder may lie
// anywhere in the tree under any name (an IDE's cmake-build-debug, b/, _build/), and it holds
// sources of its own: CMake's compiler checks, the install and embedding checks' copies. Every
// folder CMake has configured holds its cache; the build this test runs in is known even without it.
struct Tree {
    fs::path root;
    fs::path binaryDir;

    std::string sourcePath(const fs::path& p) const { return fs::relative(p, root).generic_string(); }

    bool isBuildFolder(const fs::path& dir) const {
        std::error_code ec;
        return fs::exists(dir / "CMakeCache.txt", ec) || fs::equivalent(dir, binaryDir, ec);
    }

    // Hidden folders, build/ and out/ at the top (where builds and the demo write) and build folders.
    bool skipped(const fs::path& dir) const {
        const std::string name = dir.filename().string();
        return name.empty() || name[0] == '.' ||
               (dir.parent_path() == root && (name == "build" || name == "out")) || isBuildFolder(dir);
    }
};

const Tree kTree{kRoot, kBinaryDir};

Deps readDeps(const fs::path& file, const Tree& tree) {
    Deps deps{tree.sourcePath(file.parent_path()), {}};
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        line.erase(0, line.find_first_not_of(" \t"));
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (!line.empty() && line[0] != '#') deps.allowed.push_back(line);
    }
    return deps;
}

// The folders at the top of the tree: an include naming one of them is a project include.
std::set<std::string> projectFolders(const Tree& tree = kTree) {
    std::set<std::string> out;
    for (const auto& entry : fs::directory_iterator(tree.root))
        if (entry.is_directory() && !tree.skipped(entry.path())) out.insert(entry.path().filename().string());
    return out;
}

// Why `file` may not include `target` under `deps`, or nothing when it may.
std::optional<std::string> violation(const std::string& file, const std::string& target, const Deps& deps,
                                     const std::set<std::string>& folders) {
    const std::string top = target.substr(0, target.find('/'));
    if (top == target || !folders.count(top)) return std::nullopt;  // beside the file, or not ours
    if (isUnder(target, deps.folder)) return std::nullopt;
    for (const auto& allowed : deps.allowed)
        if (allowed == "*" || allowed == target || isUnder(target, allowed)) return std::nullopt;
    return file + " includes " + target + ", which " + deps.folder + "/DEPS does not allow";
}

struct Source {
    std::string file;
    std::vector<std::string> includes;
};

// Every source file of the tree with the project includes it makes, and every DEPS file by folder.
void scan(const Tree& tree, std::vector<Source>& sources, std::map<std::string, Deps>& deps) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    for (auto it = fs::recursive_directory_iterator(tree.root); it != fs::recursive_directory_iterator();
         ++it) {
        if (it->is_directory() && tree.skipped(it->path())) {
            it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file()) continue;
        if (it->path().filename() == "DEPS") {
            Deps d = readDeps(it->path(), tree);
            deps[d.folder] = d;
            continue;
        }
        const auto ext = it->path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        Source src{tree.sourcePath(it->path()), {}};
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
    static void SetUpTestSuite() { scan(kTree, sources_, deps_); }
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

TEST_F(IncludeRules, DepsFilesNameWhatExists) {
    for (const auto& [folder, deps] : deps_)
        for (const auto& allowed : deps.allowed)
            if (allowed != "*") {
                EXPECT_TRUE(fs::is_directory(kRoot / allowed) || fs::is_regular_file(kRoot / allowed))
                    << folder << "/DEPS names " << allowed;
            }
}

// Only the project's sources are held to the rules: the build folders in the tree, whatever their
// names, are skipped whole, and a source folder is read whatever its name.
TEST(SourceScan, ReadsNoBuildFolderWhereverItLies) {
    testing::DataTestDir t;
    ASSERT_FALSE(t.path().empty());
    t.write("core/DEPS", "platform\n");
    t.write("core/Entry.h", "#include \"platform/Thing.h\"\n");
    t.write("platform/DEPS", "");
    t.write("platform/Thing.h", "");
    t.write("platform/build/Part.cpp", "");
    for (const std::string build : {"cmake-build-debug", "b", "_build"}) {
        t.write(build + "/CMakeCache.txt", "");
        t.write(build + "/CMakeFiles/3.25.1/CompilerIdCXX/CMakeCXXCompilerId.cpp", "");
        t.write(build + "/install-check/prefix/include/fernvault/core/Entry.h", "");
        t.write(build + "/embed-check/host/main.cpp", "");
    }
    t.write("core/tools/CMakeCache.txt", "");
    t.write("core/tools/Generated.cpp", "");
    // The build the test runs in counts even while it has no cache (deleted to configure afresh).
    t.write("work/header-check/core/Entry.cpp", "");
    t.write("build/check/Generated.cpp", "");
    t.write("out/Picture.cpp", "");
    t.write(".cache/clangd/Index.h", "");

    const Tree tree{t.path(), fs::path(t.path()) / "work"};
    std::vector<Source> sources;
    std::map<std::string, Deps> deps;
    scan(tree, sources, deps);
    std::set<std::string> files;
    for (const auto& src : sources) files.insert(src.file);
    EXPECT_EQ(files, (std::set<std::string>{"core/Entry.h", "platform/Thing.h", "platform/build/Part.cpp"}));
    std::set<std::string> depsFolders;
    for (const auto& [folder, d] : deps) depsFolders.insert(folder);
    EXPECT_EQ(depsFolders, (std::set<std::string>{"core", "platform"}));
    EXPECT_EQ(projectFolders(tree), (std::set<std::string>{"core", "platform"}));
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
                             Planted{"examples/host/Planted.cpp", "cards/MyCardsViewController.h"},
                             Planted{"examples/host/Planted.cpp", "screenkit/BaseViewController.h"},
                             Planted{"examples/host/Planted.cpp", "core/ServiceManager.h"},
                             Planted{"examples/host/Planted.cpp", "platform/testing/TestHost.h"}}) {
        const Deps* deps = governing(p.file, deps_);
        ASSERT_NE(deps, nullptr) << p.file;
        EXPECT_TRUE(violation(p.file, p.target, *deps, folders)) << p.file << " may include " << p.target;
    }
    const Deps* screens = governing("transfers/Planted.cpp", deps_);
    ASSERT_NE(screens, nullptr);
    for (const char* shared : {"screenkit/BaseViewController.h", "core/DataModel.h", "transfers/Other.h"})
        EXPECT_FALSE(violation("transfers/Planted.cpp", shared, *screens, folders)) << shared;
    // The example host reaches the framework through the headers its DEPS names one by one.
    const Deps* host = governing("examples/host/Planted.cpp", deps_);
    ASSERT_NE(host, nullptr);
    for (const char* named : {"core/SDKManager.h", "platform/testing/UserDriver.h", "examples/host/Roads.h"})
        EXPECT_FALSE(violation("examples/host/Planted.cpp", named, *host, folders)) << named;
}

// The platform finds the framework's files through the bundle the framework registers, never by name.
TEST(PlatformLayer, NamesNotTheFrameworkBundle) {
    for (const char* folder : {"platform", "tests/platform"}) {
        for (const auto& entry : fs::recursive_directory_iterator(kRoot / folder)) {
            const auto ext = entry.path().extension();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            std::ifstream in(entry.path());
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            EXPECT_EQ(text.find(kFrameworkBundleIdentifier), std::string::npos)
                << kTree.sourcePath(entry.path());
        }
    }
}

}  // namespace
}  // namespace fv
