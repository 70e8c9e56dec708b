#include "platform/ui/UIAlertController.h"

#include <algorithm>

#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"
#include "platform/graphics/UIFont.h"
#include "platform/ui/UIDevice.h"
#include "platform/ui/UIScreen.h"
#include "platform/ui/UIWindow.h"

namespace fv {

namespace {

constexpr CGFloat kPadding = 16;
constexpr CGFloat kRowHeight = 44;
constexpr CGFloat kAlertWidth = 270;
constexpr CGFloat kPadSheetWidth = 304;
constexpr CGFloat kSheetMargin = 8;

}  // namespace

// One line or paragraph of the card, drawn by itself so the card needs no controls.
class UIAlertTextView : public UIView {
    FV_CLASS(UIAlertTextView, UIView)
    static void registerMembers(ClassBuilder<UIAlertTextView>& b) {
        b.property("text", &UIAlertTextView::text);
    }

    std::string text() const { return text_; }
    void configure(std::string text, TextStyle style) {
        text_ = std::move(text);
        style_ = std::move(style);
        setNeedsDisplay();
    }
    CGFloat heightForWidth(CGFloat width) const {
        return std::ceil(TextLayout::sizeOfText(text_, style_.font, width).height);
    }
    void drawRect(CGRect) override {
        auto context = UIGraphicsGetCurrentContext();
        if (!context) return;
        CGRect b = bounds();
        CGFloat h = heightForWidth(b.size.width);
        TextLayout::drawText(*context, text_, style_, {{0, (b.size.height - h) / 2}, {b.size.width, h}});
    }

    // A row of an action: a tap that ends inside it chooses the action.
    std::weak_ptr<UIAlertController> controller;
    std::weak_ptr<UIAlertAction> action;
    void touchesEnded(const UITouchSet& touches, UIEvent*) override {
        auto c = controller.lock();
        auto a = action.lock();
        if (!c || !a || touches.empty()) return;
        if (CGRectContainsPoint(bounds(), touches.front()->locationInView(this))) c->chooseAction(a);
    }
    void touchesBegan(const UITouchSet&, UIEvent*) override {}
    void touchesMoved(const UITouchSet&, UIEvent*) override {}
    void touchesCancelled(const UITouchSet&, UIEvent*) override {}

