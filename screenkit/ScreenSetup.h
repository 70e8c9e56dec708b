#pragma once
// What a screen hands the next one it opens: values and objects set on it by name (the origin tag,
// the record it shows), through the properties and object members the next screen registers. Every
// setting must be taken; one the next screen refuses stops the opening.
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/NSObject.h"

namespace fv {

class ScreenSetup {
  public:
    ScreenSetup& value(std::string key, Value v) {
        values_.emplace_back(std::move(key), std::move(v));
        return *this;
    }
    ScreenSetup& object(std::string key, NSObjectPtr o) {
        objects_.emplace_back(std::move(key), std::move(o));
        return *this;
    }

    // Sets everything on `screen`; the keys it refused, in order.
    std::vector<std::string> applyTo(NSObject& screen) const {
        std::vector<std::string> refused;
        for (const auto& [key, v] : values_)
            if (!screen.setValueForKey(key, v)) refused.push_back(key);
        for (const auto& [key, o] : objects_)
            if (!screen.setObjectForKey(key, o)) refused.push_back(key);
        return refused;
    }

  private:
    std::vector<std::pair<std::string, Value>> values_;
    std::vector<std::pair<std::string, NSObjectPtr>> objects_;
};

}  // namespace fv
