#include "platform/ui/UIControl.h"

#include <algorithm>
#include <map>

#include "platform/foundation/Log.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UITapGestureRecognizer.h"

namespace fv {

FV_REGISTER_CLASS(UIControl);

namespace {

bool sameTarget(const NSObjectWeak& a, const NSObjectWeak& b) {
    return !a.owner_before(b) && !b.owner_before(a);
}

// Interface files wire <action> elements of every control through target-action.
[[maybe_unused]] const bool connectorRegistered = [] {
    UINib::registerActionConnector("UIControl", [](NSObject& sender, const NSObjectPtr& target,
                                                   const std::string& selector, const std::string& event) {
        auto& control = static_cast<UIControl&>(sender);
        unsigned events = event.empty() ? control.defaultControlEvents() : controlEventsFromName(event);
        if (events == 0) return false;
        control.addTarget(target, selector, events);
        return true;
    });
    return true;
}();

}  // namespace

unsigned controlEventsFromName(const std::string& name) {
    static const std::map<std::string, unsigned> names = {
        {"touchDown", UIControlEventTouchDown},
        {"touchDownRepeat", UIControlEventTouchDownRepeat},
        {"touchDragInside", UIControlEventTouchDragInside},
        {"touchDragOutside", UIControlEventTouchDragOutside},
        {"touchDragEnter", UIControlEventTouchDragEnter},
        {"touchDragExit", UIControlEventTouchDragExit},
        {"touchUpInside", UIControlEventTouchUpInside},
        {"touchUpOutside", UIControlEventTouchUpOutside},
        {"touchCancel", UIControlEventTouchCancel},
        {"valueChanged", UIControlEventValueChanged},
        {"primaryActionTriggered", UIControlEventPrimaryActionTriggered},
        {"editingDidBegin", UIControlEventEditingDidBegin},
        {"editingChanged", UIControlEventEditingChanged},
        {"editingDidEnd", UIControlEventEditingDidEnd},
        {"editingDidEndOnExit", UIControlEventEditingDidEndOnExit},
        {"allTouchEvents", UIControlEventAllTouchEvents},
        {"allEditingEvents", UIControlEventAllEditingEvents},
        {"allEvents", UIControlEventAllEvents},
    };
    auto it = names.find(name);
    return it == names.end() ? 0 : it->second;
}

void UIControl::registerMembers(ClassBuilder<UIControl>& b) {
    b.enumNames("contentHorizontalAlignment", {{"center", 0}, {"left", 1}, {"right", 2}, {"fill", 3}});
    b.enumNames("contentVerticalAlignment", {{"center", 0}, {"top", 1}, {"bottom", 2}, {"fill", 3}});
    b.property("enabled", &UIControl::isEnabled, &UIControl::setEnabled);
    b.property("selected", &UIControl::isSelected, &UIControl::setSelected);
    b.property("highlighted", &UIControl::isHighlighted, &UIControl::setHighlighted);
    b.property("contentHorizontalAlignment", &UIControl::contentHorizontalAlignment,
               &UIControl::setContentHorizontalAlignment);
    b.property("contentVerticalAlignment", &UIControl::contentVerticalAlignment,
               &UIControl::setContentVerticalAlignment);
}

UIControl::~UIControl() = default;

void UIControl::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (!enabled) highlighted_ = false;
    stateDidChange();
}

void UIControl::setSelected(bool selected) {
    if (selected_ == selected) return;
    selected_ = selected;
    stateDidChange();
}

void UIControl::setHighlighted(bool highlighted) {
    if (highlighted_ == highlighted) return;
    highlighted_ = highlighted;
    stateDidChange();
}

unsigned UIControl::state() const {
    unsigned s = UIControlStateNormal;
    if (highlighted_) s |= UIControlStateHighlighted;
    if (!enabled_) s |= UIControlStateDisabled;
    if (selected_) s |= UIControlStateSelected;
    return s;
}

void UIControl::setContentHorizontalAlignment(UIControlContentHorizontalAlignment a) {
    horizontalAlignment_ = a;
    setNeedsLayout();
    setNeedsDisplay();
}

void UIControl::setContentVerticalAlignment(UIControlContentVerticalAlignment a) {
    verticalAlignment_ = a;
    setNeedsLayout();
    setNeedsDisplay();
}

// ---- target-action ----

void UIControl::addTarget(const NSObjectPtr& target, const std::string& selector, unsigned events) {
    if (!target || selector.empty() || events == 0) return;
    if (!answersAction(*target, selector, className())) return;
    NSObjectWeak weak = target;
    for (const auto& r : registrations_)
        if (r.selector == selector && r.events == events && sameTarget(r.target, weak)) return;
    registrations_.push_back({weak, selector, events});
}

void UIControl::removeTarget(const NSObjectPtr& target, const std::string& selector, unsigned events) {
    NSObjectWeak weak = target;
    for (auto& r : registrations_) {
        if (target && !sameTarget(r.target, weak)) continue;
        if (!selector.empty() && r.selector != selector) continue;
        r.events &= ~events;
    }
    std::erase_if(registrations_, [](const Registration& r) { return r.events == 0 || r.target.expired(); });
}

