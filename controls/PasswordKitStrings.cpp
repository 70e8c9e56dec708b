#include "controls/PasswordKitStrings.h"

#include "controls/ControlsBundle.h"
#include "platform/foundation/Bundle.h"

namespace fv {

namespace {

const char* const kTable = "PasswordKit";
// Never a translation: tells "the host has no text" apart from a text equal to its key.
const char* const kMissing = "\x1f";

}  // namespace

std::string passwordKitString(const std::string& key) {
    if (const auto main = NSBundle::mainBundle()) {
        std::string text = main->localizedStringForKey(key, kMissing, kTable);
        if (text != kMissing) return text;
    }
    if (const auto framework = controlsBundle()) return framework->localizedStringForKey(key, "", kTable);
    return key;
}

}  // namespace fv
