#pragma once
// Buttons: per-state title, attributed title, title colour, image and background image, falling back
// to the normal state's value. The title label and image view are the button's own parts, laid out
// and drawn by it rather than added as subviews, so that looking a button up by its title, or tapping
// its title, finds the button itself.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/UIControl.h"
#include "platform/ui/UIImageView.h"
#include "platform/ui/UILabel.h"

namespace fv {

enum UIButtonType : int {
    UIButtonTypeCustom = 0,
    UIButtonTypeSystem = 1,
    UIButtonTypeDetailDisclosure = 2,
    UIButtonTypeInfoLight = 3,
    UIButtonTypeInfoDark = 4,
    UIButtonTypeContactAdd = 5,
    UIButtonTypeRoundedRect = UIButtonTypeSystem,
};

class UIButton;
using UIButtonPtr = std::shared_ptr<UIButton>;

class UIButton : public UIControl {
    FV_CLASS(UIButton, UIControl)
    static void registerMembers(ClassBuilder<UIButton>& b);
    // A system button draws its title in the tint colour by default; a custom one in white.
    static UIButtonPtr buttonWithType(UIButtonType type);
    static UIButtonPtr create(CGRect frame = CGRectZero);
    UIButton();
    explicit UIButton(CGRect frame);
    ~UIButton() override;

    UIButtonType buttonType() const { return type_; }

    // ---- per-state content; lookups for a state without its own value use the normal state's ----
    std::optional<std::string> titleForState(unsigned state) const;
    void setTitle(const std::optional<std::string>& title, unsigned state);
    std::optional<NSAttributedString> attributedTitleForState(unsigned state) const;
    void setAttributedTitle(const std::optional<NSAttributedString>& title, unsigned state);
    UIColorPtr titleColorForState(unsigned state) const;
    void setTitleColor(UIColorPtr color, unsigned state);
    UIImagePtr imageForState(unsigned state) const;
    void setImage(UIImagePtr image, unsigned state);
    UIImagePtr backgroundImageForState(unsigned state) const;
    void setBackgroundImage(UIImagePtr image, unsigned state);

    // For the current state.
    std::optional<std::string> currentTitle() const;
    std::optional<NSAttributedString> currentAttributedTitle() const;
    UIColorPtr currentTitleColor() const;
    UIImagePtr currentImage() const;
    UIImagePtr currentBackgroundImage() const;

    // The parts: always present; their content follows the current state.
    const UILabelPtr& titleLabel() const { return titleLabel_; }
    const UIImageViewPtr& imageView() const { return imageView_; }
    UIImageViewPtr backgroundImageView() const { return backgroundView_; }

    UIEdgeInsets contentEdgeInsets() const { return contentEdgeInsets_; }
    void setContentEdgeInsets(UIEdgeInsets insets);
    UIEdgeInsets titleEdgeInsets() const { return titleEdgeInsets_; }
    void setTitleEdgeInsets(UIEdgeInsets insets);
    UIEdgeInsets imageEdgeInsets() const { return imageEdgeInsets_; }
    void setImageEdgeInsets(UIEdgeInsets insets);
    // Highlighting dims the image when on (default).
    bool adjustsImageWhenHighlighted() const { return adjustsImageWhenHighlighted_; }
    void setAdjustsImageWhenHighlighted(bool on) { adjustsImageWhenHighlighted_ = on; }

    // The frames the parts take in the bounds: image left of the title, the pair aligned as the
    // content alignments say within the bounds less the content insets.
    CGRect titleRectForContentRect(CGRect contentRect) const;
    CGRect imageRectForContentRect(CGRect contentRect) const;
    CGRect contentRectForBounds(CGRect bounds) const;

    void layoutSubviews() override;
    CGSize sizeThatFits(CGSize size) const override;
    CGSize intrinsicContentSize() const override;
    void drawRect(CGRect rect) override;
    void tintColorDidChange() override;

  protected:
    void stateDidChange() override;

  private:
    template <typename T>
    using PerState = std::map<unsigned, T>;
    template <typename T>
    static T lookup(const PerState<T>& table, unsigned state, T fallback);
    // Pushes the current state's content into the parts.
    void updateParts();

    UIButtonType type_ = UIButtonTypeCustom;
    PerState<std::optional<std::string>> titles_;
    PerState<std::optional<NSAttributedString>> attributedTitles_;
    PerState<UIColorPtr> titleColors_;
    PerState<UIImagePtr> images_;
    PerState<UIImagePtr> backgroundImages_;
    UILabelPtr titleLabel_;
    UIImageViewPtr imageView_;
    UIImageViewPtr backgroundView_;
    UIEdgeInsets contentEdgeInsets_ = UIEdgeInsetsZero;
    UIEdgeInsets titleEdgeInsets_ = UIEdgeInsetsZero;
    UIEdgeInsets imageEdgeInsets_ = UIEdgeInsetsZero;
    bool adjustsImageWhenHighlighted_ = true;
};

}  // namespace fv
