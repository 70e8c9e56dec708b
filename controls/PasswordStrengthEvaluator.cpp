#include "controls/PasswordStrengthEvaluator.h"

#include <array>
#include <cmath>

#include "controls/PasswordKitStrings.h"
#include "platform/foundation/ComposedCharacters.h"
#include "platform/foundation/NSCharacterSet.h"
#include "platform/foundation/Text.h"

namespace fv {

namespace {

struct CharacterClass {
    NSCharacterSet characters;
    int poolSize;
};

// In the order a character is tested against them.
const std::array<CharacterClass, 7>& characterClasses() {
    static const std::array<CharacterClass, 7> classes{{
        {NSCharacterSet::lowercaseLetterCharacterSet(), 26},
        {NSCharacterSet::uppercaseLetterCharacterSet(), 26},
        {NSCharacterSet::decimalDigitCharacterSet(), 10},
        {NSCharacterSet::symbolCharacterSet(), 10},
        {NSCharacterSet::punctuationCharacterSet(), 20},
        {NSCharacterSet::whitespaceCharacterSet(), 1},
        {NSCharacterSet::nonBaseCharacterSet(), 160},
    }};
    return classes;
}

const std::array<const char*, 5> kStrengthNames{"Very Weak Password", "Weak Password", "Reasonable Password",
                                                "Strong Password", "Very Strong Password"};

}  // namespace

double EntropyForString(const std::string& password) {
    if (password.empty()) return 0.0;
    const std::u16string units = text::utf8ToUtf16(password);
    const auto& classes = characterClasses();
    std::array<bool, 7> counted{};
    int pool = 0;
    for (const NSRange& sequence : text::composedCharacterRanges(password)) {
        if (sequence.location >= units.size()) continue;
        const char16_t first = units[sequence.location];
        for (std::size_t i = 0; i < classes.size(); ++i) {
            if (!counted[i] && classes[i].characters.characterIsMember(first)) {
                counted[i] = true;
                pool += classes[i].poolSize;
                break;
            }
        }
    }
    // No counted class would give log2(0), minus infinity: such a password is rated as no entropy.
    if (pool == 0) return 0.0;
    return static_cast<double>(units.size()) * static_cast<double>(std::log2(static_cast<float>(pool)));
}

int PasswordStrengthEvaluator::strengthOfPassword(const std::string& password) {
    const double entropy = EntropyForString(password);
    if (entropy < 28) return 0;
    if (entropy < 36) return 1;
    if (entropy < 60) return 2;
    if (entropy < 128) return 3;
    return 4;
}

std::optional<std::string> PasswordStrengthEvaluator::localizedStringForPasswordStrength(int strength) {
    if (strength < 0 || strength >= static_cast<int>(kStrengthNames.size())) return std::nullopt;
    return passwordKitString(kStrengthNames[static_cast<std::size_t>(strength)]);
}

}  // namespace fv
