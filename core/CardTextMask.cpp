#include "core/CardTextMask.h"

#include <vector>

namespace fv {

namespace {

const char* const kHiddenMark = "\u2731";

// UTF-8 text cut into whole characters, so a mask place never splits one.
std::vector<std::string> characters(const std::string& s) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = 1;
        while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

}  // namespace

std::string applyTextMask(const std::string& number, const std::string& mask) {
    std::vector<std::string> digits;
    for (auto& c : characters(number)) {
        if (c != " " && c != "-") digits.push_back(std::move(c));
    }
    std::string out;
    std::size_t next = 0;
    for (char m : mask) {
        if (next >= digits.size()) break;
        if (m == 'X') {
            out += digits[next++];
        } else if (m == 'Y') {
            out += kHiddenMark;
            ++next;
        } else {
            out += m;
        }
    }
    return out;
}

std::string formattedCardNumber(const std::string& number, bool shouldHide) {
    return applyTextMask(number, shouldHide ? "YYYY YYYY YYYY XXXX" : "XXXX   XXXX   XXXX   XXXX");
}

std::string formattedCVV(const std::string& number, bool shouldHide) {
    return applyTextMask(number, shouldHide ? "YYY" : "XXX");
}

std::string formattedEXP(const std::string& number, bool shouldHide) {
    return applyTextMask(number, shouldHide ? "YY/YY" : "XX/XX");
}

}  // namespace fv