void UIControl::sendActionsForControlEvents(unsigned events) {
    // Actions may add or remove registrations, or release this control: work on a copy, keep alive.
    auto keepAlive = weak_from_this().lock();
    auto registrations = registrations_;
    for (const auto& r : registrations) {
        if (!(r.events & events)) continue;
        if (auto target = r.target.lock()) sendAction(r.selector, target.get());
    }
}

void UIControl::sendAction(const std::string& selector, NSObject* target) {
    if (!target) return;
    if (!target->performSelector(selector, this))
        log(className() + ": " + target->className() + " does not respond to \"" + selector + "\"");
}

std::vector<NSObjectPtr> UIControl::allTargets() const {
    std::vector<NSObjectPtr> out;
    for (const auto& r : registrations_) {
        auto t = r.target.lock();
        if (t && std::find(out.begin(), out.end(), t) == out.end()) out.push_back(t);
    }
    return out;
}

std::vector<std::string> UIControl::actionsForTarget(const NSObject* target, unsigned events) const {
    std::vector<std::string> out;
    for (const auto& r : registrations_) {
        if (!(r.events & events) || r.target.lock().get() != target) continue;
        if (std::find(out.begin(), out.end(), r.selector) == out.end()) out.push_back(r.selector);
    }
    return out;
}

unsigned UIControl::allControlEvents() const {
    unsigned all = 0;
    for (const auto& r : registrations_)
        if (!r.target.expired()) all |= r.events;
    return all;
}

// ---- touch tracking ----

bool UIControl::beginTrackingWithTouch(UITouch&, UIEvent*) {
    return true;
}

bool UIControl::continueTrackingWithTouch(UITouch&, UIEvent*) {
    return true;
}

void UIControl::endTrackingWithTouch(UITouch*, UIEvent*) {}

void UIControl::cancelTrackingWithEvent(UIEvent*) {}

UIViewPtr UIControl::hitTest(CGPoint p, UIEvent* event) {
    if (!enabled_) return nullptr;
    return UIView::hitTest(p, event);
}

bool UIControl::gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) {
    auto* tap = dynamic_cast<UITapGestureRecognizer*>(recognizer);
    if (!tap || tap->numberOfTapsRequired() != 1 || tap->numberOfTouchesRequired() != 1) return true;
    UIView* owner = tap->view();
    return !owner || owner == this || !isDescendantOfView(owner);
}

void UIControl::touchesBegan(const UITouchSet& touches, UIEvent* event) {
    if (touches.empty() || !enabled_ || isHidden()) return;
    auto keepAlive = weak_from_this().lock();
    auto& touch = *touches.front();
    touchInside_ = true;
    tracking_ = beginTrackingWithTouch(touch, event);
    setHighlighted(true);
    sendActionsForControlEvents(touch.tapCount > 1 ? UIControlEventTouchDown | UIControlEventTouchDownRepeat
                                                   : UIControlEventTouchDown);
}

void UIControl::touchesMoved(const UITouchSet& touches, UIEvent* event) {
    if (touches.empty() || !enabled_) return;
    auto keepAlive = weak_from_this().lock();
    auto& touch = *touches.front();
    bool wasInside = touchInside_;
    touchInside_ = pointInside(touch.locationInView(this), event);
    setHighlighted(touchInside_);
    if (tracking_) tracking_ = continueTrackingWithTouch(touch, event);
    unsigned events = touchInside_ ? UIControlEventTouchDragInside : UIControlEventTouchDragOutside;
    if (wasInside != touchInside_)
        events |= touchInside_ ? UIControlEventTouchDragEnter : UIControlEventTouchDragExit;
    sendActionsForControlEvents(events);
}

void UIControl::touchesEnded(const UITouchSet& touches, UIEvent* event) {
    if (touches.empty()) return;
    auto keepAlive = weak_from_this().lock();
    auto& touch = *touches.front();
    bool wasTracking = tracking_;
    touchInside_ = pointInside(touch.locationInView(this), event);
    tracking_ = false;
    setHighlighted(false);
    // A control disabled or hidden while the finger was down sends nothing.
    if (!enabled_ || isHidden()) return;
    if (wasTracking) endTrackingWithTouch(&touch, event);
    if (touchInside_) {
        sendActionsForControlEvents(UIControlEventTouchUpInside);
    } else {
        sendActionsForControlEvents(UIControlEventTouchUpOutside);
    }
    touchInside_ = false;
}

void UIControl::touchesCancelled(const UITouchSet&, UIEvent* event) {
    auto keepAlive = weak_from_this().lock();
    bool wasTracking = tracking_;
    tracking_ = false;
    touchInside_ = false;
    setHighlighted(false);
    if (wasTracking) cancelTrackingWithEvent(event);
    sendActionsForControlEvents(UIControlEventTouchCancel);
}

}  // namespace fv
