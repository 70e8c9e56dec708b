#pragma once
// Helpers of the gesture tests: an action recorder and a view that logs its touches.
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIGestureRecognizer.h"
#include "platform/ui/UIView.h"

namespace fv {

// Target of recognisers: records "<name>:<state>" for every action.
class GestureActionLog : public NSObject {
    FV_CLASS(GestureActionLog, NSObject)
    static void registerMembers(ClassBuilder<GestureActionLog>& b) {
        b.action("handle:", &GestureActionLog::handle);
    }
    void handle(UIGestureRecognizer* r) {
        entries.push_back(r ? r->state() : UIGestureRecognizerStatePossible);
        times.push_back(now());
    }
    static double now() { return RunLoop::main().now(); }
    std::vector<int> entries;
    std::vector<double> times;
};

// Logs the touch calls it gets ("began", "moved", "ended", "cancelled").
class TouchLogView : public UIView {
    FV_CLASS(TouchLogView, UIView)
    static std::shared_ptr<TouchLogView> make(CGRect frame) {
        auto v = std::make_shared<TouchLogView>();
        v->setFrame(frame);
        return v;
    }
    void touchesBegan(const UITouchSet&, UIEvent*) override { log.push_back("began"); }
    void touchesMoved(const UITouchSet&, UIEvent*) override {
        if (log.empty() || log.back() != "moved") log.push_back("moved");
    }
    void touchesEnded(const UITouchSet&, UIEvent*) override { log.push_back("ended"); }
    void touchesCancelled(const UITouchSet&, UIEvent*) override { log.push_back("cancelled"); }
    bool gestureRecognizerShouldBegin(UIGestureRecognizer* r) override {
        (void)r;
        return allowRecognizers;
    }
    std::vector<std::string> log;
    bool allowRecognizers = true;
};

// Observes a recogniser's "state" key and records every reported change.
inline std::shared_ptr<std::vector<int>> observeStates(UIGestureRecognizer& r, NSObject* observer) {
    auto seen = std::make_shared<std::vector<int>>();
    r.addObserver(observer, "state", [seen](const Value&, const Value& now) {
        seen->push_back(static_cast<int>(now.asInteger().value_or(-1)));
    });
    return seen;
}

}  // namespace fv
