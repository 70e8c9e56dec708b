#pragma once
// Controls: enabled / selected / highlighted state and target-action by selector name. Only simulated
// user input (touches, typing) sends events; programmatic setters never do. Disabled or hidden controls
// take no touches: hit-testing passes over them.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/UIView.h"

namespace fv {

enum UIControlState : unsigned {
    UIControlStateNormal = 0,
    UIControlStateHighlighted = 1 << 0,
    UIControlStateDisabled = 1 << 1,
    UIControlStateSelected = 1 << 2,
    UIControlStateFocused = 1 << 3,
};

enum UIControlEvents : unsigned {
    UIControlEventTouchDown = 1 << 0,
    UIControlEventTouchDownRepeat = 1 << 1,
    UIControlEventTouchDragInside = 1 << 2,
    UIControlEventTouchDragOutside = 1 << 3,
    UIControlEventTouchDragEnter = 1 << 4,
    UIControlEventTouchDragExit = 1 << 5,
    UIControlEventTouchUpInside = 1 << 6,
    UIControlEventTouchUpOutside = 1 << 7,
    UIControlEventTouchCancel = 1 << 8,
    UIControlEventValueChanged = 1 << 12,
    UIControlEventPrimaryActionTriggered = 1 << 13,
    UIControlEventEditingDidBegin = 1 << 16,
    UIControlEventEditingChanged = 1 << 17,
    UIControlEventEditingDidEnd = 1 << 18,
    UIControlEventEditingDidEndOnExit = 1 << 19,
    UIControlEventAllTouchEvents = 0x00000FFF,
    UIControlEventAllEditingEvents = 0x000F0000,
    UIControlEventAllEvents = 0xFFFFFFFF,
};

enum UIControlContentHorizontalAlignment : int {
    UIControlContentHorizontalAlignmentCenter = 0,
    UIControlContentHorizontalAlignmentLeft = 1,
    UIControlContentHorizontalAlignmentRight = 2,
    UIControlContentHorizontalAlignmentFill = 3,
};

enum UIControlContentVerticalAlignment : int {
    UIControlContentVerticalAlignmentCenter = 0,
    UIControlContentVerticalAlignmentTop = 1,
    UIControlContentVerticalAlignmentBottom = 2,
    UIControlContentVerticalAlignmentFill = 3,
};

// The events named in interface files ("touchUpInside", "valueChanged", ...); 0 for an unknown name.
unsigned controlEventsFromName(const std::string& name);

class UIControl;
using UIControlPtr = std::shared_ptr<UIControl>;

class UIControl : public UIView {
    FV_CLASS(UIControl, UIView)
    static void registerMembers(ClassBuilder<UIControl>& b);
    UIControl() = default;
    explicit UIControl(CGRect frame) : UIView(frame) {}
    ~UIControl() override;

    // ---- state ----
    bool isEnabled() const { return enabled_; }
    bool enabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    bool isSelected() const { return selected_; }
    bool selected() const { return selected_; }
    virtual void setSelected(bool selected);
    bool isHighlighted() const { return highlighted_; }
    bool highlighted() const { return highlighted_; }
    virtual void setHighlighted(bool highlighted);
    // The state bits: highlighted, disabled, selected.
    unsigned state() const;

    UIControlContentHorizontalAlignment contentHorizontalAlignment() const { return horizontalAlignment_; }
    void setContentHorizontalAlignment(UIControlContentHorizontalAlignment a);
    UIControlContentVerticalAlignment contentVerticalAlignment() const { return verticalAlignment_; }
    void setContentVerticalAlignment(UIControlContentVerticalAlignment a);

    // ---- target-action ----
    // The target is held weakly; an action whose target has died is skipped. Adding an identical
    // (target, selector, events) triple again changes nothing. A null target or empty selector adds
    // nothing.
    void addTarget(const NSObjectPtr& target, const std::string& selector, unsigned events);
    // Removes `events` from the matching registrations; a null target matches every target and an
    // empty selector every selector.
    void removeTarget(const NSObjectPtr& target, const std::string& selector, unsigned events);
    // Sends the actions registered for any of `events`, in registration order, with this control as
    // sender. Targets and registrations added or removed meanwhile take effect from the next send.
    void sendActionsForControlEvents(unsigned events);
    // Performs one action on one target (logged when the target lacks the selector).
    virtual void sendAction(const std::string& selector, NSObject* target);

    // Live targets, each once, in registration order; the selectors registered for a target and any
    // of `events`; the union of all registered events.
    std::vector<NSObjectPtr> allTargets() const;
    std::vector<std::string> actionsForTarget(const NSObject* target, unsigned events) const;
    unsigned allControlEvents() const;

    // The event an interface file's <action> without an event means: touch-up-inside here.
    virtual unsigned defaultControlEvents() const { return UIControlEventTouchUpInside; }

    // ---- touch tracking ----
    bool isTracking() const { return tracking_; }
    bool isTouchInside() const { return touchInside_; }
    // Hooks for subclasses; the base highlights while the touch is inside. Returning false from begin
    // or continue stops tracking.
    virtual bool beginTrackingWithTouch(UITouch& touch, UIEvent* event);
    virtual bool continueTrackingWithTouch(UITouch& touch, UIEvent* event);
    // Runs when the touch ends, before touch-up-inside / touch-up-outside are sent.
    virtual void endTrackingWithTouch(UITouch* touch, UIEvent* event);
    virtual void cancelTrackingWithEvent(UIEvent* event);

    void touchesBegan(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled(const UITouchSet& touches, UIEvent* event) override;

    // Disabled controls are passed over, as hidden and non-interactive views are.
    UIViewPtr hitTest(CGPoint p, UIEvent* event) override;
    // A touch on a control is the control's: an ancestor's one-finger single-tap recogniser does not
    // begin (the control's action fires instead); its own recognisers and other gestures may.
    bool gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) override;

  protected:
    // Called after enabled, selected or highlighted changed; the base redraws.
    virtual void stateDidChange() { setNeedsDisplay(); }

  private:
    struct Registration {
        NSObjectWeak target;
        std::string selector;
        unsigned events;
    };
    std::vector<Registration> registrations_;
    bool enabled_ = true;
    bool selected_ = false;
    bool highlighted_ = false;
    bool tracking_ = false;
    bool touchInside_ = false;
    UIControlContentHorizontalAlignment horizontalAlignment_ = UIControlContentHorizontalAlignmentCenter;
    UIControlContentVerticalAlignment verticalAlignment_ = UIControlContentVerticalAlignmentCenter;
};

}  // namespace fv
