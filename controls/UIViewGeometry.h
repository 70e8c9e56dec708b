#pragma once
// Operations offered to any view: loading from an interface file through a process-wide cache,
// searching a view tree, shorthand frame and bounds geometry, and a cross-fade. Main thread only.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Predicate.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIViewController.h"

namespace fv {

class NSBundle;

// ---- loading ----

// instanceWithNibName:bundle:owner: asked of the class `className`. The name defaults to the class's
// name, the bundle to the main bundle. When the bundle holds that interface file, the first top-level
// object of it that is a view (none when it has no view); otherwise a new, plainly made `className`
// (none when that class is unknown or not a view). Whether a bundle holds a file is remembered, by
// the bundle's identifier (its path when it has none) and the name, until the cache lets it go.
UIViewPtr instanceWithNibName(const std::string& className, const std::optional<std::string>& name,
                              const std::shared_ptr<NSBundle>& bundle, const NSObjectPtr& owner);

template <class ViewClass>
UIViewPtr instanceWithNibName(const std::optional<std::string>& name = std::nullopt,
                              const std::shared_ptr<NSBundle>& bundle = nullptr,
                              const NSObjectPtr& owner = nullptr) {
    return instanceWithNibName(ViewClass::staticClassName(), name, bundle, owner);
}

// Loads a view (name defaulting to the receiver's class name) with the receiver as owner and adds it
// as a subview: it gives the receiver its size when the receiver has none, else fills its bounds.
void loadContentsWithNibName(UIView& view, const std::optional<std::string>& name = std::nullopt,
                             const std::shared_ptr<NSBundle>& bundle = nullptr);

// Forgets every remembered interface file.
void clearNibCache();

// ---- searching (every search tests the receiver first) ----

using ViewPredicate = std::function<bool(UIView&)>;
// A predicate over a view's properties by name ("tag", "hidden", ...).
ViewPredicate viewPredicate(const NSPredicate& predicate);

UIViewPtr viewMatchingPredicate(UIView& view, const ViewPredicate& predicate);
UIViewPtr viewWithTag(UIView& view, long tag, const std::string& className);
UIViewPtr viewOfClass(UIView& view, const std::string& className);
// Every match in the tree, depth first, the receiver first.
std::vector<UIViewPtr> viewsMatchingPredicate(UIView& view, const ViewPredicate& predicate);
std::vector<UIViewPtr> viewsWithTag(UIView& view, long tag);
std::vector<UIViewPtr> viewsWithTag(UIView& view, long tag, const std::string& className);
std::vector<UIViewPtr> viewsOfClass(UIView& view, const std::string& className);

// The receiver or its nearest matching ancestor.
UIViewPtr firstSuperviewMatchingPredicate(UIView& view, const ViewPredicate& predicate);
UIViewPtr firstSuperviewOfClass(UIView& view, const std::string& className);
UIViewPtr firstSuperviewWithTag(UIView& view, long tag);
UIViewPtr firstSuperviewWithTag(UIView& view, long tag, const std::string& className);
bool viewOrAnySuperviewMatchesPredicate(UIView& view, const ViewPredicate& predicate);
bool viewOrAnySuperviewIsKindOfClass(UIView& view, const std::string& className);

// True when the receiver is `other` or one of `other`'s ancestors.
bool isSuperviewOfView(const UIView& view, const UIView& other);
// True when the receiver is `other` or one of `other`'s descendants.
bool isSubviewOfView(const UIView& view, const UIView& other);

// The nearest view controller in the responder chain above the receiver.
UIViewControllerPtr firstViewController(const UIView& view);
// The receiver or its first descendant that is first responder.
UIViewPtr firstResponder(UIView& view);

// ---- geometry (each setter keeps the rest of the rectangle) ----

CGPoint origin(const UIView& view);
void setOrigin(UIView& view, CGPoint origin);
CGSize size(const UIView& view);
void setSize(UIView& view, CGSize size);
CGFloat top(const UIView& view);
void setTop(UIView& view, CGFloat top);
CGFloat left(const UIView& view);
void setLeft(UIView& view, CGFloat left);
CGFloat right(const UIView& view);
void setRight(UIView& view, CGFloat right);
CGFloat bottom(const UIView& view);
void setBottom(UIView& view, CGFloat bottom);
CGFloat width(const UIView& view);
void setWidth(UIView& view, CGFloat width);
CGFloat height(const UIView& view);
void setHeight(UIView& view, CGFloat height);
// The centre, not the frame origin.
CGFloat x(const UIView& view);
void setX(UIView& view, CGFloat x);
CGFloat y(const UIView& view);
void setY(UIView& view, CGFloat y);
CGSize boundsSize(const UIView& view);
void setBoundsSize(UIView& view, CGSize size);
CGFloat boundsWidth(const UIView& view);
void setBoundsWidth(UIView& view, CGFloat width);
CGFloat boundsHeight(const UIView& view);
void setBoundsHeight(UIView& view, CGFloat height);
CGRect contentBounds(const UIView& view);
CGPoint contentCenter(const UIView& view);

void setLeft(UIView& view, CGFloat left, CGFloat right);
void setWidth(UIView& view, CGFloat width, CGFloat right);
void setTop(UIView& view, CGFloat top, CGFloat bottom);
void setHeight(UIView& view, CGFloat height, CGFloat bottom);

// ---- cross-fade ----

// The next change of the view's content fades in over `duration` seconds.
void crossfadeWithDuration(UIView& view, double duration);
// Likewise; `completion` runs on the main queue once `duration` has passed.
void crossfadeWithDuration(UIView& view, double duration, std::function<void()> completion);

}  // namespace fv
