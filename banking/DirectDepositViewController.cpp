#include "banking/DirectDepositViewController.h"

#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Log.h"

namespace fv {

FV_REGISTER_CLASS(DirectDepositViewController);

DirectDepositViewController::~DirectDepositViewController() = default;

void DirectDepositViewController::setDefaultSelection() {
    btn_downloadForm->setBackgroundColor(UIColor::clearColor());
    TitleBarBase::setDefaultSelection();
    auto theme = ThemeManager::sharedInstance();
    lbl_directDeposit->setTextColor(theme->main_font_color());
    lbl_routingNumber->setTextColor(theme->main_font_color());

    auto record = readFrameworkDictionary("directDeposit");
    if (!record || !record->asDictionary()) {
        log("directDeposit.plist could not be read; the deposit details keep their placeholders");
        return;
    }
    depositContent = *record->asDictionary();
    // Each value in its text form, whatever its type; a missing one leaves its label as it is.
    if (auto it = depositContent.find("Direct Deposit Account"); it != depositContent.end())
        lbl_directDeposit->setText(it->second.description());
    if (auto it = depositContent.find("Bank Routing"); it != depositContent.end())
        lbl_routingNumber->setText(it->second.description());
}

}  // namespace fv
