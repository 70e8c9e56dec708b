#pragma once
// What the lists with a bottom detail pop-up share (the transaction lists of cards and the transfer
// history): the pop-up's outlets, its look at rest (hidden, its title in the theme's main colour, its
// tip tinted in the main font colour), filling its labels, opening it over the dimming view, and
// closing it when the dimming view (or a control wired to closeBtnTapped:) is tapped. A screen calls
// setupDetailPopup once while its view loads, with the geometry of its own pop-up.
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/BottomDetailPopup.h"

namespace fv {

class BottomDetailPopupBase : public BaseViewController {
    FV_CLASS(BottomDetailPopupBase, BaseViewController)
    static void registerMembers(ClassBuilder<BottomDetailPopupBase>& b);
    using BaseViewController::BaseViewController;
    ~BottomDetailPopupBase() override;

    void OpenBottomPopup();
    void closeBtnTapped(NSObject* sender);

    FV_OUTLET(NSLayoutConstraint, view_DetailViewBottomConstraint);
    FV_OUTLET(UIView, view_transactionDetail);
    FV_OUTLET(UIView, view_darkView);
    FV_OUTLET(UIImageView, img_icon_triangleTip);
    FV_OUTLET(UILabel, lbl_bottomView_Title);
    FV_OUTLET(UILabel, lbl_bottomView_date);
    FV_OUTLET(UILabel, lbl_bottomView_time);
    FV_OUTLET(UILabel, lbl_bottomView_amount);
    FV_OUTLET(UILabel, lbl_bottomView_type);

  protected:
    using PopupText = std::pair<const Outlet<UILabel>*, std::optional<std::string>>;

    // The pop-up at rest, its colours, and the dimming view's tap that closes it.
    void setupDetailPopup(const BottomDetailPopup& popup);
    // Gives each pop-up label its text (none for an absent value), then opens the pop-up.
    void showDetail(std::initializer_list<PopupText> texts);

  private:
    BottomDetailPopup popup_{};
};

}  // namespace fv
