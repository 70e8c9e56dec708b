#pragma once
// The card controls: the user's cards in a snapping carousel, and for the centred card up to five
// option rows (block international, cash and ATM, online e-commerce, transactions above an amount,
// change the PIN) offered as its settings say. Each card face carries a status switch that blocks the
// card or activates it after a confirmation. Every edit goes into the in-memory record at once; Save
// writes the whole record into the user defaults, and the menu button offers to save or drop edits.
// The change-PIN pop-up only checks its three entries: no PIN is kept, logged or sent.
#include <array>
#include <memory>
#include <string>

#include "cards/CardCarousel.h"
#include "cards/CardControlSettings.h"
#include "cards/CardSettings.h"
#include "platform/foundation/Value.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UICollectionView.h"
#include "platform/ui/UICollectionViewFlowLayout.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UISwitch.h"
#include "platform/ui/UITextField.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

class CardControlViewController : public BaseViewController,
                                  public UICollectionViewDataSource,
                                  public CardCarouselLayout {
    FV_CLASS(CardControlViewController, BaseViewController)
    static void registerMembers(ClassBuilder<CardControlViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~CardControlViewController() override;

    // An option row's height while it is offered.
    static constexpr CGFloat kRowHeight = 65;
    // The longest amount limit the field takes, in UTF-16 units.
    static constexpr std::size_t kMaxAmountLength = 4;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidLayoutSubviews() override;

    // Reads the record from the user defaults, resets the carousel to its first page, prepares the
    // fields and colours, and shows the card at currentCardSelectedIndex.
    void formatView();
    // Marks the screen as edited and enables Save.
    void enableSaveOption();
    // Copies the card at currentCardSelectedIndex and shows its option rows.
    void setViewWithCurrentCard();
    // Puts the selected card's settings back into the record and marks the screen as edited.
    void updateCurrentArray();

    // ---- the carousel ----
    long numberOfSectionsInCollectionView(UICollectionView& collectionView) override;
    long collectionViewNumberOfItemsInSection(UICollectionView& collectionView, long section) override;
    // Every face shows the selected card.
    UICollectionViewCellPtr collectionViewCellForItemAtIndexPath(UICollectionView& collectionView,
                                                                 const NSIndexPath& indexPath) override;
    void collectionViewDidSelectItemAtIndexPath(UICollectionView& collectionView,
                                                const NSIndexPath& indexPath) override;
    // Snaps the carousel to a card and selects it.
    void scrollViewWillEndDragging(UIScrollView& scrollView, CGPoint velocity,
                                   CGPoint* targetContentOffset) override;

    // ---- actions ----
    // A card face's status switch: asks before blocking or activating the card.
    void blockStatusChangedWithSender(UISwitch* sender);
    void switch_blockInternational_Changed(UISwitch* sender);
    void switch_blockATM_Changed(UISwitch* sender);
    void switch_blockOnline_Changed(UISwitch* sender);
    void action_changeCardPin(NSObject* sender);
    void action_popup_change(NSObject* sender);
    void action_close_popup(NSObject* sender);
    void action_save(NSObject* sender);
    // Ends editing; with unsaved edits, asks whether to save them or drop them.
    void sideMenuTapped(NSObject* sender);

    // ---- text fields ----
    // At most four characters, in every field of the screen.
    bool textFieldShouldChangeCharactersInRange(UITextField* textField, NSRange range,
                                                const std::string& string) override;
    // The amount field's end of editing records the limit; the PIN fields record nothing.
    void textFieldDidEndEditing(UITextField* textField) override;

    // ---- working state ----
    const CardControlSettings& myCard() const { return myCard_; }
    const Value& selectedCard() const { return selectedCard_; }
    const CardSettings& selectedCardSettings() const { return selectedCardSettings_; }
    long currentCardSelectedIndex() const { return currentCardSelectedIndex_; }
    bool needToSave() const { return needToSave_; }

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UICollectionView, collectionView);
    FV_OUTLET(UIScrollView, scrollView);
    FV_OUTLET(UIScrollView, view_scrollView);
    FV_OUTLET(UISwitch, switch_blockInternational);
    FV_OUTLET(UISwitch, switch_blockCashAtm);
    FV_OUTLET(UISwitch, switch_blockOnline);
    FV_OUTLET(UILabel, lbl_blockInternational);
    FV_OUTLET(UILabel, lbl_blockATM);
    FV_OUTLET(UILabel, lbl_blockOnline);
    FV_OUTLET(UILabel, lbl_blockTransactionGreater);
    FV_OUTLET(UILabel, lbl_changeCardPin);
    FV_OUTLET(UILabel, lbl_changeCardPinSubtitle);
    FV_OUTLET(UILabel, lblBlock_blockInternational);
    FV_OUTLET(UILabel, lblBlock_blockATM);
    FV_OUTLET(UILabel, lblBlock_blockOnline);
    FV_OUTLET(UIView, view_border1);
    FV_OUTLET(UIView, view_border2);
    FV_OUTLET(UIView, view_border3);
    FV_OUTLET(UIView, view_border4);
    FV_OUTLET(UIView, view_border5);
    FV_OUTLET(UIView, view_option1);
    FV_OUTLET(UIView, view_option2);
    FV_OUTLET(UIView, view_option3);
    FV_OUTLET(UIView, view_option4);
    FV_OUTLET(UIView, view_option5);
    // The change-PIN pop-up's content: a top-level view of the interface file, kept while the screen
    // lives and shown in the shared modal presenter.
    UIViewPtr view_changeCardPIN;
    FV_OUTLET(UIButton, btn_save);
    FV_OUTLET(UIView, View_TfAmount);
    FV_OUTLET(UITextField, tf_Amount);
    FV_OUTLET(NSLayoutConstraint, constraint_height_blockInternational);
    FV_OUTLET(NSLayoutConstraint, constraint_height_cashAtm);
    FV_OUTLET(NSLayoutConstraint, constraint_height_onlineEcommerce);
    FV_OUTLET(NSLayoutConstraint, constraint_height_transactionGreaterThan);
    FV_OUTLET(NSLayoutConstraint, constraint_height_changeCardPin);
    FV_OUTLET(UILabel, lbl_popup_oldPIN);
    FV_OUTLET(UILabel, lbl_popup_newPIN);
    FV_OUTLET(UILabel, lbl_popup_confirmNewPIN);
    FV_OUTLET(UIView, view_popup_oldPinFooter);
    FV_OUTLET(UIView, view_popup_newPinFooter);
    FV_OUTLET(UIView, view_popup_confirmNewPinFooter);
    FV_OUTLET(CustomButton, btn_popup_chnage);
    FV_OUTLET(UIView, view_popup_navbar);
    FV_OUTLET(UILabel, lbl_popup_header);
    FV_OUTLET(UITextField, tf_cardOldPIN);
    FV_OUTLET(UITextField, tf_cardNewPIN);
    FV_OUTLET(UITextField, tf_cardConfirmNewPIN);

  private:
    struct SwitchRow;
    // Rows 1 to 3, top to bottom.
    static const std::array<SwitchRow, 3>& switchRows();
    void showSwitchRow(const SwitchRow& row);
    void showRow(UIView& rowView, NSLayoutConstraint& height, bool offered);
    void blockSwitchChanged(const SwitchRow& row);
    const SwitchRow* switchRowOf(const UISwitch* control) const;
    // Sets the selected card's status, records the edit and redraws the faces.
    void setCardInactive(bool inactive);
    void setupKeyboardToolbar();
    void applyColours();
    void resignPinFields();
    void clearPinFields();
    void markSaved();
    // Saves, shows the outcome as a banner; false when nothing was saved.
    bool saveRecord();

    CardControlSettings myCard_;
    Value selectedCard_ = Value::Dictionary{};
    CardSettings selectedCardSettings_;
    long currentCardSelectedIndex_ = 0;
    bool needToSave_ = false;
};

}  // namespace fv
