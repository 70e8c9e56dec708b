#pragma once
// The address suggestions shipped in the framework bundle ("usadata.plist", an array of texts) and
// the search over them that the name and address screen offers while the area address is typed.
#include <string>
#include <vector>

namespace fv {

class AddressSuggestionList {
  public:
    // Every text entry of the bundle's list, in order. A missing or unreadable file, or a root that
    // is no array, gives none; entries that are not texts are skipped. Each case logs one line.
    static std::vector<std::string> load();

    // The entries containing `text`, ignoring case and diacritics, in list order; the empty text
    // matches none.
    static std::vector<std::string> matching(const std::vector<std::string>& entries,
                                             const std::string& text);
};

}  // namespace fv
