#include "screenkit/TitleBarBase.h"

#include "core/ThemeManager.h"

namespace fv {

FV_REGISTER_CLASS(TitleBarBase);

void TitleBarBase::registerMembers(ClassBuilder<TitleBarBase>& b) {
    b.action("backPressed:", &TitleBarBase::backPressed);
}

TitleBarBase::~TitleBarBase() = default;

void TitleBarBase::viewDidLoad() {
    BaseViewController::viewDidLoad();
    setDefaultSelection();
}

void TitleBarBase::setDefaultSelection() {
    auto theme = ThemeManager::sharedInstance();
    view_navbar->setBackgroundColor(theme->header_color());
    lbl_headerTitle->setTextColor(theme->header_text_color());
}

void TitleBarBase::backPressed(UIButton*) {
    view()->endEditing(true);
}

}  // namespace fv
