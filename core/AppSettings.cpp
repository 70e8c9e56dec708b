#include "core/AppSettings.h"

#include "platform/foundation/UserDefaults.h"

namespace fv {

bool AppSettings::isCardDetailActive() {
    return NSUserDefaults::standardUserDefaults().boolForKey(kCardDetailActiveDefaultsKey);
}

}  // namespace fv
