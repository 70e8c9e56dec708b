#include "screenkit/BannerMessages.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numbers>

#include "platform/foundation/RunLoop.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"
#include "screenkit/OverlayWindow.h"

namespace fv {

namespace {

constexpr CGFloat kMargin = 10;
constexpr CGFloat kTop = 28;  // below the status bar
constexpr CGFloat kPadding = 14;
constexpr CGFloat kIconSide = 28;
constexpr CGFloat kMinHeight = 56;
constexpr UIWindowLevel kLevel = UIWindowLevelAlert + 20;

UIFontPtr titleFont() {
    return UIFont::boldSystemFontOfSize(16);
}
UIFontPtr messageFont() {
    return UIFont::systemFontOfSize(14);
}

void drawIcon(CGContext& cg, BannerMessageType type, CGRect r) {
    constexpr double pi = std::numbers::pi;
    CGFloat s = r.size.width;
    auto at = [&](CGFloat fx, CGFloat fy) { return CGPoint{r.origin.x + fx * s, r.origin.y + fy * s}; };
    cg.saveGState();
    cg.setStrokeColor(UIColor::whiteColor());
    cg.setFillColor(UIColor::whiteColor());
    cg.setLineWidth(2.2);
    cg.setLineCap(CGLineCap::Round);
    cg.setLineJoin(CGLineJoin::Round);
    CGRect ring = CGRectInset(r, 1.1, 1.1);
    switch (type) {
        case BannerMessageTypeSuccess:
            cg.strokeEllipseInRect(ring);
            cg.beginPath();
            cg.moveToPoint(at(0.28, 0.52));
            cg.addLineToPoint(at(0.44, 0.67));
            cg.addLineToPoint(at(0.72, 0.36));
            cg.strokePath();
            break;
        case BannerMessageTypeError:
            cg.strokeEllipseInRect(ring);
            cg.beginPath();
            cg.moveToPoint(at(0.35, 0.35));
            cg.addLineToPoint(at(0.65, 0.65));
            cg.moveToPoint(at(0.65, 0.35));
            cg.addLineToPoint(at(0.35, 0.65));
            cg.strokePath();
            break;
        case BannerMessageTypeWarning:
            cg.beginPath();
            cg.moveToPoint(at(0.5, 0.06));
            cg.addLineToPoint(at(0.96, 0.9));
            cg.addLineToPoint(at(0.04, 0.9));
            cg.closePath();
            cg.strokePath();
            cg.beginPath();
            cg.moveToPoint(at(0.5, 0.38));
            cg.addLineToPoint(at(0.5, 0.6));
            cg.strokePath();
            cg.fillEllipseInRect(CGRectMake(at(0.5, 0.74).x - 1.6, at(0.5, 0.74).y - 1.6, 3.2, 3.2));
            break;
        case BannerMessageTypeInfo:
            cg.strokeEllipseInRect(ring);
            cg.fillEllipseInRect(CGRectMake(at(0.5, 0.3).x - 1.6, at(0.5, 0.3).y - 1.6, 3.2, 3.2));
            cg.beginPath();
            cg.moveToPoint(at(0.5, 0.45));
            cg.addLineToPoint(at(0.5, 0.72));
            cg.strokePath();
            break;
        case BannerMessageTypeCustom: {
            // A five-pointed star.
            cg.beginPath();
            CGPoint c = at(0.5, 0.54);
            for (int i = 0; i < 10; ++i) {
                double radius = (i % 2 == 0 ? 0.48 : 0.2) * s;
                double angle = -pi / 2 + i * pi / 5;
                CGPoint p{c.x + radius * std::cos(angle), c.y + radius * std::sin(angle)};
                if (i == 0) {
                    cg.moveToPoint(p);
                } else {
                    cg.addLineToPoint(p);
                }
            }
            cg.closePath();
            cg.fillPath();
            break;
        }
    }
    cg.restoreGState();
}

// The banner's card. Any touch that ends on it, a tap or a swipe, sends it away. Its title is
// readable by name, so a test host finds the banner by its title.
class BannerView : public UIView {
    FV_CLASS(BannerView, UIView)
    static void registerMembers(ClassBuilder<BannerView>& b) { b.property("text", &BannerView::text); }
    explicit BannerView(BannerInfo banner) : info(std::move(banner)) {
        setOpaque(false);
        setBackgroundColor(BannerMessages::colorForType(info.type));
        layer()->cornerRadius = 12;
        layer()->shadowOpacity = 0.25;
        layer()->shadowOffset = {0, 3};
        layer()->shadowRadius = 8;
    }
    BannerView() : BannerView(BannerInfo{}) {}

    std::optional<std::string> text() const { return info.title; }
    bool hasMessage() const { return info.message && !info.message->empty(); }

    CGFloat heightForWidth(CGFloat width) const {
        CGFloat textWidth = width - 3 * kPadding - kIconSide;
        CGFloat h = TextLayout::sizeOfText(info.title, titleFont(), textWidth).height;
        if (hasMessage()) h += 4 + TextLayout::sizeOfText(*info.message, messageFont(), textWidth).height;
        return std::max(kMinHeight, h + 2 * kPadding);
    }

