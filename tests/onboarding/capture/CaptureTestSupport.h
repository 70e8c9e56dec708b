#pragma once
// What the capture and preview tests share: the camera's scripted back-end, the capture button as a
// user finds it, a capture played out through the camera's queue, and a known photo to crop.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/ThemeManager.h"
#include "platform/camera/AVCaptureDevice.h"
#include "platform/camera/CaptureQueue.h"
#include "platform/graphics/GraphicsContext.h"
#include "platform/testing/UserDriver.h"
#include "platform/ui/UIApplication.h"
#include "platform/ui/UIViewRendering.h"
#include "tests/onboarding/support/WizardTestSupport.h"
#include "tests/support/Pixels.h"

namespace fv::wizard_test {

inline constexpr std::uint32_t kRed = 0xffff0000, kGreen = 0xff00ff00, kBlue = 0xff0000ff;

using test::pixelAt;

// Whether two opaque colours are within JPEG's error of each other.
inline bool nearColour(std::uint32_t a, std::uint32_t b, int tolerance = 40) {
    for (int shift : {0, 8, 16, 24})
        if (std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)) > tolerance) return false;
    return true;
}

inline UIColorPtr colourOf(std::uint32_t argb) {
    return UIColor::colorWithRed(((argb >> 16) & 0xff) / 255.0, ((argb >> 8) & 0xff) / 255.0,
                                 (argb & 0xff) / 255.0, 1);
}

// A photo exactly twice the size of the capture screens' photo view (375 x 603 points at 1x), so the
// view's aspect-fit mapping doubles every coordinate. Red, with the document window's area
// (60, 110, 630, 500) green and a blue square of 100 in that area's top left corner.
inline constexpr CGRect kKnownPhotoWindow{{60, 110}, {630, 500}};
inline std::vector<std::uint8_t> knownPhotoJPEG() {
    UIGraphicsBeginImageContextWithOptions(CGSizeMake(750, 1206), true, 1);
    auto c = UIGraphicsGetCurrentContext();
    c->setFillColor(colourOf(kRed));
    c->fillRect(CGRectMake(0, 0, 750, 1206));
    c->setFillColor(colourOf(kGreen));
    c->fillRect(kKnownPhotoWindow);
    c->setFillColor(colourOf(kBlue));
    c->fillRect(CGRectMake(kKnownPhotoWindow.origin.x, kKnownPhotoWindow.origin.y, 100, 100));
    auto image = UIGraphicsGetImageFromCurrentImageContext();
    UIGraphicsEndImageContext();
    return image->JPEGRepresentation(0.95);
}

class CaptureTest : public WizardTest {
  protected:
    void SetUp() override {
        WizardTest::SetUp();
        // The overlays' windows are shared and outlive a test; each starts as before any draw.
        ThemeManager::sharedInstance()->setCameraOverlayRect(CGRectZero);
        ThemeManager::sharedInstance()->setCameraCircularOverlayRect(CGRectZero);
        camera().setAuthorizationStatus(AVAuthorizationStatusAuthorized);
    }

    static CameraProvider& camera() { return *AVCaptureDevice::provider(); }
    // The user holds the sample document's front or back to the back camera.
    static void holdDocument(const char* sample) {
        camera().setFrameFile(AVCaptureDevicePositionBack, CameraProvider::sampleFramePath(sample));
    }
    static UIApplication& app() { return *UIApplication::sharedApplication(); }

    static UIControlPtr captureButton(const UIViewControllerPtr& s) {
        return UserDriver::controlWiredTo(s->view(), s.get(), "action_capture_image:");
    }
    static UIControlPtr backButton(const UIViewControllerPtr& s) {
        return UserDriver::controlWiredTo(s->view(), s.get(), "action_back:");
    }

    // Draws the screen once, as the display would, so that its overlay writes its window.
    static void display(const UIViewControllerPtr& s) { renderView(*s->view()); }

    // Taps capture and lets the camera's answer reach the main queue and play out.
    void capture(const UIViewControllerPtr& s) {
        ASSERT_TRUE(host.tap(captureButton(s)));
        CaptureQueue::shared().waitUntilIdle();
        host.runUntilIdle();
        settle();
    }
};

}  // namespace fv::wizard_test
