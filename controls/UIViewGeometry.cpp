#include "controls/UIViewGeometry.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/NSCache.h"
#include "platform/foundation/NSNull.h"
#include "platform/foundation/ResetHooks.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/CAAnimation.h"
#include "platform/ui/CALayer.h"
#include "platform/ui/UINib.h"

namespace fv {

namespace {

NSCache& nibCache() {
    static NSCache cache;
    return cache;
}

[[maybe_unused]] const bool registered = ResetHooks::add("controls.nibCache", [] { clearNibCache(); });

// A bundle without an identifier is known by its path, so two such bundles never share entries.
std::string cacheKey(const NSBundle& bundle, const std::string& name) {
    const std::string& id = bundle.bundleIdentifier();
    return (id.empty() ? bundle.bundlePath() : id) + "." + name;
}

UINibPtr cachedNib(const std::shared_ptr<NSBundle>& bundle, const std::string& name) {
    if (!bundle) return nullptr;
    const std::string key = cacheKey(*bundle, name);
    NSObjectPtr entry = nibCache().objectForKey(key);
    if (!entry) {
        UINibPtr nib = UINib::nibWithNibName(name, bundle);
        entry = nib ? NSObjectPtr(nib) : NSObjectPtr(NSNull::null());
        nibCache().setObject(entry, key);
    }
    return std::dynamic_pointer_cast<UINib>(entry);
}

UIViewPtr plainInstance(const std::string& className) {
    return std::dynamic_pointer_cast<UIView>(ClassRegistry::create(className));
}

UIViewPtr sharedView(UIView& view) {
    return view.sharedAs<UIView>();
}

void collectMatches(UIView& view, const ViewPredicate& predicate, std::vector<UIViewPtr>& out) {
    if (predicate(view)) out.push_back(sharedView(view));
    for (const UIViewPtr& subview : view.subviews()) collectMatches(*subview, predicate, out);
}

ViewPredicate kindOf(const std::string& className) {
    return [className](UIView& v) { return v.isKindOfClass(className); };
}

ViewPredicate tagged(long tag) {
    return [tag](UIView& v) { return v.tag() == tag; };
}

ViewPredicate taggedKindOf(long tag, const std::string& className) {
    return [tag, className](UIView& v) { return v.tag() == tag && v.isKindOfClass(className); };
}

// Predicates read a view's registered properties by name.
class ViewProperties : public KeyValueCoding {
  public:
    explicit ViewProperties(const UIView& view) : view_(view) {}
    Value valueForKey(const std::string& key) const override { return view_.valueForKey(key); }

