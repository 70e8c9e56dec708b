#include "controls/SlidingButton.h"

#include <cmath>
#include <type_traits>
#include <utility>

#include "platform/ui/ControlProperties.h"
#include "platform/ui/UIPanGestureRecognizer.h"

namespace fv {
namespace {

// This text shows on the track only; the knob then shows its icon alone.
constexpr const char* kTrackOnlyText = "SLIDE TO TRANSFER";
constexpr double kThrowProjection = 0.2;  // seconds of the release speed the knob is projected by
constexpr double kSettlePerSpeed = 0.0002;

UIFontPtr defaultButtonFont() {
    return UIFont::boldSystemFontOfSize(17.0);
}

template <typename Get, typename Set>
void viewMember(ClassBuilder<SlidingButton>& b, const std::string& name, Get get, Set set) {
    using View = typename std::remove_cvref_t<decltype(get(std::declval<SlidingButton&>()))>::element_type;
    b.object(
        name, [get](SlidingButton& s) -> NSObjectPtr { return get(s); },
        [set](SlidingButton& s, const NSObjectPtr& o) {
            auto view = std::dynamic_pointer_cast<View>(o);
            // The style code relies on every view being there.
            if (!view) return false;
            set(s, view);
            return true;
        });
}

}  // namespace

FV_REGISTER_CLASS(SlidingButton);

void SlidingButton::registerMembers(ClassBuilder<SlidingButton>& b) {
    b.property("dragPointWidth", &SlidingButton::dragPointWidth, &SlidingButton::setDragPointWidth);
    colorProperty(
        b, "dragPointColor", [](SlidingButton& s) { return s.dragPointColor(); },
        [](SlidingButton& s, UIColorPtr c) { s.setDragPointColor(std::move(c)); });
    colorProperty(
        b, "buttonColor", [](SlidingButton& s) { return s.buttonColor(); },
        [](SlidingButton& s, UIColorPtr c) { s.setButtonColor(std::move(c)); });
    b.property("buttonText", &SlidingButton::buttonText, &SlidingButton::setButtonText);
    imageProperty(b, "imageName",
                  [](SlidingButton& s, UIImagePtr image) { s.setImageName(std::move(image)); });
    colorProperty(
        b, "buttonTextColor", [](SlidingButton& s) { return s.buttonTextColor(); },
        [](SlidingButton& s, UIColorPtr c) { s.setButtonTextColor(std::move(c)); });
    colorProperty(
        b, "dragPointTextColor", [](SlidingButton& s) { return s.dragPointTextColor(); },
        [](SlidingButton& s, UIColorPtr c) { s.setDragPointTextColor(std::move(c)); });
    colorProperty(
        b, "buttonUnlockedTextColor", [](SlidingButton& s) { return s.buttonUnlockedTextColor(); },
        [](SlidingButton& s, UIColorPtr c) { s.setButtonUnlockedTextColor(std::move(c)); });
    b.property("buttonCornerRadius", &SlidingButton::buttonCornerRadius,
               &SlidingButton::setButtonCornerRadius);
    b.property("buttonUnlockedText", &SlidingButton::buttonUnlockedText,
               &SlidingButton::setButtonUnlockedText);
    colorProperty(
        b, "buttonUnlockedColor", [](SlidingButton& s) { return s.buttonUnlockedColor(); },
        [](SlidingButton& s, UIColorPtr c) { s.setButtonUnlockedColor(std::move(c)); });
    fontProperty(
        b, "buttonFont", [](SlidingButton& s) { return s.buttonFont(); },
        [](SlidingButton& s, UIFontPtr f) { s.setButtonFont(std::move(f)); });
    viewMember(
        b, "dragPoint", [](SlidingButton& s) { return s.dragPoint(); },
        [](SlidingButton& s, UIViewPtr v) { s.setDragPoint(std::move(v)); });
    viewMember(
        b, "buttonLabel", [](SlidingButton& s) { return s.buttonLabel(); },
        [](SlidingButton& s, UILabelPtr v) { s.setButtonLabel(std::move(v)); });
    viewMember(
        b, "dragPointButtonLabel", [](SlidingButton& s) { return s.dragPointButtonLabel(); },
        [](SlidingButton& s, UILabelPtr v) { s.setDragPointButtonLabel(std::move(v)); });
    viewMember(
        b, "imageView", [](SlidingButton& s) { return s.imageView(); },
        [](SlidingButton& s, UIImageViewPtr v) { s.setImageView(std::move(v)); });
    b.property("unlocked", &SlidingButton::unlocked, &SlidingButton::setUnlocked);
    b.property("layoutSet", &SlidingButton::layoutSet, &SlidingButton::setLayoutSet);
    b.action("panDetectedWithSender:", &SlidingButton::panDetected);
}

SlidingButtonPtr SlidingButton::create(CGRect frame) {
    return std::make_shared<SlidingButton>(frame);
}

SlidingButton::SlidingButton() : SlidingButton(CGRectZero) {}

SlidingButton::SlidingButton(CGRect frame)
    : UIView(frame),
      dragPointColor_(UIColor::darkGrayColor()),
      buttonColor_(UIColor::grayColor()),
      imageName_(std::make_shared<UIImage>()),
      buttonTextColor_(UIColor::whiteColor()),
      dragPointTextColor_(UIColor::whiteColor()),
      buttonUnlockedTextColor_(UIColor::whiteColor()),
      buttonUnlockedColor_(UIColor::blackColor()),
      buttonFont_(defaultButtonFont()),
      dragPoint_(UIView::create()),
      buttonLabel_(UILabel::create()),
      dragPointButtonLabel_(UILabel::create()),
      imageView_(UIImageView::create()) {}

SlidingButton::~SlidingButton() = default;

void SlidingButton::setDragPointWidth(CGFloat width) {
    dragPointWidth_ = width;
    setStyle();
}

void SlidingButton::setButtonText(const std::string& text) {
    buttonText_ = text;
    setStyle();
}

void SlidingButton::setImageName(UIImagePtr image) {
    imageName_ = image ? std::move(image) : std::make_shared<UIImage>();
}

void SlidingButton::setButtonUnlockedTextColor(UIColorPtr color) {
    buttonUnlockedTextColor_ = std::move(color);
    setStyle();
}

void SlidingButton::setButtonCornerRadius(CGFloat radius) {
    buttonCornerRadius_ = radius;
    setStyle();
}

void SlidingButton::setButtonFont(UIFontPtr font) {
    buttonFont_ = font ? std::move(font) : defaultButtonFont();
}

bool SlidingButton::keepsLockedKnobText() const {
    return buttonText_ == kTrackOnlyText;
}

void SlidingButton::layoutSubviews() {
    if (layoutSet_) return;
    setUpButton();
    layoutSet_ = true;
}

void SlidingButton::setUpButton() {
    const CGFloat w = bounds().size.width, h = bounds().size.height;
    setBackgroundColor(buttonColor_);

    dragPoint_ = UIView::create(CGRectMake(restX(), 0, w, h));
    dragPoint_->setBackgroundColor(dragPointColor_);
    dragPoint_->layer()->cornerRadius = buttonCornerRadius_;
    addSubview(dragPoint_);

    if (!buttonText_.empty()) {
        buttonLabel_ = UILabel::create(CGRectMake(0, 0, w, h));
        buttonLabel_->setTextAlignment(NSTextAlignment::Center);
        buttonLabel_->setText(buttonText_);
        buttonLabel_->setFont(buttonFont_);
        buttonLabel_->setTextColor(buttonTextColor_);
        addSubview(buttonLabel_);

        dragPointButtonLabel_ = UILabel::create(CGRectMake(0, 0, w, h));
        dragPointButtonLabel_->setTextAlignment(NSTextAlignment::Center);
        if (!keepsLockedKnobText()) dragPointButtonLabel_->setText(buttonText_);
        dragPointButtonLabel_->setFont(buttonFont_);
        dragPointButtonLabel_->setTextColor(dragPointTextColor_);
        dragPoint_->addSubview(dragPointButtonLabel_);
    }
    bringSubviewToFront(dragPoint_.get());

    if (!imageName_->isEqual(UIImage())) {
        imageView_ = UIImageView::create(CGRectMake(w - dragPointWidth_, 0, dragPointWidth_, h));
        imageView_->setContentMode(UIViewContentModeCenter);
        imageView_->setImage(imageName_);
        dragPoint_->addSubview(imageView_);
    }

    setClipsToBounds(true);

    auto pan = std::make_shared<UIPanGestureRecognizer>();
    pan->addTarget(this, "panDetectedWithSender:");
    pan->setMinimumNumberOfTouches(1);
    dragPoint_->addGestureRecognizer(pan);
}

void SlidingButton::setStyle() {
    buttonLabel_->setText(buttonText_);
    dragPointButtonLabel_->setText(buttonText_);
    CGRect knob = dragPoint_->frame();
    if (layoutSet_) {
        // Once built, the knob stays as wide as the control so that only its end shows at rest.
        knob.origin.x = unlocked_ ? 0 : restX();
        knob.size.width = bounds().size.width;
    } else {
        knob.size.width = dragPointWidth_;
    }
    dragPoint_->setFrame(knob);
    dragPoint_->setBackgroundColor(dragPointColor_);
    setBackgroundColor(buttonColor_);
    imageView_->setImage(imageName_);
    buttonLabel_->setTextColor(buttonTextColor_);
    dragPointButtonLabel_->setTextColor(dragPointTextColor_);
    dragPoint_->layer()->cornerRadius = buttonCornerRadius_;
    layer()->cornerRadius = buttonCornerRadius_;
}

void SlidingButton::panDetected(UIPanGestureRecognizer* sender) {
    if (!sender) return;
    const CGFloat t = sender->translationInView(this).x;
    const CGFloat w = bounds().size.width;
    if (UIView* knob = sender->view()) {
        CGRect frame = knob->frame();
        frame.origin.x = t - (w - dragPointWidth_);
        knob->setFrame(frame);
    }
    if (sender->state() != UIGestureRecognizerStateEnded) return;

    const double v = sender->velocityInView(this).x;
    const double projected = t + kThrowProjection * v;
    if (projected >= 0 && projected + dragPointWidth_ > w - kUnlockMargin) {
        unlocked_ = true;
        unlock();
    }
    // A knob released short stays put while the throw settles, then slides back.
    const double settle = kSlideDuration + std::fabs(kThrowProjection * v * kSettlePerSpeed);
    transition(
        settle, [] {}, [](SlidingButton& s) { s.animationFinished(); });
}

void SlidingButton::animationFinished() {
    if (!unlocked_) reset();
}

void SlidingButton::unlock() {
    transition(
        kSlideDuration,
        [this] {
            const CGRect knob = dragPoint_->frame();
            dragPoint_->setFrame(
                CGRectMake(bounds().size.width - knob.size.width, 0, knob.size.width, knob.size.height));
        },
        [](SlidingButton& s) {
            s.dragPointButtonLabel_->setText(s.buttonUnlockedText_);
            s.imageView_->setHidden(true);
            s.dragPoint_->setBackgroundColor(s.buttonUnlockedColor_);
            s.dragPointButtonLabel_->setTextColor(s.buttonUnlockedTextColor_);
            if (auto delegate = s.delegate()) delegate->buttonStatus("Unlocked", &s);
        });
}

void SlidingButton::reset() {
    transition(
        kSlideDuration,
        [this] {
            const CGRect knob = dragPoint_->frame();
            dragPoint_->setFrame(CGRectMake(restX(), 0, knob.size.width, knob.size.height));
        },
        [](SlidingButton& s) {
            if (!s.keepsLockedKnobText()) s.dragPointButtonLabel_->setText(s.buttonText_);
            s.imageView_->setHidden(false);
            s.dragPoint_->setBackgroundColor(s.dragPointColor_);
            s.dragPointButtonLabel_->setTextColor(s.dragPointTextColor_);
            s.unlocked_ = false;
        });
}

void SlidingButton::transition(double duration, Animations animations,
                               std::function<void(SlidingButton&)> done) {
    auto self = sharedAs<SlidingButton>();
    if (!self) return;
    // The completion keeps the control alive until the slide has played out, as the platform's
    // blocks do.
    UIView::transitionWithView(self, duration, UIViewAnimationOptionCurveEaseOut, std::move(animations),
                               [self, done = std::move(done)](bool finished) {
                                   if (finished) done(*self);
                               });
}

}  // namespace fv
