#pragma once
// Search bars: a search field (a text field, key "searchField") with its clear button (key
// "clearButton") and an optional Cancel button. Every user change of the text reaches the delegate's
// searchBarTextDidChange, the clear button and deleting to empty included; programmatic setText
// sends nothing. Return is the search button.
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Range.h"
#include "platform/ui/UIButton.h"
#include "platform/ui/UITextField.h"

namespace fv {

class UISearchBar;
class UISearchBarRelay;
using UISearchBarPtr = std::shared_ptr<UISearchBar>;

// Every method is optional; the questions default to YES.
class UISearchBarDelegate {
  public:
    virtual ~UISearchBarDelegate() = default;
    virtual bool searchBarShouldBeginEditing(UISearchBar* searchBar) { return (void)searchBar, true; }
    virtual void searchBarTextDidBeginEditing(UISearchBar* searchBar) { (void)searchBar; }
    virtual bool searchBarShouldEndEditing(UISearchBar* searchBar) { return (void)searchBar, true; }
    virtual void searchBarTextDidEndEditing(UISearchBar* searchBar) { (void)searchBar; }
    // searchBar:textDidChange:
    virtual void searchBarTextDidChange(UISearchBar* searchBar, const std::string& searchText) {
        (void)searchBar, (void)searchText;
    }
    // searchBar:shouldChangeTextInRange:replacementText:
    virtual bool searchBarShouldChangeTextInRange(UISearchBar* searchBar, NSRange range,
                                                  const std::string& text) {
        (void)searchBar, (void)range, (void)text;
        return true;
    }
    virtual void searchBarSearchButtonClicked(UISearchBar* searchBar) { (void)searchBar; }
    virtual void searchBarCancelButtonClicked(UISearchBar* searchBar) { (void)searchBar; }
};

class UISearchBar : public UIView {
    FV_CLASS(UISearchBar, UIView)
    static void registerMembers(ClassBuilder<UISearchBar>& b);
    static constexpr CGFloat kHeight = 56;
    static UISearchBarPtr create(CGRect frame = CGRectZero);
    UISearchBar();
    explicit UISearchBar(CGRect frame);
    ~UISearchBar() override;

    // Always a text: "" when empty.
    std::optional<std::string> text() const;
    void setText(const std::optional<std::string>& text);
    std::optional<std::string> placeholder() const;
    void setPlaceholder(const std::optional<std::string>& placeholder);
    bool showsCancelButton() const { return showsCancelButton_; }
    void setShowsCancelButton(bool shows, bool animated = false);
    UIColorPtr barTintColor() const { return barTintColor_; }
    void setBarTintColor(UIColorPtr color);

    std::shared_ptr<UISearchBarDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<UISearchBarDelegate>& delegate) { delegate_ = delegate; }

    const UITextFieldPtr& searchField() const { return searchField_; }
    const UIButtonPtr& clearButton() const { return searchField_->clearButton(); }
    const UIButtonPtr& cancelButton() const { return cancelButton_; }

    // Focus goes to the search field.
    bool becomeFirstResponder() override;
    bool resignFirstResponder() override;
    bool isFirstResponder() const override;

    void layoutSubviews() override;
    CGSize sizeThatFits(CGSize size) const override;
    void drawRect(CGRect rect) override;

  private:
    UITextFieldPtr searchField_;
    UIButtonPtr cancelButton_;
    std::shared_ptr<UISearchBarRelay> relay_;  // the field's and Cancel's events arrive here
    std::weak_ptr<UISearchBarDelegate> delegate_;
    bool showsCancelButton_ = false;
    UIColorPtr barTintColor_;
};

}  // namespace fv
