#pragma once
// Shared pieces of the control tests: a target that records the actions it receives, a text-field
// delegate that records its calls, and a fixture that puts views on the host's visible screen.
#include <string>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Range.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/UITextField.h"

namespace fv::testing_controls {

// Records every action as "<selector>" with its sender.
class ActionRecorder : public NSObject {
    FV_CLASS(ActionRecorder, NSObject)
    static void registerMembers(ClassBuilder<ActionRecorder>& b) {
        for (const char* selector : {"fired:", "changed:", "editingDidBegin:", "editingChanged:",
                                     "editingDidEnd:", "didEndOnExit:"}) {
            std::string name = selector;
            b.action(name,
                     std::function<void(ActionRecorder&, NSObject*)>([name](ActionRecorder& r, NSObject* s) {
                         r.calls.push_back(name);
                         r.senders.push_back(s);
                         if (r.log) r.log->push_back(name);
                     }));
        }
    }
    std::vector<std::string> calls;
    std::vector<NSObject*> senders;  // compared only
    std::vector<std::string>* log = nullptr;
};

// Logs each delegate call; answers as configured.
class FieldDelegate : public NSObject, public UITextFieldDelegate {
    FV_CLASS(FieldDelegate, NSObject)
    bool textFieldShouldBeginEditing(UITextField*) override {
        log.push_back("shouldBegin");
        return allowBegin;
    }
    void textFieldDidBeginEditing(UITextField*) override { log.push_back("didBegin"); }
    bool textFieldShouldEndEditing(UITextField*) override {
        log.push_back("shouldEnd");
        return allowEnd;
    }
    void textFieldDidEndEditing(UITextField*) override { log.push_back("didEnd"); }
    bool textFieldShouldChangeCharactersInRange(UITextField* field, NSRange range,
                                                const std::string& s) override {
        log.push_back("shouldChange " + NSStringFromRange(range) + " \"" + s + "\"");
        ranges.push_back(range);
        if (onChange) onChange(*field);
        return allowChange;
    }
    bool textFieldShouldClear(UITextField*) override {
        log.push_back("shouldClear");
        return true;
    }
    bool textFieldShouldReturn(UITextField*) override {
        log.push_back("shouldReturn");
        return true;
    }
    std::vector<std::string> log;
    std::vector<NSRange> ranges;
    bool allowBegin = true, allowEnd = true, allowChange = true;
    std::function<void(UITextField&)> onChange;
};

// Records keyboard notifications as "<name without the UIKeyboard prefix>" and the last end frame.
class KeyboardWatcher {
  public:
    KeyboardWatcher() {
        for (const auto& name : {UIKeyboardWillShowNotification, UIKeyboardWillHideNotification,
                                 UIKeyboardWillChangeFrameNotification}) {
            NSNotificationCenter::defaultCenter().addObserver(this, name, [this](const Notification& n) {
                names.push_back(n.name.substr(10, n.name.size() - 10 - 12));
                lastInfo = n.userInfo;
            });
        }
    }
    ~KeyboardWatcher() { NSNotificationCenter::defaultCenter().removeObserver(this); }
    std::vector<std::string> names;
    Value lastInfo;
};

class ControlsTest : public TestHostFixture {
  protected:
    void SetUp() override { Keyboard::reset(); }
    // The visible screen's view, where tests put their controls.
    UIViewPtr screen() { return host.rootScreen()->view(); }
    template <typename V>
    std::shared_ptr<V> place(std::shared_ptr<V> view, CGRect frame) {
        view->setFrame(frame);
        screen()->addSubview(view);
        host.runUntilIdle();
        return view;
    }
};

}  // namespace fv::testing_controls
