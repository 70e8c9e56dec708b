#pragma once
// Building one interface file's objects for an owner: each element made by its class name, its
// attributes set by name, children placed, then references, outlets, actions and constraints bound.
// UINib parses and caches the file; this is the one pass over it per instantiation.
#include <string>
#include <vector>

#include "platform/foundation/NSObject.h"
#include "platform/ui/UINib.h"

namespace pugi {
class xml_node;
}

namespace fv::nib {

// The objects of `root`'s top-level elements. Each problem goes into `errors`, the process's load
// errors and the log; what can still be built is.
std::vector<NSObjectPtr> instantiate(const std::string& nibName, const pugi::xml_node& root,
                                     const NSObjectPtr& owner, std::vector<std::string>& errors);

// What the loader keeps for the whole process, shared with the builder.
void recordLoadError(const std::string& line);
UINib::ActionConnector actionConnectorFor(const ClassInfo& info);
UINib::ChildAttacher childAttacherFor(const ClassInfo& info);

}  // namespace fv::nib
