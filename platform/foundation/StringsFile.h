#pragma once
// Localized-strings tables: `"key" = "value";` pairs with // and /* */ comments and backslash escapes
// (\n \t \r \" \' \\ \UXXXX and octal), in UTF-8 or UTF-16 (told by its byte-order mark).
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace fv {

class StringsFile {
  public:
    using Table = std::map<std::string, std::string>;

    // None when the text is not a well-formed table; texts come out in UTF-8.
    static std::optional<Table> parse(std::string_view bytes);
    static std::optional<Table> readFile(const std::string& path);
};

}  // namespace fv
