#pragma once
// The responder chain: next responder, first responder, touch entry points.
// A view's next responder is its view controller when it is a controller's root view, else its
// superview; a window's is the application. Only views in a window can become first responder; the
// window keeps its one first responder.
#include "platform/foundation/NSObject.h"
#include "platform/ui/UIEvent.h"

namespace fv {

class UIResponder : public NSObject {
    FV_CLASS(UIResponder, NSObject)
    virtual UIResponder* nextResponder() const { return nullptr; }

    virtual bool canBecomeFirstResponder() const { return false; }
    virtual bool canResignFirstResponder() const { return true; }
    // Returns whether this responder is first responder afterwards. The base handles the window's
    // bookkeeping; subclasses (text fields) wrap it to ask their delegate and send their callbacks.
    virtual bool becomeFirstResponder() { return false; }
    // Returns false only when refused by canResignFirstResponder; true when not first responder.
    virtual bool resignFirstResponder() { return true; }
    virtual bool isFirstResponder() const { return false; }

    // Touch entry points; the defaults pass the call to the next responder.
    virtual void touchesBegan(const UITouchSet& touches, UIEvent* event);
    virtual void touchesMoved(const UITouchSet& touches, UIEvent* event);
    virtual void touchesEnded(const UITouchSet& touches, UIEvent* event);
    virtual void touchesCancelled(const UITouchSet& touches, UIEvent* event);
};

using UIResponderPtr = std::shared_ptr<UIResponder>;

}  // namespace fv
