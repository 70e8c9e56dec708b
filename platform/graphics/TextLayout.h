#pragma once
// Measuring and drawing text with Pango, for labels, buttons and text fields.
#include <cstddef>
#include <limits>
#include <memory>
#include <optional>
#include <string>

#include "platform/graphics/AttributedString.h"
#include "platform/graphics/GraphicsContext.h"

namespace fv {

// How text without its own attributes looks, and how it is laid out.
struct TextStyle {
    UIFontPtr font;                                        // none = 17-point system font
    UIColorPtr textColor;                                  // none = black
    NSTextAlignment alignment = NSTextAlignment::Natural;  // natural = left
    NSLineBreakMode lineBreakMode = NSLineBreakMode::ByWordWrapping;
    int numberOfLines = 0;  // 0 = no limit
};

inline constexpr CGFloat kTextNoWidthLimit = std::numeric_limits<CGFloat>::infinity();

class TextLayout {
  public:
    // The size the text occupies: one line per paragraph without a width limit, otherwise wrapped to
    // `maxWidth` (the width of the widest line) and cut to the style's line count.
    static CGSize sizeOfText(const NSAttributedString& text, const TextStyle& style,
                             CGFloat maxWidth = kTextNoWidthLimit);
    static CGSize sizeOfText(const std::string& text, const UIFontPtr& font,
                             CGFloat maxWidth = kTextNoWidthLimit, int numberOfLines = 0);
    // Width of the text on one line.
    static CGFloat widthOfText(const std::string& text, const UIFontPtr& font);

    // Draws from the top of `rect`, aligned horizontally within its width, clipped to it, with the
    // style's line limit and line-break mode (truncation adds an ellipsis).
    static void drawText(CGContext& context, const NSAttributedString& text, const TextStyle& style,
                         CGRect rect);
    static void drawText(CGContext& context, const std::string& text, const TextStyle& style, CGRect rect);

    // The UTF-16 index of the character under `point` when the text is laid out from (0, 0) in
    // `width`; none when the point is on no character.
    static std::optional<std::size_t> characterIndexAtPoint(const NSAttributedString& text,
                                                            const TextStyle& style, CGFloat width,
                                                            CGPoint point);
};

// Text laid out once and kept: measuring and drawing it again shapes nothing until the text, the style
// (font, alignment, line breaks, line count) or the width changes, or fonts are registered. The colour
// of the style is read at each draw.
class LaidOutText {
  public:
    LaidOutText();
    ~LaidOutText();
    LaidOutText(const LaidOutText&) = delete;
    LaidOutText& operator=(const LaidOutText&) = delete;

    // As TextLayout::sizeOfText.
    CGSize size(const NSAttributedString& text, const TextStyle& style, CGFloat maxWidth = kTextNoWidthLimit);
    // As TextLayout::drawText, laid out in the rect's width.
    void draw(CGContext& context, const NSAttributedString& text, const TextStyle& style, CGRect rect);

    // How many times the text was laid out, for tests.
    int layouts() const { return layouts_; }

  private:
    struct Kept;
    Kept& layoutFor(const NSAttributedString& text, const TextStyle& style, CGFloat width);
    std::unique_ptr<Kept> kept_;
    int layouts_ = 0;
};

}  // namespace fv
