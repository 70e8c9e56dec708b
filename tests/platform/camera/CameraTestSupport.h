#pragma once
// A fixture for camera tests: a fresh default camera for each test, seeing this folder's own frames
// (a document at the back, a face at the front) rather than samples from whatever library is
// loaded, and a wait for answers that arrive on the camera's queue.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>

#include "platform/camera/AVCaptureDevice.h"
#include "platform/testing/TestHost.h"

namespace fv {

class CameraTest : public TestHostFixture {
  protected:
    void SetUp() override {
        AVCaptureDevice::resetForTesting();
        provider()->setFrameFile(AVCaptureDevicePositionBack, framePath("document.jpg"));
        provider()->setFrameFile(AVCaptureDevicePositionFront, framePath("face.jpg"));
    }
    void TearDown() override {
        AVCaptureDevice::resetForTesting();
        TestHostFixture::TearDown();
    }
    std::shared_ptr<CameraProvider> provider() const { return AVCaptureDevice::provider(); }

    static std::string framePath(const std::string& name) {
        return std::string(FV_TEST_DIR) + "/frames/" + name;
    }

    template <typename T>
    static T await(std::future<T>& future) {
        EXPECT_EQ(future.wait_for(std::chrono::seconds(5)), std::future_status::ready);
        return future.get();
    }
};

}  // namespace fv
