#include "controls/PasswordWordList.h"

#include "controls/ControlsBundle.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/FileContents.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Text.h"

namespace fv {

namespace {

constexpr std::size_t kMaxFileSize = 4 * 1024 * 1024;
constexpr std::size_t kMaxWordSize = 64;

std::vector<std::string> linesOf(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (const std::uint8_t byte : bytes) {
        if (byte == '\n') {
            if (line.size() <= kMaxWordSize) lines.push_back(text::trim(line));
            line.clear();
        } else if (line.size() <= kMaxWordSize) {
            line.push_back(static_cast<char>(byte));
        }
    }
    if (!line.empty() && line.size() <= kMaxWordSize) lines.push_back(text::trim(line));
    return lines;
}

}  // namespace

PasswordWordList::PasswordWordList(const std::vector<std::string>& words) {
    for (const std::string& word : words) {
        if (!word.empty()) words_.insert(text::lowercase(word));
    }
}

PasswordWordListPtr PasswordWordList::wordListWithContentsOfFile(const std::string& path) {
    const auto bytes = readFileContents(path, kMaxFileSize);
    if (!bytes) {
        log("PasswordWordList: cannot read a word list of at most 4 MiB at " + path);
        return std::make_shared<const PasswordWordList>(std::vector<std::string>{});
    }
    return std::make_shared<const PasswordWordList>(linesOf(*bytes));
}

PasswordWordListPtr PasswordWordList::englishWordList() {
    static const PasswordWordListPtr list = [] {
        const auto bundle = controlsBundle();
        const auto path = bundle ? bundle->pathForResource("PasswordWords", "txt") : std::nullopt;
        if (!path) {
            log("PasswordWordList: the framework bundle has no PasswordWords.txt");
            return std::make_shared<const PasswordWordList>(std::vector<std::string>{});
        }
        return wordListWithContentsOfFile(*path);
    }();
    return list;
}

bool PasswordWordList::hasDefinitionForTerm(const std::string& term) const {
    return words_.count(term) > 0;
}

}  // namespace fv
