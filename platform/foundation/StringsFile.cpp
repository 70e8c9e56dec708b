#include "platform/foundation/StringsFile.h"

#include "platform/foundation/FileContents.h"
#include "platform/foundation/Utf8.h"

namespace fv {

namespace {

constexpr std::size_t kMaxFileSize = 32u << 20;

bool isHighSurrogate(char32_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char32_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

std::optional<std::string> fromUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t u = unit(i);
        if (isHighSurrogate(u)) {
            if (i + 2 >= bytes.size() || !isLowSurrogate(unit(i + 2))) return std::nullopt;
            u = 0x10000 + ((u - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (isLowSurrogate(u)) {
            return std::nullopt;
        }
        utf8::append(out, u);
    }
    return out;
}

// The file's text as UTF-8: told by the byte-order mark, else by the zero bytes UTF-16 puts in ASCII.
std::optional<std::string> decodeText(std::string_view bytes) {
    auto starts = [&](std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; };
    if (starts("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    else if (starts("\xFF\xFE"))
        return fromUtf16(bytes.substr(2), false);
    else if (starts("\xFE\xFF"))
        return fromUtf16(bytes.substr(2), true);
    else if (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0)
        return fromUtf16(bytes, false);
    else if (bytes.size() >= 2 && bytes[0] == 0 && bytes[1] != 0)
        return fromUtf16(bytes, true);
    if (!utf8::isValid(bytes)) return std::nullopt;
    return std::string(bytes);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isBareChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$' || c == '+' || c == '/' || c == ':' || c == '.' || c == '-';
}

class Parser {
  public:
    explicit Parser(std::string_view text) : s_(text) {}

    std::optional<StringsFile::Table> table() {
        StringsFile::Table out;
        while (skipBlanks()) {
            if (at_ >= s_.size()) return out;
            auto key = token();
            if (!key || !skipBlanks() || !take('=') || !skipBlanks()) return std::nullopt;
            auto value = token();
            if (!value || !skipBlanks() || !take(';')) return std::nullopt;
            out[std::move(*key)] = std::move(*value);
        }
        return std::nullopt;
    }

  private:
    // Skips blanks and comments; false on an unterminated comment.
    bool skipBlanks() {
        while (at_ < s_.size()) {
            const char c = s_[at_];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
                ++at_;
            } else if (s_.substr(at_, 2) == "//") {
                const auto end = s_.find('\n', at_);
                at_ = end == std::string_view::npos ? s_.size() : end + 1;
            } else if (s_.substr(at_, 2) == "/*") {
                const auto end = s_.find("*/", at_ + 2);
                if (end == std::string_view::npos) return false;
                at_ = end + 2;
            } else {
                break;
            }
        }
        return true;
    }

    bool take(char c) {
        if (at_ >= s_.size() || s_[at_] != c) return false;
        ++at_;
        return true;
    }

    std::optional<std::string> token() {
        if (take('"')) return quoted();
        const std::size_t start = at_;
        while (at_ < s_.size() && isBareChar(s_[at_])) ++at_;
        if (at_ == start) return std::nullopt;
        return std::string(s_.substr(start, at_ - start));
    }

    std::optional<std::string> quoted() {
        std::string out;
        while (at_ < s_.size()) {
            const char c = s_[at_++];
            if (c == '"') return out;
            if (c != '\\') {
                out += c;
            } else if (!escape(out)) {
                return std::nullopt;
            }
        }
        return std::nullopt;  // unterminated
    }

    bool escape(std::string& out) {
        if (at_ >= s_.size()) return false;
        const char c = s_[at_++];
        switch (c) {
            case 'n':
                out += '\n';
                return true;
            case 't':
                out += '\t';
                return true;
            case 'r':
                out += '\r';
                return true;
            case 'a':
                out += '\a';
                return true;
            case 'b':
                out += '\b';
                return true;
            case 'f':
                out += '\f';
                return true;
            case 'v':
                out += '\v';
                return true;
            case 'U':
            case 'u':
                return unicode(out);
            default:
                break;
        }
        if (c >= '0' && c <= '7') {
            char32_t cp = static_cast<char32_t>(c - '0');
            for (int i = 0; i < 2 && at_ < s_.size() && s_[at_] >= '0' && s_[at_] <= '7'; ++i)
                cp = cp * 8 + static_cast<char32_t>(s_[at_++] - '0');
            if (cp == 0) return false;
            utf8::append(out, cp);
            return true;
        }
        out += c;  // \" \' \\ and any other character stand for themselves
        return true;
    }

    std::optional<char32_t> hex4() {
        if (at_ + 4 > s_.size()) return std::nullopt;
        char32_t u = 0;
        for (int i = 0; i < 4; ++i) {
            const int d = hexDigit(s_[at_ + i]);
            if (d < 0) return std::nullopt;
            u = u * 16 + static_cast<char32_t>(d);
        }
        at_ += 4;
        return u;
    }

    // \UXXXX, with surrogate pairs written as two escapes.
    bool unicode(std::string& out) {
        auto u = hex4();
        if (!u || isLowSurrogate(*u)) return false;
        if (isHighSurrogate(*u)) {
            if (s_.substr(at_, 2) != "\\U" && s_.substr(at_, 2) != "\\u") return false;
            at_ += 2;
            auto low = hex4();
            if (!low || !isLowSurrogate(*low)) return false;
            *u = 0x10000 + ((*u - 0xD800) << 10) + (*low - 0xDC00);
        }
        if (*u == 0) return false;  // a NUL would cut the text short wherever it is shown
        utf8::append(out, *u);
        return true;
    }

    std::string_view s_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<StringsFile::Table> StringsFile::parse(std::string_view bytes) {
    auto text = decodeText(bytes);
    if (!text) return std::nullopt;
    return Parser(*text).table();
}

std::optional<StringsFile::Table> StringsFile::readFile(const std::string& path) {
    auto bytes = readFileContents(path, kMaxFileSize);
    if (!bytes) return std::nullopt;
    return parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace fv
