#pragma once
// URLs as the platform parses them: strict about characters (a blank or "|" gives no URL), with the
// parts callers read.
#include <optional>
#include <string>
#include <string_view>

namespace fv {

class NSURL {
  public:
    // None when the text holds a character a URL may not carry (blanks, "|", quotes, "<>", "{}",
    // "\\", "^", "`", non-ASCII, control characters), a "%" not followed by two hex digits, a second
    // "#", or an unreadable port.
    static std::optional<NSURL> URLWithString(std::string_view text);
    // Resolves `text` against `base` as a browser resolves a link: a text with a scheme stands alone,
    // "/x" replaces the base's path, "x" replaces the base's last path segment.
    static std::optional<NSURL> URLWithString(std::string_view text, const NSURL& base);

    const std::string& absoluteString() const { return text_; }
    // Lower-cased scheme; empty for a relative URL.
    const std::string& scheme() const { return scheme_; }
    // Empty when the URL has no authority or an empty host.
    const std::string& host() const { return host_; }
    std::optional<int> port() const { return port_; }
    const std::string& path() const { return path_; }
    // Without the leading "?" / "#"; none when absent.
    const std::optional<std::string>& query() const { return query_; }
    const std::optional<std::string>& fragment() const { return fragment_; }
    bool hasAuthority() const { return hasAuthority_; }

    bool operator==(const NSURL& other) const { return text_ == other.text_; }

  private:
    NSURL() = default;
    std::string text_, scheme_, host_, path_, authority_;
    std::optional<int> port_;
    std::optional<std::string> query_, fragment_;
    bool hasAuthority_ = false;
};

// The legacy UTF-8 escaper of URL texts: every byte outside the characters URLs may carry (ASCII
// letters, digits and -_.!~*'();/?:@&=+$,#) becomes %XX, so ":" and "/" stay and "|", "%" and blanks
// are escaped.
std::string percentEscape(std::string_view text);

}  // namespace fv