  private:
    std::string text_;
    TextStyle style_;
};

FV_REGISTER_CLASS(UIAlertTextView);
FV_REGISTER_CLASS(UIAlertAction);
FV_REGISTER_CLASS(UIAlertController);

UIAlertActionPtr UIAlertAction::actionWithTitle(const std::string& title, UIAlertActionStyle style,
                                                Handler handler) {
    auto action = std::make_shared<UIAlertAction>();
    action->title_ = title;
    action->style_ = style;
    action->handler_ = std::move(handler);
    return action;
}

UIAlertControllerPtr UIAlertController::alertControllerWithTitle(const std::optional<std::string>& title,
                                                                 const std::optional<std::string>& message,
                                                                 UIAlertControllerStyle style) {
    auto alert = std::make_shared<UIAlertController>();
    alert->title_ = title;
    alert->message_ = message;
    alert->style_ = style;
    alert->setTitle(title.value_or(""));
    alert->setModalPresentationStyle(UIModalPresentationOverFullScreen);
    return alert;
}

void UIAlertController::addAction(const UIAlertActionPtr& action) {
    if (!action || std::find(actions_.begin(), actions_.end(), action) != actions_.end()) return;
    actions_.push_back(action);
    if (isViewLoaded()) loadView();
}

std::vector<std::string> UIAlertController::actionTitles() const {
    std::vector<std::string> titles;
    for (const auto& a : actions_) titles.push_back(a->title());
    return titles;
}

bool UIAlertController::chooseAction(const UIAlertActionPtr& action) {
    if (choosing_ || !action || !action->enabled() || !presentingViewController()) return false;
    if (std::find(actions_.begin(), actions_.end(), action) == actions_.end()) return false;
    choosing_ = true;
    auto self = sharedAs<UIAlertController>();
    dismissViewControllerAnimated(true, [self, action] {
        self->choosing_ = false;
        if (action->handler()) action->handler()(*action);
    });
    return true;
}

bool UIAlertController::chooseActionWithTitle(const std::string& title) {
    for (const auto& a : actions_)
        if (a->title() == title && a->enabled()) return chooseAction(a);
    return false;
}

// The backdrop dims the screen; the card holds the texts and one row per action.
void UIAlertController::loadView() {
    auto backdrop = viewIfLoaded();
    if (!backdrop) {
        backdrop = UIView::create(UIScreen::mainScreen()->bounds());
        backdrop->setBackgroundColor(UIColor::colorWithWhite(0, 0.4));
        setView(backdrop);
    }
    if (card_) card_->removeFromSuperview();
    card_ = UIView::create();
    card_->setBackgroundColor(UIColor::colorWithWhite(0.97, 1));
    card_->layer()->cornerRadius = 13;
    card_->setClipsToBounds(true);
    backdrop->addSubview(card_);

    auto addText = [&](const std::string& text, UIFontPtr font, UIColorPtr color) {
        auto v = std::make_shared<UIAlertTextView>();
        TextStyle style;
        style.font = std::move(font);
        style.textColor = std::move(color);
        style.alignment = NSTextAlignment::Center;
        v->configure(text, style);
        card_->addSubview(v);
        return v;
    };
    if (title_ && !title_->empty()) addText(*title_, UIFont::boldSystemFontOfSize(17), UIColor::blackColor());
    if (message_ && !message_->empty())
        addText(*message_, UIFont::systemFontOfSize(13), UIColor::blackColor());
    auto self = sharedAs<UIAlertController>();
    for (const auto& a : actions_) {
        auto color = a->style() == UIAlertActionStyleDestructive ? UIColor::colorWithRed(1, 0.23, 0.19, 1)
                                                                 : UIColor::colorWithRed(0, 0.48, 1, 1);
        if (!a->enabled()) color = UIColor::lightGrayColor();
        auto font = a->style() == UIAlertActionStyleCancel ? UIFont::boldSystemFontOfSize(17)
                                                           : UIFont::systemFontOfSize(17);
        auto row = addText(a->title(), font, color);
        row->controller = self;
        row->action = a;
        row->layer()->borderWidth = 0.5;
        row->layer()->borderColor = UIColor::colorWithWhite(0.8, 1);
    }
    layoutCard();
}

void UIAlertController::viewWillAppear(bool animated) {
    UIViewController::viewWillAppear(animated);
    layoutCard();
}

void UIAlertController::layoutCard() {
    auto backdrop = viewIfLoaded();
    if (!backdrop || !card_) return;
    CGRect area = backdrop->superview() ? backdrop->superview()->bounds() : UIScreen::mainScreen()->bounds();
    backdrop->setFrame(area);
    bool pad = UIDevice::currentDevice()->userInterfaceIdiom() == UIUserInterfaceIdiomPad;
    CGFloat width = style_ == UIAlertControllerStyleAlert ? kAlertWidth
                    : pad                                 ? kPadSheetWidth
                                                          : area.size.width - 2 * kSheetMargin;
    width = std::min(width, area.size.width);

    // Texts first, then the rows; the row frames are kept for tests and taps.
    CGFloat y = 0;
    rowFrames_.clear();
    bool inTexts = true;
    for (const auto& sub : card_->subviews()) {
        auto text = std::static_pointer_cast<UIAlertTextView>(sub);
        bool isRow = !text->action.expired();
        if (inTexts && isRow) {
            y += kPadding / 2;
            inTexts = false;
        }
        if (isRow) {
            CGRect r{{0, y}, {width, kRowHeight}};
            text->setFrame(r);
            rowFrames_.push_back(r);
            y += kRowHeight;
        } else {
            y += kPadding / (y == 0 ? 1 : 2);
            CGFloat h = text->heightForWidth(width - 2 * kPadding);
            text->setFrame({{kPadding, y}, {width - 2 * kPadding, h}});
            y += h;
        }
    }
    if (inTexts) y += kPadding;

    CGRect card{{(area.size.width - width) / 2, (area.size.height - y) / 2}, {width, y}};
    if (style_ == UIAlertControllerStyleActionSheet && !pad) {
        card.origin.y = area.size.height - y - kSheetMargin;
    } else if (style_ == UIAlertControllerStyleActionSheet) {
        // Beside the source view when there is one in a window, else centred.
        if (auto source = popover_.sourceView.lock(); source && source->window()) {
            CGRect anchor =
                source->convertRectToView(popover_.sourceRect.value_or(source->bounds()), nullptr);
            card.origin.x = CGRectGetMidX(anchor) - width / 2;
            card.origin.y = CGRectGetMaxY(anchor) + kSheetMargin;
            if (CGRectGetMaxY(card) > area.size.height)
                card.origin.y = CGRectGetMinY(anchor) - kSheetMargin - y;
        }
    }
    card.origin.x = std::clamp<CGFloat>(card.origin.x, 0, std::max<CGFloat>(0, area.size.width - width));
    card.origin.y = std::clamp<CGFloat>(card.origin.y, 0, std::max<CGFloat>(0, area.size.height - y));
    card_->setFrame(card);
    cardFrame_ = card;
}

}  // namespace fv
