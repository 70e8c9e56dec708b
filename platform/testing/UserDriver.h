#pragma once
// A scripted user on the main window: the one driver that tests (through the test host) and the
// example host's walk-through use. It touches and types as a person would, through the touch dispatch
// and the first responder's key input, and finds views the way a UI test does: by outlet, by text,
// by the action a control is wired to. No test framework here: each step answers an empty text when
// it went as meant, else what went wrong, for the caller to fail or print.
#include <functional>
#include <string>
#include <vector>

#include "platform/foundation/NSObject.h"
#include "platform/ui/UIControl.h"
#include "platform/ui/UIView.h"

namespace fv {

class UserDriver {
  public:
    // ---- touches ----
    // A finger down and up at the middle of `view`. A problem when the view is not on screen or the
    // touch reaches another view (one covering it, or the parent of a view that takes no touches)
    // instead of it or one of its subviews.
    // The finger stays down `hold` seconds, by which the run loop's clock moves on.
    static std::string tap(const UIViewPtr& view, const std::string& what = "the view", double hold = 0.05);
    // A finger down and up at a window point, wherever it lands, held as for tap; a problem when
    // nothing takes it.
    static std::string tapAt(CGPoint windowPoint, double hold = 0.05);
    // A finger down at `from`, moved in `steps` even steps over `seconds`, lifted at `to`; window points.
    static std::string drag(CGPoint from, CGPoint to, double seconds = 0.25, int steps = 10);
    // The same over `view`, with `from` and `to` in its coordinates. A problem, as for tap, when the
    // view is not on screen or the finger comes down on another view.
    static std::string drag(const UIViewPtr& view, CGPoint from, CGPoint to, double seconds, int steps = 10,
                            const std::string& what = "the view");

    // ---- keys ----
    // Taps `field` (held as for tap) unless it is being edited already (first responder), then types
    // `text` one character at a time into it; a problem when the tap does not make the field first
    // responder.
    static std::string type(const UIViewPtr& field, const std::string& text,
                            const std::string& what = "the field", double hold = 0.05);
    // Reaches `field` the same way, then presses the delete key `count` times.
    static std::string deleteBackward(const UIViewPtr& field, int count = 1,
                                      const std::string& what = "the field", double hold = 0.05);

    // ---- time ----
    // Lets the main run loop, on a real or virtual clock, run in small slices until `done` holds;
    // false when `timeout` seconds pass first.
    static bool waitFor(const std::function<bool()>& done, double timeout = 5.0);

    // ---- finding ----
    static UIViewPtr outlet(const NSObjectPtr& owner, const std::string& name);
    // The frontmost shown view under `root` whose "text", "title" or "currentTitle" reads `text`.
    static UIViewPtr viewWithText(const UIViewPtr& root, const std::string& text);
    // The control under `root` that sends `selector` to `target` when tapped.
    static UIControlPtr controlWiredTo(const UIViewPtr& root, const NSObject* target,
                                       const std::string& selector);
    // Every shown text under `root`, depth first.
    static std::vector<std::string> visibleTexts(const UIViewPtr& root);
    // True when `view` and all its ancestors are shown (not hidden, not transparent).
    static bool isShown(const UIView* view);
};

}  // namespace fv
