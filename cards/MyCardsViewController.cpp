#include "cards/MyCardsViewController.h"

#include "cards/CardCarousel.h"
#include "cards/MyCardsCollectionViewCell.h"
#include "cards/SingleWalletCollectionViewCell.h"
#include "cards/WalletCollectionViewCell.h"
#include "controls/AttributedAmountString.h"
#include "core/AppSettings.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ScreenNames.h"
#include "core/ThemeManager.h"
#include "platform/graphics/GeometryValue.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UINib.h"

namespace fv {

FV_REGISTER_CLASS(MyCardsViewController);

namespace {

using Self = MyCardsViewController;

// The balance the home screen shows; no record holds it.
constexpr const char* kTotalAmount = "$ 9500.75";
// The currency's size on a wallet tile of several.
constexpr CGFloat kMultiWalletCurrencySize = 10.0;

// Stores `value` in `field` when there is one; false (nothing stored) otherwise.
template <typename T>
bool assign(T& field, const std::optional<T>& value) {
    if (value) field = *value;
    return value.has_value();
}

// An object of kind T, or none; anything else is refused.
template <typename T>
bool assignObject(std::shared_ptr<T>& field, const NSObjectPtr& object) {
    auto typed = std::dynamic_pointer_cast<T>(object);
    if (object && !typed) return false;
    field = std::move(typed);
    return true;
}

// An integer in [0, limit), or none.
std::optional<long> indexFrom(const Value& v, long limit) {
    const auto n = v.asInteger();
    if (!n || *n < 0 || *n >= limit) return std::nullopt;
    return static_cast<long>(*n);
}

// A point stored as {"x", "y"}; anything else is refused rather than read as the origin.
std::optional<CGPoint> pointFrom(const Value& v) {
    if (!v.isDictionary() || !v["x"].asReal() || !v["y"].asReal()) return std::nullopt;
    return pointFromValue(v);
}

}  // namespace

void MyCardsViewController::registerStoredProperties(ClassBuilder<MyCardsViewController>& b) {
    b.property(
        "_lastContentOffset", [](Self& s) { return valueWithCGPoint(s.dragStartOffset_); },
        [](Self& s, const Value& v) { return assign(s.dragStartOffset_, pointFrom(v)); });
    // The settled card must be a page of the carousel (the first one while there are none).
    b.property(
        "currentCardSelectedIndex", [](Self& s) { return Value(s.currentCardSelectedIndex_); },
        [](Self& s, const Value& v) {
            const auto pages = static_cast<long>(s.myCardTransactions().pageCount());
            return assign(s.currentCardSelectedIndex_, indexFrom(v, std::max(pages, 1L)));
        });
    b.property(
        "totalWalletCount", [](Self& s) { return Value(s.totalWalletCount_); },
        [](Self& s, const Value& v) {
            return assign(s.totalWalletCount_, indexFrom(v, CardOverviewRecord::kMaxWalletCount + 1));
        });
    b.property(
        "myCardTransactions", [](Self& s) { return s.myCardTransactions().pages(); },
        [](Self& s, const Value& v) {
            if (!v.isArray()) return false;
            s.setMyCardTransactions(CardOverviewRecord::fromValue(v));
            return true;
        });
    b.object(
        "pullToRefreshManager", [](Self& s) -> NSObjectPtr { return s.pullToRefreshManager_; },
        [](Self& s, const NSObjectPtr& o) { return assignObject(s.pullToRefreshManager_, o); });
    b.property(
        "lastContentOffset", [](Self& s) { return valueWithCGPoint(s.lastContentOffset_); },
        [](Self& s, const Value& v) { return assign(s.lastContentOffset_, pointFrom(v)); });
    // The screen never schedules a timer, and run-loop timers are no objects of the model: the
    // property reads as none and takes only none.
    b.property(
        "scrollTimer", [](Self&) { return Value(); }, [](Self&, const Value& v) { return v.isNull(); });
    b.object(
        "viewModel", [](Self& s) -> NSObjectPtr { return s.viewModel_; },
        [](Self& s, const NSObjectPtr& o) { return assignObject(s.viewModel_, o); });
}

void MyCardsViewController::registerMembers(ClassBuilder<MyCardsViewController>& b) {
    registerStoredProperties(b);
    b.outlet("showMoreTransactionView", &Self::showMoreTransactionView);
    b.action("tapGesture:", &Self::tapGesture);
    b.action("showMoreTransactionTapped:", &Self::showMoreTransactionTapped);
    b.action("sideMenuTapped:", &Self::sideMenuTapped);
    b.action("loadMoreRows", &Self::loadMoreRows);
}

MyCardsViewController::~MyCardsViewController() = default;

void MyCardsViewController::viewDidLoad() {
    TransactionListBase::viewDidLoad();
    initialzieViewModel();
    setDefaultSelection();
}

void MyCardsViewController::viewWillAppear(bool animated) {
    TransactionListBase::viewWillAppear(animated);
    if (auto carousel = collectionView.peek()) carousel->reloadData();
}

void MyCardsViewController::viewDidLayoutSubviews() {
    TransactionListBase::viewDidLayoutSubviews();
    if (auto carousel = collectionView.peek()) carousel->collectionViewLayout().invalidateLayout();
}

void MyCardsViewController::initialzieViewModel() {
    if (viewModel_) return;
    viewModel_ = std::make_shared<MyCardsViewModel>();
    viewModel_->setDelegate(shared_from_this());
    viewModel_->setRootView(view());
}

void MyCardsViewController::setDefaultSelection() {
    setupDetailPopup();
    const auto theme = ThemeManager::sharedInstance();
    view_navbar->setBackgroundColor(theme->header_color());
    lbl_headerTitle->setTextColor(theme->header_text_color());
    lbl_bottomView_Title->setTextColor(theme->main_color());
    for (const auto* label : {&lbl_titleOne, &lbl_header_wallets, &lbl_TotalAmount})
        (*label)->setTextColor(theme->main_font_color());
    btn_seeAllTransactions->setBackgroundColor(UIColor::clearColor());
    tintImageView(*img_icon_triangleTip, theme->main_font_color());
    outlet_PageControl->setIndicatorColor(theme->main_color());

    auto totalTap = std::make_shared<UITapGestureRecognizer>();
    totalTap->addTarget(this, "tapGesture:");
    lbl_TotalAmount->addGestureRecognizer(totalTap);

    auto table = tbl.get();
    pullToRefreshManager_ = PullToRefreshManager::create(
        kRefreshViewHeight, table, std::dynamic_pointer_cast<PullToRefreshManagerClient>(shared_from_this()));
    loadCardPages();
    table->reloadData();
    table->setHidden(true);
    walletView->setHidden(true);
    if (auto carousel = collectionView.peek()) {
        carousel->registerNib(UINib::nibWithNibName(MyCardsCollectionViewCell::kNibName, frameworkBundle()),
                              MyCardsCollectionViewCell::kReuseIdentifier);
        carousel->setContentOffset(CGPointMake(0, 0), false);
        carousel->reloadData();
        carousel->collectionViewLayout().invalidateLayout();
    }
    outlet_PageControl->setNumberOfPages(static_cast<long>(myCardTransactions().pageCount()));
    outlet_PageControl->setProgress(0.0);
    detectInitialView(0);
    showMoreTransactionView->setHidden(true);
    showMoreTransactionView->setAlpha(0);
    lbl_TotalAmount->setAttributedText(attributedAmountString(kTotalAmount));
}

void MyCardsViewController::styleDayHeader(UILabel& date) {
    date.setTextColor(ThemeManager::sharedInstance()->main_font_color());
}

// ---- wallet strip or table ----

void MyCardsViewController::detectInitialView(long page) {
    const auto index = static_cast<std::size_t>(std::max(page, 0L));
    if (!myCardTransactions().isWalletPage(index)) {
        tbl->setHidden(false);
        tbl->setAlpha(1.0);
        walletView->setAlpha(0);
        walletView->setHidden(true);
        return;
    }
    walletView->setHidden(false);
    walletView->setAlpha(1.0);
    tbl->setHidden(true);
    tbl->setAlpha(0);
    reFormatCollectionViewForWallet(static_cast<long>(myCardTransactions().walletCount(index)));
}

void MyCardsViewController::detectWalletOrTrasactionView(long page) {
    const auto index = static_cast<std::size_t>(std::max(page, 0L));
    UIViewPtr from = walletView.get(), to = tbl.get();
    if (myCardTransactions().isWalletPage(index)) {
        reFormatCollectionViewForWallet(static_cast<long>(myCardTransactions().walletCount(index)));
        std::swap(from, to);
    }
    UIView::animateWithDuration(
        kSwitchFade, [from] { from->setAlpha(0); },
        [from, to](bool) {
            from->setHidden(true);
            to->setHidden(false);
            UIView::animateWithDuration(kSwitchFade, [to] { to->setAlpha(1.0); });
        });
}

void MyCardsViewController::reFormatCollectionViewForWallet(long count) {
    auto strip = walletsCollVIew.get();
    if (count == 1)
        strip->registerNib(UINib::nibWithNibName(SingleWalletCollectionViewCell::kNibName, frameworkBundle()),
                           SingleWalletCollectionViewCell::kReuseIdentifier);
    else
        strip->registerNib(UINib::nibWithNibName(WalletCollectionViewCell::kNibName, frameworkBundle()),
                           WalletCollectionViewCell::kReuseIdentifier);
    totalWalletCount_ = count;
    strip->reloadData();
}

// ---- navigation ----

void MyCardsViewController::openHistory() {
    pushScreen(screen::TransactionsViewController, ScreenSetup().value("cameFromView", Value(kCameFromHome)));
}

void MyCardsViewController::tapGesture(UITapGestureRecognizer*) {
    openHistory();
}

void MyCardsViewController::showMoreTransactionTapped(NSObject*) {
    openHistory();
}

void MyCardsViewController::sideMenuTapped(NSObject*) {
    if (auto root = viewIfLoaded()) root->endEditing(true);
}

void MyCardsViewController::pullToRefreshTriggered(PullToRefreshManager&) {
    performSelector("loadMoreRows", nullptr, 0.0);
}

void MyCardsViewController::loadMoreRows() {
    if (pullToRefreshManager_) pullToRefreshManager_->tableViewReloadFinishedAnimated(true);
}

// ---- the carousel and the wallet strip ----

bool MyCardsViewController::isCarousel(const UICollectionView& view) const {
    return &view == collectionView.peek().get();
}

bool MyCardsViewController::isTable(const UIScrollView& view) const {
    return &view == tbl.peek().get();
}

long MyCardsViewController::numberOfSectionsInCollectionView(UICollectionView& view) {
    if (isCarousel(view)) view.collectionViewLayout().invalidateLayout();
    return 1;
}

long MyCardsViewController::collectionViewNumberOfItemsInSection(UICollectionView& view, long) {
    return isCarousel(view) ? static_cast<long>(myCardTransactions().pageCount()) : totalWalletCount_;
}

UICollectionViewCellPtr MyCardsViewController::collectionViewCellForItemAtIndexPath(
    UICollectionView& view, const NSIndexPath& indexPath) {
    return isCarousel(view) ? cardCell(view, indexPath) : walletCell(view, indexPath);
}

UICollectionViewCellPtr MyCardsViewController::cardCell(UICollectionView& carousel,
                                                        const NSIndexPath& indexPath) {
    auto cell =
        std::dynamic_pointer_cast<MyCardsCollectionViewCell>(carousel.dequeueReusableCellWithReuseIdentifier(
            MyCardsCollectionViewCell::kReuseIdentifier, indexPath));
    if (!cell) return std::make_shared<UICollectionViewCell>();
    cell->AddShadow();
    cell->blockSwitch->setHidden(true);
    cell->lbl_blockStatus->setHidden(true);
    cell->EnableTouchOnCard();
    const auto page = static_cast<std::size_t>(indexPath.item());
    const bool hide = !AppSettings::isCardDetailActive();
    const auto model = DataModel::sharedInstance();
    cell->lbl_cardNumber->setText(model->formattedCardNumber(myCardTransactions().cardNumber(page), hide));
    cell->lbl_cardExpiry->setText(model->formattedEXP(myCardTransactions().exp(page), hide));
    cell->lbl_cardCVV->setText(model->formattedCVV(myCardTransactions().cvv(page), hide));
    return cell;
}

UICollectionViewCellPtr MyCardsViewController::walletCell(UICollectionView& strip,
                                                          const NSIndexPath& indexPath) {
    const bool single = totalWalletCount_ == 1;
    auto dequeued =
        strip.dequeueReusableCellWithReuseIdentifier(single ? SingleWalletCollectionViewCell::kReuseIdentifier
                                                            : WalletCollectionViewCell::kReuseIdentifier,
                                                     indexPath);
    const bool expectedKind =
        single ? static_cast<bool>(std::dynamic_pointer_cast<SingleWalletCollectionViewCell>(dequeued))
               : static_cast<bool>(std::dynamic_pointer_cast<WalletCollectionViewCell>(dequeued));
    auto cell = std::dynamic_pointer_cast<WalletCellBase>(dequeued);
    if (!expectedKind || !cell) return std::make_shared<UICollectionViewCell>();
    cell->AddShadow();
    const auto record =
        myCardTransactions().wallet(static_cast<std::size_t>(std::max(currentCardSelectedIndex_, 0L)),
                                    static_cast<std::size_t>(indexPath.item()));
    if (!single) cell->Lbl_Currency->setFont(UIFont::fontWithName(kAmountFontName, kMultiWalletCurrencySize));
    if (!record) {
        // A tile the card's wallets do not fill stays blank.
        cell->Lbl_Currency->setText(std::string());
        cell->Lbl_Amount->setText(std::string());
        cell->Img_Flag->setImage(nullptr);
        return cell;
    }
    cell->Lbl_Currency->setText(record->currencyTitle());
    if (auto amount = record->amountText())
        cell->Lbl_Amount->setAttributedText(attributedAmountString(*amount));
    if (auto flag = record->flagImageName())
        cell->Img_Flag->setImage(UIImage::imageNamed(*flag, frameworkBundle()));
    return cell;
}

std::optional<CGSize> MyCardsViewController::collectionViewLayoutSizeForItemAtIndexPath(
    UICollectionView& view, UICollectionViewLayout&, const NSIndexPath&) {
    if (isCarousel(view)) return CGSizeMake(kCardCarouselItemWidth, kCardCarouselItemHeight);
    const CGFloat width = view.frame().size.width;
    return CGSizeMake(totalWalletCount_ == 1 ? width : width / 2 - 2, kWalletHeight);
}

std::optional<UIEdgeInsets> MyCardsViewController::collectionViewLayoutInsetForSectionAtIndex(
    UICollectionView& view, UICollectionViewLayout&, long) {
    if (isCarousel(view)) return cardCarouselInsets(view.frame().size.width);
    return UIEdgeInsetsMake(0, 0, 0, 0);
}

std::optional<CGFloat> MyCardsViewController::collectionViewLayoutMinimumLineSpacingForSectionAtIndex(
    UICollectionView& view, UICollectionViewLayout&, long) {
    return isCarousel(view) ? kCardCarouselLineSpacing : 1;
}

void MyCardsViewController::collectionViewDidSelectItemAtIndexPath(UICollectionView&, const NSIndexPath&) {}

// ---- scrolling ----

void MyCardsViewController::scrollViewWillBeginDragging(UIScrollView& scrollView) {
    if (isTable(scrollView)) dragStartOffset_ = scrollView.contentOffset();
}

void MyCardsViewController::scrollViewDidScroll(UIScrollView& scrollView) {
    if (!isTable(scrollView)) return;
    const CGFloat y = scrollView.contentOffset().y;
    if (pullToRefreshManager_) pullToRefreshManager_->tableViewScrolled();
    if (lastContentOffset_.y < y && y >= kCollapseOffset && topCardView->alpha() == 1.0) collapseHeader();
    if (lastContentOffset_.y >= y && y < dragStartOffset_.y && topCardView->alpha() == 0 &&
        y <= kCollapseOffset)
        expandHeader();
    showOrHideFooter(y);
}

void MyCardsViewController::collapseHeader() {
    cardViewHeight->setConstant(0);
    auto self = std::static_pointer_cast<MyCardsViewController>(shared_from_this());
    UIView::animateWithDuration(kHeaderAnimation, [self] {
        self->topCardView->setAlpha(0);
        self->view()->layoutIfNeeded();
        if (auto carousel = self->collectionView.peek()) carousel->collectionViewLayout().invalidateLayout();
        self->view_availableAmount->setBackgroundColor(ThemeManager::sharedInstance()->main_color());
        self->lbl_TotalAmount->setTextColor(UIColor::whiteColor());
        self->lbl_titleOne->setTextColor(UIColor::whiteColor());
    });
}

void MyCardsViewController::expandHeader() {
    cardViewHeight->setConstant(kExpandedHeaderHeight);
    topCardView->setAlpha(1.0);
    auto self = std::static_pointer_cast<MyCardsViewController>(shared_from_this());
    UIView::animateWithDuration(kHeaderAnimation, [self] {
        self->view()->layoutIfNeeded();
        if (auto carousel = self->collectionView.peek()) carousel->collectionViewLayout().invalidateLayout();
        const auto fontColor = ThemeManager::sharedInstance()->main_font_color();
        self->view_availableAmount->setBackgroundColor(UIColor::whiteColor());
        self->lbl_TotalAmount->setTextColor(fontColor);
        self->lbl_titleOne->setTextColor(fontColor);
    });
}

void MyCardsViewController::showOrHideFooter(CGFloat y) {
    const auto table = tbl.get();
    const bool nearBottom = table->contentSize().height - y - kFooterThreshold < table->frame().size.height;
    auto footer = showMoreTransactionView;
    if (nearBottom && footer->isHidden()) {
        footer->setHidden(false);
        UIView::animateWithDuration(kFooterFadeIn, [footer] { footer->setAlpha(1.0); });
    } else if (!nearBottom && footer->alpha() == 1.0) {
        UIView::animateWithDuration(
            kFooterFadeOut, [footer] { footer->setAlpha(0); }, [footer](bool) { footer->setHidden(true); });
    }
}

void MyCardsViewController::scrollViewDidEndDragging(UIScrollView&, bool) {
    if (pullToRefreshManager_) pullToRefreshManager_->tableViewReleased();
}

void MyCardsViewController::scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint,
                                                      CGPoint* targetContentOffset) {
    auto carousel = collectionView.peek();
    if (&scrollView != carousel.get() || !targetContentOffset) return;
    const auto card =
        endCarouselDrag(*carousel, *targetContentOffset, static_cast<long>(myCardTransactions().pageCount()));
    if (!card) return;
    currentCardSelectedIndex_ = *card;
    outlet_PageControl->setProgress(static_cast<double>(currentCardSelectedIndex_));
    detectWalletOrTrasactionView(currentCardSelectedIndex_);
}

// ---- the table ----

long MyCardsViewController::numberOfSectionsInTableView(UITableView&) {
    return myCardTransactions().pageCount() > 0 ? 1 : 0;
}

std::optional<CGFloat> MyCardsViewController::tableViewHeightForFooterInSection(UITableView&, long) {
    return kFooterHeight;
}

UIViewPtr MyCardsViewController::tableViewViewForFooterInSection(UITableView&, long) {
    return showMoreTransactionView;
}

}  // namespace fv
