#include "platform/ui/TouchDispatch.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIGestureRecognizer.h"
#include "platform/ui/UIWindow.h"

namespace fv {

namespace {

using RecognizerWeak = std::weak_ptr<UIGestureRecognizer>;

struct Session {
    std::map<int, UITouchPtr> fingers;
    std::weak_ptr<UIView> hitView;
    std::weak_ptr<UIWindow> window;
    UIEventPtr event;
    bool viewCancelled = false;
    // Every recogniser still taking part: this sequence's, and earlier ones still waiting (a
    // double tap between its taps, a tap waiting for another to fail).
    std::vector<RecognizerWeak> participants;
};

Session& session() {
    static Session s;
    return s;
}

std::vector<UIGestureRecognizerPtr> liveParticipants() {
    std::vector<UIGestureRecognizerPtr> out;
    for (auto& w : session().participants)
        if (auto r = w.lock(); r && r->isParticipating()) out.push_back(r);
    return out;
}

void pruneParticipants() {
    std::erase_if(session().participants, [](const RecognizerWeak& w) {
        auto r = w.lock();
        return !r || !r->isParticipating();
    });
}

void advanceTo(double time) {
    auto& loop = RunLoop::main();
    if (time > loop.now()) loop.advance(time - loop.now());
}

bool takesTouches(UIGestureRecognizerState s) {
    return s == UIGestureRecognizerStatePossible || s == UIGestureRecognizerStateBegan ||
           s == UIGestureRecognizerStateChanged;
}

bool recognised(UIGestureRecognizerState s) {
    return s == UIGestureRecognizerStateBegan || s == UIGestureRecognizerStateChanged ||
           s == UIGestureRecognizerStateEnded;
}

UITouchSet allTouches() {
    UITouchSet out;
    for (auto& [id, t] : session().fingers) out.push_back(t);
    return out;
}

// A screen point in the coordinates of the window the touch began in.
CGPoint inTouchWindow(const UITouch& touch, CGPoint point) {
    auto window = touch.window.lock();
    CGPoint origin = window ? window->frame().origin : CGPointZero;
    return {point.x - origin.x, point.y - origin.y};
}

using Hook = void (UIResponder::*)(const UITouchSet&, UIEvent*);
using RecognizerHook = void (UIGestureRecognizer::*)(const UITouchSet&, UIEvent*);

// Recognisers first, then the view unless a recogniser took the sequence.
void deliver(const UITouchPtr& touch, RecognizerHook recognizerHook, Hook viewHook, bool ending) {
    auto& s = session();
    UITouchSet set{touch};
    s.event->timestamp = touch->timestamp;
    s.event->touches = allTouches();
    for (auto& r : liveParticipants()) {
        if (!r->isEnabled() || !takesTouches(r->state())) continue;
        if (std::find(r->activeTouches().begin(), r->activeTouches().end(), touch) ==
            r->activeTouches().end())
            continue;
        ((*r).*recognizerHook)(set, s.event.get());
    }
    for (auto& r : liveParticipants())
        if (ending) r->forgetTouches(set);
    if (s.viewCancelled) return;
    if (auto view = s.hitView.lock()) ((*view).*viewHook)(set, s.event.get());
}

void endSequenceIfLifted() {
    if (!session().fingers.empty()) return;
    for (auto& r : liveParticipants()) r->resetIfOver();
    pruneParticipants();
}

bool simultaneous(UIGestureRecognizer& a, UIGestureRecognizer& b) {
    auto da = a.delegate();
    if (da && da->gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(&a, &b)) return true;
    auto db = b.delegate();
    return db && db->gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(&b, &a);
}

bool allowedToBegin(UIGestureRecognizer& r) {
    auto delegate = r.delegate();
    if (delegate && !delegate->gestureRecognizerShouldBegin(&r)) return false;
    // A view that is the recogniser's delegate has answered already.
    auto asDelegate = [&](UIView* v) {
        return delegate && dynamic_cast<UIGestureRecognizerDelegate*>(v) == delegate.get();
    };
    auto touched = session().hitView.lock();
    if (touched && touched.get() != r.view() && !asDelegate(touched.get()) &&
        !touched->gestureRecognizerShouldBegin(&r))
        return false;
    if (r.view() && !asDelegate(r.view()) && !r.view()->gestureRecognizerShouldBegin(&r)) return false;
    return true;
}

}  // namespace

bool TouchDispatch::touchDown(CGPoint point, double time, int finger) {
    advanceTo(time);
    auto& s = session();
    if (s.fingers.count(finger)) return false;
    auto app = UIApplication::sharedApplication();
    bool starting = s.fingers.empty();
    UIViewPtr hit = starting ? app->hitTest(point) : s.hitView.lock();
    if (!hit || !hit->window()) return false;
    auto window = std::static_pointer_cast<UIWindow>(hit->window()->weak_from_this().lock());
    if (!window) return false;
    CGPoint origin = window->frame().origin;

    auto touch = std::make_shared<UITouch>();
    touch->phase = UITouchPhaseBegan;
    touch->timestamp = RunLoop::main().now();
    touch->locationInWindowPoint = {point.x - origin.x, point.y - origin.y};
    touch->previousLocationInWindowPoint = touch->locationInWindowPoint;
    touch->view = hit;
    touch->window = window;

    UITouchSet set{touch};
    std::vector<UIGestureRecognizerPtr> chain;
    if (starting) {
        pruneParticipants();
        s.hitView = hit;
        s.window = window;
        s.viewCancelled = false;
        s.event = std::make_shared<UIEvent>();
        for (UIView* v = hit.get(); v; v = v->superview())
            for (auto& r : v->gestureRecognizers())
                if (r->isEnabled()) chain.push_back(r);
        for (auto& r : chain) {
            auto d = r->delegate();
            if (d && !d->gestureRecognizerShouldReceiveTouch(r.get(), touch.get())) continue;
            if (!r->isParticipating()) s.participants.push_back(r);
            r->beginParticipating({});
        }
    }
    s.fingers[finger] = touch;
    for (auto& r : liveParticipants()) {
        // Recognisers of this sequence take every finger; earlier waiting ones only watch their own.
        if (starting && std::find(chain.begin(), chain.end(), r) == chain.end()) continue;
        if (!starting && r->activeTouches().empty()) continue;
        r->trackTouches(set);
    }
    deliver(touch, &UIGestureRecognizer::touchesBegan, &UIResponder::touchesBegan, false);
    return true;
}

bool TouchDispatch::touchMove(CGPoint point, double time, int finger) {
    advanceTo(time);
    auto& s = session();
    auto it = s.fingers.find(finger);
    if (it == s.fingers.end()) return false;
    auto touch = it->second;
    touch->previousLocationInWindowPoint = touch->locationInWindowPoint;
    touch->locationInWindowPoint = inTouchWindow(*touch, point);
    touch->timestamp = RunLoop::main().now();
    touch->phase = UITouchPhaseMoved;
    deliver(touch, &UIGestureRecognizer::touchesMoved, &UIResponder::touchesMoved, false);
    return true;
}

bool TouchDispatch::touchUp(CGPoint point, double time, int finger) {
    advanceTo(time);
    auto& s = session();
    auto it = s.fingers.find(finger);
    if (it == s.fingers.end()) return false;
    auto touch = it->second;
    if (!(inTouchWindow(*touch, point) == touch->locationInWindowPoint)) touchMove(point, -1, finger);
    touch->previousLocationInWindowPoint = touch->locationInWindowPoint;
    touch->timestamp = RunLoop::main().now();
    touch->phase = UITouchPhaseEnded;
    deliver(touch, &UIGestureRecognizer::touchesEnded, &UIResponder::touchesEnded, true);
    s.fingers.erase(finger);
    endSequenceIfLifted();
    return true;
}

bool TouchDispatch::touchCancel(int finger) {
    auto& s = session();
    auto it = s.fingers.find(finger);
    if (it == s.fingers.end()) return false;
    auto touch = it->second;
    touch->timestamp = RunLoop::main().now();
    touch->phase = UITouchPhaseCancelled;
    deliver(touch, &UIGestureRecognizer::touchesCancelled, &UIResponder::touchesCancelled, true);
    s.fingers.erase(finger);
    endSequenceIfLifted();
    return true;
}

bool TouchDispatch::tap(CGPoint point) {
    if (!touchDown(point)) return false;
    touchUp(point, RunLoop::main().now() + 0.05);
    return true;
}

bool TouchDispatch::drag(CGPoint from, CGPoint to, double duration, int steps,
                         std::shared_ptr<UIView>* startedOn) {
    if (steps < 1) steps = 1;
    double start = RunLoop::main().now();
    if (!touchDown(from, start)) return false;
    if (startedOn) *startedOn = touchedView();
    for (int i = 1; i <= steps; ++i) {
        double f = static_cast<double>(i) / steps;
        touchMove({from.x + (to.x - from.x) * f, from.y + (to.y - from.y) * f}, start + duration * f);
    }
    touchUp(to);
    return true;
}

bool TouchDispatch::isTouching() {
    return !session().fingers.empty();
}

std::shared_ptr<UIView> TouchDispatch::touchedView() {
    return session().hitView.lock();
}

void TouchDispatch::reset() {
    auto& s = session();
    auto participants = liveParticipants();
    s = Session{};
    for (auto& r : participants) r->reset();
}

int TouchDispatch::arbitrate(UIGestureRecognizer& r, int requested) {
    if (!r.isParticipating()) return requested;  // set directly, outside any touch sequence
    if (!r.isEnabled()) return UIGestureRecognizerStateFailed;
    for (auto& other : r.failureRequirements()) {
        if (!other->isParticipating()) continue;
        if (recognised(other->state())) return UIGestureRecognizerStateFailed;
        if (other->state() == UIGestureRecognizerStatePossible) {
            r.pendingState_ = static_cast<UIGestureRecognizerState>(requested);
            return UIGestureRecognizerStatePossible;
        }
    }
    if (!allowedToBegin(r)) return UIGestureRecognizerStateFailed;
    auto& s = session();
    auto self = std::static_pointer_cast<UIGestureRecognizer>(r.weak_from_this().lock());
    for (auto& other : liveParticipants()) {
        if (other.get() == &r || simultaneous(r, *other)) continue;
        if (other->state() == UIGestureRecognizerStatePossible)
            other->applyState(UIGestureRecognizerStateFailed);
        else if (other->state() == UIGestureRecognizerStateBegan ||
                 other->state() == UIGestureRecognizerStateChanged)
            other->applyState(UIGestureRecognizerStateCancelled);
    }
    bool ownsSequence = !r.activeTouches().empty() || !s.fingers.empty();
    if (r.cancelsTouchesInView() && ownsSequence && !s.viewCancelled) {
        s.viewCancelled = true;
        if (auto view = s.hitView.lock()) {
            auto touches = allTouches();
            if (!touches.empty()) view->touchesCancelled(touches, s.event.get());
        }
    }
    return requested;
}

void TouchDispatch::recognizerSettled(UIGestureRecognizer& settled) {
    for (auto& r : liveParticipants()) {
        if (r->pendingState_ == UIGestureRecognizerStatePossible) continue;
        auto needed = r->failureRequirements();
        if (std::find_if(needed.begin(), needed.end(), [&](auto& o) { return o.get() == &settled; }) ==
            needed.end())
            continue;
        auto wanted = r->pendingState_;
        r->pendingState_ = UIGestureRecognizerStatePossible;
        r->setState(wanted);
    }
    if (session().fingers.empty()) {
        settled.resetIfOver();
        pruneParticipants();
    }
}

}  // namespace fv
