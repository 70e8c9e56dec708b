#pragma once
// A camera of the device, and the camera permission. Both come from the CameraProvider a host or test
// sets; resetForTesting puts a fresh default provider back.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/camera/AVCaptureTypes.h"
#include "platform/camera/CameraProvider.h"
#include "platform/foundation/NSObject.h"

namespace fv {

class AVCaptureDevice;
using AVCaptureDevicePtr = std::shared_ptr<AVCaptureDevice>;

class AVCaptureDevice : public NSObject {
    FV_CLASS(AVCaptureDevice, NSObject)
    AVCaptureDevice(AVCaptureDevicePosition position, std::string mediaType);

    // ---- permission ----
    static AVAuthorizationStatus authorizationStatusForMediaType(const std::string& mediaType);
    // Shows the system prompt while the status is not determined, remembers the answer, and calls
    // `handler` with whether access is granted, on the camera's own queue (never the main thread,
    // never inside this call). The handler is kept, with what it holds, until it has run, and is then
    // released on the main queue.
    static void requestAccessForMediaType(const std::string& mediaType,
                                          std::function<void(bool granted)> handler);

    // ---- devices ----
    // The provider's cameras for video, in its order; none for other media types or a device without
    // cameras. Each call makes new objects; devices compare by uniqueID.
    static std::vector<AVCaptureDevicePtr> devicesWithMediaType(const std::string& mediaType);
    static AVCaptureDevicePtr defaultDeviceWithMediaType(const std::string& mediaType);

    AVCaptureDevicePosition position() const { return position_; }
    const std::string& uniqueID() const { return uniqueID_; }
    const std::string& localizedName() const { return localizedName_; }
    bool hasMediaType(const std::string& mediaType) const { return mediaType == mediaType_; }
    // Whether the provider still lists this camera.
    bool isConnected() const;

    // ---- the scripted back-end ----
    static std::shared_ptr<CameraProvider> provider();
    static void setProvider(std::shared_ptr<CameraProvider> provider);
    // Waits for the camera queue to finish what it holds, then installs a fresh default provider.
    static void resetForTesting();

  private:
    AVCaptureDevicePosition position_;
    std::string mediaType_;
    std::string uniqueID_;
    std::string localizedName_;
};

}  // namespace fv
