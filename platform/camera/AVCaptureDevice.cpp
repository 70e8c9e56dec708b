#include "platform/camera/AVCaptureDevice.h"

#include <algorithm>
#include <mutex>

#include "platform/camera/CaptureQueue.h"
#include "platform/foundation/ResetHooks.h"

namespace fv {

// The test host puts a fresh camera back before and after every test.
[[maybe_unused]] const bool registered =
    ResetHooks::add("camera.device", [] { AVCaptureDevice::resetForTesting(); });

FV_REGISTER_CLASS(AVCaptureDevice);

namespace {

std::mutex providerMutex;

std::shared_ptr<CameraProvider>& currentProvider() {
    static std::shared_ptr<CameraProvider> provider = std::make_shared<CameraProvider>();
    return provider;
}

std::string positionName(AVCaptureDevicePosition position) {
    switch (position) {
        case AVCaptureDevicePositionBack:
            return "Back Camera";
        case AVCaptureDevicePositionFront:
            return "Front Camera";
        default:
            return "Camera";
    }
}

}  // namespace

AVCaptureDevice::AVCaptureDevice(AVCaptureDevicePosition position, std::string mediaType)
    : position_(position),
      mediaType_(std::move(mediaType)),
      uniqueID_("com.fernvault.camera:" + std::to_string(static_cast<long long>(position))),
      localizedName_(positionName(position)) {}

std::shared_ptr<CameraProvider> AVCaptureDevice::provider() {
    std::lock_guard lock(providerMutex);
    return currentProvider();
}

void AVCaptureDevice::setProvider(std::shared_ptr<CameraProvider> provider) {
    std::lock_guard lock(providerMutex);
    currentProvider() = provider ? std::move(provider) : std::make_shared<CameraProvider>();
}

void AVCaptureDevice::resetForTesting() {
    CaptureQueue::shared().waitUntilIdle();
    setProvider(nullptr);
}

AVAuthorizationStatus AVCaptureDevice::authorizationStatusForMediaType(const std::string& mediaType) {
    return provider()->authorizationStatus(mediaType);
}

void AVCaptureDevice::requestAccessForMediaType(const std::string& mediaType,
                                                std::function<void(bool granted)> handler) {
    CaptureQueue::shared().async([p = provider(), mediaType, handler = std::move(handler)]() mutable {
        const bool granted = p->answerAccessRequest(mediaType);
        if (handler) handler(granted);
        CaptureQueue::releaseOnMain(std::move(handler));
    });
}

std::vector<AVCaptureDevicePtr> AVCaptureDevice::devicesWithMediaType(const std::string& mediaType) {
    std::vector<AVCaptureDevicePtr> devices;
    if (mediaType != AVMediaTypeVideo) return devices;
    for (auto position : provider()->devicePositions()) {
        devices.push_back(std::make_shared<AVCaptureDevice>(position, mediaType));
    }
    return devices;
}

AVCaptureDevicePtr AVCaptureDevice::defaultDeviceWithMediaType(const std::string& mediaType) {
    auto devices = devicesWithMediaType(mediaType);
    auto back = std::find_if(devices.begin(), devices.end(),
                             [](const auto& d) { return d->position() == AVCaptureDevicePositionBack; });
    if (back != devices.end()) return *back;
    return devices.empty() ? nullptr : devices.front();
}

bool AVCaptureDevice::isConnected() const {
    auto positions = provider()->devicePositions();
    return std::find(positions.begin(), positions.end(), position_) != positions.end();
}

}  // namespace fv
