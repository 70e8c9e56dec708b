#include "platform/kits/DropList.h"

#include <algorithm>

#include "platform/foundation/ResetHooks.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/graphics/TextLayout.h"
#include "platform/kits/KitTouch.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIEvent.h"
#include "platform/ui/UIScreen.h"

namespace fv {

FV_REGISTER_CLASS(DropList);
// The test host closes any list and restores the row font before and after every test.
[[maybe_unused]] const bool registered = ResetHooks::add("kits.dropList", [] { DropList::reset(); });

namespace {

constexpr UIWindowLevel kListLevel = UIWindowLevelStatusBar + 1;
constexpr CGFloat kTextInset = 15;

std::weak_ptr<DropList>& lastShown() {
    static std::weak_ptr<DropList> list;
    return list;
}

}  // namespace

// The list's window takes no touch of its own: only its view's list answers hit tests.
class DropListWindow : public UIWindow {
  public:
    UIViewPtr hitTest(CGPoint p, UIEvent* event) override {
        auto hit = UIWindow::hitTest(p, event);
        return hit.get() == this ? nullptr : hit;
    }
};

// The full-window view of a shown list: it draws the rows and takes the touches on the list. A touch
// that starts beside the list closes it and goes on to the screen below, so that the tap which leaves
// the list also reaches the field or button the user meant; only a touch on the list's own field stays
// here.
class DropListView : public UIView {
  public:
    DropListView(std::weak_ptr<DropList> owner, std::vector<std::string> rows, CGRect listFrame,
                 UIFontPtr font)
        : owner_(std::move(owner)), rows_(std::move(rows)), list_(listFrame), font_(std::move(font)) {
        setBackgroundColor(UIColor::clearColor());
        setOpaque(false);
    }

    const std::vector<std::string>& rows() const { return rows_; }
    CGRect listFrame() const { return list_; }
    CGRect rowFrame(std::size_t index) const {
        return {{list_.origin.x, list_.origin.y + static_cast<CGFloat>(index) * DropList::kRowHeight},
                {list_.size.width, DropList::kRowHeight}};
    }

    // Hit testing happens once, as a touch starts, which is when a touch beside the list closes it.
    // A touch on the list's own field is the exception: passed on, it would reach the field, which
    // opens the list again. The list keeps that touch and closes as it ends.
    UIViewPtr hitTest(CGPoint p, UIEvent* event) override {
        if (isHidden() || CGRectContainsPoint(list_, p)) return UIView::hitTest(p, event);
        auto owner = owner_.lock();
        if (owner && landsOnAnchor(*owner, p)) return UIView::hitTest(p, event);
        if (owner) owner->hide();
        return nullptr;
    }

    void touchesBegan(const UITouchSet&, UIEvent*) override {}
    void touchesEnded(const UITouchSet& touches, UIEvent*) override {
        auto owner = owner_.lock();
        if (touches.empty() || !owner) return;
        const CGPoint p = touches.front()->locationInView(this);
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (CGRectContainsPoint(rowFrame(i), p)) return owner->picked(static_cast<long>(i));
        if (!CGRectContainsPoint(list_, p)) owner->hide();
    }
    // A touch kept on the anchor closes the list however it ends.
    void touchesCancelled(const UITouchSet& touches, UIEvent*) override {
        auto owner = owner_.lock();
        if (touches.empty() || !owner) return;
        if (!CGRectContainsPoint(list_, touches.front()->locationInView(this))) owner->hide();
    }

