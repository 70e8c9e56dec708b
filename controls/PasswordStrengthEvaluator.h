#pragma once
// A password's estimated entropy and the five-level strength rating derived from it.
#include <optional>
#include <string>

namespace fv {

// Bits: the length in UTF-16 units times log2 of the pool of character classes the password draws
// on (lower-case 26, upper-case 26, digits 10, symbols 10, punctuation 20, white space 1, combining
// marks 160), each class counted once. 0 for an empty password or one that draws on no class.
double EntropyForString(const std::string& password);

class PasswordStrengthEvaluator {
  public:
    // 0 (very weak) to 4 (very strong).
    static int strengthOfPassword(const std::string& password);
    // The level's name from the "PasswordKit" table; none outside 0 to 4.
    static std::optional<std::string> localizedStringForPasswordStrength(int strength);
};

}  // namespace fv
