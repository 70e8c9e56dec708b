#include "cards/CardControlViewController.h"

#include "cards/CardCarousel.h"
#include "cards/MyCardsCollectionViewCell.h"
#include "controls/UIScrollViewKeyboardAvoiding.h"
#include "core/AppSettings.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "core/ThemeManager.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Text.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIToolbar.h"
#include "screenkit/ModalPopup.h"

namespace fv {

FV_REGISTER_CLASS(CardControlViewController);

// Rows 1 to 3: a switch that blocks one kind of use, and the red marker shown while it is on.
struct CardControlViewController::SwitchRow {
    CardControlOption option;
    Outlet<UIView> CardControlViewController::*rowView;
    Outlet<NSLayoutConstraint> CardControlViewController::*height;
    Outlet<UISwitch> CardControlViewController::*control;
    Outlet<UILabel> CardControlViewController::*marker;
};

namespace {

using Self = CardControlViewController;

}  // namespace

const std::array<Self::SwitchRow, 3>& CardControlViewController::switchRows() {
    static const std::array<SwitchRow, 3> rows = {{
        {CardControlOption::BlockInternational, &Self::view_option1,
         &Self::constraint_height_blockInternational, &Self::switch_blockInternational,
         &Self::lblBlock_blockInternational},
        {CardControlOption::BlockCashAtm, &Self::view_option2, &Self::constraint_height_cashAtm,
         &Self::switch_blockCashAtm, &Self::lblBlock_blockATM},
        {CardControlOption::BlockOnlineEcommerce, &Self::view_option3,
         &Self::constraint_height_onlineEcommerce, &Self::switch_blockOnline, &Self::lblBlock_blockOnline},
    }};
    return rows;
}

namespace {

std::string localized(const char* key) {
    return NSLocalizedString(key, "");
}

}  // namespace

void CardControlViewController::registerMembers(ClassBuilder<CardControlViewController>& b) {
    b.outlet("view_changeCardPIN", &Self::view_changeCardPIN);
    b.action("blockStatusChangedWithSender:", &Self::blockStatusChangedWithSender);
    b.action("switch_blockInternational_Changed:", &Self::switch_blockInternational_Changed);
    b.action("switch_blockATM_Changed:", &Self::switch_blockATM_Changed);
    b.action("switch_blockOnline_Changed:", &Self::switch_blockOnline_Changed);
    b.action("action_changeCardPin:", &Self::action_changeCardPin);
    b.action("action_popup_change:", &Self::action_popup_change);
    b.action("action_close_popup:", &Self::action_close_popup);
    b.action("action_save:", &Self::action_save);
    b.action("sideMenuTapped:", &Self::sideMenuTapped);
}

CardControlViewController::~CardControlViewController() = default;

void CardControlViewController::viewDidLoad() {
    BaseViewController::viewDidLoad();
    formatView();
}

void CardControlViewController::viewWillAppear(bool animated) {
    BaseViewController::viewWillAppear(animated);
    // Edits stay in memory; only the prompt to save forgets them.
    markSaved();
    collectionView->reloadData();
}

void CardControlViewController::viewDidLayoutSubviews() {
    BaseViewController::viewDidLayoutSubviews();
    if (auto carousel = collectionView.peek()) carousel->collectionViewLayout().invalidateLayout();
}

void CardControlViewController::formatView() {
    myCard_ = CardControlSettings::load();
    auto carousel = collectionView.get();
    carousel->registerNib(UINib::nibWithNibName(MyCardsCollectionViewCell::kNibName, frameworkBundle()),
                          MyCardsCollectionViewCell::kReuseIdentifier);
    carousel->setContentOffset(CGPointMake(0, 0), false);
    carousel->reloadData();
    carousel->collectionViewLayout().invalidateLayout();
    setKeyboardAvoidingEnabled(*scrollView, true);
    setKeyboardAvoidingEnabled(*view_scrollView, true);
    setupKeyboardToolbar();
    applyColours();
    CustomizeLayer(View_TfAmount->layer());
    setViewWithCurrentCard();
}

void CardControlViewController::setupKeyboardToolbar() {
    auto toolbar = UIToolbar::create(CGRectMake(0, 0, view()->frame().size.width, 50));
    auto done = UIBarButtonItem::create(localized("Done"), UIBarButtonItemStyleDone, shared_from_this(),
                                        "textFieldShouldReturn:");
    toolbar->setItems({UIBarButtonItem::flexibleSpace(), done});
    for (const auto& field :
         {tf_Amount.get(), tf_cardOldPIN.get(), tf_cardNewPIN.get(), tf_cardConfirmNewPIN.get()})
        field->setInputAccessoryView(toolbar);
}

void CardControlViewController::applyColours() {
    auto theme = ThemeManager::sharedInstance();
    view_navbar->setBackgroundColor(theme->header_color());
    lbl_headerTitle->setTextColor(theme->header_text_color());
    for (const auto* label : {&lbl_blockInternational, &lbl_blockATM, &lbl_blockOnline,
                              &lbl_blockTransactionGreater, &lbl_changeCardPin})
        (*label)->setTextColor(theme->main_font_color());
    lbl_changeCardPinSubtitle->setTextColor(theme->light_font_color());
    for (const auto* control : {&switch_blockInternational, &switch_blockCashAtm, &switch_blockOnline}) {
        (*control)->setTintColor(theme->switch_tint_color());
        (*control)->setOnTintColor(theme->switch_tint_color());
    }
    for (const auto* border :
         {&view_border1, &view_border2, &view_border3, &view_border4, &view_border5, &view_popup_oldPinFooter,
          &view_popup_newPinFooter, &view_popup_confirmNewPinFooter})
        (*border)->setBackgroundColor(theme->border_color());
    for (const auto* label : {&lbl_popup_oldPIN, &lbl_popup_newPIN, &lbl_popup_confirmNewPIN})
        (*label)->setTextColor(theme->main_font_color());
    view_popup_navbar->setBackgroundColor(theme->header_color());
    lbl_popup_header->setTextColor(theme->header_text_color());
    btn_popup_chnage->setBackgroundColor(UIColor::clearColor());
    for (const auto* marker : {&lblBlock_blockInternational, &lblBlock_blockATM, &lblBlock_blockOnline})
        (*marker)->setTextColor(UIColor::redColor());
}

void CardControlViewController::enableSaveOption() {
    needToSave_ = true;
    btn_save->setEnabled(true);
    btn_save->setAlpha(1.0);
}

void CardControlViewController::markSaved() {
    btn_save->setEnabled(false);
    btn_save->setAlpha(0.5);
    needToSave_ = false;
}

void CardControlViewController::updateCurrentArray() {
    enableSaveOption();
    selectedCard_.set(CardControlSettings::kSetting, selectedCardSettings_.dictionary());
    myCard_.setSettings(static_cast<std::size_t>(currentCardSelectedIndex_), selectedCardSettings_);
}

// ---- selecting a card ----

void CardControlViewController::setViewWithCurrentCard() {
    const auto index = static_cast<std::size_t>(currentCardSelectedIndex_);
    const Value& card = myCard_.card(index);
    selectedCard_ = card.isDictionary() ? card : Value(Value::Dictionary{});
    selectedCardSettings_ = myCard_.settings(index);
    for (const auto& row : switchRows()) showSwitchRow(row);
    const bool limitOffered = selectedCardSettings_.isOffered(CardControlOption::BlockTransactionGreaterThan);
    if (limitOffered) tf_Amount->setText(selectedCardSettings_.transactionLimit());
    showRow(*view_option4, *constraint_height_transactionGreaterThan, limitOffered);
    showRow(*view_option5, *constraint_height_changeCardPin,
            selectedCardSettings_.isOffered(CardControlOption::ChangeCardPin));
    // The alphas are already set: only the heights move.
    auto root = view();
    UIView::animateWithDuration(0.2, [root] { root->layoutIfNeeded(); });
    collectionView->reloadData();
}

void CardControlViewController::showSwitchRow(const SwitchRow& row) {
    const bool offered = selectedCardSettings_.isOffered(row.option);
    if (offered) {
        const bool blocked = selectedCardSettings_.isBlocked(row.option);
        (this->*row.control)->setOn(blocked, true);
        (this->*row.marker)->setHidden(!blocked);
    }
    showRow(*(this->*row.rowView), *(this->*row.height), offered);
}

void CardControlViewController::showRow(UIView& rowView, NSLayoutConstraint& height, bool offered) {
    height.setConstant(offered ? kRowHeight : 0);
    rowView.setAlpha(offered ? 1.0 : 0.0);
}

// ---- the carousel ----

long CardControlViewController::numberOfSectionsInCollectionView(UICollectionView&) {
    if (auto carousel = collectionView.peek()) carousel->collectionViewLayout().invalidateLayout();
    return 1;
}

long CardControlViewController::collectionViewNumberOfItemsInSection(UICollectionView&, long) {
    return static_cast<long>(myCard_.count());
}

UICollectionViewCellPtr CardControlViewController::collectionViewCellForItemAtIndexPath(
    UICollectionView& carousel, const NSIndexPath& indexPath) {
    auto dequeued = carousel.dequeueReusableCellWithReuseIdentifier(
        MyCardsCollectionViewCell::kReuseIdentifier, indexPath);
    auto cell = std::dynamic_pointer_cast<MyCardsCollectionViewCell>(dequeued);
    if (!cell) return dequeued;
    cell->AddShadow();
    const auto theme = ThemeManager::sharedInstance();
    const bool inactive = selectedCardSettings_.isInactive();
    auto status = cell->blockSwitch.get();
    status->setTintColor(UIColor::whiteColor());
    status->setOnTintColor(UIColor::whiteColor());
    status->setOn(inactive);
    status->setThumbTintColor(inactive ? theme->switch_tint_color() : UIColor::whiteColor());
    status->addTarget(shared_from_this(), "blockStatusChangedWithSender:", UIControlEventValueChanged);
    cell->lbl_blockStatus->setTextColor(UIColor::whiteColor());
    cell->lbl_blockStatus->setText(std::string(inactive ? "Inactive" : "Active"));
    // An entry that is no card cannot keep a status: it offers none.
    const bool isCard = myCard_.card(static_cast<std::size_t>(currentCardSelectedIndex_)).isDictionary();
    status->setHidden(!isCard);
    cell->lbl_blockStatus->setHidden(!isCard);
    const bool hide = !AppSettings::isCardDetailActive();
    const auto model = DataModel::sharedInstance();
    const auto text = [this](const char* key) { return selectedCard_[key].asString().value_or(""); };
    cell->lbl_cardNumber->setText(model->formattedCardNumber(text(CardControlSettings::kCardNumber), hide));
    cell->lbl_cardExpiry->setText(model->formattedEXP(text(CardControlSettings::kExp), hide));
    cell->lbl_cardCVV->setText(model->formattedCVV(text(CardControlSettings::kCVV), hide));
    return cell;
}

void CardControlViewController::collectionViewDidSelectItemAtIndexPath(UICollectionView&,
                                                                       const NSIndexPath&) {}

void CardControlViewController::scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint,
                                                          CGPoint* targetContentOffset) {
    auto carousel = collectionView.peek();
    if (&scrollView != carousel.get() || !targetContentOffset) return;
    const auto card = endCarouselDrag(*carousel, *targetContentOffset, static_cast<long>(myCard_.count()));
    if (!card) return;
    currentCardSelectedIndex_ = *card;
    setViewWithCurrentCard();
}

