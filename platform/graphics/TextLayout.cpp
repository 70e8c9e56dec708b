#include "platform/graphics/TextLayout.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "platform/foundation/Utf8.h"
#include "platform/graphics/FontSupport.h"

namespace fv {
namespace {

// UTF-8 for Pango, with the byte offset at which each UTF-16 index starts (one more for the end).
// Lone surrogates become U+FFFD.
struct Utf8Text {
    std::string bytes;
    std::vector<std::size_t> offsets;

    explicit Utf8Text(const std::u16string& s) {
        offsets.reserve(s.size() + 1);
        for (std::size_t i = 0; i < s.size(); ++i) {
            offsets.push_back(bytes.size());
            char32_t cp = s[i];
            if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
                s[i + 1] <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
                offsets.push_back(bytes.size());
                ++i;
            } else if (cp >= 0xD800 && cp <= 0xDFFF) {
                cp = 0xFFFD;
            }
            utf8::append(bytes, cp);
        }
        offsets.push_back(bytes.size());
    }

    std::size_t utf16IndexOf(std::size_t byte) const {
        return static_cast<std::size_t>(std::lower_bound(offsets.begin(), offsets.end(), byte) -
                                        offsets.begin());
    }
};

guint16 channel(CGFloat v) {
    return static_cast<guint16>(std::lround(std::clamp<CGFloat>(v, 0, 1) * 65535));
}

void addRunAttributes(PangoAttrList* list, const NSAttributes& attrs, guint start, guint end) {
    auto add = [&](PangoAttribute* a) {
        a->start_index = start;
        a->end_index = end;
        pango_attr_list_insert(list, a);
    };
    if (UIFontPtr font = fontAttribute(attrs)) {
        PangoFontDescription* desc = detail::newFontDescription(*font);
        add(pango_attr_font_desc_new(desc));
        pango_font_description_free(desc);
    }
    if (UIColorPtr color = foregroundColorAttribute(attrs)) {
        add(pango_attr_foreground_new(channel(color->red()), channel(color->green()),
                                      channel(color->blue())));
        // Pango reads an alpha of 0 as "unset", so a clear colour keeps the faintest alpha instead.
        add(pango_attr_foreground_alpha_new(std::max<guint16>(1, channel(color->alpha()))));
    }
    if (auto offset = numberAttribute(attrs, NSBaselineOffsetAttributeName)) {
        add(pango_attr_rise_new(static_cast<int>(std::lround(*offset * PANGO_SCALE))));
    }
    if (auto underline = numberAttribute(attrs, NSUnderlineStyleAttributeName);
        underline && *underline != 0) {
        const long style = std::lround(*underline) & 0xff;
        add(pango_attr_underline_new(style == NSUnderlineStyleDouble  ? PANGO_UNDERLINE_DOUBLE
                                     : style == NSUnderlineStyleThick ? PANGO_UNDERLINE_SINGLE_LINE
                                                                      : PANGO_UNDERLINE_SINGLE));
    }
}

NSTextAlignment effectiveAlignment(const NSAttributedString& text, const TextStyle& style) {
    const auto runs = text.attributeRuns();
    if (!runs.empty()) {
        if (auto para = paragraphStyleAttribute(runs.front().second);
            para && para->alignment != NSTextAlignment::Natural)
            return para->alignment;
    }
    return style.alignment;
}

// A Pango layout of the text; owns the layout and its context.
class Layout {
  public:
    Layout(const NSAttributedString& text, const TextStyle& style, CGFloat width) : utf8_(text.utf16()) {
        context_ = detail::newPangoContext();
        cairo_font_options_t* options = cairo_font_options_create();
        // Unhinted metrics, so that sizes scale with the text and match what is drawn at any scale.
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(context_, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(context_, FALSE);
        layout_ = pango_layout_new(context_);

        UIFontPtr font = style.font ? style.font : UIFont::systemFontOfSize(17);
        PangoFontDescription* desc = detail::newFontDescription(*font);
        pango_layout_set_font_description(layout_, desc);
        pango_font_description_free(desc);
        pango_layout_set_text(layout_, utf8_.bytes.data(), static_cast<int>(utf8_.bytes.size()));

        PangoAttrList* list = pango_attr_list_new();
        for (const auto& [range, attrs] : text.attributeRuns()) {
            addRunAttributes(list, attrs, static_cast<guint>(utf8_.offsets[range.location]),
                             static_cast<guint>(utf8_.offsets[range.end()]));
        }
        pango_layout_set_attributes(layout_, list);
        pango_attr_list_unref(list);

        lines_ = style.numberOfLines;
        configureWrapping(style, width);
        switch (effectiveAlignment(text, style)) {
            case NSTextAlignment::Center:
                pango_layout_set_alignment(layout_, PANGO_ALIGN_CENTER);
                break;
            case NSTextAlignment::Right:
                pango_layout_set_alignment(layout_, PANGO_ALIGN_RIGHT);
                break;
            case NSTextAlignment::Justified:
                pango_layout_set_justify(layout_, TRUE);
                break;
            default:
                pango_layout_set_alignment(layout_, PANGO_ALIGN_LEFT);
        }
    }
    ~Layout() {
        g_object_unref(layout_);
        g_object_unref(context_);
    }
    Layout(const Layout&) = delete;
    Layout& operator=(const Layout&) = delete;

    PangoLayout* get() const { return layout_; }
    const Utf8Text& utf8() const { return utf8_; }

    // Size of the lines shown (all, or the first numberOfLines).
    CGSize shownSize() const {
        if (utf8_.bytes.empty()) return CGSizeZero;
        PangoLayoutIter* iter = pango_layout_get_iter(layout_);
        int shown = 0, maxWidth = 0, bottom = 0;
        do {
            PangoRectangle logical;
            pango_layout_iter_get_line_extents(iter, nullptr, &logical);
            PangoLayoutLine* line = pango_layout_iter_get_line_readonly(iter);
            PangoRectangle lineLogical;
            pango_layout_line_get_extents(line, nullptr, &lineLogical);
            maxWidth = std::max(maxWidth, lineLogical.width);
            bottom = std::max(bottom, logical.y + logical.height);
            ++shown;
        } while ((lines_ <= 0 || shown < lines_) && pango_layout_iter_next_line(iter));
        pango_layout_iter_free(iter);
        return {static_cast<CGFloat>(maxWidth) / PANGO_SCALE, static_cast<CGFloat>(bottom) / PANGO_SCALE};
    }

  private:
    void configureWrapping(const TextStyle& style, CGFloat width) {
        if (!std::isfinite(width) || width <= 0) return;
        pango_layout_set_width(layout_, static_cast<int>(std::lround(width * PANGO_SCALE)));
        pango_layout_set_wrap(layout_, style.lineBreakMode == NSLineBreakMode::ByCharWrapping
                                           ? PANGO_WRAP_CHAR
                                           : PANGO_WRAP_WORD_CHAR);
        PangoEllipsizeMode ellipsize = PANGO_ELLIPSIZE_NONE;
        switch (style.lineBreakMode) {
            case NSLineBreakMode::ByTruncatingHead:
                ellipsize = PANGO_ELLIPSIZE_START;
                break;
            case NSLineBreakMode::ByTruncatingMiddle:
                ellipsize = PANGO_ELLIPSIZE_MIDDLE;
                break;
            case NSLineBreakMode::ByTruncatingTail:
                ellipsize = PANGO_ELLIPSIZE_END;
                break;
            default:
                break;
        }
        // Truncation applies to the last allowed line; with no line limit everything wraps.
        if (ellipsize != PANGO_ELLIPSIZE_NONE && style.numberOfLines > 0) {
            pango_layout_set_ellipsize(layout_, ellipsize);
            pango_layout_set_height(layout_, -style.numberOfLines);
        }
    }

    Utf8Text utf8_;
    PangoContext* context_ = nullptr;
    PangoLayout* layout_ = nullptr;
    int lines_ = 0;
};

}  // namespace

CGSize TextLayout::sizeOfText(const NSAttributedString& text, const TextStyle& style, CGFloat maxWidth) {
    std::lock_guard lock(detail::pangoLock());
    return Layout(text, style, maxWidth).shownSize();
}

CGSize TextLayout::sizeOfText(const std::string& text, const UIFontPtr& font, CGFloat maxWidth,
                              int numberOfLines) {
    TextStyle style;
    style.font = font;
    style.numberOfLines = numberOfLines;
    return sizeOfText(NSAttributedString(text), style, maxWidth);
}

CGFloat TextLayout::widthOfText(const std::string& text, const UIFontPtr& font) {
    TextStyle style;
    style.font = font;
    style.numberOfLines = 1;
    return sizeOfText(NSAttributedString(text), style).width;
}

namespace {

void drawLayout(CGContext& context, const Layout& layout, CGSize shown, const TextStyle& style, CGRect rect) {
    cairo_t* cr = context.cairo();
    cairo_save(cr);
    cairo_new_path(cr);
    // Lines past the limit are laid out but never shown.
    cairo_rectangle(cr, rect.origin.x, rect.origin.y, rect.size.width,
                    std::min(rect.size.height, shown.height));
    cairo_clip(cr);
    const bool faded = context.alpha() < 1;
    if (faded) cairo_push_group(cr);
    const UIColorPtr color = style.textColor ? style.textColor : UIColor::blackColor();
    cairo_set_source_rgba(cr, color->red(), color->green(), color->blue(), color->alpha());
    cairo_move_to(cr, rect.origin.x, rect.origin.y);
    pango_cairo_show_layout(cr, layout.get());
    if (faded) {
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, context.alpha());
    }
    cairo_restore(cr);
}

}  // namespace