    void drawRect(CGRect) override {
        CGContextRef context = UIGraphicsGetCurrentContext();
        if (!context) return;
        CGContext& cg = *context;
        cg.saveGState();
        cg.setShadow({0, 2}, 8, UIColor::colorWithWhite(0, 0.25));
        cg.setFillColor(UIColor::whiteColor());
        cg.beginPath();
        cg.addRoundedRect(list_, 4);
        cg.fillPath();
        cg.restoreGState();
        TextStyle style;
        style.font = font_;
        style.textColor = UIColor::colorWithWhite(0.1, 1);
        style.numberOfLines = 1;
        style.lineBreakMode = NSLineBreakMode::ByTruncatingTail;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const CGRect row = rowFrame(i);
            if (i > 0) {
                cg.setFillColor(UIColor::colorWithWhite(0.88, 1));
                cg.fillRect({{row.origin.x + kTextInset, row.origin.y}, {row.size.width - kTextInset, 0.5}});
            }
            CGRect text = CGRectInset(row, kTextInset, 0);
            const CGFloat lineHeight = font_ ? font_->lineHeight() : 17;
            text.origin.y += std::max<CGFloat>(0, (text.size.height - lineHeight) / 2);
            TextLayout::drawText(cg, rows_[i], style, text);
        }
    }

  private:
    // Whether a touch at `p` would reach the anchor or the field it marks: the anchor, a view inside it,
    // or a view of its box drawn behind it (an anchor that takes no touches lies over its field). A
    // view drawn in front of the anchor, or of another box or window, covers it.
    bool landsOnAnchor(const DropList& owner, CGPoint p) const {
        auto anchor = owner.anchorView();
        if (!anchor || !anchor->window() ||
            !anchor->pointInside(anchor->convertPointFromView(p, this), nullptr))
            return false;
        const UIView* box = anchor->superview();
        const UIViewPtr beneath = viewBeneath(convertPointToView(p, nullptr));
        const UIView* reached = beneath.get();
        while (reached && reached != anchor.get() && reached->superview() != box)
            reached = reached->superview();
        if (!reached || reached == anchor.get() || !box) return reached == anchor.get();
        const auto& siblings = box->subviews();
        const auto at = [&](const UIView* v) {
            return std::find_if(siblings.begin(), siblings.end(),
                                [v](const UIViewPtr& s) { return s.get() == v; });
        };
        return at(reached) < at(anchor.get());
    }

    // What a touch at a screen point would reach were the list's window not there.
    UIViewPtr viewBeneath(CGPoint screenPoint) const {
        const auto windows = UIApplication::sharedApplication()->windows();
        auto below = std::find_if(windows.rbegin(), windows.rend(),
                                  [this](const UIWindowPtr& w) { return w.get() == window(); });
        if (below == windows.rend()) return nullptr;
        for (++below; below != windows.rend(); ++below) {
            const UIWindow& w = **below;
            const CGPoint local{screenPoint.x - w.frame().origin.x + w.bounds().origin.x,
                                screenPoint.y - w.frame().origin.y + w.bounds().origin.y};
            if (auto hit = (*below)->hitTest(local, nullptr)) return hit;
        }
        return nullptr;
    }

    std::weak_ptr<DropList> owner_;
    std::vector<std::string> rows_;
    CGRect list_;
    UIFontPtr font_;
};

UIFontPtr DropList::Appearance::textFont() const {
    return textFont_ ? textFont_ : UIFont::systemFontOfSize(15);
}

void DropList::Appearance::setTextFont(UIFontPtr font) {
    textFont_ = std::move(font);
}

DropList::Appearance& DropList::appearance() {
    static Appearance shared;
    return shared;
}

DropList::DropList() = default;

DropList::~DropList() {
    hide();
}

