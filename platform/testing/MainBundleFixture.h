#pragma once
// A host main bundle a test fills: Info.plist entries and strings tables, per language. While the
// fixture lives, NSBundle::mainBundle() is a temporary folder holding exactly what was set; every
// change writes a fresh folder, so nothing read before it is served from a cache afterwards. On
// destruction the main bundle goes back to where the environment puts it. Make it after the test
// host, whose start puts the main bundle back too.
//
//     MainBundleFixture bundle;
//     bundle.setInfo("CFBundleIdentifier", Value("com.example.host"));
//     bundle.setString("Service Failed", "Le service a échoué", "Localizable", "fr");
#include <map>
#include <string>
#include <utility>

#include "platform/foundation/Value.h"

namespace fv::test {

class MainBundleFixture {
  public:
    MainBundleFixture();
    ~MainBundleFixture();
    MainBundleFixture(const MainBundleFixture&) = delete;
    MainBundleFixture& operator=(const MainBundleFixture&) = delete;

    // An entry of the host's Info.plist; a null value removes it.
    void setInfo(const std::string& key, const Value& value);
    // An entry of "<table>.strings" in "<language>.lproj" ("Base" for Base.lproj).
    void setString(const std::string& key, const std::string& text, const std::string& table = "Localizable",
                   const std::string& language = "en");
    // A file of the bundle's root (an image, a property list), as bytes.
    void setResource(const std::string& fileName, const std::string& bytes);

    // The folder now serving as the main bundle.
    const std::string& path() const { return current_; }

  private:
    void write();

    std::string root_;
    std::string current_;
    int generation_ = 0;
    Value::Dictionary info_;
    // (language, table) -> key -> text
    std::map<std::pair<std::string, std::string>, std::map<std::string, std::string>> strings_;
    std::map<std::string, std::string> resources_;
};

}  // namespace fv::test
