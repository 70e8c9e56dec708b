#include "platform/kits/ThemedAlertView.h"

#include <algorithm>

#include "platform/foundation/RunLoop.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"
#include "platform/kits/KitTouch.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIEvent.h"

namespace fv {

FV_REGISTER_CLASS(ThemedAlertView);

namespace {

constexpr CGFloat kCardWidth = 280;
constexpr CGFloat kPadding = 16;
constexpr CGFloat kImageSide = 64;
constexpr CGFloat kButtonHeight = 46;
constexpr CGFloat kDetachedGap = 8;
constexpr double kShowDuration = 0.25;

std::weak_ptr<ThemedAlertView>& lastShown() {
    static std::weak_ptr<ThemedAlertView> alert;
    return alert;
}

TextStyle centred(const UIFontPtr& font, const UIColorPtr& color) {
    TextStyle style;
    style.font = font;
    style.textColor = color;
    style.alignment = NSTextAlignment::Center;
    return style;
}

}  // namespace

ThemedAlertView::ThemedAlertView() {
    setBackgroundColor(UIColor::clearColor());
    setOpaque(false);
}

ThemedAlertView::~ThemedAlertView() = default;

void ThemedAlertView::addButton(const std::string& title, ActionBlock actionBlock) {
    added_.push_back({title, std::move(actionBlock)});
}

void ThemedAlertView::showAlertWithTitle(const std::optional<std::string>& title,
                                         const std::optional<std::string>& subtitle,
                                         const UIImagePtr& customImage,
                                         const std::optional<std::string>& doneButtonTitle,
                                         const std::vector<std::string>& buttons) {
    if (isVisible()) return;
    auto self = std::static_pointer_cast<ThemedAlertView>(shared_from_this());
    title_ = title;
    subtitle_ = subtitle;
    image_ = customImage && !customImage->isEmpty() ? customImage : nullptr;
    shownButtons_ = added_;
    for (const auto& b : buttons) shownButtons_.push_back({b, nullptr});
    if (!hideDoneButton_ && doneButtonTitle && !doneButtonTitle->empty())
        shownButtons_.push_back({*doneButtonTitle, nullptr, true});
    closed_ = false;

    auto window = UIWindow::create();
    window->setWindowLevel(UIWindowLevelAlert);
    window->setBackgroundColor(UIColor::clearColor());
    setFrame(window->bounds());
    setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    window->addSubview(self);
    window->setHidden(false);
    window_ = window;
    lastShown() = self;
    layoutCard();
    setNeedsDisplay();

    setAlpha(0);
    if (bounceAnimation_) {
        setTransform(CGAffineTransformMakeScale(0.8, 0.8));
        UIView::animateWithDuration(kShowDuration * 2, 0, 0.6, 0.5, 0, [self] {
            self->setAlpha(1);
            self->setTransform(CGAffineTransformIdentity);
        });
    } else {
        UIView::animateWithDuration(kShowDuration, [self] { self->setAlpha(1); });
    }

    unsigned generation = ++showGeneration_;
    if (autoHideSeconds_ > 0) {
        std::weak_ptr<ThemedAlertView> weak = self;
        RunLoop::main().postAfter(autoHideSeconds_, [weak, generation] {
            auto alert = weak.lock();
            if (alert && alert->showGeneration_ == generation) alert->close();
        });
    }
}

void ThemedAlertView::dismiss() {
    if (!forcedDismissalOverridden_) close();
}

bool ThemedAlertView::isVisible() const {
    auto window = window_.lock();
    return !closed_ && window && !window->isHidden() && superview() == window.get();
}

void ThemedAlertView::close() {
    if (closed_) return;
    closed_ = true;
    ++showGeneration_;
    auto window = window_.lock();
    window_.reset();
    removeFromSuperview();
    if (window) window->setHidden(true);
}

ThemedAlertViewPtr ThemedAlertView::visibleAlert() {
    auto alert = lastShown().lock();
    return alert && alert->isVisible() ? alert : nullptr;
}

std::vector<std::string> ThemedAlertView::buttonTitles() const {
    std::vector<std::string> titles;
    for (const auto& b : shownButtons_) titles.push_back(b.title);
    return titles;
}

std::optional<CGRect> ThemedAlertView::buttonFrame(const std::string& title) const {
    if (!isVisible()) return std::nullopt;
    for (const auto& b : shownButtons_)
        if (b.title == title) return convertRectToView(b.frame, nullptr);
    return std::nullopt;
}

bool ThemedAlertView::tapButton(const std::string& title) {
    auto frame = buttonFrame(title);
    if (!frame) return false;
    return kits::tapAtScreenPoint({CGRectGetMidX(*frame), CGRectGetMidY(*frame)});
}

bool ThemedAlertView::touchOutside() {
    if (!isVisible()) return false;
    CGPoint p{bounds().origin.x + 4, bounds().origin.y + 4};
    return kits::tapAtScreenPoint(convertPointToView(p, nullptr));
}

// ---- layout and drawing ----

UIFontPtr ThemedAlertView::effectiveTitleFont() const {
    return titleFont ? titleFont : UIFont::boldSystemFontOfSize(18);
}

UIFontPtr ThemedAlertView::effectiveSubtitleFont() const {
    return subtitleFont ? subtitleFont : UIFont::systemFontOfSize(15);
}

UIColorPtr ThemedAlertView::buttonBackground(const Button& button, std::size_t index) const {
    UIColorPtr chosen = button.done  ? doneButtonHighlightedBackgroundColor
                        : index == 0 ? firstButtonBackgroundColor
                                     : secondButtonBackgroundColor;
    if (chosen) return chosen;
    return lightTheme_ ? UIColor::colorWithWhite(0.96, 1) : UIColor::colorWithWhite(0.2, 1);
}

UIColorPtr ThemedAlertView::buttonTitleColor(const Button& button, std::size_t index) const {
    UIColorPtr chosen = button.done  ? doneButtonTitleColor
                        : index == 0 ? firstButtonTitleColor
                                     : secondButtonTitleColor;
    if (chosen) return chosen;
    return UIColor::colorWithRed(0.08, 0.44, 0.94, 1);
}

UIFontPtr ThemedAlertView::buttonFont(const Button& button, std::size_t index) const {
    UIFontPtr chosen = button.done  ? doneButtonTitleFont
                       : index == 0 ? firstButtonTitleFont
                                    : secondButtonTitleFont;
    return chosen ? chosen : UIFont::systemFontOfSize(16);
}

void ThemedAlertView::layoutSubviews() {
    layoutCard();
}

void ThemedAlertView::layoutCard() {
    CGRect b = bounds();
    CGFloat width = std::min(kCardWidth, b.size.width - 2 * kPadding);
    CGFloat inner = width - 2 * kPadding;
    CGFloat y = kPadding;
    imageFrame_ = CGRectZero;
    if (image_) {
        imageFrame_ = CGRectMake((width - kImageSide) / 2, y, kImageSide, kImageSide);
        y += kImageSide + 12;
    }
    titleFrame_ = subtitleFrame_ = CGRectZero;
    if (title_ && !title_->empty()) {
        CGSize s = TextLayout::sizeOfText(*title_, effectiveTitleFont(), inner);
        titleFrame_ = CGRectMake(kPadding, y, inner, s.height);
        y += s.height + 8;
    }
    if (subtitle_ && !subtitle_->empty()) {
        CGSize s = TextLayout::sizeOfText(*subtitle_, effectiveSubtitleFont(), inner);
        subtitleFrame_ = CGRectMake(kPadding, y, inner, s.height);
        y += s.height + 8;
    }
    y += kPadding - 8;

    // Two attached buttons share one row; more stack. Detached buttons always stack below the card.
    std::size_t n = shownButtons_.size();
    CGFloat cardHeight = y;
    std::vector<CGRect> local(n);
    if (!detachButtons_) {
        if (n == 2) {
            local[0] = CGRectMake(0, y, width / 2, kButtonHeight);
            local[1] = CGRectMake(width / 2, y, width / 2, kButtonHeight);
            cardHeight += kButtonHeight;
        } else {
            for (std::size_t i = 0; i < n; ++i)
                local[i] = CGRectMake(0, y + kButtonHeight * i, width, kButtonHeight);
            cardHeight += kButtonHeight * static_cast<CGFloat>(n);
        }
    } else {
        for (std::size_t i = 0; i < n; ++i)
            local[i] = CGRectMake(0, cardHeight + kDetachedGap + (kButtonHeight + kDetachedGap) * i, width,
                                  kButtonHeight);
    }
    CGFloat total = detachButtons_ && n ? local.back().origin.y + kButtonHeight : cardHeight;
    CGPoint origin{b.origin.x + (b.size.width - width) / 2, b.origin.y + (b.size.height - total) / 2};
    card_ = CGRectMake(origin.x, origin.y, width, cardHeight);
    for (std::size_t i = 0; i < n; ++i) shownButtons_[i].frame = CGRectOffset(local[i], origin.x, origin.y);
}

void ThemedAlertView::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context || closed_) return;
    CGContext& cg = *context;
    cg.setFillColor(UIColor::colorWithWhite(0, 0.4));
    cg.fillRect(bounds());

    UIColorPtr cardColor = alertBackgroundColor ? alertBackgroundColor
                           : lightTheme_        ? UIColor::whiteColor()
                                                : UIColor::colorWithWhite(0.12, 1);
    UIColorPtr defaultText = lightTheme_ ? UIColor::colorWithWhite(0.1, 1) : UIColor::whiteColor();

    cg.saveGState();
    cg.setShadow({0, 4}, 16, UIColor::colorWithWhite(0, 0.35));
    cg.setFillColor(cardColor);
    cg.beginPath();
    cg.addRoundedRect(card_, cornerRadius_);
    cg.fillPath();
    cg.restoreGState();

    // The attached buttons are clipped to the card's rounded bottom.
    cg.saveGState();
    if (!detachButtons_) {
        cg.beginPath();
        cg.addRoundedRect(card_, cornerRadius_);
        cg.clip();
    }
    for (std::size_t i = 0; i < shownButtons_.size(); ++i) {
        const Button& button = shownButtons_[i];
        cg.setFillColor(buttonBackground(button, i));
        cg.beginPath();
        if (detachButtons_) {
            cg.addRoundedRect(button.frame, cornerRadius_);
        } else {
            cg.addRect(button.frame);
        }
        cg.fillPath();
        UIFontPtr font = buttonFont(button, i);
        CGRect text = button.frame;
        text.origin.y += (text.size.height - font->lineHeight()) / 2;
        TextLayout::drawText(cg, button.title, centred(font, buttonTitleColor(button, i)), text);
    }
    if (!detachButtons_ && !shownButtons_.empty()) {
        // Hairlines between the content and the buttons, and between the buttons.
        cg.setStrokeColor(UIColor::colorWithWhite(1, 0.35));
        cg.setLineWidth(1);
        for (const auto& button : shownButtons_) {
            cg.beginPath();
            cg.moveToPoint({button.frame.origin.x, button.frame.origin.y + 0.5});
            cg.addLineToPoint({CGRectGetMaxX(button.frame), button.frame.origin.y + 0.5});
            if (button.frame.origin.x > card_.origin.x) {
                cg.moveToPoint({button.frame.origin.x + 0.5, button.frame.origin.y});
                cg.addLineToPoint({button.frame.origin.x + 0.5, CGRectGetMaxY(button.frame)});
            }
            cg.strokePath();
        }
    }
    cg.restoreGState();

    CGPoint o = card_.origin;
    if (image_) cg.drawImage(*image_, CGRectOffset(imageFrame_, o.x, o.y));
    if (title_ && !title_->empty())
        TextLayout::drawText(cg, *title_,
                             centred(effectiveTitleFont(), titleColor ? titleColor : defaultText),
                             CGRectOffset(titleFrame_, o.x, o.y));
    if (subtitle_ && !subtitle_->empty())
        TextLayout::drawText(cg, *subtitle_,
                             centred(effectiveSubtitleFont(), subtitleColor ? subtitleColor : defaultText),
                             CGRectOffset(subtitleFrame_, o.x, o.y));
}

// ---- touches ----

void ThemedAlertView::touchesBegan(const UITouchSet&, UIEvent*) {}

void ThemedAlertView::touchesEnded(const UITouchSet& touches, UIEvent*) {
    if (touches.empty() || closed_) return;
    CGPoint p = touches.front()->locationInView(this);
    for (std::size_t i = 0; i < shownButtons_.size(); ++i) {
        if (CGRectContainsPoint(shownButtons_[i].frame, p)) {
            buttonTapped(i);
            return;
        }
    }
    if (!CGRectContainsPoint(card_, p) && dismissOnOutsideTouch_) close();
}

void ThemedAlertView::buttonTapped(std::size_t index) {
    // Close first, so that the action may show another alert; the action is taken out so it runs once.
    ActionBlock action = std::move(shownButtons_[index].action);
    auto keepAlive = shared_from_this();
    close();
    if (action) action();
}

}  // namespace fv
