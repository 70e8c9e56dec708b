#include "controls/HostResources.h"

#include "controls/ControlsBundle.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/UINib.h"

namespace fv {

std::string hostLocalizedText(const std::string& key, const std::string& table) {
    std::string fallback = key;
    if (auto framework = controlsBundle()) fallback = framework->localizedStringForKey(key, "", table);
    auto main = NSBundle::mainBundle();
    return main ? main->localizedStringForKey(key, fallback, table) : fallback;
}

UIImagePtr hostImageNamed(const std::string& name) {
    if (auto main = NSBundle::mainBundle()) {
        if (auto image = UIImage::imageNamed(name, main)) return image;
    }
    auto framework = controlsBundle();
    return framework ? UIImage::imageNamed(name, framework) : nullptr;
}

}  // namespace fv
