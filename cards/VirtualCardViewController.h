#pragma once
// The virtual card: the card issued by the new-card application, as a card face in a one-card
// carousel, masked at first; the reveal control shows the number, expiry and code in full and masks
// them again. Back pops to the screen that opened it; Continue does nothing.
#include <memory>

#include "cards/CardCarousel.h"
#include "cards/VirtualCardViewModel.h"
#include "platform/ui/UICollectionView.h"
#include "platform/ui/UICollectionViewFlowLayout.h"
#include "platform/ui/UILabel.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

class VirtualCardViewController : public BaseViewController,
                                  public VirtualCardViewModelDelegate,
                                  public UICollectionViewDataSource,
                                  public CardCarouselLayout {
    FV_CLASS(VirtualCardViewController, BaseViewController)
    static void registerMembers(ClassBuilder<VirtualCardViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~VirtualCardViewController() override;

    // The expiry and code the virtual card shows; the reply carries neither.
    static constexpr const char* kExpiry = "0924";
    static constexpr const char* kSecurityCode = "318";

    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    void formatView();
    // Makes the view model once.
    void initialzieViewModel();

    long numberOfSectionsInCollectionView(UICollectionView& collectionView) override;
    long collectionViewNumberOfItemsInSection(UICollectionView& collectionView, long section) override;
    UICollectionViewCellPtr collectionViewCellForItemAtIndexPath(UICollectionView& collectionView,
                                                                 const NSIndexPath& indexPath) override;
    void collectionViewDidSelectItemAtIndexPath(UICollectionView& collectionView,
                                                const NSIndexPath& indexPath) override;
    void scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint velocity,
                                   CGPoint* targetContentOffset) override;

    // Shows the card in full, or masks it again.
    void action_viewCardNumber(NSObject* sender);
    void action_back(NSObject* sender);
    void action_continue(NSObject* sender);

    long currentCardSelectedIndex() const { return currentCardSelectedIndex_; }
    const std::shared_ptr<VirtualCardViewModel>& viewModel() const { return viewModel_; }
    // True while the card shows in full (the name says the reverse).
    bool hideCardDetail() const { return hideCardDetail_; }

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(CustomButton, Btn_continue);
    FV_OUTLET(UILabel, lbl_titleOne);
    FV_OUTLET(UILabel, lbl_titleTwo);
    FV_OUTLET(UILabel, lbl_view_card_number);
    FV_OUTLET(UIView, view_underline);
    FV_OUTLET(UICollectionView, collectionView);
    FV_OUTLET(UILabel, lbl_viewCardNumber);
    FV_OUTLET(UIView, view_underline_viewCardNumber);

  private:
    long currentCardSelectedIndex_ = 0;
    std::shared_ptr<VirtualCardViewModel> viewModel_;
    bool hideCardDetail_ = false;
};

}  // namespace fv
