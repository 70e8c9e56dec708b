#include "platform/ui/UIViewAnimation.h"

#include <algorithm>

#include "platform/foundation/Fault.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIView.h"

namespace fv {

namespace {

struct AnimationState {
    std::vector<AnimationRecord> log;
    std::vector<std::size_t> open;  // indices into log of the blocks running now, innermost last
    bool enabled = true;
};

AnimationState& state() {
    static AnimationState s;
    return s;
}

void runAnimation(AnimationRecord record, const UIView::Animations& animations,
                  UIView::Completion completion) {
    auto& s = state();
    record.startTime = RunLoop::main().now();
    double total = std::max(0.0, record.delay) + std::max(0.0, record.duration);
    s.log.push_back(std::move(record));
    s.open.push_back(s.log.size() - 1);
    try {
        if (animations) animations();
    } catch (...) {
        reportFault("An animations block failed");
    }
    s.open.pop_back();
    // Completions never run inside the call and are never cancelled by later animations.
    RunLoop::main().postAfter(total, [completion = std::move(completion)] {
        if (completion) completion(true);
    });
}

}  // namespace

std::vector<std::string> AnimationRecord::changedProperties() const {
    std::vector<std::string> names;
    for (auto& [v, name] : changes)
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    return names;
}

bool AnimationRecord::changed(const UIView* v, const std::string& property) const {
    for (auto& [w, name] : changes)
        if (name == property && w.lock().get() == v) return true;
    return false;
}

const std::vector<AnimationRecord>& AnimationLog::records() {
    return state().log;
}

void AnimationLog::clear() {
    auto& s = state();
    // Open blocks keep their slots; only finished records go.
    if (s.open.empty()) s.log.clear();
}

const AnimationRecord* AnimationLog::last() {
    auto& s = state();
    return s.log.empty() ? nullptr : &s.log.back();
}

std::vector<AnimationRecord> AnimationLog::recordsForView(const UIView* v) {
    std::vector<AnimationRecord> out;
    for (auto& r : state().log) {
        bool match = r.view.lock().get() == v && v;
        for (auto& [w, name] : r.changes)
            if (w.lock().get() == v) match = true;
        if (match) out.push_back(r);
    }
    return out;
}

void UIView::noteAnimatableChange(const char* property) {
    auto& s = state();
    if (s.open.empty() || !s.enabled) return;
    auto self = std::static_pointer_cast<UIView>(weak_from_this().lock());
    if (!self) return;
    s.log[s.open.back()].changes.emplace_back(self, property);
}

void UIView::animateWithDuration(double duration, Animations animations, Completion completion) {
    animateWithDuration(duration, 0, UIViewAnimationOptionCurveEaseInOut, std::move(animations),
                        std::move(completion));
}

void UIView::animateWithDuration(double duration, double delay, unsigned options, Animations animations,
                                 Completion completion) {
    AnimationRecord r;
    r.duration = duration;
    r.delay = delay;
    r.options = options;
    runAnimation(std::move(r), animations, std::move(completion));
}

void UIView::animateWithDuration(double duration, double delay, CGFloat, CGFloat, unsigned options,
                                 Animations animations, Completion completion) {
    animateWithDuration(duration, delay, options, std::move(animations), std::move(completion));
}

void UIView::transitionWithView(const UIViewPtr& view, double duration, unsigned options,
                                Animations animations, Completion completion) {
    AnimationRecord r;
    r.kind = AnimationRecord::Kind::Transition;
    r.duration = duration;
    r.options = options;
    r.view = view;
    runAnimation(std::move(r), animations, std::move(completion));
}

void UIView::transitionFromView(const UIViewPtr& fromView, const UIViewPtr& toView, double duration,
                                unsigned options, Completion completion) {
    UIViewPtr container = fromView ? fromView->superviewPtr() : nullptr;
    AnimationRecord r;
    r.kind = AnimationRecord::Kind::Transition;
    r.duration = duration;
    r.options = options;
    r.view = container ? container : toView;
    runAnimation(
        std::move(r),
        [&] {
            if (container && toView) container->insertSubviewAbove(toView, fromView.get());
            if (fromView) fromView->removeFromSuperview();
        },
        std::move(completion));
}

void UIView::performWithoutAnimation(const Animations& actions) {
    auto& s = state();
    bool was = s.enabled;
    s.enabled = false;
    try {
        if (actions) actions();
    } catch (...) {
        reportFault("A performWithoutAnimation block failed");
    }
    s.enabled = was;
}

bool UIView::areAnimationsEnabled() {
    return state().enabled;
}

void UIView::setAnimationsEnabled(bool enabled) {
    state().enabled = enabled;
}

bool UIView::isInAnimationBlock() {
    return state().enabled && !state().open.empty();
}

}  // namespace fv
