#pragma once
// The user-defaults store: a dictionary of settings kept in an XML property list file. Changes live in
// memory at once and reach the file, by atomic replace, on synchronize(). Main-thread use only.
//
// The file is $FERNVAULT_DEFAULTS_PATH when set, else $XDG_DATA_HOME/fernvault/defaults.plist
// (XDG_DATA_HOME defaulting to ~/.local/share). A file that cannot be read as a dictionary (or is not
// a regular file) is never overwritten: the store starts empty and the file is moved aside before the
// first write. The file is created readable by its owner only, in folders made private; a symbolic
// link at the path is written through. Opening the store removes what killed writes left behind.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Value.h"

namespace fv {

class NSUserDefaults {
  public:
    static NSUserDefaults& standardUserDefaults();
    // Drops the standard store (and any unsynchronized change) and reads it anew from the location
    // the environment names now.
    static void resetStandardUserDefaultsForTesting();

    explicit NSUserDefaults(std::string path);
    ~NSUserDefaults();
    NSUserDefaults(const NSUserDefaults&) = delete;
    NSUserDefaults& operator=(const NSUserDefaults&) = delete;

    // Null when absent.
    Value objectForKey(const std::string& key) const;
    // None when absent or of another type.
    std::optional<Value::Bytes> dataForKey(const std::string& key) const;
    // Texts, and numbers in their decimal form; none otherwise.
    std::optional<std::string> stringForKey(const std::string& key) const;
    // False when absent; true for true, non-zero numbers and "YES"/"true"/"1".
    bool boolForKey(const std::string& key) const;
    // 0 when absent or not convertible.
    std::int64_t integerForKey(const std::string& key) const;

    // A null value removes the key. False (and nothing changed) when the value cannot be stored in a
    // property list, e.g. it holds a null inside a container.
    bool setObject(const Value& value, const std::string& key);
    void setBool(bool value, const std::string& key);
    void removeObjectForKey(const std::string& key);

    // Writes the file when anything changed since the last write; false when the write failed.
    bool synchronize();

    const std::string& path() const { return path_; }

  private:
    void load();
    bool moveCorruptFileAside();

    std::string path_;
    Value values_;
    bool dirty_ = false;
    bool corrupt_ = false;  // the file on disk could not be read and must be kept
};

}  // namespace fv
