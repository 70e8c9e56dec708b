#include "onboarding/wizard/AddressSuggestionList.h"

#include "core/FrameworkResources.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Predicate.h"

namespace fv {

std::vector<std::string> AddressSuggestionList::load() {
    if (!frameworkResourcePath("usadata", "plist")) {
        log("Address suggestions: usadata.plist is not in the framework bundle");
        return {};
    }
    const auto root = readFrameworkArray("usadata");
    if (!root) {
        log("Address suggestions: usadata.plist holds no list");
        return {};
    }
    std::vector<std::string> entries;
    std::size_t skipped = 0;
    for (const Value& entry : *root->asArray()) {
        if (entry.isString())
            entries.push_back(entry.stringValue());
        else
            ++skipped;
    }
    if (skipped) log("Address suggestions: " + std::to_string(skipped) + " entries that are no text skipped");
    return entries;
}

std::vector<std::string> AddressSuggestionList::matching(const std::vector<std::string>& entries,
                                                         const std::string& text) {
    const NSPredicate contains = NSPredicate::containsCD("SELF", text);
    std::vector<std::string> out;
    for (const auto& entry : entries)
        if (contains.evaluateWithObject(Value(entry))) out.push_back(entry);
    return out;
}

}  // namespace fv
