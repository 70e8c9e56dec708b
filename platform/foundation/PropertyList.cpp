#include "platform/foundation/PropertyList.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <pugixml.hpp>
#include <random>

#include "platform/foundation/FileContents.h"

namespace fv {

namespace {

constexpr std::size_t kMaxFileSize = 256u << 20;

// ---- dates: seconds since 1970 <-> "YYYY-MM-DDTHH:MM:SSZ" --------------------------------------

std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void civilFromDays(std::int64_t z, std::int64_t& y, unsigned& m, unsigned& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2);
}

const double kMinDate = static_cast<double>(daysFromCivil(1, 1, 1)) * 86400.0;
const double kMaxDate = static_cast<double>(daysFromCivil(10000, 1, 1)) * 86400.0;

std::optional<std::string> formatDate(double seconds) {
    if (!std::isfinite(seconds) || seconds < kMinDate || seconds >= kMaxDate) return std::nullopt;
    double whole = std::floor(seconds);
    // Microseconds keep sub-second dates without printing floating-point noise.
    auto micros = static_cast<std::int64_t>(std::llround((seconds - whole) * 1e6));
    if (micros >= 1000000) {
        whole += 1;
        micros -= 1000000;
    }
    if (whole >= kMaxDate) return std::nullopt;
    const auto total = static_cast<std::int64_t>(whole);
    std::int64_t days = total / 86400, rest = total % 86400;
    if (rest < 0) {
        rest += 86400;
        days -= 1;
    }
    std::int64_t y;
    unsigned m, d;
    civilFromDays(days, y, m, d);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04lld-%02u-%02uT%02lld:%02lld:%02lld", static_cast<long long>(y), m, d,
                  static_cast<long long>(rest / 3600), static_cast<long long>(rest / 60 % 60),
                  static_cast<long long>(rest % 60));
    std::string out = buf;
    if (micros > 0) {
        std::snprintf(buf, sizeof buf, ".%06lld", static_cast<long long>(micros));
        std::string frac = buf;
        while (frac.back() == '0') frac.pop_back();
        out += frac;
    }
    return out + "Z";
}

bool readDigits(std::string_view& s, std::size_t n, unsigned& out) {
    if (s.size() < n) return false;
    out = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        out = out * 10 + static_cast<unsigned>(s[i] - '0');
    }
    s.remove_prefix(n);
    return true;
}

bool expect(std::string_view& s, char c) {
    if (s.empty() || s.front() != c) return false;
    s.remove_prefix(1);
    return true;
}

std::optional<double> parseDate(std::string_view s) {
    unsigned y, mo, d, h, mi, sec;
    if (!readDigits(s, 4, y) || !expect(s, '-') || !readDigits(s, 2, mo) || !expect(s, '-') ||
        !readDigits(s, 2, d) || !expect(s, 'T') || !readDigits(s, 2, h) || !expect(s, ':') ||
        !readDigits(s, 2, mi) || !expect(s, ':') || !readDigits(s, 2, sec))
        return std::nullopt;
    double fraction = 0;
    if (!s.empty() && s.front() == '.') {
        s.remove_prefix(1);
        double scale = 0.1;
        std::size_t n = 0;
        while (!s.empty() && s.front() >= '0' && s.front() <= '9') {
            fraction += (s.front() - '0') * scale;
            scale /= 10;
            s.remove_prefix(1);
            ++n;
        }
        if (n == 0) return std::nullopt;
    }
    if (s != "Z") return std::nullopt;
    static constexpr unsigned kDaysIn[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || mo < 1 || mo > 12 || d < 1 || d > kDaysIn[mo - 1] || h > 23 || mi > 59 || sec > 60)
        return std::nullopt;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (mo == 2 && d == 29 && !leap) return std::nullopt;
    const std::int64_t days = daysFromCivil(y, mo, d);
    return static_cast<double>(days * 86400 + h * 3600 + mi * 60 + sec) + fraction;
}

