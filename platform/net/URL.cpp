#include "platform/net/URL.h"

#include <cctype>

namespace fv {

namespace {

bool isHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

bool isAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Characters a URL may carry literally; "%" is checked separately.
bool isURLCharacter(char c) {
    if (isAlnum(c)) return true;
    switch (c) {
        case '-':
        case '.':
        case '_':
        case '~':
        case ':':
        case '/':
        case '?':
        case '#':
        case '[':
        case ']':
        case '@':
        case '!':
        case '$':
        case '&':
        case '\'':
        case '(':
        case ')':
        case '*':
        case '+':
        case ',':
        case ';':
        case '=':
            return true;
        default:
            return false;
    }
}

bool hasValidCharacters(std::string_view text) {
    bool seenFragment = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%') {
            if (i + 2 >= text.size() || !isHex(text[i + 1]) || !isHex(text[i + 2])) return false;
            i += 2;
            continue;
        }
        if (c == '#') {
            if (seenFragment) return false;
            seenFragment = true;
        }
        if (!isURLCharacter(c)) return false;
    }
    return true;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The length of a leading "scheme:", or 0 when the text has none.
std::size_t schemeLength(std::string_view text) {
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == ':') return i;
        if (!isAlnum(c) && c != '+' && c != '-' && c != '.') return 0;
    }
    return 0;
}

// Drops "." and ".." segments so that resolved paths stay inside the server's tree.
std::string removeDotSegments(const std::string& path) {
    std::string out;
    std::size_t i = 0;
    while (i < path.size()) {
        std::size_t next = path.find('/', i + 1);
        if (next == std::string::npos) next = path.size();
        std::string segment = path.substr(i, next - i);
        if (segment == "/." || segment == ".") {
            if (next == path.size()) out += '/';
        } else if (segment == "/.." || segment == "..") {
            std::size_t cut = out.rfind('/');
            out.erase(cut == std::string::npos ? 0 : cut);
            if (next == path.size()) out += '/';
        } else {
            out += segment;
        }
        i = next;
    }
    return out;
}

}  // namespace

std::optional<NSURL> NSURL::URLWithString(std::string_view text) {
    if (text.empty() || !hasValidCharacters(text)) return std::nullopt;
    NSURL url;
    url.text_ = std::string(text);
    std::string_view rest = text;
    if (std::size_t n = schemeLength(rest)) {
        url.scheme_ = lower(rest.substr(0, n));
        rest.remove_prefix(n + 1);
    }
    if (std::size_t hash = rest.find('#'); hash != std::string_view::npos) {
        url.fragment_ = std::string(rest.substr(hash + 1));
        rest = rest.substr(0, hash);
    }
    if (std::size_t q = rest.find('?'); q != std::string_view::npos) {
        url.query_ = std::string(rest.substr(q + 1));
        rest = rest.substr(0, q);
    }
    if (rest.substr(0, 2) == "//") {
        url.hasAuthority_ = true;
        rest.remove_prefix(2);
        std::size_t slash = rest.find('/');
        std::string_view authority = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash);
        url.authority_ = std::string(authority);
        if (std::size_t at = authority.rfind('@'); at != std::string_view::npos)
            authority.remove_prefix(at + 1);
        std::string_view hostPort = authority;
        std::size_t colon = std::string_view::npos;
        if (!hostPort.empty() && hostPort[0] == '[') {
            std::size_t close = hostPort.find(']');
            if (close == std::string_view::npos) return std::nullopt;
            if (close + 1 < hostPort.size() && hostPort[close + 1] != ':') return std::nullopt;
            if (close + 1 < hostPort.size()) colon = close + 1;
            url.host_ = std::string(hostPort.substr(1, close - 1));
        } else {
            colon = hostPort.find(':');
            if (hostPort.substr(0, colon).find_first_of("[]") != std::string_view::npos) return std::nullopt;
            url.host_ = lower(hostPort.substr(0, colon));
        }
        if (colon != std::string_view::npos) {
            std::string_view digits = hostPort.substr(colon + 1);
            if (digits.size() > 5) return std::nullopt;
            if (!digits.empty()) {
                int port = 0;
                for (char c : digits) {
                    if (c < '0' || c > '9') return std::nullopt;
                    port = port * 10 + (c - '0');
                }
                if (port > 65535) return std::nullopt;
                url.port_ = port;
            }
        }
    }
    if (rest.find_first_of("[]") != std::string_view::npos) return std::nullopt;
    url.path_ = std::string(rest);
    return url;
}

std::optional<NSURL> NSURL::URLWithString(std::string_view text, const NSURL& base) {
    if (schemeLength(text) > 0) return URLWithString(text);
    if (base.scheme_.empty()) return std::nullopt;
    // Validate the reference on its own before splicing it in.
    if (!text.empty() && !URLWithString(text)) return std::nullopt;
    std::string prefix = base.scheme_ + ":";
    if (text.substr(0, 2) == "//") return URLWithString(prefix + std::string(text));
    if (base.hasAuthority_) prefix += "//" + base.authority_;
    std::string basePath = base.path_.empty() && base.hasAuthority_ ? "/" : base.path_;
    std::string ref(text);
    if (ref.empty()) {
        return URLWithString(prefix + basePath + (base.query_ ? "?" + *base.query_ : std::string{}));
    }
    if (ref[0] == '?' || ref[0] == '#') {
        std::string query = ref[0] == '#' && base.query_ ? "?" + *base.query_ : std::string{};
        return URLWithString(prefix + basePath + query + ref);
    }
    std::size_t end = ref.find_first_of("?#");
    std::string refPath = ref.substr(0, end);
    std::string tail = end == std::string::npos ? std::string{} : ref.substr(end);
    std::string path = refPath[0] == '/' ? refPath : basePath.substr(0, basePath.rfind('/') + 1) + refPath;
    return URLWithString(prefix + removeDotSegments(path) + tail);
}

std::string percentEscape(std::string_view text) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        bool keep = isAlnum(c);
        switch (c) {
            case '-':
            case '_':
            case '.':
            case '!':
            case '~':
            case '*':
            case '\'':
            case '(':
            case ')':
            case ';':
            case '/':
            case '?':
            case ':':
            case '@':
            case '&':
            case '=':
            case '+':
            case '$':
            case ',':
            case '#':
                keep = true;
                break;
            default:
                break;
        }
        if (keep) {
            out += c;
        } else {
            auto byte = static_cast<unsigned char>(c);
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
    }
    return out;
}

}  // namespace fv
