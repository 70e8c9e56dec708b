#pragma once
// The base of capture outputs: the session it belongs to and its connections to the session's inputs.
#include <memory>
#include <string>
#include <vector>

#include "platform/camera/AVCaptureConnection.h"

namespace fv {

class AVCaptureSession;

class AVCaptureOutput : public NSObject {
    FV_CLASS(AVCaptureOutput, NSObject)
    const std::vector<AVCaptureConnectionPtr>& connections() const { return connections_; }
    // The first enabled connection carrying a port of that media type, or none.
    AVCaptureConnectionPtr connectionWithMediaType(const std::string& mediaType) const;
    std::shared_ptr<AVCaptureSession> session() const { return session_.lock(); }

  private:
    friend class AVCaptureSession;
    std::vector<AVCaptureConnectionPtr> connections_;
    std::weak_ptr<AVCaptureSession> session_;
};
using AVCaptureOutputPtr = std::shared_ptr<AVCaptureOutput>;

}  // namespace fv