  private:
    const UIView& view_;
};

}  // namespace

UIViewPtr instanceWithNibName(const std::string& className, const std::optional<std::string>& name,
                              const std::shared_ptr<NSBundle>& bundle, const NSObjectPtr& owner) {
    const std::string nibName = name.value_or(className);
    const UINibPtr nib = cachedNib(bundle ? bundle : NSBundle::mainBundle(), nibName);
    if (!nib) return plainInstance(className);
    for (const NSObjectPtr& object : nib->instantiateWithOwner(owner)) {
        if (auto view = std::dynamic_pointer_cast<UIView>(object)) return view;
    }
    return nullptr;
}

void loadContentsWithNibName(UIView& view, const std::optional<std::string>& name,
                             const std::shared_ptr<NSBundle>& bundle) {
    const UIViewPtr loaded = instanceWithNibName(UIView::staticClassName(), name.value_or(view.className()),
                                                 bundle, sharedView(view));
    if (!loaded) return;
    const CGSize own = size(view);
    if (own.width == 0 && own.height == 0) {
        setSize(view, size(*loaded));
    } else {
        loaded->setFrame(contentBounds(view));
    }
    view.addSubview(loaded);
}

void clearNibCache() {
    nibCache().removeAllObjects();
}

ViewPredicate viewPredicate(const NSPredicate& predicate) {
    return [predicate](UIView& v) {
        const ViewProperties properties(v);
        return predicate.evaluateWithObject(PredicateSubject(properties));
    };
}

UIViewPtr viewMatchingPredicate(UIView& view, const ViewPredicate& predicate) {
    if (predicate(view)) return sharedView(view);
    for (const UIViewPtr& subview : view.subviews()) {
        if (UIViewPtr hit = viewMatchingPredicate(*subview, predicate)) return hit;
    }
    return nullptr;
}

UIViewPtr viewWithTag(UIView& view, long tag, const std::string& className) {
    return viewMatchingPredicate(view, taggedKindOf(tag, className));
}

UIViewPtr viewOfClass(UIView& view, const std::string& className) {
    return viewMatchingPredicate(view, kindOf(className));
}

std::vector<UIViewPtr> viewsMatchingPredicate(UIView& view, const ViewPredicate& predicate) {
    std::vector<UIViewPtr> out;
    collectMatches(view, predicate, out);
    return out;
}

std::vector<UIViewPtr> viewsWithTag(UIView& view, long tag) {
    return viewsMatchingPredicate(view, tagged(tag));
}

std::vector<UIViewPtr> viewsWithTag(UIView& view, long tag, const std::string& className) {
    return viewsMatchingPredicate(view, taggedKindOf(tag, className));
}

std::vector<UIViewPtr> viewsOfClass(UIView& view, const std::string& className) {
    return viewsMatchingPredicate(view, kindOf(className));
}

UIViewPtr firstSuperviewMatchingPredicate(UIView& view, const ViewPredicate& predicate) {
    for (UIView* v = &view; v; v = v->superview()) {
        if (predicate(*v)) return sharedView(*v);
    }
    return nullptr;
}

UIViewPtr firstSuperviewOfClass(UIView& view, const std::string& className) {
    return firstSuperviewMatchingPredicate(view, kindOf(className));
}

UIViewPtr firstSuperviewWithTag(UIView& view, long tag) {
    return firstSuperviewMatchingPredicate(view, tagged(tag));
}

UIViewPtr firstSuperviewWithTag(UIView& view, long tag, const std::string& className) {
    return firstSuperviewMatchingPredicate(view, taggedKindOf(tag, className));
}

bool viewOrAnySuperviewMatchesPredicate(UIView& view, const ViewPredicate& predicate) {
    return firstSuperviewMatchingPredicate(view, predicate) != nullptr;
}

bool viewOrAnySuperviewIsKindOfClass(UIView& view, const std::string& className) {
    return viewOrAnySuperviewMatchesPredicate(view, kindOf(className));
}

bool isSuperviewOfView(const UIView& view, const UIView& other) {
    for (const UIView* v = &other; v; v = v->superview()) {
        if (v == &view) return true;
    }
    return false;
}

bool isSubviewOfView(const UIView& view, const UIView& other) {
    return isSuperviewOfView(other, view);
}

UIViewControllerPtr firstViewController(const UIView& view) {
    for (UIResponder* r = view.nextResponder(); r; r = r->nextResponder()) {
        if (auto* controller = dynamic_cast<UIViewController*>(r))
            return controller->sharedAs<UIViewController>();
    }
    return nullptr;
}

UIViewPtr firstResponder(UIView& view) {
    return viewMatchingPredicate(view, [](UIView& v) { return v.isFirstResponder(); });
}

CGPoint origin(const UIView& view) {
    return view.frame().origin;
}

void setOrigin(UIView& view, CGPoint origin) {
    CGRect frame = view.frame();
    frame.origin = origin;
    view.setFrame(frame);
}

CGSize size(const UIView& view) {
    return view.frame().size;
}

void setSize(UIView& view, CGSize size) {
    CGRect frame = view.frame();
    frame.size = size;
    view.setFrame(frame);
}

CGFloat top(const UIView& view) {
    return view.frame().origin.y;
}

void setTop(UIView& view, CGFloat top) {
    setOrigin(view, CGPoint{left(view), top});
}

CGFloat left(const UIView& view) {
    return view.frame().origin.x;
}

void setLeft(UIView& view, CGFloat left) {
    setOrigin(view, CGPoint{left, top(view)});
}

CGFloat right(const UIView& view) {
    return left(view) + width(view);
}

void setRight(UIView& view, CGFloat right) {
    setLeft(view, right - width(view));
}

CGFloat bottom(const UIView& view) {
    return top(view) + height(view);
}

void setBottom(UIView& view, CGFloat bottom) {
    setTop(view, bottom - height(view));
}

CGFloat width(const UIView& view) {
    return view.frame().size.width;
}

void setWidth(UIView& view, CGFloat width) {
    setSize(view, CGSize{width, height(view)});
}

CGFloat height(const UIView& view) {
    return view.frame().size.height;
}

void setHeight(UIView& view, CGFloat height) {
    setSize(view, CGSize{width(view), height});
}

CGFloat x(const UIView& view) {
    return view.center().x;
}

void setX(UIView& view, CGFloat x) {
    view.setCenter(CGPoint{x, view.center().y});
}

CGFloat y(const UIView& view) {
    return view.center().y;
}

void setY(UIView& view, CGFloat y) {
    view.setCenter(CGPoint{view.center().x, y});
}

CGSize boundsSize(const UIView& view) {
    return view.bounds().size;
}

void setBoundsSize(UIView& view, CGSize size) {
    CGRect bounds = view.bounds();
    bounds.size = size;
    view.setBounds(bounds);
}

CGFloat boundsWidth(const UIView& view) {
    return view.bounds().size.width;
}

void setBoundsWidth(UIView& view, CGFloat width) {
    setBoundsSize(view, CGSize{width, boundsHeight(view)});
}

CGFloat boundsHeight(const UIView& view) {
    return view.bounds().size.height;
}

void setBoundsHeight(UIView& view, CGFloat height) {
    setBoundsSize(view, CGSize{boundsWidth(view), height});
}

CGRect contentBounds(const UIView& view) {
    return CGRect{CGPoint{0, 0}, boundsSize(view)};
}

CGPoint contentCenter(const UIView& view) {
    return CGPoint{boundsWidth(view) / 2, boundsHeight(view) / 2};
}

void setLeft(UIView& view, CGFloat left, CGFloat right) {
    CGRect frame = view.frame();
    frame.origin.x = left;
    frame.size.width = right - left;
    view.setFrame(frame);
}

void setWidth(UIView& view, CGFloat width, CGFloat right) {
    CGRect frame = view.frame();
    frame.origin.x = right - width;
    frame.size.width = width;
    view.setFrame(frame);
}

void setTop(UIView& view, CGFloat top, CGFloat bottom) {
    CGRect frame = view.frame();
    frame.origin.y = top;
    frame.size.height = bottom - top;
    view.setFrame(frame);
}

void setHeight(UIView& view, CGFloat height, CGFloat bottom) {
    CGRect frame = view.frame();
    frame.origin.y = bottom - height;
    frame.size.height = height;
    view.setFrame(frame);
}

void crossfadeWithDuration(UIView& view, double duration) {
    auto transition = std::dynamic_pointer_cast<CATransition>(ClassRegistry::create("CATransition"));
    if (!transition) return;
    transition->type = "kCATransitionFade";
    transition->duration = duration;
    view.layer()->addAnimation(transition);
}

void crossfadeWithDuration(UIView& view, double duration, std::function<void()> completion) {
    crossfadeWithDuration(view, duration);
    if (completion) RunLoop::main().postAfter(duration, std::move(completion));
}

}  // namespace fv
