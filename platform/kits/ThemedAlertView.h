#pragma once
// A themed alert: a card with an optional image, a title, a subtitle and a row of buttons, shown over
// everything in a full-screen window of its own with a dimmed backdrop. A tap on a button closes the
// alert, then runs that button's action (once). Every switch and colour is read when the alert is shown.
//
// Test driver: ThemedAlertView::visibleAlert(), title(), subtitle(), buttonTitles(), tapButton(title)
// and touchOutside() deliver real touches through the application's hit testing.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics/UIColor.h"
#include "platform/graphics/UIFont.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIView.h"
#include "platform/ui/UIWindow.h"

namespace fv {

class ThemedAlertView;
using ThemedAlertViewPtr = std::shared_ptr<ThemedAlertView>;

class ThemedAlertView : public UIView {
    FV_CLASS(ThemedAlertView, UIView)
    static ThemedAlertViewPtr create() { return std::make_shared<ThemedAlertView>(); }
    ThemedAlertView();
    ~ThemedAlertView() override;

    using ActionBlock = std::function<void()>;

    // ---- switches ----
    // Seconds until the alert closes by itself; 0 keeps it up.
    double autoHideSeconds() const { return autoHideSeconds_; }
    void setAutoHideSeconds(double seconds) { autoHideSeconds_ = seconds; }
    CGFloat cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(CGFloat radius) { cornerRadius_ = radius; }
    bool dismissOnOutsideTouch() const { return dismissOnOutsideTouch_; }
    void setDismissOnOutsideTouch(bool on) { dismissOnOutsideTouch_ = on; }
    // When overridden, closing is left to the alert's buttons: dismiss() from outside has no effect.
    bool forcedDismissalOverridden() const { return forcedDismissalOverridden_; }
    void setOverrideForcedDismissal(bool on) { forcedDismissalOverridden_ = on; }
    bool hideDoneButton() const { return hideDoneButton_; }
    void setHideDoneButton(bool hide) { hideDoneButton_ = hide; }
    bool bounceAnimation() const { return bounceAnimation_; }
    void setBounceAnimation(bool on) { bounceAnimation_ = on; }
    // The light theme paints the card white with dark texts where no colour is set; dark, the reverse.
    bool lightTheme() const { return lightTheme_; }
    void setLightTheme(bool on) { lightTheme_ = on; }
    // Attached buttons form the card's bottom row; detached ones stand apart below the card.
    bool detachButtons() const { return detachButtons_; }
    void setDetachButtons(bool on) { detachButtons_ = on; }

    // ---- colours and fonts per element (none = the theme's default) ----
    UIColorPtr alertBackgroundColor, titleColor, subtitleColor;
    UIColorPtr firstButtonBackgroundColor, secondButtonBackgroundColor, doneButtonHighlightedBackgroundColor;
    UIColorPtr firstButtonTitleColor, secondButtonTitleColor, doneButtonTitleColor;
    UIFontPtr titleFont, subtitleFont, firstButtonTitleFont, secondButtonTitleFont, doneButtonTitleFont;

    // ---- content ----
    // Buttons stand in the order they are added.
    void addButton(const std::string& title, ActionBlock actionBlock);
    // Shows the alert over the key window. `buttons` adds plain buttons (no action) after the added
    // ones; the done button comes last, unless hidden or untitled. Showing an alert that is up does
    // nothing.
    void showAlertWithTitle(const std::optional<std::string>& title,
                            const std::optional<std::string>& subtitle, const UIImagePtr& customImage,
                            const std::optional<std::string>& doneButtonTitle,
                            const std::vector<std::string>& buttons);
    // Closes the alert without running any action (unless forced dismissal is overridden).
    void dismiss();
    bool isVisible() const;

    // ---- test driver ----
    // The alert shown last that is still up, or none.
    static ThemedAlertViewPtr visibleAlert();
    std::string title() const { return title_.value_or(""); }
    std::string subtitle() const { return subtitle_.value_or(""); }
    // The buttons on the card, in order (the done button included when shown).
    std::vector<std::string> buttonTitles() const;
    // A button's frame in screen coordinates, once shown.
    std::optional<CGRect> buttonFrame(const std::string& title) const;
    // A touch down and up on the button with that title; false when there is none or it is not up.
    bool tapButton(const std::string& title);
    // A touch down and up on the backdrop beside the card; false when the alert is not up.
    bool touchOutside();

    void layoutSubviews() override;
    void drawRect(CGRect rect) override;
    void touchesBegan(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;

  private:
    struct Button {
        std::string title;
        ActionBlock action;
        bool done = false;
        CGRect frame = CGRectZero;  // in this view's coordinates
    };
    void close();
    void layoutCard();
    void buttonTapped(std::size_t index);
    UIColorPtr buttonBackground(const Button& button, std::size_t index) const;
    UIColorPtr buttonTitleColor(const Button& button, std::size_t index) const;
    UIFontPtr buttonFont(const Button& button, std::size_t index) const;
    UIFontPtr effectiveTitleFont() const;
    UIFontPtr effectiveSubtitleFont() const;

    double autoHideSeconds_ = 0;
    CGFloat cornerRadius_ = 12;
    bool dismissOnOutsideTouch_ = true;
    bool forcedDismissalOverridden_ = false;
    bool hideDoneButton_ = false;
    bool bounceAnimation_ = true;
    bool lightTheme_ = true;
    bool detachButtons_ = false;

    std::vector<Button> added_;
    std::vector<Button> shownButtons_;
    std::optional<std::string> title_, subtitle_;
    UIImagePtr image_;
    std::weak_ptr<UIWindow> window_;
    bool closed_ = false;
    unsigned showGeneration_ = 0;
    CGRect card_ = CGRectZero;
    CGRect imageFrame_ = CGRectZero, titleFrame_ = CGRectZero, subtitleFrame_ = CGRectZero;
};

}  // namespace fv
