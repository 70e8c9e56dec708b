#include "controls/SoftGradientView.h"

#include <cmath>
#include <utility>

#include "platform/ui/ControlProperties.h"

namespace fv {
namespace {

constexpr double kTurn = 360;
constexpr double kAngleOffset = 45;

double unitOr(double value, double fallback) {
    return (value >= 0 && value <= 1) ? value : fallback;
}

}  // namespace

FV_REGISTER_CLASS(SoftGradientView);

void SoftGradientView::registerMembers(ClassBuilder<SoftGradientView>& b) {
    colorProperty(
        b, "firstColor", [](SoftGradientView& v) { return v.firstColor(); },
        [](SoftGradientView& v, UIColorPtr c) { v.setFirstColor(std::move(c)); });
    colorProperty(
        b, "secondColor", [](SoftGradientView& v) { return v.secondColor(); },
        [](SoftGradientView& v, UIColorPtr c) { v.setSecondColor(std::move(c)); });
    b.property("angleº", &SoftGradientView::angleº, &SoftGradientView::setAngleº);
    b.property("colorRatio", &SoftGradientView::colorRatio, &SoftGradientView::setColorRatio);
    b.property("fadeIntensity", &SoftGradientView::fadeIntensity, &SoftGradientView::setFadeIntensity);
    b.property("isBlur", &SoftGradientView::isBlur, &SoftGradientView::setIsBlur);
    b.property("blurOpacity", &SoftGradientView::blurOpacity, &SoftGradientView::setBlurOpacity);
}

SoftGradientViewPtr SoftGradientView::create(CGRect frame) {
    return std::make_shared<SoftGradientView>(frame);
}

SoftGradientView::SoftGradientView() : SoftGradientView(CGRectZero) {}

SoftGradientView::SoftGradientView(CGRect frame) : UIView(frame) {
    defaultValueToProperties();
    setBackgroundColor(UIColor::clearColor());
}

void SoftGradientView::defaultValueToProperties() {
    firstColor_ = UIColor::whiteColor();
    secondColor_ = UIColor::whiteColor();
    setAngleº(0);
    colorRatio_ = 0.5;
    fadeIntensity_ = 0;
    isBlur_ = false;
    blurOpacity_ = 0;
}

void SoftGradientView::setFirstColor(UIColorPtr color) {
    firstColor_ = std::move(color);
    updateColors();
}

void SoftGradientView::setSecondColor(UIColorPtr color) {
    secondColor_ = std::move(color);
    updateColors();
}

void SoftGradientView::setAngleº(double degrees) {
    if (!std::isfinite(degrees)) return;
    double a = std::fmod(degrees, kTurn);
    if (a < 0) a += kTurn;
    a += kAngleOffset;
    if (a >= kTurn) a -= kTurn;
    angle_ = a;
    updatePoints();
}

void SoftGradientView::setColorRatio(double ratio) {
    colorRatio_ = unitOr(ratio, 0.5);
    updateLocations();
}

void SoftGradientView::setFadeIntensity(double intensity) {
    fadeIntensity_ = unitOr(intensity, 0.5);
    updateLocations();
}

void SoftGradientView::setBlurOpacity(double opacity) {
    blurOpacity_ = unitOr(opacity, 0.5);
    checkBlurStatusAndUpdateOpacity();
}

CALayerPtr SoftGradientView::blurLayer() {
    if (!blurView_) {
        blurView_ =
            UIVisualEffectView::create(UIBlurEffect::effectWithStyle(UIBlurEffectStyleLight), bounds());
        blurLayer_ = blurView_->layer();
    }
    return blurLayer_;
}

GradientPoints SoftGradientView::startEndPoints() const {
    const double q = angle_ / 90;
    double x = 0, y = 0;
    if (q <= 1) {
        x = q;
    } else if (q <= 2) {
        x = 1;
        y = q - 1;
    } else if (q <= 3) {
        x = 1 - (q - 2);
        y = 1;
    } else if (q <= 4) {
        y = 1 - (q - 3);
    }
    return GradientPointsMake(CGPointMake(1 - x, y), CGPointMake(x, 1 - y));
}

double SoftGradientView::divider() const {
    if (colorRatio_ == 0.1) return 10;
    const double r = colorRatio_ < 0.5 ? 1 - colorRatio_ : colorRatio_;
    return 1 / (1 - r);
}

GradientLocations SoftGradientView::locations() const {
    const double d = divider();
    return GradientLocationsMake(colorRatio_ - fadeIntensity_ / d, colorRatio_ + fadeIntensity_ / d);
}

UIColorPtr SoftGradientView::blurColor(const UIColorPtr& color) const {
    return color->colorWithAlphaComponent(0.9 - 0.5 * blurOpacity_);
}

void SoftGradientView::drawRect(CGRect rect) {
    (void)rect;
    if (!gradientLayer_) {
        gradientLayer_ = CAGradientLayer::create();
        gradientLayer_->setFrame(bounds());
        layer()->insertSublayer(gradientLayer_, 0);
    }
    updateColors();
    updatePoints();
    updateLocations();
    checkBlurStatusAndUpdateOpacity();
}

// While the blur shows, a new colour keeps the blur's translucency rather than waiting for a redraw.
void SoftGradientView::updateColors() {
    if (!gradientLayer_) return;
    if (blurLayer_ && blurLayer_->superlayer()) {
        gradientLayer_->colors = {blurColor(firstColor_), blurColor(secondColor_)};
    } else {
        gradientLayer_->colors = {firstColor_, secondColor_};
    }
    gradientLayer_->setNeedsDisplay();
}

void SoftGradientView::updatePoints() {
    if (!gradientLayer_) return;
    const auto points = startEndPoints();
    gradientLayer_->startPoint = points.startPoint;
    gradientLayer_->endPoint = points.endPoint;
    gradientLayer_->setNeedsDisplay();
}

void SoftGradientView::updateLocations() {
    if (!gradientLayer_) return;
    const auto at = locations();
    gradientLayer_->locations = {at.firstColor, at.secondColor};
    gradientLayer_->setNeedsDisplay();
}

void SoftGradientView::checkBlurStatusAndUpdateOpacity() {
    if (!gradientLayer_) return;
    if (isBlur_) {
        gradientLayer_->colors = {blurColor(firstColor_), blurColor(secondColor_)};
        layer()->insertSublayerBelow(blurLayer(), gradientLayer_.get());
    } else if (blurLayer_) {
        blurLayer_->removeFromSuperlayer();
        blurLayer_.reset();
        blurView_.reset();
        updateColors();
    }
    gradientLayer_->setNeedsDisplay();
}

}  // namespace fv
