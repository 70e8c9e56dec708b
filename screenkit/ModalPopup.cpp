#include "screenkit/ModalPopup.h"

#include <algorithm>

#include "platform/foundation/RunLoop.h"
#include "platform/graphics/GraphicsContext.h"

namespace fv {

namespace {

constexpr CGFloat kCloseSide = 30;
constexpr UIWindowLevel kLevel = UIWindowLevelNormal + 100;

// The full-screen backdrop. A touch that starts and ends on it (not on the pop-up) counts as a tap
// outside.
class PopupBackdropView : public UIView {
    FV_CLASS(PopupBackdropView, UIView)
    PopupBackdropView() {
        setOpaque(false);
        setBackgroundColor(UIColor::clearColor());
        setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    }
    void drawRect(CGRect) override {
        auto context = UIGraphicsGetCurrentContext();
        if (!context) return;
        CGRect b = bounds();
        if (style == ModalPopupBackgroundDisplayStyleSolid) {
            context->setFillColor(UIColor::colorWithWhite(0, 0.5));
            context->fillRect(b);
            return;
        }
        CGPoint c{CGRectGetMidX(b), CGRectGetMidY(b)};
        CGFloat radius = std::max(b.size.width, b.size.height) * 0.75;
        context->drawRadialGradient({UIColor::colorWithWhite(0, 0.2), UIColor::colorWithWhite(0, 0.75)},
                                    {0, 1}, c, 0, c, radius, kCGGradientDrawsAfterEndLocation);
    }
    void touchesBegan(const UITouchSet&, UIEvent*) override {}
    void touchesMoved(const UITouchSet&, UIEvent*) override {}
    void touchesCancelled(const UITouchSet&, UIEvent*) override {}
    void touchesEnded(const UITouchSet& touches, UIEvent*) override {
        if (touches.empty() || touches.front()->view.lock().get() != this) return;
        if (onTapOutside) onTapOutside();
    }

