#pragma once
// The recipient picker of card-to-card transfers: the recipients of "recipients.plist", searchable by
// name. A tap stores the recipient in DataModel.selectedRecipient and pops back. A swipe shows edit
// (the nickname pop-up) and delete; add-new opens the add-recipient form. Nothing here changes the
// recipients: Save drops the typed nickname and delete only closes the buttons.
#include <memory>
#include <string>
#include <vector>

#include "controls/NSArraySwipeUtilityButtons.h"
#include "controls/SwipeTableViewCell.h"
#include "core/RecipientModel.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIScrollView.h"
#include "platform/ui/UISearchBar.h"
#include "platform/ui/UITableView.h"
#include "platform/ui/UITextField.h"
#include "screenkit/BaseViewController.h"
#include "screenkit/CustomButton.h"

namespace fv {

class RecipientListViewController : public BaseViewController,
                                    public UISearchBarDelegate,
                                    public UITableViewDelegate,
                                    public UITableViewDataSource,
                                    public SwipeTableViewCellDelegate {
    FV_CLASS(RecipientListViewController, BaseViewController)
    static void registerMembers(ClassBuilder<RecipientListViewController>& b);
    // initWithCoder: is the default constructor; initWithNibName:bundle: comes from the base.
    using BaseViewController::BaseViewController;
    ~RecipientListViewController() override;

    static constexpr CGFloat kRowHeight = 55;
    static constexpr CGFloat kSwipeButtonWidth = 60;
    // The nickname pop-up is the screen's width less this, and this high.
    static constexpr CGFloat kEditPopupMargin = 80;
    static constexpr CGFloat kEditPopupHeight = 320;

    void viewDidLoad() override;
    void formatView();

    // ---- search ----
    void searchBarTextDidBeginEditing(UISearchBar* searchBar) override;
    // Narrows the list to the recipients whose name contains the text, ignoring case and accents,
    // taken as typed; an empty text shows them all.
    void searchBarTextDidChange(UISearchBar* searchBar, const std::string& searchText) override;
    void searchBarSearchButtonClicked(UISearchBar* searchBar) override;

    // ---- table ----
    long tableViewNumberOfRowsInSection(UITableView& tableView, long section) override;
    std::optional<CGFloat> tableViewHeightForRowAtIndexPath(UITableView& tableView,
                                                            const NSIndexPath& indexPath) override;
    UITableViewCellPtr tableViewCellForRowAtIndexPath(UITableView& tableView,
                                                      const NSIndexPath& indexPath) override;
    void tableViewDidSelectRowAtIndexPath(UITableView& tableView, const NSIndexPath& indexPath) override;

    // ---- swipe buttons ----
    // Edit in the theme's main colour, delete in red, each with its icon.
    SwipeUtilityButtons rightButtons() const;
    void swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SwipeTableViewCell& cell,
                                                                     std::int64_t index) override;
    bool swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SwipeTableViewCell& cell) override;

    void savePressed(UIButton* sender);
    void cancelPressed(UIButton* sender);
    void backPressed(UIButton* sender);
    void addNewPressed(UIButton* sender);

    FV_OUTLET(UIView, view_navbar);
    FV_OUTLET(CustomButton, Btn_AddNew);
    FV_OUTLET(UILabel, lbl_headerTitle);
    FV_OUTLET(UISearchBar, searchBar);
    FV_OUTLET(UITableView, tbl_recipient);
    FV_OUTLET(CustomButton, btn_Save);
    FV_OUTLET(CustomButton, btn_cancel);
    FV_OUTLET(UIScrollView, popupScrollview);
    FV_OUTLET(UILabel, popup_lbl_username);
    FV_OUTLET(UILabel, popup_lbl_recipient);
    FV_OUTLET(UITextField, popup_tf_nickname);
    // A top-level view of the interface file, kept alive by the screen with the file's other objects.
    FV_OUTLET(UIView, view_editPopup);
    FV_OUTLET(UIView, view_FirstField);

    // Every recipient of the file, and the rows on show, both in file order.
    std::vector<RecipientModelPtr> recipients;
    std::vector<RecipientModelPtr> filteredRecipients;
    RecipientModelPtr recipientModel = std::make_shared<RecipientModel>();

  private:
    void loadRecipients();
    void sizeEditPopup();
};

}  // namespace fv