void TextLayout::drawText(CGContext& context, const NSAttributedString& text, const TextStyle& style,
                          CGRect rect) {
    rect = CGRectStandardize(rect);
    if (text.length() == 0 || rect.size.width <= 0 || rect.size.height <= 0) return;
    std::lock_guard lock(detail::pangoLock());
    Layout layout(text, style, rect.size.width);
    drawLayout(context, layout, layout.shownSize(), style, rect);
}

void TextLayout::drawText(CGContext& context, const std::string& text, const TextStyle& style, CGRect rect) {
    drawText(context, NSAttributedString(text), style, rect);
}

std::optional<std::size_t> TextLayout::characterIndexAtPoint(const NSAttributedString& text,
                                                             const TextStyle& style, CGFloat width,
                                                             CGPoint point) {
    if (text.length() == 0 || point.x < 0 || point.y < 0) return std::nullopt;
    std::lock_guard lock(detail::pangoLock());
    Layout layout(text, style, width);
    if (point.y >= layout.shownSize().height) return std::nullopt;
    int index = 0, trailing = 0;
    const bool inside =
        pango_layout_xy_to_index(layout.get(), static_cast<int>(std::lround(point.x * PANGO_SCALE)),
                                 static_cast<int>(std::lround(point.y * PANGO_SCALE)), &index, &trailing);
    if (!inside || index < 0) return std::nullopt;
    const std::size_t at = layout.utf8().utf16IndexOf(static_cast<std::size_t>(index));
    if (at >= text.length()) return std::nullopt;
    return at;
}

