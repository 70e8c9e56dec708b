#pragma once
// A two-colour linear gradient across the view: a direction angle, where the colours meet (colour
// ratio) and how soft that edge is (fade intensity), optionally over a light blur with translucent
// colours. Property changes reach the painting layer once the view has drawn for the first time.
#include <memory>

#include "platform/ui/CAGradientLayer.h"
#include "platform/ui/UIVisualEffectView.h"

namespace fv {

// Start and end in the gradient layer's unit square.
struct GradientPoints {
    CGPoint startPoint;
    CGPoint endPoint;
};
inline GradientPoints GradientPointsMake(CGPoint startPoint, CGPoint endPoint) {
    return GradientPoints{startPoint, endPoint};
}

// Where the first colour ends and where the second begins.
struct GradientLocations {
    double firstColor;
    double secondColor;
};
inline GradientLocations GradientLocationsMake(double firstColor, double secondColor) {
    return GradientLocations{firstColor, secondColor};
}

class SoftGradientView;
using SoftGradientViewPtr = std::shared_ptr<SoftGradientView>;

class SoftGradientView : public UIView {
    FV_CLASS(SoftGradientView, UIView)
    static void registerMembers(ClassBuilder<SoftGradientView>& b);
    static SoftGradientViewPtr create(CGRect frame = CGRectZero);
    SoftGradientView();
    explicit SoftGradientView(CGRect frame);

    UIColorPtr firstColor() const { return firstColor_; }
    void setFirstColor(UIColorPtr color);
    UIColorPtr secondColor() const { return secondColor_; }
    void setSecondColor(UIColorPtr color);
    // Stored turned by 45 degrees and reduced into one turn; a non-finite angle is ignored.
    double angleº() const { return angle_; }
    void setAngleº(double degrees);
    // Values outside 0..1 (NaN included) become 0.5.
    double colorRatio() const { return colorRatio_; }
    void setColorRatio(double ratio);
    double fadeIntensity() const { return fadeIntensity_; }
    void setFadeIntensity(double intensity);
    double blurOpacity() const { return blurOpacity_; }
    void setBlurOpacity(double opacity);
    // Takes effect on the next draw.
    bool isBlur() const { return isBlur_; }
    void setIsBlur(bool blur) { isBlur_ = blur; }

    const std::shared_ptr<CAGradientLayer>& gradientLayer() const { return gradientLayer_; }
    const UIVisualEffectViewPtr& blurView() const { return blurView_; }
    // Made on demand from a light blur the size of the view.
    CALayerPtr blurLayer();

    GradientPoints startEndPoints() const;
    GradientLocations locations() const;
    double divider() const;
    UIColorPtr blurColor(const UIColorPtr& color) const;

    void drawRect(CGRect rect) override;

  private:
    void defaultValueToProperties();
    void updateColors();
    void updatePoints();
    void updateLocations();
    void checkBlurStatusAndUpdateOpacity();

    UIColorPtr firstColor_;
    UIColorPtr secondColor_;
    double angle_ = 0;
    double colorRatio_ = 0;
    double fadeIntensity_ = 0;
    bool isBlur_ = false;
    double blurOpacity_ = 0;
    std::shared_ptr<CAGradientLayer> gradientLayer_;
    CALayerPtr blurLayer_;
    UIVisualEffectViewPtr blurView_;
};

}  // namespace fv