    ModalPopupBackgroundDisplayStyle style = ModalPopupBackgroundDisplayStyleGradient;
    std::function<void()> onTapOutside;
};

// A round white button with a dark cross.
class PopupCloseButton : public UIView {
    FV_CLASS(PopupCloseButton, UIView)
    PopupCloseButton() {
        setOpaque(false);
        setBackgroundColor(UIColor::clearColor());
    }
    void drawRect(CGRect) override {
        auto context = UIGraphicsGetCurrentContext();
        if (!context) return;
        CGRect b = CGRectInset(bounds(), 1, 1);
        context->saveGState();
        context->setShadow({0, 1}, 4, UIColor::colorWithWhite(0, 0.3));
        context->setFillColor(UIColor::whiteColor());
        context->fillEllipseInRect(b);
        context->restoreGState();
        context->setStrokeColor(UIColor::colorWithWhite(0.2, 1));
        context->setLineWidth(2);
        context->setLineCap(CGLineCap::Round);
        CGRect x = CGRectInset(b, b.size.width * 0.32, b.size.height * 0.32);
        context->beginPath();
        context->moveToPoint(x.origin);
        context->addLineToPoint({CGRectGetMaxX(x), CGRectGetMaxY(x)});
        context->moveToPoint({CGRectGetMaxX(x), x.origin.y});
        context->addLineToPoint({x.origin.x, CGRectGetMaxY(x)});
        context->strokePath();
    }
    void touchesBegan(const UITouchSet&, UIEvent*) override {}
    void touchesEnded(const UITouchSet&, UIEvent*) override {
        if (onTap) onTap();
    }
    std::function<void()> onTap;
};

}  // namespace

FV_REGISTER_CLASS(PopupBackdropView);
FV_REGISTER_CLASS(PopupCloseButton);

std::shared_ptr<ModalPopup> ModalPopup::sharedInstance() {
    static const std::shared_ptr<ModalPopup> instance = std::make_shared<ModalPopup>();
    return instance;
}

void ModalPopup::setCloseButtonType(int type) {
    if (type >= ModalPopupCloseButtonTypeNone && type <= ModalPopupCloseButtonTypeRight)
        closeButtonType_ = static_cast<ModalPopupCloseButtonType>(type);
}

void ModalPopup::setBackgroundDisplayStyle(int style) {
    if (style == ModalPopupBackgroundDisplayStyleGradient || style == ModalPopupBackgroundDisplayStyleSolid)
        backgroundDisplayStyle_ = static_cast<ModalPopupBackgroundDisplayStyle>(style);
}

void ModalPopup::setModalBackgroundColor(UIColorPtr color) {
    modalBackgroundColor_ = std::move(color);
}

void ModalPopup::setTapOutsideToDismiss(bool dismiss) {
    tapOutsideToDismiss_ = dismiss;
}

bool ModalPopup::isVisible() const {
    auto window = window_.lock();
    return window && !window->isHidden() && !hiding_;
}

UIViewPtr ModalPopup::backdropView() const {
    return isVisible() ? backdrop_.lock() : nullptr;
}
UIViewPtr ModalPopup::containerView() const {
    return isVisible() ? container_.lock() : nullptr;
}
UIViewPtr ModalPopup::closeButton() const {
    return isVisible() ? closeButton_.lock() : nullptr;
}

void ModalPopup::showWithContentView(const UIViewPtr& contentView) {
    if (!contentView) return;
    removeNow();
    auto window = UIWindow::create();
    window->setWindowLevel(kLevel);
    window->setBackgroundColor(UIColor::clearColor());
    CGRect wb = window->bounds();

    auto backdrop = std::make_shared<PopupBackdropView>();
    backdrop->setFrame(wb);
    backdrop->style = backgroundDisplayStyle_;
    backdrop->onTapOutside = [this] { backdropTapped(); };
    window->addSubview(backdrop);

    CGSize size = contentView->bounds().size;
    CGRect containerFrame = CGRectMake((wb.size.width - size.width) / 2 - kContainerInset,
                                       (wb.size.height - size.height) / 2 - kContainerInset,
                                       size.width + 2 * kContainerInset, size.height + 2 * kContainerInset);
    auto container = UIView::create(containerFrame);
    container->setBackgroundColor(modalBackgroundColor_ ? modalBackgroundColor_ : UIColor::clearColor());
    container->layer()->cornerRadius = 8;
    container->setAutoresizingMask(
        UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleRightMargin |
        UIViewAutoresizingFlexibleTopMargin | UIViewAutoresizingFlexibleBottomMargin);
    contentView->removeFromSuperview();
    contentView->setFrame(CGRectMake(kContainerInset, kContainerInset, size.width, size.height));
    contentView->setHidden(false);
    container->addSubview(contentView);
    backdrop->addSubview(container);

    std::shared_ptr<PopupCloseButton> close;
    if (closeButtonType_ != ModalPopupCloseButtonTypeNone) {
        // Centred on the container's top corner, so that it overhangs the pop-up.
        CGFloat cx = closeButtonType_ == ModalPopupCloseButtonTypeLeft ? CGRectGetMinX(containerFrame)
                                                                       : CGRectGetMaxX(containerFrame);
        close = std::make_shared<PopupCloseButton>();
        close->setFrame(CGRectMake(cx - kCloseSide / 2, containerFrame.origin.y - kCloseSide / 2, kCloseSide,
                                   kCloseSide));
        close->onTap = [this] { hide(); };
        backdrop->addSubview(close);
    }

    window->setHidden(false);
    window_ = window;
    backdrop_ = backdrop;
    container_ = container;
    closeButton_ = close;
    content_ = contentView;
    hiding_ = false;

    backdrop->setAlpha(0);
    container->setTransform(CGAffineTransformMakeScale(0.85, 0.85));
    UIView::animateWithDuration(kAnimationDuration, 0, UIViewAnimationOptionCurveEaseOut,
                                [backdrop, container] {
                                    backdrop->setAlpha(1);
                                    container->setTransform(CGAffineTransformIdentity);
                                });
}

void ModalPopup::backdropTapped() {
    if (tapOutsideToDismiss_) hide();
}

void ModalPopup::hide() {
    hideAnimated(true, nullptr);
}

void ModalPopup::hideAnimated(bool animated, std::function<void()> completion) {
    if (!animated) {
        removeNow();
        return;
    }
    auto window = window_.lock();
    auto backdrop = backdrop_.lock();
    if (!window || window->isHidden() || !backdrop || hiding_) {
        // Nothing (more) to hide: the block still runs once the hide would have finished.
        if (completion) RunLoop::main().postAfter(hiding_ ? kAnimationDuration : 0, std::move(completion));
        return;
    }
    hiding_ = true;
    backdrop->setUserInteractionEnabled(false);
    std::weak_ptr<UIWindow> shown = window;
    UIView::animateWithDuration(
        kAnimationDuration, 0, UIViewAnimationOptionCurveEaseIn, [backdrop] { backdrop->setAlpha(0); },
        [this, shown, completion = std::move(completion)](bool) {
            // Another pop-up may have replaced this one meanwhile; only this one's window goes.
            if (auto w = shown.lock(); w && w == window_.lock()) removeNow();
            if (completion) completion();
        });
}

void ModalPopup::removeNow() {
    auto window = window_.lock();
    if (auto content = content_.lock()) content->removeFromSuperview();
    window_.reset();
    backdrop_.reset();
    container_.reset();
    closeButton_.reset();
    content_.reset();
    hiding_ = false;
    if (window) window->setHidden(true);
}

}  // namespace fv