// ---- the card's status ----

void CardControlViewController::blockStatusChangedWithSender(UISwitch* sender) {
    if (!sender) return;
    auto alert = AlertView();
    if (!alert) return;
    const bool block = sender->isOn();
    auto weak = std::weak_ptr<CardControlViewController>(sharedAs<CardControlViewController>());
    alert->addButton(localized("Yes, Please"), [weak, block] {
        if (auto self = weak.lock()) self->setCardInactive(block);
    });
    alert->addButton(localized("Not now"), [weak, block] {
        if (auto self = weak.lock()) self->setCardInactive(!block);
    });
    alert->setDismissOnOutsideTouch(false);
    const char* question =
        block ? "Are you sure to temporarily block this card?" : "Are you sure to activate this card?";
    alert->showAlertWithTitle(std::nullopt, localized(question), nullptr, std::nullopt, {});
}

void CardControlViewController::setCardInactive(bool inactive) {
    selectedCardSettings_.setInactive(inactive);
    updateCurrentArray();
    collectionView->reloadData();
}

// ---- the option rows ----

const CardControlViewController::SwitchRow* CardControlViewController::switchRowOf(
    const UISwitch* control) const {
    for (const auto& row : switchRows())
        if ((this->*row.control).peek().get() == control) return &row;
    return nullptr;
}

