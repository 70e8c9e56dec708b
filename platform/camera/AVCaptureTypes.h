#pragma once
// The camera's shared words: media types, authorisation states, device positions, presets and the
// error domain of capture failures.
#include <cstdint>
#include <string>

namespace fv {

inline constexpr const char* AVMediaTypeVideo = "vide";
inline constexpr const char* AVMediaTypeAudio = "soun";

enum AVAuthorizationStatus : std::int64_t {
    AVAuthorizationStatusNotDetermined = 0,
    AVAuthorizationStatusRestricted = 1,
    AVAuthorizationStatusDenied = 2,
    AVAuthorizationStatusAuthorized = 3,
};

enum AVCaptureDevicePosition : std::int64_t {
    AVCaptureDevicePositionUnspecified = 0,
    AVCaptureDevicePositionBack = 1,
    AVCaptureDevicePositionFront = 2,
};

inline constexpr const char* AVCaptureSessionPresetHigh = "AVCaptureSessionPresetHigh";
inline constexpr const char* AVCaptureSessionPresetMedium = "AVCaptureSessionPresetMedium";
inline constexpr const char* AVCaptureSessionPresetLow = "AVCaptureSessionPresetLow";
inline constexpr const char* AVCaptureSessionPresetPhoto = "AVCaptureSessionPresetPhoto";

inline constexpr const char* AVVideoCodecKey = "AVVideoCodecKey";
inline constexpr const char* AVVideoCodecJPEG = "jpeg";

inline constexpr const char* AVLayerVideoGravityResizeAspect = "AVLayerVideoGravityResizeAspect";
inline constexpr const char* AVLayerVideoGravityResizeAspectFill = "AVLayerVideoGravityResizeAspectFill";
inline constexpr const char* AVLayerVideoGravityResize = "AVLayerVideoGravityResize";

inline constexpr const char* AVFoundationErrorDomain = "AVFoundationErrorDomain";
enum AVError : std::int64_t {
    AVErrorUnknown = -11800,
    AVErrorDeviceNotConnected = -11814,
    AVErrorSessionNotRunning = -11803,
    AVErrorApplicationIsNotAuthorizedToUseDevice = -11852,
};

}  // namespace fv
