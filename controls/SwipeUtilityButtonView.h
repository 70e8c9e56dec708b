#pragma once
// One side's row of utility buttons in a swipe-to-reveal cell: the buttons side by side, equally wide,
// pinned to the row's edges; a tap on one sends the row's action to the parent cell.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/NSArraySwipeUtilityButtons.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/UIView.h"

namespace fv {

class SwipeTableViewCell;

class SwipeUtilityButtonView : public UIView {
    FV_CLASS(SwipeUtilityButtonView, UIView)
    // The width each button takes unless told otherwise.
    static constexpr CGFloat kDefaultButtonWidth = 90;

    // initWithUtilityButtons:parentCell:utilityButtonSelector: (zero frame) and
    // initWithFrame:utilityButtons:parentCell:utilityButtonSelector:.
    static std::shared_ptr<SwipeUtilityButtonView> create(
        const SwipeUtilityButtons& buttons, const std::shared_ptr<SwipeTableViewCell>& parentCell,
        const std::string& utilityButtonSelector);
    static std::shared_ptr<SwipeUtilityButtonView> create(
        CGRect frame, const SwipeUtilityButtons& buttons,
        const std::shared_ptr<SwipeTableViewCell>& parentCell, const std::string& utilityButtonSelector);
    SwipeUtilityButtonView() = default;

    std::shared_ptr<SwipeTableViewCell> parentCell() const { return parentCell_.lock(); }
    const SwipeUtilityButtons& utilityButtons() const { return utilityButtons_; }
    void setUtilityButtons(const SwipeUtilityButtons& buttons) {
        setUtilityButtons(buttons, kDefaultButtonWidth);
    }
    // Rebuilds the row; the row asks for count x width, within what the cell allows.
    void setUtilityButtons(const SwipeUtilityButtons& buttons, CGFloat buttonWidth);
    const std::string& utilityButtonSelector() const { return utilityButtonSelector_; }
    const NSLayoutConstraintPtr& widthConstraint() const { return widthConstraint_; }

    // Keep the buttons' colours across a cell selection, which would otherwise repaint them.
    void pushBackgroundColors();
    void popBackgroundColors();
    const std::optional<std::vector<UIColorPtr>>& buttonBackgroundColors() const {
        return buttonBackgroundColors_;
    }

  private:
    static void removeButtonTaps(UIView& button);

    std::weak_ptr<SwipeTableViewCell> parentCell_;
    SwipeUtilityButtons utilityButtons_;
    std::string utilityButtonSelector_;
    NSLayoutConstraintPtr widthConstraint_;
    std::vector<NSLayoutConstraintPtr> buttonConstraints_;
    std::optional<std::vector<UIColorPtr>> buttonBackgroundColors_;
};

}  // namespace fv