void CardControlViewController::blockSwitchChanged(const SwitchRow& row) {
    const bool blocked = (this->*row.control)->isOn();
    selectedCardSettings_.setBlocked(row.option, blocked);
    (this->*row.marker)->setHidden(!blocked);
    updateCurrentArray();
}

void CardControlViewController::switch_blockInternational_Changed(UISwitch*) {
    blockSwitchChanged(switchRows()[0]);
}

void CardControlViewController::switch_blockATM_Changed(UISwitch*) {
    blockSwitchChanged(switchRows()[1]);
}

void CardControlViewController::switch_blockOnline_Changed(UISwitch*) {
    blockSwitchChanged(switchRows()[2]);
}

bool CardControlViewController::textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                                       const std::string& string) {
    const std::size_t length = textField ? text::utf16Length(textField->text().value_or("")) : 0;
    if (range.end() > length) return false;
    return length - range.length + text::utf16Length(string) <= kMaxAmountLength;
}

void CardControlViewController::textFieldDidEndEditing(UITextField* textField) {
    if (!textField || textField != tf_Amount.peek().get()) return;
    selectedCardSettings_.setTransactionLimit(textField->text().value_or(""));
    updateCurrentArray();
}

// ---- the change-PIN pop-up ----

void CardControlViewController::clearPinFields() {
    for (const auto& field : {tf_cardOldPIN.get(), tf_cardNewPIN.get(), tf_cardConfirmNewPIN.get()})
        field->setText(std::string());
}

