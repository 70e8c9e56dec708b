#pragma once
// The payment card face of the carousels: front and back in one container, flipped by a tap. The
// screens fill the number, expiry and code, already masked or spaced, and show or hide the switch.
#include <memory>

#include "platform/ui/UICollectionViewCell.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UITapGestureRecognizer.h"

namespace fv {

class MyCardsCollectionViewCell;
using MyCardsCollectionViewCellPtr = std::shared_ptr<MyCardsCollectionViewCell>;

class MyCardsCollectionViewCell : public UICollectionViewCell {
    FV_CLASS(MyCardsCollectionViewCell, UICollectionViewCell)
    static void registerMembers(ClassBuilder<MyCardsCollectionViewCell>& b);
    static constexpr const char* kReuseIdentifier = "My_Card_Cell";
    static constexpr const char* kNibName = "MyCardsCollectionViewCell";
    static constexpr double kFlipDuration = 0.5;
    // How long the back stays up before the card turns home by itself.
    static constexpr double kBackFaceSeconds = 2.0;

    MyCardsCollectionViewCell();
    ~MyCardsCollectionViewCell() override;

    void awakeFromNib() override;
    // Idempotent: the faces get one tap recogniser each, however often the cell is configured.
    void EnableTouchOnCard();
    void AddShadow();

    void handleSingleTap(UITapGestureRecognizer* sender);
    void handleSingleTapOnBack(UITapGestureRecognizer* sender);

    FV_OUTLET(UISwitch, blockSwitch);
    FV_OUTLET(UILabel, lbl_blockStatus);
    FV_OUTLET(UIView, backView);
    FV_OUTLET(UIView, frontView);
    FV_OUTLET(UIView, mainContainerView);
    FV_OUTLET(UILabel, lbl_cardNumber);
    FV_OUTLET(UILabel, lbl_cardExpiry);
    FV_OUTLET(UILabel, lbl_cardCVV);
    FV_OUTLET(UIImageView, img_cardBg);
    FV_OUTLET(UIImageView, img_mastercardLogo);
    FV_OUTLET(UIImageView, img_companyLogo);

  private:
    void flipHome();

    UIGestureRecognizerPtr frontTap_;
    UIGestureRecognizerPtr backTap_;
};

}  // namespace fv
