#include <thread>

#include "CameraTestSupport.h"
#include "platform/camera/AVCaptureInput.h"
#include "platform/camera/AVCaptureSession.h"
#include "platform/camera/AVCaptureStillImageOutput.h"
#include "platform/foundation/Log.h"
#include "platform/graphics/UIImage.h"
#include "tests/support/ClaimedSizeImages.h"

namespace fv {
namespace {

struct Capture {
    CMSampleBufferRef buffer;
    std::optional<NSError> error;
    std::thread::id thread;
};

class StillCaptureTest : public CameraTest {
  protected:
    void SetUp() override {
        CameraTest::SetUp();
        session = AVCaptureSession::create();
        session->addInput(
            AVCaptureDeviceInput::create(AVCaptureDevice::defaultDeviceWithMediaType(AVMediaTypeVideo)));
        output = AVCaptureStillImageOutput::create();
        session->addOutput(output);
        session->startRunning();
    }

    Capture capture(const AVCaptureConnectionPtr& connection) {
        std::promise<Capture> promise;
        auto future = promise.get_future();
        output->captureStillImageAsynchronouslyFromConnection(
            connection, [&promise](CMSampleBufferRef buffer, std::optional<NSError> error) {
                promise.set_value({std::move(buffer), std::move(error), std::this_thread::get_id()});
            });
        return await(future);
    }
    Capture capture() { return capture(output->connectionWithMediaType(AVMediaTypeVideo)); }

    AVCaptureSessionPtr session;
    AVCaptureStillImageOutputPtr output;
};

TEST_F(StillCaptureTest, DeliversTheFrameAsJpegOnAnotherThread) {
    EXPECT_EQ(output->outputSettings()[AVVideoCodecKey].asString(), std::string(AVVideoCodecJPEG));
    const Capture result = capture();
    EXPECT_NE(result.thread, std::this_thread::get_id());
    EXPECT_FALSE(result.error);
    auto jpeg = AVCaptureStillImageOutput::jpegStillImageNSDataRepresentation(result.buffer);
    ASSERT_TRUE(jpeg);
    auto image = UIImage::imageWithData(*jpeg);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelWidth(), 1280);
    EXPECT_EQ(image->pixelHeight(), 960);
    EXPECT_EQ(provider()->captureCount(), 1);
}

TEST_F(StillCaptureTest, ServesTheFrameTheTestProvides) {
    auto small = UIImage::imageWithData(*provider()->frameData(AVCaptureDevicePositionFront));
    ASSERT_TRUE(small);
    provider()->setFrameData(AVCaptureDevicePositionBack, small->JPEGRepresentation(0.9));
    auto image = UIImage::imageWithData(
        *AVCaptureStillImageOutput::jpegStillImageNSDataRepresentation(capture().buffer));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelWidth(), 720);
}

TEST_F(StillCaptureTest, ScriptedNoBuffer) {
    provider()->setStillOutcome(CameraProvider::StillOutcome::NoBuffer);
    const Capture result = capture();
    EXPECT_EQ(result.buffer, nullptr);
    ASSERT_TRUE(result.error);
    EXPECT_EQ(result.error->domain, AVFoundationErrorDomain);
    EXPECT_FALSE(AVCaptureStillImageOutput::jpegStillImageNSDataRepresentation(result.buffer));
}

TEST_F(StillCaptureTest, ScriptedBadBytesDecodeToNothing) {
    provider()->setStillOutcome(CameraProvider::StillOutcome::BadBytes);
    const Capture result = capture();
    ASSERT_TRUE(result.buffer);
    EXPECT_FALSE(result.error);
    auto jpeg = AVCaptureStillImageOutput::jpegStillImageNSDataRepresentation(result.buffer);
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(UIImage::imageWithData(*jpeg), nullptr);
}

TEST_F(StillCaptureTest, UnreadableFrameFileGivesNoBuffer) {
    provider()->setFrameFile(AVCaptureDevicePositionBack, "/nonexistent/frame.jpg");
    const Capture result = capture();
    EXPECT_EQ(result.buffer, nullptr);
    EXPECT_TRUE(result.error);
}

// A few hundred bytes whose header claims 16384x16384: neither the preview nor a capture decodes
// them, and the refusal is told once, not on every draw or capture.
TEST_F(StillCaptureTest, AFrameClaimingTooManyPixelsIsRefusedOnce) {
    LogCapture log;
    provider()->setFrameData(AVCaptureDevicePositionBack, jpegClaiming(16384, 16384));
    EXPECT_EQ(session->currentFrame(), nullptr);
    EXPECT_EQ(session->currentFrame(), nullptr);
    const Capture result = capture();
    EXPECT_EQ(result.buffer, nullptr);
    EXPECT_TRUE(result.error);
    EXPECT_EQ(log.lines().size(), 1u);
    EXPECT_TRUE(log.contains("camera frame of 16384x16384 pixels refused"))
        << testing::PrintToString(log.lines());

    provider()->setFrameFile(AVCaptureDevicePositionBack, framePath("document.jpg"));
    EXPECT_TRUE(capture().buffer) << "a frame within the budget is served again";
}

TEST_F(StillCaptureTest, RefusesAStoppedSessionOrAForeignConnection) {
    session->stopRunning();
    Capture stopped = capture();
    EXPECT_EQ(stopped.buffer, nullptr);
    ASSERT_TRUE(stopped.error);
    EXPECT_EQ(stopped.error->code, AVErrorSessionNotRunning);

    session->startRunning();
    auto other = AVCaptureStillImageOutput::create();
    auto otherSession = AVCaptureSession::create();
    otherSession->addInput(
        AVCaptureDeviceInput::create(AVCaptureDevice::defaultDeviceWithMediaType(AVMediaTypeVideo)));
    otherSession->addOutput(other);
    EXPECT_EQ(capture(other->connections()[0]).buffer, nullptr);
    EXPECT_EQ(capture(nullptr).buffer, nullptr);
}

TEST_F(StillCaptureTest, TwoCapturesAnswerInOrder) {
    std::vector<int> order;
    std::mutex mutex;
    std::promise<void> done;
    auto connection = output->connectionWithMediaType(AVMediaTypeVideo);
    for (int i = 0; i < 2; ++i) {
        output->captureStillImageAsynchronouslyFromConnection(connection,
                                                              [&, i](CMSampleBufferRef buffer, auto) {
                                                                  std::lock_guard lock(mutex);
                                                                  if (buffer) order.push_back(i);
                                                                  if (i == 1) done.set_value();
                                                              });
    }
    EXPECT_TRUE(output->isCapturingStillImage() || order.size() == 2);
    done.get_future().wait();
    AVCaptureDevice::resetForTesting();
    EXPECT_EQ(order, (std::vector<int>{0, 1}));
    EXPECT_FALSE(output->isCapturingStillImage());
}

}  // namespace
}  // namespace fv