// ---- base64 ------------------------------------------------------------------------------------

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string encodeBase64(const Value::Bytes& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned n = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
        out += {kBase64[n >> 18], kBase64[(n >> 12) & 63], kBase64[(n >> 6) & 63], kBase64[n & 63]};
    }
    if (i + 1 == bytes.size()) {
        const unsigned n = bytes[i] << 16;
        out += {kBase64[n >> 18], kBase64[(n >> 12) & 63], '=', '='};
    } else if (i + 2 == bytes.size()) {
        const unsigned n = (bytes[i] << 16) | (bytes[i + 1] << 8);
        out += {kBase64[n >> 18], kBase64[(n >> 12) & 63], kBase64[(n >> 6) & 63], '='};
    }
    return out;
}

int base64Digit(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Whitespace anywhere is ignored; padding may only close the text.
std::optional<Value::Bytes> decodeBase64(std::string_view text) {
    Value::Bytes out;
    unsigned acc = 0;
    int bits = 0, digits = 0, padding = 0;
    for (char c : text) {
        if (isSpace(c)) continue;
        if (c == '=') {
            ++padding;
            continue;
        }
        const int v = base64Digit(c);
        if (v < 0 || padding > 0) return std::nullopt;
        acc = (acc << 6) | static_cast<unsigned>(v);
        bits += 6;
        ++digits;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<std::uint8_t>((acc >> bits) & 0xFF));
        }
    }
    const int rest = digits % 4;
    if (rest == 1 || padding > 2 || (padding > 0 && (digits + padding) % 4 != 0)) return std::nullopt;
    return out;
}

// ---- writing -----------------------------------------------------------------------------------

void appendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            // A literal carriage return would be read back as a line feed.
            case '\r':
                out += "&#13;";
                break;
            default:
                out += c;
        }
    }
}

std::string realText(double d) {
    if (std::isnan(d)) return "nan";
    if (std::isinf(d)) return d > 0 ? "+infinity" : "-infinity";
    char buf[64];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, d);
    return std::string(buf, ec == std::errc() ? p : buf);
}

class Writer {
  public:
    bool write(const Value& v, int indent) {
        switch (v.type()) {
            case Value::Type::Null:
                return false;
            case Value::Type::Bool:
                return line(indent, *v.asBool() ? "<true/>" : "<false/>");
            case Value::Type::Integer:
                return line(indent, "<integer>" + std::to_string(*v.asInteger()) + "</integer>");
            case Value::Type::Real:
                return line(indent, "<real>" + realText(*v.asReal()) + "</real>");
            case Value::Type::String:
                return text(indent, "string", *v.asString());
            case Value::Type::Data:
                return line(indent, "<data>" + encodeBase64(*v.asData()) + "</data>");
            case Value::Type::Date: {
                auto text = formatDate(v.asDate()->secondsSince1970);
                return text && line(indent, "<date>" + *text + "</date>");
            }
            case Value::Type::Array: {
                if (v.size() == 0) return line(indent, "<array/>");
                line(indent, "<array>");
                for (const Value& item : *v.asArray())
                    if (!write(item, indent + 1)) return false;
                return line(indent, "</array>");
            }
            case Value::Type::Dictionary: {
                if (v.size() == 0) return line(indent, "<dict/>");
                line(indent, "<dict>");
                for (const auto& [key, item] : *v.asDictionary())
                    if (!text(indent + 1, "key", key) || !write(item, indent + 1)) return false;
                return line(indent, "</dict>");
            }
        }
        return false;
    }

    std::string out;

  private:
    bool line(int indent, std::string_view s) {
        out.append(static_cast<std::size_t>(indent), '\t');
        out += s;
        out += '\n';
        return true;
    }

    // Texts are written whole; NUL cannot be carried by XML at all.
    bool text(int indent, std::string_view tag, std::string_view s) {
        if (s.find('\0') != std::string_view::npos) return false;
        out.append(static_cast<std::size_t>(indent), '\t');
        out += '<';
        out += tag;
        out += '>';
        appendEscaped(out, s);
        out += "</";
        out += tag;
        out += ">\n";
        return true;
    }
};

// ---- reading -----------------------------------------------------------------------------------

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
    return s;
}

// The text of an element that may hold only text (no child elements).
std::optional<std::string_view> textOf(const pugi::xml_node& node) {
    std::string_view out;
    int parts = 0;
    for (const pugi::xml_node& child : node.children()) {
        const auto type = child.type();
        if (type == pugi::node_pcdata || type == pugi::node_cdata) {
            out = child.value();
            ++parts;
        } else if (type != pugi::node_comment) {
            return std::nullopt;
        }
    }
    if (parts > 1) return std::nullopt;  // text split by comments is not worth supporting
    return out;
}

