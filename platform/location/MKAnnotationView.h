#pragma once
// The view that marks an annotation on a map: its image, or a drawn pin (a blue dot for the user's
// own location) when it has none. The map places it so that the point of the annotation lies at the
// view's centre moved by `centerOffset`.
#include <memory>
#include <string>

#include "platform/location/MKAnnotation.h"
#include "platform/ui/UIView.h"

namespace fv {

class MKAnnotationView : public UIView {
    FV_CLASS(MKAnnotationView, UIView)
    static void registerMembers(ClassBuilder<MKAnnotationView>& b);
    // initWithAnnotation:reuseIdentifier: sized to fit its content.
    static std::shared_ptr<MKAnnotationView> create(const MKAnnotationPtr& annotation,
                                                    const std::string& reuseIdentifier);

    const MKAnnotationPtr& annotation() const { return annotation_; }
    void setAnnotation(MKAnnotationPtr annotation);
    const std::string& reuseIdentifier() const { return reuseIdentifier_; }

    // Setting an image sizes the view to it.
    const UIImagePtr& image() const { return image_; }
    void setImage(UIImagePtr image);
    bool canShowCallout() const { return canShowCallout_; }
    void setCanShowCallout(bool can) { canShowCallout_ = can; }
    CGPoint centerOffset() const { return centerOffset_; }
    void setCenterOffset(CGPoint offset) { centerOffset_ = offset; }
    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected, bool animated = false);

    // The image's size, else the drawn pin's (for the user's location, room for a 14-point dot and
    // its heading beam).
    CGSize sizeThatFits(CGSize size) const override;
    void drawRect(CGRect rect) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;

    MKAnnotationView() = default;

  private:
    bool marksUser() const;
    // The blue dot, under a beam along the user's heading when one is known.
    void drawUser(CGContext& context, CGRect bounds) const;

    MKAnnotationPtr annotation_;
    std::string reuseIdentifier_;
    UIImagePtr image_;
    bool canShowCallout_ = false;
    CGPoint centerOffset_ = CGPointZero;
    bool selected_ = false;
};
using MKAnnotationViewPtr = std::shared_ptr<MKAnnotationView>;

}  // namespace fv