bool DropList::show() {
    auto anchor = anchor_.lock();
    if (!anchor || !anchor->window()) return false;
    const CGRect screen = UIScreen::mainScreen()->bounds();
    const CGRect a = anchor->convertRectToView(anchor->bounds(), nullptr);
    const CGFloat wanted = static_cast<CGFloat>(dataSource.size()) * kRowHeight;
    const CGFloat belowTop = a.origin.y + bottomOffset.y;
    const CGFloat aboveBottom = CGRectGetMaxY(a) + topOffset.y;
    const CGFloat roomBelow = std::max<CGFloat>(0, CGRectGetMaxY(screen) - belowTop);
    const CGFloat roomAbove = std::max<CGFloat>(0, aboveBottom - screen.origin.y);
    bool down = direction == Direction::bottom;
    if (direction == Direction::any)
        down = wanted <= roomBelow || (wanted > roomAbove && roomBelow >= roomAbove);
    const std::size_t fitting =
        std::min(dataSource.size(), static_cast<std::size_t>((down ? roomBelow : roomAbove) / kRowHeight));
    const CGFloat height = static_cast<CGFloat>(fitting) * kRowHeight;
    const CGFloat x = a.origin.x + (down ? bottomOffset.x : topOffset.x);
    const CGRect list{{x, down ? belowTop : aboveBottom - height}, {a.size.width, height}};

    hide();
    auto window = std::make_shared<DropListWindow>();
    window->setWindowLevel(kListLevel);
    window->setBackgroundColor(UIColor::clearColor());
    auto self = std::static_pointer_cast<DropList>(shared_from_this());
    auto view = std::make_shared<DropListView>(
        self, std::vector<std::string>(dataSource.begin(), dataSource.begin() + static_cast<long>(fitting)),
        list, appearance().textFont());
    view->setFrame(window->bounds());
    window->addSubview(view);
    window->setHidden(false);
    window_ = window;
    listView_ = view;
    lastShown() = self;
    return true;
}

void DropList::hide() {
    if (auto window = window_.lock()) window->setHidden(true);
    window_.reset();
    if (listView_) listView_->removeFromSuperview();
    listView_.reset();
}

bool DropList::isVisible() const {
    return !window_.expired();
}

void DropList::picked(long index) {
    // Close first, so that the action may show the list again; the title is the row the user saw.
    auto keepAlive = shared_from_this();
    const std::string title =
        std::static_pointer_cast<DropListView>(listView_)->rows().at(static_cast<std::size_t>(index));
    hide();
    if (selectionAction) selectionAction(index, title);
}

DropListPtr DropList::visibleList() {
    auto list = lastShown().lock();
    return list && list->isVisible() ? list : nullptr;
}

std::vector<std::string> DropList::rows() const {
    if (!isVisible() || !listView_) return {};
    return std::static_pointer_cast<DropListView>(listView_)->rows();
}

std::optional<CGRect> DropList::rowFrame(long index) const {
    if (!isVisible() || !listView_ || index < 0) return std::nullopt;
    auto view = std::static_pointer_cast<DropListView>(listView_);
    if (static_cast<std::size_t>(index) >= view->rows().size()) return std::nullopt;
    return view->convertRectToView(view->rowFrame(static_cast<std::size_t>(index)), nullptr);
}

std::optional<CGRect> DropList::listFrame() const {
    if (!isVisible() || !listView_) return std::nullopt;
    auto view = std::static_pointer_cast<DropListView>(listView_);
    return view->convertRectToView(view->listFrame(), nullptr);
}

bool DropList::select(long index) {
    auto frame = rowFrame(index);
    return frame && kits::tapAtScreenPoint({CGRectGetMidX(*frame), CGRectGetMidY(*frame)});
}

bool DropList::tapOutside() {
    auto list = listFrame();
    if (!list) return false;
    const CGRect screen = UIScreen::mainScreen()->bounds();
    // A corner of the screen the list does not cover.
    for (CGPoint p : {CGPoint{screen.origin.x + 2, screen.origin.y + 2},
                      CGPoint{CGRectGetMaxX(screen) - 2, CGRectGetMaxY(screen) - 2}})
        if (!CGRectContainsPoint(*list, p)) {
            kits::tapAtScreenPoint(p);
            return true;
        }
    return false;
}

void DropList::reset() {
    if (auto list = lastShown().lock()) list->hide();
    lastShown().reset();
    appearance().setTextFont(nullptr);
}

}  // namespace fv
