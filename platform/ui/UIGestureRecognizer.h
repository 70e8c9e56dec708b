#pragma once
// Gesture recognisers: objects attached to a view that watch the touches delivered to it (and to its
// subviews) before the views do, and turn them into taps, pans, long presses and swipes.
//
// States: Possible -> Began -> Changed* -> Ended | Cancelled for continuous gestures (pan, long
// press); Possible -> Ended (= Recognized) | Failed for discrete ones (tap, swipe). "state" is
// key-value observable and fires once per change. Targets get their action, with the recogniser as
// the sender, on Began, Changed, Ended and Cancelled (never on Failed). A recogniser returns to
// Possible, silently, once its gesture is over and no finger is down.
//
// Arbitration (TouchDispatch runs it): when a recogniser leaves Possible for Began or Ended
//  - it waits while a recogniser it requires to fail is still Possible, and fails if that one
//    recognises;
//  - its delegate's gestureRecognizerShouldBegin, the touched view's and its own view's
//    gestureRecognizerShouldBegin may refuse it (it fails);
//  - the other recognisers of the touch fail (or are cancelled) unless either delegate allows
//    simultaneous recognition;
//  - with cancelsTouchesInView (the default) the touched view gets touchesCancelled and no more
//    touches of the sequence.
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/NSObject.h"
#include "platform/graphics/Geometry.h"
#include "platform/ui/UIEvent.h"

namespace fv {

class UIView;
class UIGestureRecognizer;
using UIGestureRecognizerPtr = std::shared_ptr<UIGestureRecognizer>;

enum UIGestureRecognizerState : int {
    UIGestureRecognizerStatePossible = 0,
    UIGestureRecognizerStateBegan = 1,
    UIGestureRecognizerStateChanged = 2,
    UIGestureRecognizerStateEnded = 3,
    UIGestureRecognizerStateCancelled = 4,
    UIGestureRecognizerStateFailed = 5,
    UIGestureRecognizerStateRecognized = UIGestureRecognizerStateEnded,
};

// Optional methods; the defaults are the platform's answers when a delegate lacks one.
class UIGestureRecognizerDelegate {
  public:
    virtual ~UIGestureRecognizerDelegate() = default;
    virtual bool gestureRecognizerShouldBegin(UIGestureRecognizer* recognizer) {
        (void)recognizer;
        return true;
    }
    // gestureRecognizer:shouldReceiveTouch:; asked once per touch sequence, at its first touch.
    virtual bool gestureRecognizerShouldReceiveTouch(UIGestureRecognizer* recognizer, UITouch* touch) {
        (void)recognizer, (void)touch;
        return true;
    }
    // gestureRecognizer:shouldRecognizeSimultaneouslyWithGestureRecognizer:
    virtual bool gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(
        UIGestureRecognizer* recognizer, UIGestureRecognizer* other) {
        (void)recognizer, (void)other;
        return false;
    }
};

class UIGestureRecognizer : public NSObject {
    FV_CLASS(UIGestureRecognizer, NSObject)
    static void registerMembers(ClassBuilder<UIGestureRecognizer>& b);
    UIGestureRecognizer() = default;
    ~UIGestureRecognizer() override;

    // ---- target-action ----
    // The target is held weakly; an identical (target, action) pair is added once. The action is a
    // selector name registered on the target's class ("handleTap:"), called with this recogniser.
    void addTarget(const NSObjectPtr& target, const std::string& action);
    // For calls from a shared-owned object's own member functions (addTarget(this, "pan:")).
    void addTarget(NSObject* target, const std::string& action);
    // Makes the attached view the target of `action`, as a scroll view is for its own pan; safe to
    // call from the view's constructor.
    void addTargetToOwnView(const std::string& action);
    // A null target removes the action from every target; an empty action removes every action.
    void removeTarget(const NSObject* target, const std::string& action);

    // ---- state ----
    UIGestureRecognizerState state() const { return state_; }
    // Subclass hooks set it from their touch methods; tests may set it directly. Goes through
    // arbitration when leaving Possible during a touch sequence; sends actions and KVO.
    void setState(UIGestureRecognizerState state);

    // The view it is attached to (none once removed or once the view is gone).
    UIView* view() const { return view_; }
    std::shared_ptr<UIView> viewPtr() const;
    // The centroid of the current (or last) touches, in `v`'s coordinates; none = window.
    virtual CGPoint locationInView(const UIView* v) const;
    std::size_t numberOfTouches() const { return touches_.size(); }
    CGPoint locationOfTouch(std::size_t index, const UIView* v) const;

    bool enabled() const { return enabled_; }
    bool isEnabled() const { return enabled_; }
    // Disabling a recogniser in the middle of its gesture cancels (or fails) it.
    void setEnabled(bool enabled);
    bool cancelsTouchesInView() const { return cancelsTouchesInView_; }
    void setCancelsTouchesInView(bool on) { cancelsTouchesInView_ = on; }

    std::shared_ptr<UIGestureRecognizerDelegate> delegate() const;
    void setDelegate(const std::shared_ptr<UIGestureRecognizerDelegate>& delegate);
    // Makes the attached view (which implements UIGestureRecognizerDelegate) the delegate, as a scroll
    // view is for its own pan; safe to call from the view's constructor.
    void setDelegateToOwnView();

    // This recogniser only recognises once `other` has failed (held weakly).
    void requireGestureRecognizerToFail(const UIGestureRecognizerPtr& other);
    std::vector<UIGestureRecognizerPtr> failureRequirements() const;

    // ---- subclass hooks; touches are those of this recogniser's view tree ----
    virtual void touchesBegan(const UITouchSet& touches, UIEvent* event);
    virtual void touchesMoved(const UITouchSet& touches, UIEvent* event);
    virtual void touchesEnded(const UITouchSet& touches, UIEvent* event);
    virtual void touchesCancelled(const UITouchSet& touches, UIEvent* event);
    // Back to Possible: subclasses forget their gesture here (call the base).
    virtual void reset();

    // Touch-delivery bookkeeping (TouchDispatch and UIView call these).
    void attachToView(UIView* view) { view_ = view; }
    void detachFromView(const UIView* view);
    void beginParticipating(const UITouchSet& touches);
    bool isParticipating() const { return participating_; }
    void trackTouches(const UITouchSet& touches);
    void forgetTouches(const UITouchSet& touches);
    void resetIfOver();

    // The fingers down on this recogniser now.
    const UITouchSet& activeTouches() const { return touches_; }

  protected:
    // Seconds on the run loop clock.
    static double now();

  private:
    friend class TouchDispatch;
    struct Target {
        NSObjectWeak object;
        const NSObject* identity;
        std::string action;
        bool ownView = false;
    };
    void applyState(UIGestureRecognizerState state);
    void sendActions();

    UIGestureRecognizerState state_ = UIGestureRecognizerStatePossible;
    UIView* view_ = nullptr;  // cleared by the view on removal and in its destructor
    bool enabled_ = true;
    bool cancelsTouchesInView_ = true;
    bool delegateIsView_ = false;
    bool participating_ = false;
    UIGestureRecognizerState pendingState_ = UIGestureRecognizerStatePossible;  // waiting on a failure
    std::weak_ptr<UIGestureRecognizerDelegate> delegate_;
    std::vector<std::weak_ptr<UIGestureRecognizer>> failureRequirements_;
    std::vector<Target> targets_;
    UITouchSet touches_;
    CGPoint lastCentroid_;
};

}  // namespace fv
