#pragma once
// Helpers shared by the screens: font registration, two fixed colours, the e-mail check and the
// grouping of a card number while it is typed.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Range.h"
#include "platform/graphics/UIColor.h"

namespace fv {

class UITextField;

// A card-number field's text and caret (in UTF-16 code units) after regrouping.
struct CardNumberEdit {
    std::string text;
    std::size_t caret = 0;
    bool operator==(const CardNumberEdit&) const = default;
};

class CommonUtils {
  public:
    static std::shared_ptr<CommonUtils> sharedInstance();

    // Registers "<name>.otf", else "<name>.ttf", of the framework bundle. A missing file does nothing;
    // a failed registration logs "Failed to load font: <reason>".
    void dynamicallyLoadFontNamed(const std::string& name);

    UIColorPtr colorOfBlack() const;  // "4f4f4f"
    UIColorPtr colorOfBlue() const;   // "0e4051"

    // The whole text, untrimmed, matches ^[A-Z0-9a-z._%+-]+@([A-Za-z0-9-]+\.)+[A-Za-z]{2,4}$.
    bool validateEmailWithString(const std::string& email) const;

    // The restore point of a card-number field, written by its owner before every change: the text and
    // the selection as plain offsets (UTF-16 units), which restoring clamps to that text. None is set
    // until a field writes its text.
    const std::string& previousTextFieldContent() const { return previousTextFieldContent_; }
    void setPreviousTextFieldContent(const std::string& text) {
        previousTextFieldContent_ = text;
        hasRestorePoint_ = true;
    }
    NSRange previousSelection() const { return previousSelection_; }
    void setPreviousSelection(NSRange selection) { previousSelection_ = selection; }
    bool hasRestorePoint() const { return hasRestorePoint_; }

    // Editing-changed action of a card-number field: regroups its text as below and sets a collapsed
    // caret. With more than 16 digits the field goes back to the restore point instead; without one
    // it keeps its first 16 digits, grouped, rather than losing them all.
    void reformatAsCardNumber(UITextField* textField);

    // Keeps only the digits 0-9 and groups them in fours with one blank between groups, moving the
    // caret with the characters around it. None when more than 16 digits remain: the field then goes
    // back to its restore point.
    static std::optional<CardNumberEdit> reformatCardNumber(const std::string& text, std::size_t caret);

  private:
    std::string previousTextFieldContent_;
    NSRange previousSelection_;
    bool hasRestorePoint_ = false;
};

}  // namespace fv
