#include "platform/ui/UIGestureRecognizer.h"

#include <algorithm>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/TouchDispatch.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIView.h"

namespace fv {

FV_REGISTER_CLASS(UIGestureRecognizer);

namespace {
// Interface files put recognisers on their parent view and give them target-action (no event).
[[maybe_unused]] const bool nibHooksRegistered = [] {
    UINib::registerChildAttacher("UIGestureRecognizer", [](NSObject& parent, const NSObjectPtr& child) {
        auto* view = dynamic_cast<UIView*>(&parent);
        auto recognizer = std::dynamic_pointer_cast<UIGestureRecognizer>(child);
        if (!view || !recognizer) return false;
        view->addGestureRecognizer(recognizer);
        return true;
    });
    UINib::registerActionConnector(
        "UIGestureRecognizer", [](NSObject& sender, const NSObjectPtr& target, const std::string& selector,
                                  const std::string& event) {
            auto* recognizer = dynamic_cast<UIGestureRecognizer*>(&sender);
            if (!recognizer || !event.empty() || !target) return false;
            recognizer->addTarget(target, selector);
            return true;
        });
    return true;
}();
}  // namespace

void UIGestureRecognizer::registerMembers(ClassBuilder<UIGestureRecognizer>& b) {
    b.property("enabled", &UIGestureRecognizer::enabled, &UIGestureRecognizer::setEnabled);
    b.property("cancelsTouchesInView", &UIGestureRecognizer::cancelsTouchesInView,
               &UIGestureRecognizer::setCancelsTouchesInView);
    b.property("state", &UIGestureRecognizer::state, &UIGestureRecognizer::setState);
    b.object(
        "delegate", [](UIGestureRecognizer& r) { return std::dynamic_pointer_cast<NSObject>(r.delegate()); },
        [](UIGestureRecognizer& r, const NSObjectPtr& o) {
            auto d = std::dynamic_pointer_cast<UIGestureRecognizerDelegate>(o);
            if (o && !d) return false;
            r.setDelegate(d);
            return true;
        });
    b.object(
        "view", [](UIGestureRecognizer& r) { return NSObjectPtr(r.viewPtr()); }, nullptr);
}

UIGestureRecognizer::~UIGestureRecognizer() = default;

void UIGestureRecognizer::addTarget(const NSObjectPtr& target, const std::string& action) {
    if (!target || action.empty()) return;
    if (!answersAction(*target, action, className())) return;
    for (auto& t : targets_)
        if (t.identity == target.get() && t.action == action) return;
    targets_.push_back({target, target.get(), action});
}

void UIGestureRecognizer::addTarget(NSObject* target, const std::string& action) {
    if (!target) return;
    auto shared = target->weak_from_this().lock();
    if (!shared) {
        log("UIGestureRecognizer: target " + target->className() + " is not shared-owned; action " + action +
            " not added");
        return;
    }
    addTarget(shared, action);
}

void UIGestureRecognizer::addTargetToOwnView(const std::string& action) {
    for (auto& t : targets_)
        if (t.ownView && t.action == action) return;
    targets_.push_back({{}, nullptr, action, true});
}

void UIGestureRecognizer::removeTarget(const NSObject* target, const std::string& action) {
    std::erase_if(targets_, [&](const Target& t) {
        const NSObject* identity = t.ownView ? view_ : t.identity;
        return (!target || identity == target) && (action.empty() || t.action == action);
    });
}

std::shared_ptr<UIView> UIGestureRecognizer::viewPtr() const {
    return view_ ? std::static_pointer_cast<UIView>(view_->weak_from_this().lock()) : nullptr;
}

void UIGestureRecognizer::detachFromView(const UIView* view) {
    if (view_ != view) return;
    view_ = nullptr;
    touches_.clear();
}

std::shared_ptr<UIGestureRecognizerDelegate> UIGestureRecognizer::delegate() const {
    if (delegateIsView_) {
        auto v = viewPtr();
        return v ? std::dynamic_pointer_cast<UIGestureRecognizerDelegate>(NSObjectPtr(v)) : nullptr;
    }
    return delegate_.lock();
}

void UIGestureRecognizer::setDelegate(const std::shared_ptr<UIGestureRecognizerDelegate>& delegate) {
    delegateIsView_ = false;
    delegate_ = delegate;
}

void UIGestureRecognizer::setDelegateToOwnView() {
    delegate_.reset();
    delegateIsView_ = true;
}

void UIGestureRecognizer::requireGestureRecognizerToFail(const UIGestureRecognizerPtr& other) {
    if (!other || other.get() == this) return;
    for (auto& w : failureRequirements_)
        if (w.lock() == other) return;
    failureRequirements_.push_back(other);
}

std::vector<UIGestureRecognizerPtr> UIGestureRecognizer::failureRequirements() const {
    std::vector<UIGestureRecognizerPtr> out;
    for (auto& w : failureRequirements_)
        if (auto r = w.lock()) out.push_back(r);
    return out;
}

void UIGestureRecognizer::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (enabled) return;
    if (state_ == UIGestureRecognizerStateBegan || state_ == UIGestureRecognizerStateChanged)
        setState(UIGestureRecognizerStateCancelled);
    else if (state_ == UIGestureRecognizerStatePossible && participating_)
        setState(UIGestureRecognizerStateFailed);
}

