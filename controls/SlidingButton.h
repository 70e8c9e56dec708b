#pragma once
// Slide-to-confirm: the user drags a knob across a track instead of tapping. Thrown or dragged far
// enough to the right, the knob covers the track, takes the unlocked look and the delegate hears
// "Unlocked"; otherwise it slides back. The view tree is built at the first layout and keeps that
// size. Main thread only.
#include <memory>
#include <string>

#include "controls/SlideButtonDelegate.h"
#include "platform/graphics/UIFont.h"
#include "platform/graphics/UIImage.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"
#include "platform/ui/UIView.h"

namespace fv {

class UIPanGestureRecognizer;
class SlidingButton;
using SlidingButtonPtr = std::shared_ptr<SlidingButton>;

class SlidingButton : public UIView {
    FV_CLASS(SlidingButton, UIView)
    // Every property below but the delegate is also reachable by name (colours as "#RRGGBB", the font
    // as "Name size", the image by its name in the bundle).
    static void registerMembers(ClassBuilder<SlidingButton>& b);
    static SlidingButtonPtr create(CGRect frame = CGRectZero);
    SlidingButton();
    explicit SlidingButton(CGRect frame);
    ~SlidingButton() override;

    // Held weakly: the screen that listens owns the control.
    std::shared_ptr<SlideButtonDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<SlideButtonDelegate>& delegate) { delegate_ = delegate; }

    // ---- style; the setters marked * re-apply the style at once (setStyle) ----
    CGFloat dragPointWidth() const { return dragPointWidth_; }
    void setDragPointWidth(CGFloat width);  // *
    UIColorPtr dragPointColor() const { return dragPointColor_; }
    void setDragPointColor(UIColorPtr color) { dragPointColor_ = std::move(color); }
    UIColorPtr buttonColor() const { return buttonColor_; }
    void setButtonColor(UIColorPtr color) { buttonColor_ = std::move(color); }
    const std::string& buttonText() const { return buttonText_; }
    void setButtonText(const std::string& text);  // *
    // The knob's icon itself, despite the name; none stores the empty image.
    UIImagePtr imageName() const { return imageName_; }
    void setImageName(UIImagePtr image);
    UIColorPtr buttonTextColor() const { return buttonTextColor_; }
    void setButtonTextColor(UIColorPtr color) { buttonTextColor_ = std::move(color); }
    UIColorPtr dragPointTextColor() const { return dragPointTextColor_; }
    void setDragPointTextColor(UIColorPtr color) { dragPointTextColor_ = std::move(color); }
    UIColorPtr buttonUnlockedTextColor() const { return buttonUnlockedTextColor_; }
    void setButtonUnlockedTextColor(UIColorPtr color);  // *
    CGFloat buttonCornerRadius() const { return buttonCornerRadius_; }
    void setButtonCornerRadius(CGFloat radius);  // *
    const std::string& buttonUnlockedText() const { return buttonUnlockedText_; }
    void setButtonUnlockedText(const std::string& text) { buttonUnlockedText_ = text; }
    UIColorPtr buttonUnlockedColor() const { return buttonUnlockedColor_; }
    void setButtonUnlockedColor(UIColorPtr color) { buttonUnlockedColor_ = std::move(color); }
    // None restores the bold 17-point system font.
    UIFontPtr buttonFont() const { return buttonFont_; }
    void setButtonFont(UIFontPtr font);

    // ---- the views; placeholders outside any tree until the first layout; none is ignored ----
    const UIViewPtr& dragPoint() const { return dragPoint_; }
    void setDragPoint(UIViewPtr view) {
        if (view) dragPoint_ = std::move(view);
    }
    const UILabelPtr& buttonLabel() const { return buttonLabel_; }
    void setButtonLabel(UILabelPtr label) {
        if (label) buttonLabel_ = std::move(label);
    }
    const UILabelPtr& dragPointButtonLabel() const { return dragPointButtonLabel_; }
    void setDragPointButtonLabel(UILabelPtr label) {
        if (label) dragPointButtonLabel_ = std::move(label);
    }
    const UIImageViewPtr& imageView() const { return imageView_; }
    void setImageView(UIImageViewPtr view) {
        if (view) imageView_ = std::move(view);
    }

    // True from the moment an unlock is decided until a reset completes.
    bool unlocked() const { return unlocked_; }
    void setUnlocked(bool unlocked) { unlocked_ = unlocked; }
    bool layoutSet() const { return layoutSet_; }
    void setLayoutSet(bool set) { layoutSet_ = set; }

    // ---- behaviour ----
    // Builds the view tree once; later passes leave it alone.
    void layoutSubviews() override;
    virtual void setUpButton();
    // Re-applies texts, colours, icon and corner radii to the views (neither font nor unlocked look).
    virtual void setStyle();
    // The knob's pan action ("panDetectedWithSender:").
    virtual void panDetected(UIPanGestureRecognizer* sender);
    virtual void animationFinished();
    // Slides the knob over the track, then shows the unlocked look and tells the delegate.
    virtual void unlock();
    // Slides the knob back to rest, then restores the locked look.
    virtual void reset();

    // Release a knob this close to the end of the track (or closer) and the control unlocks.
    static constexpr CGFloat kUnlockMargin = 60;
    static constexpr double kSlideDuration = 0.2;

  private:
    // The knob's x at rest: only its right-most dragPointWidth points show.
    CGFloat restX() const { return dragPointWidth_ - bounds().size.width; }
    void transition(double duration, Animations animations, std::function<void(SlidingButton&)> done);
    bool keepsLockedKnobText() const;

    std::weak_ptr<SlideButtonDelegate> delegate_;
    CGFloat dragPointWidth_ = 70.0;
    UIColorPtr dragPointColor_;
    UIColorPtr buttonColor_;
    std::string buttonText_ = "UNLOCK";
    UIImagePtr imageName_;
    UIColorPtr buttonTextColor_;
    UIColorPtr dragPointTextColor_;
    UIColorPtr buttonUnlockedTextColor_;
    CGFloat buttonCornerRadius_ = 30.0;
    std::string buttonUnlockedText_ = "UNLOCKED";
    UIColorPtr buttonUnlockedColor_;
    UIFontPtr buttonFont_;
    UIViewPtr dragPoint_;
    UILabelPtr buttonLabel_;
    UILabelPtr dragPointButtonLabel_;
    UIImageViewPtr imageView_;
    bool unlocked_ = false;
    bool layoutSet_ = false;
};

}  // namespace fv
