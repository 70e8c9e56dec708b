#pragma once
// XML property lists: reading and writing the value tree. Reading never throws and never crashes on
// bad input; a missing, unreadable or malformed file gives none.
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Value.h"

namespace fv {

class PropertyList {
  public:
    // Deep enough for any real property list (and for archives of the deepest tree they accept),
    // shallow enough that reading hostile input cannot exhaust the stack, even on a worker thread.
    static constexpr std::size_t kMaxDepth = 512;

    static std::optional<Value> readFile(const std::string& path);
    static std::optional<Value> readData(const Value::Bytes& bytes);
    static std::optional<Value> readData(std::string_view text);

    // None unless the file holds a property list with that root type.
    static std::optional<Value> readArray(const std::string& path);
    static std::optional<Value> readDictionary(const std::string& path);

    // The XML text, or "" when the value cannot be a property list: a null value anywhere, a text
    // holding a NUL character, or a date that is not finite or outside the years 1 to 9999.
    static std::string toXML(const Value& value);

    // Writes a temporary file beside `path`, then renames it over `path`, so a reader sees either the
    // old or the new file, never a half-written one. The file is readable by its owner only. A
    // symbolic link at `path` is kept: the file it names is replaced. False when the value cannot be
    // written.
    static bool writeFile(const std::string& path, const Value& value);
    // Removes the temporary files of `path` that writers killed mid-write left behind; those of a
    // write still under way in another process are kept.
    static void removeStaleTemporaryFiles(const std::string& path);
};

}  // namespace fv
