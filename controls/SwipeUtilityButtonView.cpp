#include "controls/SwipeUtilityButtonView.h"

#include "controls/SwipeTableViewCell.h"
#include "controls/SwipeUtilityButtonTapGestureRecognizer.h"

namespace fv {

FV_REGISTER_CLASS(SwipeUtilityButtonView);

std::shared_ptr<SwipeUtilityButtonView> SwipeUtilityButtonView::create(
    const SwipeUtilityButtons& buttons, const std::shared_ptr<SwipeTableViewCell>& parentCell,
    const std::string& utilityButtonSelector) {
    return create(CGRectZero, buttons, parentCell, utilityButtonSelector);
}

std::shared_ptr<SwipeUtilityButtonView> SwipeUtilityButtonView::create(
    CGRect frame, const SwipeUtilityButtons& buttons, const std::shared_ptr<SwipeTableViewCell>& parentCell,
    const std::string& utilityButtonSelector) {
    auto row = std::make_shared<SwipeUtilityButtonView>();
    row->setFrame(frame);
    row->parentCell_ = parentCell;
    row->utilityButtonSelector_ = utilityButtonSelector;
    row->widthConstraint_ = NSLayoutConstraint::constraintWithItem(
        row, NSLayoutAttributeWidth, NSLayoutRelationEqual, nullptr, NSLayoutAttributeNotAnAttribute, 1, 0);
    row->widthConstraint_->setPriority(UILayoutPriorityDefaultHigh);
    row->addConstraint(row->widthConstraint_);
    row->setUtilityButtons(buttons);
    return row;
}

void SwipeUtilityButtonView::setUtilityButtons(const SwipeUtilityButtons& buttons, CGFloat buttonWidth) {
    NSLayoutConstraint::deactivateConstraints(buttonConstraints_);
    buttonConstraints_.clear();
    for (auto& button : utilityButtons_) {
        if (!button) continue;
        removeButtonTaps(*button);
        button->removeFromSuperview();
    }
    utilityButtons_ = buttons;

    auto cell = parentCell();
    auto pin = [this](const std::string& format,
                      const std::vector<std::pair<std::string, UIViewPtr>>& views) {
        auto made = NSLayoutConstraint::constraintsWithVisualFormat(format, views);
        NSLayoutConstraint::activateConstraints(made);
        buttonConstraints_.insert(buttonConstraints_.end(), made.begin(), made.end());
    };
    UIViewPtr preceding;
    std::uint64_t index = 0;
    for (auto& button : utilityButtons_) {
        if (!button) continue;
        addSubview(button);
        button->setTranslatesAutoresizingMaskIntoConstraints(false);
        std::vector<std::pair<std::string, UIViewPtr>> views{{"button", button}};
        if (preceding) views.emplace_back("precedingView", preceding);
        pin(preceding ? "H:[precedingView][button(==precedingView)]" : "H:|[button]", views);
        pin("V:|[button]|", views);

        // A button handed in again must not report each tap twice.
        removeButtonTaps(*button);
        auto tap = std::make_shared<SwipeUtilityButtonTapGestureRecognizer>();
        if (cell) tap->addTarget(cell, utilityButtonSelector_);
        tap->setButtonIndex(index++);
        button->addGestureRecognizer(tap);
        preceding = button;
    }
    if (preceding) {
        pin("[precedingView]|", {{"precedingView", preceding}});
    }
    if (widthConstraint_) widthConstraint_->setConstant(static_cast<CGFloat>(index) * buttonWidth);
    setNeedsLayout();
}

void SwipeUtilityButtonView::removeButtonTaps(UIView& button) {
    auto recognizers = button.gestureRecognizers();
    for (auto& r : recognizers) {
        if (dynamic_cast<SwipeUtilityButtonTapGestureRecognizer*>(r.get()))
            button.removeGestureRecognizer(r.get());
    }
}

void SwipeUtilityButtonView::pushBackgroundColors() {
    std::vector<UIColorPtr> colors;
    colors.reserve(utilityButtons_.size());
    for (auto& button : utilityButtons_) colors.push_back(button ? button->backgroundColor() : nullptr);
    buttonBackgroundColors_ = std::move(colors);
}

void SwipeUtilityButtonView::popBackgroundColors() {
    if (!buttonBackgroundColors_) return;
    const auto& colors = *buttonBackgroundColors_;
    for (std::size_t i = 0; i < utilityButtons_.size() && i < colors.size(); ++i) {
        if (utilityButtons_[i]) utilityButtons_[i]->setBackgroundColor(colors[i]);
    }
    buttonBackgroundColors_.reset();
}

}  // namespace fv