    void drawRect(CGRect) override {
        auto context = UIGraphicsGetCurrentContext();
        if (!context) return;
        CGRect b = bounds();
        drawIcon(*context, info.type,
                 CGRectMake(kPadding, (b.size.height - kIconSide) / 2, kIconSide, kIconSide));
        CGFloat x = 2 * kPadding + kIconSide;
        CGFloat textWidth = b.size.width - x - kPadding;
        TextStyle title;
        title.font = titleFont();
        title.textColor = UIColor::whiteColor();
        CGFloat titleHeight = TextLayout::sizeOfText(info.title, title.font, textWidth).height;
        CGFloat total = titleHeight;
        CGFloat messageHeight = 0;
        if (hasMessage()) {
            messageHeight = TextLayout::sizeOfText(*info.message, messageFont(), textWidth).height;
            total += 4 + messageHeight;
        }
        CGFloat y = (b.size.height - total) / 2;
        TextLayout::drawText(*context, info.title, title, CGRectMake(x, y, textWidth, titleHeight));
        if (hasMessage()) {
            TextStyle message;
            message.font = messageFont();
            message.textColor = UIColor::colorWithWhite(1, 0.92);
            TextLayout::drawText(*context, *info.message, message,
                                 CGRectMake(x, y + titleHeight + 4, textWidth, messageHeight));
        }
    }

    void touchesBegan(const UITouchSet&, UIEvent*) override {}
    void touchesMoved(const UITouchSet&, UIEvent*) override {}
    void touchesEnded(const UITouchSet&, UIEvent*) override;
    void touchesCancelled(const UITouchSet&, UIEvent*) override {}

    BannerInfo info;
};

struct State {
    std::deque<BannerInfo> waiting;
    std::weak_ptr<UIWindow> window;  // the application retains it while shown
    std::weak_ptr<BannerView> current;
    bool onScreen = false;  // false while sliding away
    std::shared_ptr<Timer> timer;
};

State& state() {
    static State value;
    return value;
}

// A banner whose window the application dropped (a host or test tearing the screens down) leaves
// nothing behind: neither it nor the banners waiting after it are shown later.
void forgetIfTornDown() {
    State& s = state();
    auto window = s.window.lock();
    if (window && !window->isHidden() && !s.current.expired()) return;
    if (s.timer) s.timer->invalidate();
    s = {};
}

void showNext();

void slideAway(const std::shared_ptr<BannerView>& view) {
    State& s = state();
    if (!view || s.current.lock() != view || !s.onScreen) return;
    s.onScreen = false;
    if (s.timer) s.timer->invalidate();
    s.timer.reset();
    CGRect frame = view->frame();
    frame.origin.y = -frame.size.height - kMargin;
    std::weak_ptr<BannerView> weak = view;
    UIView::animateWithDuration(
        BannerMessages::kSlideDuration, 0, UIViewAnimationOptionCurveEaseIn,
        [view, frame] { view->setFrame(frame); },
        [weak](bool) {
            State& st = state();
            auto self = weak.lock();
            if (!self || st.current.lock() != self) return;
            if (auto window = st.window.lock()) window->setHidden(true);
            st.window.reset();
            st.current.reset();
            showNext();
        });
}

void BannerView::touchesEnded(const UITouchSet&, UIEvent*) {
    slideAway(std::static_pointer_cast<BannerView>(shared_from_this()));
}

void showNext() {
    State& s = state();
    if (s.waiting.empty()) return;
    BannerInfo info = s.waiting.front();
    s.waiting.pop_front();

    auto window = OverlayWindow::create(kLevel);
    auto view = std::make_shared<BannerView>(info);
    CGRect wb = window->bounds();
    CGFloat width = wb.size.width - 2 * kMargin;
    CGFloat height = view->heightForWidth(width);
    view->setFrame(CGRectMake(kMargin, -height - kMargin, width, height));
    view->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    window->addSubview(view);
    window->setHidden(false);
    s.window = window;
    s.current = view;
    s.onScreen = true;
    UIView::animateWithDuration(
        BannerMessages::kSlideDuration, 0, UIViewAnimationOptionCurveEaseOut,
        [view, width, height] { view->setFrame(CGRectMake(kMargin, kTop, width, height)); });
    std::weak_ptr<BannerView> weak = view;
    s.timer = RunLoop::main().scheduleTimer(BannerMessages::kDuration, false,
                                            [weak](Timer&) { slideAway(weak.lock()); });
}

}  // namespace

FV_REGISTER_CLASS(BannerView);

BannerMessageType BannerMessages::typeFromInteger(long type) {
    return type >= BannerMessageTypeSuccess && type <= BannerMessageTypeCustom
               ? static_cast<BannerMessageType>(type)
               : BannerMessageTypeCustom;
}

UIColorPtr BannerMessages::colorForType(BannerMessageType type) {
    switch (type) {
        case BannerMessageTypeSuccess:
            return UIColor::colorWithRed(0.15, 0.65, 0.36, 1);
        case BannerMessageTypeError:
            return UIColor::colorWithRed(0.86, 0.2, 0.2, 1);
        case BannerMessageTypeWarning:
            return UIColor::colorWithRed(0.93, 0.55, 0.05, 1);
        case BannerMessageTypeInfo:
            return UIColor::colorWithRed(0.18, 0.47, 0.9, 1);
        case BannerMessageTypeCustom:
            return UIColor::colorWithRed(0.35, 0.33, 0.6, 1);
    }
    return UIColor::grayColor();
}

void BannerMessages::showNotification(const std::string& title, const std::optional<std::string>& message,
                                      long type) {
    forgetIfTornDown();
    State& s = state();
    s.waiting.push_back({title, message, typeFromInteger(type)});
    if (s.current.expired()) showNext();
}

void BannerMessages::dismissCurrent() {
    forgetIfTornDown();
    slideAway(state().current.lock());
}

std::vector<BannerInfo> BannerMessages::visibleBanners() {
    forgetIfTornDown();
    const State& s = state();
    auto view = s.current.lock();
    if (!view || !s.onScreen) return {};
    return {view->info};
}

std::size_t BannerMessages::waitingCount() {
    forgetIfTornDown();
    return state().waiting.size();
}

UIViewPtr BannerMessages::bannerView() {
    forgetIfTornDown();
    return state().onScreen ? state().current.lock() : nullptr;
}

}  // namespace fv
