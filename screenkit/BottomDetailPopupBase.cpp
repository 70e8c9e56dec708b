#include "screenkit/BottomDetailPopupBase.h"

#include "controls/UIImageViewTint.h"
#include "core/ThemeManager.h"
#include "platform/ui/UITapGestureRecognizer.h"

namespace fv {

FV_REGISTER_CLASS(BottomDetailPopupBase);

void BottomDetailPopupBase::registerMembers(ClassBuilder<BottomDetailPopupBase>& b) {
    b.action("closeBtnTapped:", &BottomDetailPopupBase::closeBtnTapped);
}

BottomDetailPopupBase::~BottomDetailPopupBase() = default;

void BottomDetailPopupBase::setupDetailPopup(const BottomDetailPopup& popup) {
    popup_ = popup;
    popup_.prepare(*view_DetailViewBottomConstraint, *view_darkView, *view_transactionDetail);
    const auto theme = ThemeManager::sharedInstance();
    lbl_bottomView_Title->setTextColor(theme->main_color());
    tintAsTemplate(*img_icon_triangleTip, theme->main_font_color());
    auto tap = std::make_shared<UITapGestureRecognizer>();
    tap->setNumberOfTapsRequired(1);
    tap->addTarget(this, "closeBtnTapped:");
    view_darkView->addGestureRecognizer(tap);
}

void BottomDetailPopupBase::showDetail(std::initializer_list<PopupText> texts) {
    for (const auto& [label, text] : texts) (*label)->setText(text);
    OpenBottomPopup();
}

void BottomDetailPopupBase::OpenBottomPopup() {
    popup_.open(view(), *view_DetailViewBottomConstraint, view_darkView.get());
}

void BottomDetailPopupBase::closeBtnTapped(NSObject*) {
    popup_.close(view(), view_DetailViewBottomConstraint.get(), view_darkView.get());
}

}  // namespace fv
