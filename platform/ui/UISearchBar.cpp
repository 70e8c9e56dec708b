#include "platform/ui/UISearchBar.h"

#include "platform/graphics/GraphicsContext.h"
#include "platform/ui/ControlProperties.h"

namespace fv {

FV_REGISTER_CLASS(UISearchBar);

namespace {
constexpr CGFloat kFieldHeight = 36;
constexpr CGFloat kMargin = 8;
constexpr CGFloat kCancelWidth = 64;
}  // namespace

// The search field's delegate and the target of its events; owned by the bar, which it points back to.
class UISearchBarRelay : public NSObject, public UITextFieldDelegate {
    FV_CLASS(UISearchBarRelay, NSObject)
    static void registerMembers(ClassBuilder<UISearchBarRelay>& b) {
        b.action("textChanged",
                 std::function<void(UISearchBarRelay&, NSObject*)>([](UISearchBarRelay& r, NSObject*) {
                     if (auto d = r.bar->delegate())
                         d->searchBarTextDidChange(r.bar, r.bar->text().value_or(""));
                 }));
        b.action("cancelTapped",
                 std::function<void(UISearchBarRelay&, NSObject*)>([](UISearchBarRelay& r, NSObject*) {
                     if (auto d = r.bar->delegate()) d->searchBarCancelButtonClicked(r.bar);
                 }));
    }
    explicit UISearchBarRelay(UISearchBar* owner) : bar(owner) {}

    bool textFieldShouldBeginEditing(UITextField*) override {
        auto d = bar->delegate();
        return !d || d->searchBarShouldBeginEditing(bar);
    }
    void textFieldDidBeginEditing(UITextField*) override {
        if (auto d = bar->delegate()) d->searchBarTextDidBeginEditing(bar);
    }
    bool textFieldShouldEndEditing(UITextField*) override {
        auto d = bar->delegate();
        return !d || d->searchBarShouldEndEditing(bar);
    }
    void textFieldDidEndEditing(UITextField*) override {
        if (auto d = bar->delegate()) d->searchBarTextDidEndEditing(bar);
    }
    bool textFieldShouldChangeCharactersInRange(UITextField*, NSRange range, const std::string& s) override {
        auto d = bar->delegate();
        return !d || d->searchBarShouldChangeTextInRange(bar, range, s);
    }
    // Return searches; the bar keeps the focus.
    bool textFieldShouldReturn(UITextField*) override {
        if (auto d = bar->delegate()) d->searchBarSearchButtonClicked(bar);
        return false;
    }

    UISearchBar* bar;
};

void UISearchBar::registerMembers(ClassBuilder<UISearchBar>& b) {
    b.property("text", &UISearchBar::text, &UISearchBar::setText);
    b.property("placeholder", &UISearchBar::placeholder, &UISearchBar::setPlaceholder);
    b.property(
        "showsCancelButton", [](UISearchBar& s) { return Value(s.showsCancelButton()); },
        [](UISearchBar& s, const Value& v) {
            if (!v.isBool() && !v.isNumber()) return false;
            s.setShowsCancelButton(v.boolValue());
            return true;
        });
    colorProperty(
        b, "barTintColor", [](UISearchBar& s) { return s.barTintColor(); },
        [](UISearchBar& s, UIColorPtr c) { s.setBarTintColor(c); });
    b.object(
        "searchField", [](UISearchBar& s) -> NSObjectPtr { return s.searchField(); }, nullptr);
    b.object(
        "clearButton", [](UISearchBar& s) -> NSObjectPtr { return s.clearButton(); }, nullptr);
    b.object(
        "cancelButton", [](UISearchBar& s) -> NSObjectPtr { return s.cancelButton(); }, nullptr);
    b.object(
        "delegate", [](UISearchBar& s) { return std::dynamic_pointer_cast<NSObject>(s.delegate()); },
        [](UISearchBar& s, const NSObjectPtr& o) {
            auto delegate = std::dynamic_pointer_cast<UISearchBarDelegate>(o);
            if (o && !delegate) return false;
            s.setDelegate(delegate);
            return true;
        });
}

UISearchBarPtr UISearchBar::create(CGRect frame) {
    return std::make_shared<UISearchBar>(frame);
}

UISearchBar::UISearchBar() : UISearchBar(CGRectZero) {}

UISearchBar::UISearchBar(CGRect frame)
    : UIView(frame),
      searchField_(std::make_shared<UITextField>()),
      cancelButton_(UIButton::buttonWithType(UIButtonTypeSystem)),
      relay_(std::make_shared<UISearchBarRelay>(this)) {
    searchField_->setBorderStyle(UITextBorderStyleRoundedRect);
    searchField_->setFont(UIFont::systemFontOfSize(14));
    searchField_->setReturnKeyType(UIReturnKeySearch);
    searchField_->setClearButtonMode(UITextFieldViewModeAlways);
    searchField_->setDelegate(relay_);
    searchField_->addTarget(relay_, "textChanged", UIControlEventEditingChanged);
    addSubview(searchField_);
    cancelButton_->setTitle("Cancel", UIControlStateNormal);
    cancelButton_->addTarget(relay_, "cancelTapped", UIControlEventTouchUpInside);
    cancelButton_->setHidden(true);
    addSubview(cancelButton_);
}

UISearchBar::~UISearchBar() {
    // The field may outlive the bar; it must not reach back into it.
    searchField_->setDelegate(nullptr);
    searchField_->removeTarget(relay_, "", UIControlEventAllEvents);
}

std::optional<std::string> UISearchBar::text() const {
    return searchField_->text();
}

void UISearchBar::setText(const std::optional<std::string>& text) {
    searchField_->setText(text);
}

std::optional<std::string> UISearchBar::placeholder() const {
    return searchField_->placeholder();
}

void UISearchBar::setPlaceholder(const std::optional<std::string>& placeholder) {
    searchField_->setPlaceholder(placeholder);
}

void UISearchBar::setShowsCancelButton(bool shows, bool) {
    showsCancelButton_ = shows;
    cancelButton_->setHidden(!shows);
    setNeedsLayout();
}

void UISearchBar::setBarTintColor(UIColorPtr color) {
    barTintColor_ = std::move(color);
    setNeedsDisplay();
}

bool UISearchBar::becomeFirstResponder() {
    return searchField_->becomeFirstResponder();
}

bool UISearchBar::resignFirstResponder() {
    return searchField_->resignFirstResponder();
}

bool UISearchBar::isFirstResponder() const {
    return searchField_->isFirstResponder();
}

void UISearchBar::layoutSubviews() {
    CGRect b = bounds();
    CGFloat right = CGRectGetMaxX(b) - kMargin;
    if (showsCancelButton_) {
        cancelButton_->setFrame({{right - kCancelWidth, b.origin.y}, {kCancelWidth, b.size.height}});
        right -= kCancelWidth + kMargin;
    }
    CGFloat x = b.origin.x + kMargin;
    searchField_->setFrame({{x, b.origin.y + (b.size.height - kFieldHeight) / 2},
                            {std::max<CGFloat>(0, right - x), kFieldHeight}});
}

CGSize UISearchBar::sizeThatFits(CGSize size) const {
    return {size.width > 0 ? size.width : bounds().size.width, kHeight};
}

void UISearchBar::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    context->setFillColor(barTintColor_ ? barTintColor_ : UIColor::colorWithWhite(0.79, 1));
    context->fillRect(bounds());
}

}  // namespace fv