// True when an element that must be empty holds anything besides comments and blanks.
bool hasContent(const pugi::xml_node& node) {
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_comment) continue;
        if (child.type() != pugi::node_pcdata || !trimmed(child.value()).empty()) return true;
    }
    return false;
}

std::optional<std::int64_t> parseInteger(std::string_view s) {
    s = trimmed(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty() || s.front() == '-' || s.front() == '+') return std::nullopt;
    std::uint64_t magnitude = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    constexpr std::uint64_t kMax = static_cast<std::uint64_t>(INT64_MAX);
    if (negative) {
        if (magnitude > kMax + 1) return std::nullopt;
        return magnitude == kMax + 1 ? INT64_MIN : -static_cast<std::int64_t>(magnitude);
    }
    if (magnitude > kMax) return std::nullopt;
    return static_cast<std::int64_t>(magnitude);
}

std::optional<double> parseReal(std::string_view s) {
    s = trimmed(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.front() == '-' || s.front() == '+') return std::nullopt;
    double d = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), d);
    // Out-of-range magnitudes are reported but still well-formed numbers: keep the limit from_chars gives.
    if ((ec != std::errc() && ec != std::errc::result_out_of_range) || p != s.data() + s.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        std::string copy(s);
        d = std::strtod(copy.c_str(), nullptr);
    }
    return negative ? -d : d;
}

std::optional<Value> readNode(const pugi::xml_node& node, std::size_t depth);

std::optional<Value> readArrayNode(const pugi::xml_node& node, std::size_t depth) {
    Value::Array items;
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_comment) continue;
        if (child.type() == pugi::node_pcdata) {
            if (!trimmed(child.value()).empty()) return std::nullopt;
            continue;
        }
        auto item = readNode(child, depth + 1);
        if (!item) return std::nullopt;
        items.push_back(std::move(*item));
    }
    return Value(std::move(items));
}

std::optional<Value> readDictNode(const pugi::xml_node& node, std::size_t depth) {
    Value::Dictionary entries;
    std::optional<std::string> key;
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_comment) continue;
        if (child.type() == pugi::node_pcdata) {
            if (!trimmed(child.value()).empty()) return std::nullopt;
            continue;
        }
        if (!key) {
            if (std::strcmp(child.name(), "key") != 0) return std::nullopt;
            auto text = textOf(child);
            if (!text) return std::nullopt;
            key = std::string(*text);
            continue;
        }
        auto item = readNode(child, depth + 1);
        if (!item) return std::nullopt;
        entries[*key] = std::move(*item);
        key.reset();
    }
    if (key) return std::nullopt;  // a key without a value
    return Value(std::move(entries));
}

