#include "transfers/TransferFormBase.h"

#include "controls/AttributedAmountString.h"
#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/ThemeManager.h"
#include "transfers/AmountEditRule.h"

namespace fv {

FV_REGISTER_CLASS(TransferFormBase);

TransferFormBase::~TransferFormBase() = default;

void TransferFormBase::setupFields() {
    setKeyboardAvoidingEnabled(*scrollView, true);
    addDoneToolbar(*tfAmount);
}

void TransferFormBase::applyFormLook() {
    auto theme = ThemeManager::sharedInstance();
    btn_Next->setBackgroundColor(UIColor::clearColor());
    applyThemeBand(*view_TopInfo);
    // The tint only shows on a template image, as the arrow is meant to be drawn.
    if (auto image = img_arrow->image();
        image && image->renderingMode() != UIImageRenderingMode::AlwaysTemplate)
        img_arrow->setImage(image->imageWithRenderingMode(UIImageRenderingMode::AlwaysTemplate));
    img_arrow->setTintColor(theme->main_color());
    for (const auto* box : {&view_OptionOneField, &view_OptionTwoField, &view_OptionThreeField})
        CustomizeLayer((*box)->layer());
    lbl_TotalAmount->setAttributedText(attributedAmountString(kCardBalanceText));
}

void TransferFormBase::endEditing() {
    if (auto root = viewIfLoaded()) root->endEditing(true);
}

bool TransferFormBase::textFieldShouldReturn(UITextField*) {
    endEditing();
    return true;
}

bool TransferFormBase::textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                              const std::string& string) {
    if (!textField || textField != tfAmount.get().get()) return true;
    return amountEditAllowed(textField->text(), range, string);
}

}  // namespace fv
