#pragma once
// The words a dictionary-word rule refuses. The framework ships a small English list; a host may give
// its own. Lookups are by exact lower-case text and safe from any thread.
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

namespace fv {

class PasswordWordList;
using PasswordWordListPtr = std::shared_ptr<const PasswordWordList>;

class PasswordWordList {
  public:
    // Lower-cased; blank entries are dropped.
    explicit PasswordWordList(const std::vector<std::string>& words);

    // One word a line; empty (with one log line) when the file is missing or larger than 4 MiB.
    // Lines longer than 64 bytes are skipped.
    static PasswordWordListPtr wordListWithContentsOfFile(const std::string& path);
    // "PasswordWords.txt" of the framework bundle, read once per process.
    static PasswordWordListPtr englishWordList();

    bool hasDefinitionForTerm(const std::string& term) const;
    std::size_t count() const { return words_.size(); }

  private:
    std::unordered_set<std::string> words_;
};

}  // namespace fv