std::optional<Value> readNode(const pugi::xml_node& node, std::size_t depth) {
    if (node.type() != pugi::node_element || depth > PropertyList::kMaxDepth) return std::nullopt;
    const std::string_view name = node.name();
    if (name == "array") return readArrayNode(node, depth);
    if (name == "dict") return readDictNode(node, depth);
    if (name == "true" || name == "false") {
        if (hasContent(node)) return std::nullopt;
        return Value(name == "true");
    }
    auto text = textOf(node);
    if (!text) return std::nullopt;
    if (name == "string") return Value(std::string(*text));
    if (name == "integer") {
        auto i = parseInteger(*text);
        return i ? std::optional<Value>(Value(static_cast<long long>(*i))) : std::nullopt;
    }
    if (name == "real") {
        auto d = parseReal(*text);
        return d ? std::optional<Value>(Value(*d)) : std::nullopt;
    }
    if (name == "data") {
        auto bytes = decodeBase64(*text);
        return bytes ? std::optional<Value>(Value(std::move(*bytes))) : std::nullopt;
    }
    if (name == "date") {
        auto seconds = parseDate(trimmed(*text));
        return seconds ? std::optional<Value>(Value(Date{*seconds})) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<Value> readDocument(const void* data, std::size_t size) {
    pugi::xml_document doc;
    // Entities are expanded by pugixml only for the five predefined ones and character references,
    // so a hostile document cannot make the reader expand text without bound.
    // Blank-only texts are kept: "   " is a string like any other.
    const unsigned options = pugi::parse_default | pugi::parse_comments | pugi::parse_ws_pcdata;
    if (!doc.load_buffer(data, size, options, pugi::encoding_auto)) return std::nullopt;
    pugi::xml_node root;
    for (const pugi::xml_node& child : doc.children()) {
        if (child.type() != pugi::node_element) continue;
        if (root) return std::nullopt;
        root = child;
    }
    if (!root) return std::nullopt;
    if (std::strcmp(root.name(), "plist") != 0) return readNode(root, 0);
    pugi::xml_node value;
    for (const pugi::xml_node& child : root.children()) {
        if (child.type() == pugi::node_comment) continue;
        if (child.type() == pugi::node_pcdata && trimmed(child.value()).empty()) continue;
        if (value || child.type() != pugi::node_element) return std::nullopt;
        value = child;
    }
    if (!value) return std::nullopt;
    return readNode(value, 1);
}

std::optional<Value> withRoot(std::optional<Value> v, Value::Type type) {
    if (!v || v->type() != type) return std::nullopt;
    return v;
}

// ---- files ------------------------------------------------------------------------------------

// Temporary files are "<file>.tmp-<pid>-<random>": the name ties each to its file and its writer.
std::string temporaryPrefix(const std::string& file) {
    return file + ".tmp-";
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Left by a writer that was killed: its process is gone, or the file is older than any write takes
// (the process number may have been reused since).
bool isStale(const std::filesystem::path& file, std::string_view suffix) {
    const auto dash = suffix.find('-');
    if (dash == std::string_view::npos) return false;
    long pid = 0;
    const auto [end, ec] = std::from_chars(suffix.data(), suffix.data() + dash, pid);
    if (ec != std::errc() || end != suffix.data() + dash || pid <= 0) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) return true;
    std::error_code error;
    const auto written = std::filesystem::last_write_time(file, error);
    return !error && std::filesystem::file_time_type::clock::now() - written > std::chrono::hours(1);
}

}  // namespace

std::optional<Value> PropertyList::readData(const Value::Bytes& bytes) {
    if (bytes.empty()) return std::nullopt;
    return readDocument(bytes.data(), bytes.size());
}

std::optional<Value> PropertyList::readData(std::string_view text) {
    if (text.empty()) return std::nullopt;
    return readDocument(text.data(), text.size());
}

std::optional<Value> PropertyList::readFile(const std::string& path) {
    auto bytes = readFileContents(path, kMaxFileSize);
    if (!bytes) return std::nullopt;
    return readData(*bytes);
}

std::optional<Value> PropertyList::readArray(const std::string& path) {
    return withRoot(readFile(path), Value::Type::Array);
}

std::optional<Value> PropertyList::readDictionary(const std::string& path) {
    return withRoot(readFile(path), Value::Type::Dictionary);
}

std::string PropertyList::toXML(const Value& value) {
    Writer writer;
    writer.out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
        "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        "<plist version=\"1.0\">\n";
    if (!writer.write(value, 0)) return {};
    return writer.out + "</plist>\n";
}

bool PropertyList::writeFile(const std::string& path, const Value& value) {
    const std::string xml = toXML(value);
    if (xml.empty() || path.empty()) return false;
    // Through a symbolic link to the file it names, so the link stays in place.
    const auto target = resolveSymbolicLinks(path);
    if (!target) return false;
    std::random_device entropy;
    const std::string temp =
        temporaryPrefix(*target) + std::to_string(::getpid()) + "-" + std::to_string(entropy());
    // Owner-only from the start: the file may hold card data, and the rename keeps the mode.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = writeAll(fd, xml);
    // The data must be on disk before the rename makes it the file, or a crash could leave it empty.
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok && std::rename(temp.c_str(), target->c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
}

void PropertyList::removeStaleTemporaryFiles(const std::string& path) {
    namespace fs = std::filesystem;
    const auto target = resolveSymbolicLinks(path);
    if (!target) return;
    const fs::path file(*target);
    const std::string prefix = temporaryPrefix(file.filename().string());
    std::error_code ec;
    fs::directory_iterator it(file.parent_path().empty() ? fs::path(".") : file.parent_path(), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(prefix, 0) != 0 || !it->is_regular_file(ec)) continue;
        if (isStale(it->path(), name.substr(prefix.size()))) fs::remove(it->path(), ec);
    }
}

}  // namespace fv
