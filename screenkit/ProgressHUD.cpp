#include "screenkit/ProgressHUD.h"

#include <algorithm>

#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"
#include "screenkit/OverlayWindow.h"

namespace fv {

namespace {

constexpr CGFloat kIndicatorSide = 44;
constexpr CGFloat kBoxPadding = 18;
constexpr CGFloat kBoxMinWidth = 100;
constexpr CGFloat kCornerRadius = 14;
// Above alerts and pop-ups, so that nothing can be tapped while work is in progress.
constexpr UIWindowLevel kLevel = UIWindowLevelAlert + 10;

struct Look {
    UIColorPtr background = UIColor::whiteColor();
    UIColorPtr foreground = UIColor::blackColor();
    UIColorPtr mask;
    ActivityIndicatorType type = ActivityIndicatorType::BallClipRotate;
    UIFontPtr font;
};

Look& look() {
    static Look value;
    return value;
}

UIFontPtr effectiveFont() {
    return look().font ? look().font : UIFont::systemFontOfSize(14);
}

// The overlay's full-screen view: the optional mask, the box and the status text. The text is
// readable by name, so a test host finds the overlay by its status.
class ProgressHUDView : public UIView {
    FV_CLASS(ProgressHUDView, UIView)
    static void registerMembers(ClassBuilder<ProgressHUDView>& b) {
        b.property("text", &ProgressHUDView::text);
    }
    ProgressHUDView() {
        setOpaque(false);
        setBackgroundColor(UIColor::clearColor());
        setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
        indicator = ActivityIndicatorView::create(CGRectMake(0, 0, kIndicatorSide, kIndicatorSide));
    }
    void attachIndicator() { addSubview(indicator); }

    std::optional<std::string> text() const { return status; }
    void setStatus(const std::string& s) {
        status = s;
        setNeedsLayout();
        setNeedsDisplay();
    }

    CGRect boxFrame() const {
        CGRect b = bounds();
        CGSize textSize = CGSizeZero;
        CGFloat maxText = b.size.width - 4 * kBoxPadding;
        if (!status.empty()) textSize = TextLayout::sizeOfText(status, effectiveFont(), maxText);
        CGFloat width = std::max(kBoxMinWidth, std::max(kIndicatorSide, textSize.width) + 2 * kBoxPadding);
        CGFloat height = kBoxPadding * 2 + kIndicatorSide + (status.empty() ? 0 : 10 + textSize.height);
        return CGRectMake(b.origin.x + (b.size.width - width) / 2, b.origin.y + (b.size.height - height) / 2,
                          width, height);
    }

    void layoutSubviews() override {
        CGRect box = boxFrame();
        indicator->setFrame(CGRectMake(CGRectGetMidX(box) - kIndicatorSide / 2, box.origin.y + kBoxPadding,
                                       kIndicatorSide, kIndicatorSide));
    }

    // Without a mask only the box takes touches.
    UIViewPtr hitTest(CGPoint p, UIEvent* event) override {
        auto hit = UIView::hitTest(p, event);
        if (hit.get() == this && !look().mask && !CGRectContainsPoint(boxFrame(), p)) return nullptr;
        return hit;
    }
    void touchesBegan(const UITouchSet&, UIEvent*) override {}
    void touchesMoved(const UITouchSet&, UIEvent*) override {}
    void touchesEnded(const UITouchSet&, UIEvent*) override {}
    void touchesCancelled(const UITouchSet&, UIEvent*) override {}

    void drawRect(CGRect) override {
        auto context = UIGraphicsGetCurrentContext();
        if (!context) return;
        if (look().mask) {
            context->setFillColor(look().mask);
            context->fillRect(bounds());
        }
        CGRect box = boxFrame();
        context->saveGState();
        context->setShadow({0, 2}, 10, UIColor::colorWithWhite(0, 0.2));
        context->setFillColor(look().background);
        context->beginPath();
        context->addRoundedRect(box, kCornerRadius);
        context->fillPath();
        context->restoreGState();
        if (status.empty()) return;
        TextStyle style;
        style.font = effectiveFont();
        style.textColor = look().foreground;
        style.alignment = NSTextAlignment::Center;
        CGFloat top = box.origin.y + kBoxPadding + kIndicatorSide + 10;
        TextLayout::drawText(*context, status, style,
                             CGRectMake(box.origin.x + kBoxPadding, top, box.size.width - 2 * kBoxPadding,
                                        CGRectGetMaxY(box) - kBoxPadding - top));
    }

    std::string status;
    std::shared_ptr<ActivityIndicatorView> indicator;
};

struct State {
    std::weak_ptr<UIWindow> window;  // the application retains it while shown
    std::weak_ptr<ProgressHUDView> view;
};

State& state() {
    static State value;
    return value;
}

std::shared_ptr<ProgressHUDView> shownView() {
    auto window = state().window.lock();
    if (!window || window->isHidden()) return nullptr;
    return state().view.lock();
}

}  // namespace

FV_REGISTER_CLASS(ProgressHUDView);

void ProgressHUD::setBackgroundColor(UIColorPtr color) {
    look().background = color ? color : UIColor::whiteColor();
}
void ProgressHUD::setForegroundColor(UIColorPtr color) {
    look().foreground = color ? color : UIColor::blackColor();
}
void ProgressHUD::setMaskColor(UIColorPtr color) {
    look().mask = std::move(color);
}
void ProgressHUD::setIndicatorType(ActivityIndicatorType type) {
    look().type = type;
}
void ProgressHUD::setFont(UIFontPtr font) {
    look().font = std::move(font);
}
UIColorPtr ProgressHUD::backgroundColor() {
    return look().background;
}
UIColorPtr ProgressHUD::foregroundColor() {
    return look().foreground;
}
UIColorPtr ProgressHUD::maskColor() {
    return look().mask;
}
ActivityIndicatorType ProgressHUD::indicatorType() {
    return look().type;
}
UIFontPtr ProgressHUD::font() {
    return look().font;
}

void ProgressHUD::showWithStatus(const std::string& status) {
    if (auto view = shownView()) {
        view->setStatus(status);
        return;
    }
    auto window = OverlayWindow::create(kLevel);
    auto view = std::make_shared<ProgressHUDView>();
    view->setFrame(window->bounds());
    view->attachIndicator();
    view->indicator->setType(look().type);
    view->indicator->setColor(look().foreground);
    view->setStatus(status);
    window->addSubview(view);
    window->setHidden(false);
    view->indicator->startAnimating();
    state().window = window;
    state().view = view;
}

void ProgressHUD::dismiss() {
    auto window = state().window.lock();
    if (auto view = state().view.lock()) view->indicator->stopAnimating();
    state() = {};
    if (window) window->setHidden(true);
}

bool ProgressHUD::isVisible() {
    return shownView() != nullptr;
}

std::optional<std::string> ProgressHUD::status() {
    auto view = shownView();
    return view ? std::optional<std::string>(view->status) : std::nullopt;
}

UIViewPtr ProgressHUD::overlayView() {
    return shownView();
}

std::shared_ptr<ActivityIndicatorView> ProgressHUD::indicator() {
    auto view = shownView();
    return view ? view->indicator : nullptr;
}

}  // namespace fv
