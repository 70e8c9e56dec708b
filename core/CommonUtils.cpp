#include "core/CommonUtils.h"

#include <algorithm>

#include "core/FrameworkResources.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Regex.h"
#include "platform/foundation/Text.h"
#include "platform/graphics/UIColorHex.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/TextEditing.h"
#include "platform/ui/UITextField.h"

namespace fv {

namespace {

constexpr const char* kEmailPattern = "^[A-Z0-9a-z\\._%+-]+@([A-Za-z0-9-]+\\.)+[A-Za-z]{2,4}$";
constexpr std::size_t kCardNumberDigits = 16;

// The first 16 digits of `text`, grouped, with the caret after them.
CardNumberEdit firstSixteenDigits(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9' && digits.size() < kCardNumberDigits) digits += c;
    auto edit = CommonUtils::reformatCardNumber(digits, digits.size());
    return edit.value_or(CardNumberEdit{});
}

}  // namespace

std::shared_ptr<CommonUtils> CommonUtils::sharedInstance() {
    static const auto instance = std::make_shared<CommonUtils>();
    return instance;
}

void CommonUtils::dynamicallyLoadFontNamed(const std::string& name) {
    auto path = frameworkResourcePath(name, "otf");
    if (!path) path = frameworkResourcePath(name, "ttf");
    if (!path) return;
    if (const auto error = UIFont::registerFontFile(*path)) log("Failed to load font: " + *error);
}

UIColorPtr CommonUtils::colorOfBlack() const {
    return colorWithCSS("4f4f4f");
}

UIColorPtr CommonUtils::colorOfBlue() const {
    return colorWithCSS("0e4051");
}

bool CommonUtils::validateEmailWithString(const std::string& email) const {
    return regex::matchesWhole(kEmailPattern, email);
}

void CommonUtils::reformatAsCardNumber(UITextField* textField) {
    if (!textField) return;
    const auto edit =
        reformatCardNumber(textField->text().value_or(""), textField->selectedTextRange().location);
    if (edit) {
        textField->setText(edit->text);
        textField->setSelectedTextRange(NSMakeRange(edit->caret, 0));
    } else if (hasRestorePoint_) {
        textField->setText(previousTextFieldContent_);
        textField->setSelectedTextRange(
            textedit::clampedSelection(previousTextFieldContent_, previousSelection_));
    } else {
        const auto cut = firstSixteenDigits(textField->text().value_or(""));
        textField->setText(cut.text);
        textField->setSelectedTextRange(NSMakeRange(cut.caret, 0));
    }
}

std::optional<CardNumberEdit> CommonUtils::reformatCardNumber(const std::string& text, std::size_t caret) {
    const std::u16string units = text::utf8ToUtf16(text);
    caret = std::min(caret, units.size());
    const std::size_t caretInText = caret;
    std::string digits;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (units[i] >= u'0' && units[i] <= u'9') {
            digits += static_cast<char>(units[i]);
        } else if (i < caretInText) {
            --caret;
        }
    }
    if (digits.size() > kCardNumberDigits) return std::nullopt;

    const std::size_t caretInDigits = caret;
    CardNumberEdit edit;
    edit.caret = caret;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && i % 4 == 0) {
            edit.text += ' ';
            if (i < caretInDigits) ++edit.caret;
        }
        edit.text += digits[i];
    }
    return edit;
}

}  // namespace fv
