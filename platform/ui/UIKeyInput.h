#pragma once
// What a simulated keyboard types into: the first responder, when it takes text. Text fields and
// text views implement it so that typing reaches them through their own edit path (delegate
// questions, ranges, editing-changed), as a user's keystrokes would.
#include <string>

namespace fv {

class UIKeyInput {
  public:
    virtual ~UIKeyInput() = default;
    virtual bool hasText() const = 0;
    // One keystroke or a paste: replaces the selection, as one user edit.
    virtual void insertText(const std::string& text) = 0;
    // Deletes the selection, or the character before the caret.
    virtual void deleteBackward() = 0;
};

}  // namespace fv
