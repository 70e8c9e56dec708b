#include "CameraTestSupport.h"
#include "platform/camera/AVCaptureInput.h"
#include "platform/camera/AVCaptureSession.h"
#include "platform/camera/AVCaptureStillImageOutput.h"
#include "platform/camera/AVCaptureVideoPreviewLayer.h"
#include "platform/ui/UIView.h"

namespace fv {
namespace {

using DeviceTest = CameraTest;

TEST_F(DeviceTest, ListsBackThenFrontByDefault) {
    auto devices = AVCaptureDevice::devicesWithMediaType(AVMediaTypeVideo);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0]->position(), AVCaptureDevicePositionBack);
    EXPECT_EQ(devices[1]->position(), AVCaptureDevicePositionFront);
    EXPECT_NE(devices[0]->uniqueID(), devices[1]->uniqueID());
    EXPECT_TRUE(devices[0]->hasMediaType(AVMediaTypeVideo));
    EXPECT_TRUE(AVCaptureDevice::devicesWithMediaType(AVMediaTypeAudio).empty());
}

TEST_F(DeviceTest, CanBeScriptedToHaveOnlyAFrontCameraOrNone) {
    provider()->setDevicePositions({AVCaptureDevicePositionFront});
    auto devices = AVCaptureDevice::devicesWithMediaType(AVMediaTypeVideo);
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0]->position(), AVCaptureDevicePositionFront);
    EXPECT_EQ(AVCaptureDevice::defaultDeviceWithMediaType(AVMediaTypeVideo)->position(),
              AVCaptureDevicePositionFront);
    provider()->setDevicePositions({});
    EXPECT_TRUE(AVCaptureDevice::devicesWithMediaType(AVMediaTypeVideo).empty());
    EXPECT_EQ(AVCaptureDevice::defaultDeviceWithMediaType(AVMediaTypeVideo), nullptr);
}

TEST_F(DeviceTest, InputOpensWithAVideoPort) {
    NSError error;
    auto input =
        AVCaptureDeviceInput::create(AVCaptureDevice::devicesWithMediaType(AVMediaTypeVideo)[0], &error);
    ASSERT_TRUE(input);
    ASSERT_EQ(input->ports().size(), 1u);
    EXPECT_EQ(input->ports()[0]->mediaType(), AVMediaTypeVideo);
    EXPECT_EQ(input->ports()[0]->input(), input);
}

TEST_F(DeviceTest, InputFailsWhenScriptedOrWithoutDevice) {
    auto device = AVCaptureDevice::devicesWithMediaType(AVMediaTypeVideo)[0];
    provider()->setInputFails(true);
    NSError error;
    EXPECT_EQ(AVCaptureDeviceInput::create(device, &error), nullptr);
    EXPECT_EQ(error.domain, AVFoundationErrorDomain);
    EXPECT_FALSE(error.localizedDescription.empty());
    EXPECT_EQ(AVCaptureDeviceInput::create(nullptr), nullptr);

    provider()->setInputFails(false);
    provider()->setDevicePositions({AVCaptureDevicePositionFront});
    EXPECT_EQ(AVCaptureDeviceInput::create(device, &error), nullptr) << "the back camera is gone";
    EXPECT_EQ(error.code, AVErrorDeviceNotConnected);
}

using SessionTest = CameraTest;

TEST_F(SessionTest, ConnectsInputsToOutputsAndRuns) {
    auto session = AVCaptureSession::create();
    EXPECT_EQ(session->sessionPreset(), AVCaptureSessionPresetHigh);
    session->setSessionPreset("nonsense");
    EXPECT_EQ(session->sessionPreset(), AVCaptureSessionPresetHigh);
    session->setSessionPreset(AVCaptureSessionPresetPhoto);
    EXPECT_EQ(session->sessionPreset(), AVCaptureSessionPresetPhoto);

    auto output = AVCaptureStillImageOutput::create();
    session->addOutput(output);
    EXPECT_TRUE(output->connections().empty());
    auto input = AVCaptureDeviceInput::create(AVCaptureDevice::defaultDeviceWithMediaType(AVMediaTypeVideo));
    ASSERT_TRUE(session->canAddInput(input));
    session->addInput(input);
    EXPECT_FALSE(session->canAddInput(input));
    session->addInput(input);
    EXPECT_EQ(session->inputs().size(), 1u);
    EXPECT_FALSE(AVCaptureSession::create()->canAddOutput(output)) << "an output belongs to one session";

    ASSERT_EQ(output->connections().size(), 1u);
    const auto& ports = output->connections()[0]->inputPorts();
    ASSERT_EQ(ports.size(), 1u);
    EXPECT_EQ(ports[0]->mediaType(), AVMediaTypeVideo);
    EXPECT_EQ(output->connectionWithMediaType(AVMediaTypeVideo), output->connections()[0]);

    EXPECT_FALSE(session->isRunning());
    session->startRunning();
    EXPECT_TRUE(session->isRunning());
    session->stopRunning();
    EXPECT_FALSE(session->isRunning());

    session->removeInput(input);
    EXPECT_TRUE(output->connections().empty());
}

TEST_F(SessionTest, PreviewShowsTheCameraFrameWhileRunning) {
    auto session = AVCaptureSession::create();
    session->addInput(
        AVCaptureDeviceInput::create(AVCaptureDevice::defaultDeviceWithMediaType(AVMediaTypeVideo)));
    auto preview = AVCaptureVideoPreviewLayer::layerWithSession(session);
    preview->setVideoGravity(AVLayerVideoGravityResizeAspectFill);
    auto view = UIView::create({0, 0, 300, 400});
    preview->setFrame(view->layer()->bounds());
    view->layer()->addSublayer(preview);
    EXPECT_EQ(preview->session(), session);

    // The 4:3 document frame fills a 3:4 view: scaled to the height, cut at the sides.
    const CGRect fill = preview->rectForFrameSize({1280, 960});
    EXPECT_DOUBLE_EQ(fill.size.height, 400);
    EXPECT_NEAR(fill.size.width, 533.333, 0.001);
    EXPECT_NEAR(fill.origin.x, -116.667, 0.001);
    preview->setVideoGravity(AVLayerVideoGravityResizeAspect);
    EXPECT_DOUBLE_EQ(preview->rectForFrameSize({1280, 960}).size.width, 300);
    preview->setVideoGravity(AVLayerVideoGravityResizeAspectFill);

    EXPECT_EQ(session->currentFrame(), nullptr) << "no picture before the session runs";
    session->startRunning();
    auto frame = session->currentFrame();
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->pixelWidth(), 1280);
    EXPECT_TRUE(host.snapshot("preview_document", view));
}

TEST_F(SessionTest, FrontCameraSeesTheFace) {
    auto session = AVCaptureSession::create();
    auto devices = AVCaptureDevice::devicesWithMediaType(AVMediaTypeVideo);
    session->addInput(AVCaptureDeviceInput::create(devices[1]));
    auto preview = AVCaptureVideoPreviewLayer::layerWithSession(session);
    preview->setVideoGravity(AVLayerVideoGravityResizeAspectFill);
    auto view = UIView::create({0, 0, 300, 300});
    preview->setFrame(view->layer()->bounds());
    view->layer()->addSublayer(preview);
    session->startRunning();
    EXPECT_TRUE(host.snapshot("preview_face", view));
}

}  // namespace
}  // namespace fv