void UIGestureRecognizer::setState(UIGestureRecognizerState state) {
    if (state == state_) {
        // A continuous gesture reports every change, not only the first.
        if (state == UIGestureRecognizerStateChanged) sendActions();
        return;
    }
    if (state_ == UIGestureRecognizerStatePossible &&
        (state == UIGestureRecognizerStateBegan || state == UIGestureRecognizerStateEnded)) {
        state = static_cast<UIGestureRecognizerState>(TouchDispatch::arbitrate(*this, state));
        if (state == UIGestureRecognizerStatePossible) return;  // waiting for another to fail
    }
    applyState(state);
}

void UIGestureRecognizer::applyState(UIGestureRecognizerState state) {
    auto keepAlive = weak_from_this().lock();
    UIGestureRecognizerState old = state_;
    state_ = state;
    pendingState_ = UIGestureRecognizerStatePossible;
    didChangeValueForKey("state", Value(static_cast<long long>(old)), Value(static_cast<long long>(state)));
    if (state != UIGestureRecognizerStateFailed && state != UIGestureRecognizerStatePossible) sendActions();
    if (state == UIGestureRecognizerStateEnded || state == UIGestureRecognizerStateCancelled ||
        state == UIGestureRecognizerStateFailed)
        TouchDispatch::recognizerSettled(*this);
}

void UIGestureRecognizer::sendActions() {
    auto keepAlive = weak_from_this().lock();
    auto targets = targets_;
    for (auto& t : targets) {
        auto target = t.ownView ? NSObjectPtr(viewPtr()) : t.object.lock();
        if (!target) continue;
        if (!target->performSelector(t.action, this))
            log("UIGestureRecognizer: " + target->className() + " does not respond to " + t.action);
    }
}

CGPoint UIGestureRecognizer::locationInView(const UIView* v) const {
    CGPoint c = lastCentroid_;
    if (!touches_.empty()) {
        c = {};
        for (auto& t : touches_) c.x += t->locationInWindowPoint.x, c.y += t->locationInWindowPoint.y;
        c.x /= static_cast<CGFloat>(touches_.size());
        c.y /= static_cast<CGFloat>(touches_.size());
    }
    return v ? v->convertPointFromView(c, nullptr) : c;
}

CGPoint UIGestureRecognizer::locationOfTouch(std::size_t index, const UIView* v) const {
    if (index >= touches_.size()) return locationInView(v);
    return touches_[index]->locationInView(v);
}

void UIGestureRecognizer::touchesBegan(const UITouchSet&, UIEvent*) {}
void UIGestureRecognizer::touchesMoved(const UITouchSet&, UIEvent*) {}
void UIGestureRecognizer::touchesEnded(const UITouchSet&, UIEvent*) {}
void UIGestureRecognizer::touchesCancelled(const UITouchSet&, UIEvent*) {}

void UIGestureRecognizer::reset() {
    state_ = UIGestureRecognizerStatePossible;
    pendingState_ = UIGestureRecognizerStatePossible;
    participating_ = false;
    touches_.clear();
}

void UIGestureRecognizer::beginParticipating(const UITouchSet& touches) {
    participating_ = true;
    trackTouches(touches);
}

void UIGestureRecognizer::trackTouches(const UITouchSet& touches) {
    for (auto& t : touches)
        if (std::find(touches_.begin(), touches_.end(), t) == touches_.end()) touches_.push_back(t);
    lastCentroid_ = locationInView(nullptr);
}

void UIGestureRecognizer::forgetTouches(const UITouchSet& touches) {
    lastCentroid_ = locationInView(nullptr);
    std::erase_if(touches_,
                  [&](auto& t) { return std::find(touches.begin(), touches.end(), t) != touches.end(); });
}

void UIGestureRecognizer::resetIfOver() {
    if (!participating_) return;
    if (state_ == UIGestureRecognizerStateEnded || state_ == UIGestureRecognizerStateCancelled ||
        state_ == UIGestureRecognizerStateFailed)
        reset();
}

double UIGestureRecognizer::now() {
    return RunLoop::main().now();
}

}  // namespace fv
