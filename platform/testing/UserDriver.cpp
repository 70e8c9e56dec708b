#include "platform/testing/UserDriver.h"

#include <algorithm>

#include "platform/foundation/RunLoop.h"
#include "platform/ui/TouchDispatch.h"
#include "platform/ui/UIKeyInput.h"
#include "platform/ui/UIWindow.h"

namespace fv {

namespace {

constexpr double kSlice = 0.05;

RunLoop& loop() {
    return RunLoop::main();
}

bool isWithin(const UIView* view, const UIView* ancestor) {
    for (; view; view = view->superview())
        if (view == ancestor) return true;
    return false;
}

// The one visibility rule: a view hidden or all but transparent shows nothing, itself or inside it.
bool drawn(const UIView& v) {
    return !v.isHidden() && v.alpha() >= 0.01;
}

std::optional<std::string> textOf(const UIView& v) {
    for (const char* key : {"text", "title", "currentTitle"})
        if (auto s = v.valueForKey(key).asString()) return s;
    return std::nullopt;
}

// Splits UTF-8 text into characters (code points), each typed as one keystroke.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
        n = std::min(n, text.size() - i);
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

std::string notOnScreen(const UIViewPtr& view, const std::string& what) {
    if (!view || !view->window() || !UserDriver::isShown(view.get())) return what + " is not on the screen";
    return "";
}

// Where a touch meant for `view` went, when that was not the view or inside it.
std::string missed(const UIViewPtr& hit, const UIViewPtr& view, const std::string& what) {
    if (hit && isWithin(hit.get(), view.get())) return "";
    return "a touch on " + what + " reached " + (hit ? hit->className() : std::string("nothing"));
}

// Through the touch dispatch, settled before and after.
bool dragSequence(CGPoint from, CGPoint to, double seconds, int steps, UIViewPtr& startedOn) {
    loop().runUntilIdle();
    if (!TouchDispatch::drag(from, to, seconds, steps, &startedOn)) return false;
    loop().runUntilIdle();
    return true;
}

// The key input of `field`, tapped first unless it is being edited already.
UIKeyInput* reachForKeys(const UIViewPtr& field, const std::string& what, double hold, std::string& problem) {
    if (!field || !field->isFirstResponder()) problem = UserDriver::tap(field, what, hold);
    if (!problem.empty()) return nullptr;
    auto* input = dynamic_cast<UIKeyInput*>(field.get());
    if (!input || !field->isFirstResponder()) problem = what + " takes no typing";
    return problem.empty() ? input : nullptr;
}

void collectTexts(const UIViewPtr& view, std::vector<std::string>& out) {
    if (!view || !drawn(*view)) return;
    if (auto own = textOf(*view); own && !own->empty()) out.push_back(*own);
    for (const auto& sub : view->subviews()) collectTexts(sub, out);
}

}  // namespace

bool UserDriver::isShown(const UIView* view) {
    for (; view; view = view->superview())
        if (!drawn(*view)) return false;
    return true;
}

std::string UserDriver::tap(const UIViewPtr& view, const std::string& what, double hold) {
    if (auto problem = notOnScreen(view, what); !problem.empty()) return problem;
    loop().runUntilIdle();
    const CGRect b = view->bounds();
    const CGPoint point = view->convertPointToView({CGRectGetMidX(b), CGRectGetMidY(b)}, nullptr);
    const double now = loop().now();
    if (!TouchDispatch::touchDown(point, now)) return "nothing takes a touch on " + what;
    const auto hit = TouchDispatch::touchedView();
    TouchDispatch::touchUp(point, now + hold);
    loop().runUntilIdle();
    return missed(hit, view, what);
}

std::string UserDriver::tapAt(CGPoint windowPoint, double hold) {
    loop().runUntilIdle();
    const double now = loop().now();
    if (!TouchDispatch::touchDown(windowPoint, now)) return "nothing takes a touch there";
    TouchDispatch::touchUp(windowPoint, now + hold);
    loop().runUntilIdle();
    return "";
}

std::string UserDriver::drag(CGPoint from, CGPoint to, double seconds, int steps) {
    UIViewPtr startedOn;
    if (!dragSequence(from, to, seconds, steps, startedOn))
        return "nothing takes a touch where the drag starts";
    return "";
}

std::string UserDriver::drag(const UIViewPtr& view, CGPoint from, CGPoint to, double seconds, int steps,
                             const std::string& what) {
    if (auto problem = notOnScreen(view, what); !problem.empty()) return problem;
    UIViewPtr startedOn;
    if (!dragSequence(view->convertPointToView(from, nullptr), view->convertPointToView(to, nullptr), seconds,
                      steps, startedOn))
        return "nothing takes a touch on " + what;
    return missed(startedOn, view, what);
}

std::string UserDriver::type(const UIViewPtr& field, const std::string& text, const std::string& what,
                             double hold) {
    std::string problem;
    auto* input = reachForKeys(field, what, hold, problem);
    if (!input) return problem;
    for (const auto& c : characters(text)) {
        input->insertText(c);
        loop().runUntilIdle();
    }
    return "";
}

std::string UserDriver::deleteBackward(const UIViewPtr& field, int count, const std::string& what,
                                       double hold) {
    std::string problem;
    auto* input = reachForKeys(field, what, hold, problem);
    if (!input) return problem;
    for (int i = 0; i < count; ++i) input->deleteBackward();
    loop().runUntilIdle();
    return "";
}

bool UserDriver::waitFor(const std::function<bool()>& done, double timeout) {
    for (double waited = 0;; waited += kSlice) {
        loop().runUntilIdle();
        if (done()) return true;
        if (waited >= timeout) return false;
        loop().advance(kSlice);
    }
}

UIViewPtr UserDriver::outlet(const NSObjectPtr& owner, const std::string& name) {
    return owner ? std::dynamic_pointer_cast<UIView>(owner->objectForKey(name)) : nullptr;
}

// Front to back: later siblings and children are drawn over earlier ones.
UIViewPtr UserDriver::viewWithText(const UIViewPtr& root, const std::string& text) {
    if (!root || !drawn(*root)) return nullptr;
    const auto& subs = root->subviews();
    for (auto it = subs.rbegin(); it != subs.rend(); ++it)
        if (auto found = viewWithText(*it, text)) return found;
    auto own = textOf(*root);
    return own && *own == text ? root : nullptr;
}

std::vector<std::string> UserDriver::visibleTexts(const UIViewPtr& root) {
    std::vector<std::string> out;
    collectTexts(root, out);
    return out;
}

UIControlPtr UserDriver::controlWiredTo(const UIViewPtr& root, const NSObject* target,
                                        const std::string& selector) {
    if (!root) return nullptr;
    if (auto control = std::dynamic_pointer_cast<UIControl>(root)) {
        auto actions = control->actionsForTarget(target, UIControlEventTouchUpInside);
        if (std::find(actions.begin(), actions.end(), selector) != actions.end()) return control;
    }
    for (const auto& sub : root->subviews())
        if (auto found = controlWiredTo(sub, target, selector)) return found;
    return nullptr;
}

}  // namespace fv
