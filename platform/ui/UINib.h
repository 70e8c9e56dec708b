#pragma once
// Interface files: "<Name>.xml" in a bundle's resources, one per screen and cell class, in the format
// described in resources/README.md. A nib is parsed once and instantiated any number of times; each
// instantiation builds fresh objects, sets their properties, connects outlets, actions, delegates,
// recognisers and constraints to the owner and to each other, then calls awakeFromNib on every object.
//
// Problems (a malformed file, an unknown class, a missing outlet or action, a bad value) never throw:
// each becomes a line in the log and an entry in loadErrors(), which the test host turns into a test
// failure. Whatever could be built is still returned.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/NSObject.h"

namespace fv {

class NSBundle;
class UINib;
using UINibPtr = std::shared_ptr<UINib>;

class UINib : public NSObject {
    FV_CLASS(UINib, NSObject)
    // None when the bundle has no "<name>.xml"; without a bundle, the first registered library bundle
    // holding the file, else the main bundle. A file that exists
    // but does not parse gives a nib that instantiates nothing, with the error recorded.
    static UINibPtr nibWithNibName(const std::string& name,
                                   const std::shared_ptr<NSBundle>& bundle = nullptr);
    // From XML text; `name` only labels error messages.
    static UINibPtr nibWithXML(const std::string& xml, const std::string& name);

    UINib();
    ~UINib() override;

    const std::string& name() const;
    // instantiateWithOwner:options:. The top-level objects in file order; `owner` may be none, in
    // which case owner references are errors.
    std::vector<NSObjectPtr> instantiateWithOwner(const NSObjectPtr& owner) const;
    // The errors of parsing and of the last instantiation.
    std::vector<std::string> errors() const;

    // Every error any nib reported since the last clear, oldest first ("<name>: <problem>").
    static std::vector<std::string> loadErrors();
    static void clearLoadErrors();

    // Connections that properties cannot express, supplied by the class families that have them
    // (controls, recognisers, bar items). Each is found by the object's class or nearest ancestor.
    // An action connector adds target-action for `event` ("" = the class's usual event) and returns
    // false for an event it does not know. An attacher puts a non-view child element (a recogniser)
    // on its parent object and returns false when it cannot.
    using ActionConnector = std::function<bool(NSObject& sender, const NSObjectPtr& target,
                                               const std::string& selector, const std::string& event)>;
    using ChildAttacher = std::function<bool(NSObject& parent, const NSObjectPtr& child)>;
    static void registerActionConnector(const std::string& className, ActionConnector connector);
    static void registerChildAttacher(const std::string& className, ChildAttacher attacher);

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace fv
