#include "cards/VirtualCardViewController.h"

#include "cards/CardCarousel.h"
#include "cards/MyCardsCollectionViewCell.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/ui/UINib.h"

namespace fv {

FV_REGISTER_CLASS(VirtualCardViewController);

void VirtualCardViewController::registerMembers(ClassBuilder<VirtualCardViewController>& b) {
    using Self = VirtualCardViewController;
    b.action("action_viewCardNumber:", &Self::action_viewCardNumber);
    b.action("action_back:", &Self::action_back);
    b.action("action_continue:", &Self::action_continue);
}

VirtualCardViewController::~VirtualCardViewController() = default;

void VirtualCardViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
    initialzieViewModel();
}

void VirtualCardViewController::viewDidLayoutSubviews() {
    BaseViewController::viewDidLayoutSubviews();
    if (auto carousel = collectionView.peek()) carousel->collectionViewLayout().invalidateLayout();
}

void VirtualCardViewController::formatView() {
    auto theme = ThemeManager::sharedInstance();
    Btn_continue->setBackgroundColor(UIColor::clearColor());
    lbl_headerTitle->setTextColor(theme->header_text_color());
    view_navbar->setBackgroundColor(theme->header_color());
    view_underline->setBackgroundColor(theme->main_color());
    lbl_titleOne->setTextColor(theme->main_font_color());
    lbl_titleTwo->setTextColor(theme->light_font_color());
    lbl_view_card_number->setTextColor(theme->main_color());
    lbl_viewCardNumber->setTextColor(theme->main_color());
    view_underline_viewCardNumber->setBackgroundColor(theme->main_color());
    auto carousel = collectionView.get();
    carousel->registerNib(UINib::nibWithNibName(MyCardsCollectionViewCell::kNibName, frameworkBundle()),
                          MyCardsCollectionViewCell::kReuseIdentifier);
    carousel->setContentOffset(CGPointMake(0, 0), false);
    carousel->reloadData();
    carousel->collectionViewLayout().invalidateLayout();
}

void VirtualCardViewController::initialzieViewModel() {
    if (viewModel_) return;
    viewModel_ = std::make_shared<VirtualCardViewModel>();
    viewModel_->setDelegate(shared_from_this());
    viewModel_->setRootView(view());
}

long VirtualCardViewController::numberOfSectionsInCollectionView(UICollectionView& carousel) {
    carousel.collectionViewLayout().invalidateLayout();
    return 1;
}

long VirtualCardViewController::collectionViewNumberOfItemsInSection(UICollectionView&, long) {
    return 1;
}

UICollectionViewCellPtr VirtualCardViewController::collectionViewCellForItemAtIndexPath(
    UICollectionView& carousel, const NSIndexPath& indexPath) {
    auto dequeued = carousel.dequeueReusableCellWithReuseIdentifier(
        MyCardsCollectionViewCell::kReuseIdentifier, indexPath);
    auto cell = std::dynamic_pointer_cast<MyCardsCollectionViewCell>(dequeued);
    if (!cell) return dequeued;
    cell->AddShadow();
    cell->EnableTouchOnCard();
    cell->blockSwitch->setHidden(true);
    cell->lbl_blockStatus->setHidden(true);
    const bool hide = !hideCardDetail_;
    // The first layout pass may ask for the card before viewDidLoad has made the model.
    initialzieViewModel();
    const auto number = viewModel_->getCardNumber(indexPath.item());
    const auto model = DataModel::sharedInstance();
    cell->lbl_cardNumber->setText(model->formattedCardNumber(number.value_or(""), hide));
    cell->lbl_cardExpiry->setText(model->formattedEXP(kExpiry, hide));
    cell->lbl_cardCVV->setText(model->formattedCVV(kSecurityCode, hide));
    return cell;
}

void VirtualCardViewController::collectionViewDidSelectItemAtIndexPath(UICollectionView&,
                                                                       const NSIndexPath&) {}

void VirtualCardViewController::scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint,
                                                          CGPoint* targetContentOffset) {
    auto carousel = collectionView.peek();
    if (&scrollView != carousel.get() || !targetContentOffset) return;
    const auto card =
        endCarouselDrag(*carousel, *targetContentOffset, collectionViewNumberOfItemsInSection(*carousel, 0));
    if (!card) return;
    currentCardSelectedIndex_ = *card;
    auto cell = carousel->cellForItemAtIndexPath(NSIndexPath::indexPathForItem(currentCardSelectedIndex_, 0));
    if (!cell) return;
    UIView::animateWithDuration(0.2, [cell] { cell->setTransform(CGAffineTransformIdentity); });
}

void VirtualCardViewController::action_viewCardNumber(NSObject*) {
    hideCardDetail_ = !hideCardDetail_;
    collectionView->reloadData();
}

void VirtualCardViewController::action_back(NSObject*) {
    popScreen();
}

void VirtualCardViewController::action_continue(NSObject*) {}

}  // namespace fv
