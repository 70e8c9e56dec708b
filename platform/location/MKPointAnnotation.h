#pragma once
// A plain annotation with settable coordinate, title and subtitle.
#include <memory>

#include "platform/foundation/NSObject.h"
#include "platform/location/MKAnnotation.h"

namespace fv {

class MKPointAnnotation : public NSObject, public MKAnnotation {
    FV_CLASS(MKPointAnnotation, NSObject)
    static std::shared_ptr<MKPointAnnotation> create(CLLocationCoordinate2D coordinate,
                                                     std::optional<std::string> title = {},
                                                     std::optional<std::string> subtitle = {}) {
        auto a = std::make_shared<MKPointAnnotation>();
        a->coordinate_ = coordinate;
        a->title_ = std::move(title);
        a->subtitle_ = std::move(subtitle);
        return a;
    }

    CLLocationCoordinate2D coordinate() const override { return coordinate_; }
    void setCoordinate(CLLocationCoordinate2D coordinate) { coordinate_ = coordinate; }
    std::optional<std::string> title() const override { return title_; }
    void setTitle(std::optional<std::string> title) { title_ = std::move(title); }
    std::optional<std::string> subtitle() const override { return subtitle_; }
    void setSubtitle(std::optional<std::string> subtitle) { subtitle_ = std::move(subtitle); }

  private:
    CLLocationCoordinate2D coordinate_;
    std::optional<std::string> title_, subtitle_;
};

}  // namespace fv