struct LaidOutText::Kept {
    NSAttributedString text;
    UIFontPtr font;
    NSTextAlignment alignment;
    NSLineBreakMode lineBreakMode;
    int numberOfLines;
    CGFloat width;
    unsigned fontGeneration;
    std::unique_ptr<Layout> layout;
    CGSize shown;

    bool matches(const NSAttributedString& t, const TextStyle& s, CGFloat w) const {
        return width == w && fontGeneration == detail::fontGeneration() && alignment == s.alignment &&
               lineBreakMode == s.lineBreakMode && numberOfLines == s.numberOfLines &&
               fontsEqual(font, s.font) && text == t;
    }
};

LaidOutText::LaidOutText() = default;
LaidOutText::~LaidOutText() {
    std::lock_guard lock(detail::pangoLock());
    kept_.reset();
}

LaidOutText::Kept& LaidOutText::layoutFor(const NSAttributedString& text, const TextStyle& style,
                                          CGFloat width) {
    if (kept_ && kept_->matches(text, style, width)) return *kept_;
    auto layout = std::make_unique<Layout>(text, style, width);
    const CGSize shown = layout->shownSize();
    kept_.reset(new Kept{text, style.font, style.alignment, style.lineBreakMode, style.numberOfLines, width,
                         detail::fontGeneration(), std::move(layout), shown});
    ++layouts_;
    return *kept_;
}

CGSize LaidOutText::size(const NSAttributedString& text, const TextStyle& style, CGFloat maxWidth) {
    std::lock_guard lock(detail::pangoLock());
    return layoutFor(text, style, maxWidth).shown;
}

void LaidOutText::draw(CGContext& context, const NSAttributedString& text, const TextStyle& style,
                       CGRect rect) {
    rect = CGRectStandardize(rect);
    if (text.length() == 0 || rect.size.width <= 0 || rect.size.height <= 0) return;
    std::lock_guard lock(detail::pangoLock());
    const Kept& kept = layoutFor(text, style, rect.size.width);
    drawLayout(context, *kept.layout, kept.shown, style, rect);
}

}  // namespace fv