void CardControlViewController::resignPinFields() {
    for (const auto& field : {tf_cardOldPIN.get(), tf_cardNewPIN.get(), tf_cardConfirmNewPIN.get()})
        field->resignFirstResponder();
}

void CardControlViewController::action_changeCardPin(NSObject*) {
    clearPinFields();
    auto popup = ModalPopup::sharedInstance();
    popup->setCloseButtonType(ModalPopupCloseButtonTypeNone);
    popup->setBackgroundDisplayStyle(ModalPopupBackgroundDisplayStyleGradient);
    popup->setModalBackgroundColor(UIColor::clearColor());
    popup->setTapOutsideToDismiss(false);
    popup->showWithContentView(view_changeCardPIN);
}

void CardControlViewController::action_popup_change(NSObject*) {
    resignPinFields();
    const std::string oldPin = tf_cardOldPIN->text().value_or("");
    const std::string newPin = tf_cardNewPIN->text().value_or("");
    const std::string confirmation = tf_cardConfirmNewPIN->text().value_or("");
    const char* problem = nullptr;
    if (oldPin.empty())
        problem = "Please enter old PIN. It is compulsory";
    else if (newPin.empty())
        problem = "Please enter new PIN. It is empty";
    else if (confirmation.empty())
        problem = "Please confirm new PIN. It is empty";
    else if (confirmation != newPin)
        problem = "Entered new PIN does not match";
    if (problem) {
        CreateNotification(localized(problem), std::nullopt, BannerMessageTypeError);
        return;
    }
    // Nothing is kept: the entries go with the pop-up.
    auto weak = std::weak_ptr<CardControlViewController>(sharedAs<CardControlViewController>());
    ModalPopup::sharedInstance()->hideAnimated(true, [weak] {
        if (auto self = weak.lock()) self->clearPinFields();
    });
}

void CardControlViewController::action_close_popup(NSObject*) {
    resignPinFields();
    auto weak = std::weak_ptr<CardControlViewController>(sharedAs<CardControlViewController>());
    ModalPopup::sharedInstance()->hideAnimated(true, [weak] {
        if (auto self = weak.lock()) self->clearPinFields();
    });
}

// ---- saving ----

bool CardControlViewController::saveRecord() {
    if (!myCard_.save()) {
        CreateNotification(localized("Changes Not Saved"),
                           localized("Your changes could not be saved. Please try again."),
                           BannerMessageTypeError);
        return false;
    }
    markSaved();
    CreateNotification(localized("Changes Saved"), localized("Your performed changes are saved successfully"),
                       BannerMessageTypeSuccess);
    return true;
}

void CardControlViewController::action_save(NSObject*) {
    saveRecord();
}

void CardControlViewController::sideMenuTapped(NSObject*) {
    view()->endEditing(true);
    if (!needToSave_) return;
    auto alert = AlertView();
    if (!alert) return;
    auto weak = std::weak_ptr<CardControlViewController>(sharedAs<CardControlViewController>());
    alert->addButton(localized("Save"), [weak] {
        if (auto self = weak.lock()) self->action_save(UIButton::create().get());
    });
    alert->addButton(localized("Cancel"), [weak] {
        if (auto self = weak.lock()) {
            self->markSaved();
            self->formatView();
        }
    });
    alert->showAlertWithTitle(localized("Want To Save"),
                              localized("Your changes are not saved yet. Do you want to save them now?"),
                              nullptr, std::nullopt, {});
}

}  // namespace fv
