#pragma once
// The password kit's user-facing texts: the host's "PasswordKit" table first, then the framework's
// own, then the key itself.
#include <string>

namespace fv {

std::string passwordKitString(const std::string& key);

}  // namespace fv
