#include "platform/location/MKAnnotationView.h"

#include <algorithm>
#include <numbers>

#include "platform/location/MKMapView.h"
#include "platform/location/MKUserLocation.h"

namespace fv {

FV_REGISTER_CLASS(MKAnnotationView);

namespace {

constexpr CGSize kPinSize{24, 36};
// The user's view leaves room around its 14-point dot for the heading beam.
constexpr CGSize kUserViewSize{44, 44};
constexpr CGFloat kUserDotDiameter = 14;
constexpr double kBeamHalfWidth = 25 * std::numbers::pi / 180;

}  // namespace

void MKAnnotationView::registerMembers(ClassBuilder<MKAnnotationView>& b) {
    b.property("canShowCallout", &MKAnnotationView::canShowCallout, &MKAnnotationView::setCanShowCallout);
}

std::shared_ptr<MKAnnotationView> MKAnnotationView::create(const MKAnnotationPtr& annotation,
                                                           const std::string& reuseIdentifier) {
    auto view = std::make_shared<MKAnnotationView>();
    view->annotation_ = annotation;
    view->reuseIdentifier_ = reuseIdentifier;
    view->setBackgroundColor(UIColor::clearColor());
    view->sizeToFit();
    return view;
}

void MKAnnotationView::setAnnotation(MKAnnotationPtr annotation) {
    annotation_ = std::move(annotation);
    setNeedsDisplay();
}

void MKAnnotationView::setImage(UIImagePtr image) {
    image_ = std::move(image);
    sizeToFit();
    setNeedsDisplay();
}

void MKAnnotationView::setSelected(bool selected, bool) {
    selected_ = selected;
    setNeedsDisplay();
}

bool MKAnnotationView::marksUser() const {
    return std::dynamic_pointer_cast<MKUserLocation>(annotation_) != nullptr;
}

CGSize MKAnnotationView::sizeThatFits(CGSize) const {
    if (image_ && !image_->isEmpty()) return image_->size();
    return marksUser() ? kUserViewSize : kPinSize;
}

void MKAnnotationView::drawRect(CGRect) {
    auto context = UIGraphicsGetCurrentContext();
    if (!context) return;
    const CGRect b = bounds();
    if (image_ && !image_->isEmpty()) {
        image_->drawInRect(b);
        return;
    }
    if (marksUser()) {
        drawUser(*context, b);
        return;
    }
    // A round head over a point at the bottom centre, where the annotation lies.
    const double w = b.size.width, r = w / 2 - 1;
    const CGPoint head{b.origin.x + w / 2, b.origin.y + r + 1};
    context->beginPath();
    context->moveToPoint({head.x, b.origin.y + b.size.height});
    context->addArc(head, r, 2.5, 0.64 + 2 * 3.14159265358979, true);
    context->closePath();
    context->setFillColor(selected_ ? UIColor::colorWithRed(0.75, 0.1, 0.1, 1)
                                    : UIColor::colorWithRed(0.9, 0.2, 0.2, 1));
    context->fillPath();
    context->setFillColor(UIColor::whiteColor());
    context->fillEllipseInRect({head.x - r * 0.4, head.y - r * 0.4, r * 0.8, r * 0.8});
}

void MKAnnotationView::drawUser(CGContext& context, CGRect b) const {
    const CGPoint centre{CGRectGetMidX(b), CGRectGetMidY(b)};
    const auto user = std::dynamic_pointer_cast<MKUserLocation>(annotation_);
    if (const auto& heading = user->heading();
        heading && heading->headingAccuracy() >= 0 && heading->trueHeading() >= 0) {
        // Degrees clockwise from north, where north is up; on screen angles start at +x.
        const double towards = heading->trueHeading() * std::numbers::pi / 180 - std::numbers::pi / 2;
        context.beginPath();
        context.moveToPoint(centre);
        context.addArc(centre, std::min(b.size.width, b.size.height) / 2, towards - kBeamHalfWidth,
                       towards + kBeamHalfWidth, true);
        context.closePath();
        context.setFillColor(UIColor::colorWithRed(0.0, 0.48, 1.0, 0.35));
        context.fillPath();
    }
    const CGRect dot{centre.x - kUserDotDiameter / 2, centre.y - kUserDotDiameter / 2, kUserDotDiameter,
                     kUserDotDiameter};
    context.setFillColor(UIColor::whiteColor());
    context.fillEllipseInRect(dot);
    context.setFillColor(UIColor::colorWithRed(0.0, 0.48, 1.0, 1));
    context.fillEllipseInRect(CGRectInset(dot, 3, 3));
}

void MKAnnotationView::touchesEnded(const UITouchSet&, UIEvent*) {
    if (auto* map = dynamic_cast<MKMapView*>(superview())) map->annotationViewTapped(*this);
}

}  // namespace fv
