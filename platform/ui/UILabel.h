#pragma once
// Labels: a text (none until set; none differs from ""), or an attributed text, drawn through
// TextLayout centred vertically in the bounds. Labels take no touches by default.
#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/AttributedString.h"
#include "platform/graphics/TextLayout.h"
#include "platform/ui/UIView.h"

namespace fv {

class UILabel;
using UILabelPtr = std::shared_ptr<UILabel>;

class UILabel : public UIView {
    FV_CLASS(UILabel, UIView)
    static void registerMembers(ClassBuilder<UILabel>& b);
    static UILabelPtr create(CGRect frame = CGRectZero);
    UILabel();
    explicit UILabel(CGRect frame);
    ~UILabel() override;

    // Setting a text replaces any attributed text; setting an attributed text sets the text to its
    // characters.
    std::optional<std::string> text() const { return text_; }
    void setText(const std::optional<std::string>& text);
    const std::optional<NSAttributedString>& attributedText() const { return attributedText_; }
    void setAttributedText(const std::optional<NSAttributedString>& text);

    // Default: the 17-point system font; setting none restores it.
    UIFontPtr font() const { return font_; }
    void setFont(UIFontPtr font);
    // Default black; setting none restores it.
    UIColorPtr textColor() const { return textColor_; }
    void setTextColor(UIColorPtr color);
    NSTextAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(NSTextAlignment alignment);
    // 1 by default; 0 = as many lines as the text needs.
    int numberOfLines() const { return numberOfLines_; }
    void setNumberOfLines(int lines);
    NSLineBreakMode lineBreakMode() const { return lineBreakMode_; }
    void setLineBreakMode(NSLineBreakMode mode);
    // Single-line labels shrink the font, down to minimumScaleFactor of its size, to fit the width.
    bool adjustsFontSizeToFitWidth() const { return adjustsFontSize_; }
    void setAdjustsFontSizeToFitWidth(bool on);
    CGFloat minimumScaleFactor() const { return minimumScaleFactor_; }
    void setMinimumScaleFactor(CGFloat factor);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);  // a disabled label draws its text greyed

    // The font actually drawn: the font, shrunk when adjustsFontSizeToFitWidth needs it.
    UIFontPtr effectiveFont() const;
    TextStyle textStyle() const;

    CGSize sizeThatFits(CGSize size) const override;
    CGSize intrinsicContentSize() const override;
    void drawRect(CGRect rect) override;

  private:
    NSAttributedString displayedText() const;
    void textDidChange();

    // Laid out for drawing (in the bounds' width) and for measuring, each kept until what it was laid
    // out for changes.
    mutable LaidOutText drawnText_, measuredText_;
    std::optional<std::string> text_;
    std::optional<NSAttributedString> attributedText_;
    UIFontPtr font_;
    UIColorPtr textColor_;
    NSTextAlignment alignment_ = NSTextAlignment::Natural;
    int numberOfLines_ = 1;
    NSLineBreakMode lineBreakMode_ = NSLineBreakMode::ByTruncatingTail;
    bool adjustsFontSize_ = false;
    CGFloat minimumScaleFactor_ = 0;
    bool enabled_ = true;
};

}  // namespace fv
