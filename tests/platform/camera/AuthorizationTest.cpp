#include <algorithm>
#include <atomic>
#include <thread>

#include "CameraTestSupport.h"
#include "platform/foundation/ResetHooks.h"

namespace fv {
namespace {

struct Answer {
    bool granted;
    std::thread::id thread;
};

std::future<Answer> requestVideoAccess() {
    auto promise = std::make_shared<std::promise<Answer>>();
    auto future = promise->get_future();
    AVCaptureDevice::requestAccessForMediaType(AVMediaTypeVideo, [promise](bool granted) {
        promise->set_value({granted, std::this_thread::get_id()});
    });
    return future;
}

using AuthorizationTest = CameraTest;

TEST_F(AuthorizationTest, TheTestHostResetsTheCamera) {
    provider()->setAuthorizationStatus(AVAuthorizationStatusDenied);
    const auto names = ResetHooks::names();
    EXPECT_NE(std::find(names.begin(), names.end(), "camera.device"), names.end());
    ResetHooks::runAll();
    EXPECT_EQ(AVCaptureDevice::authorizationStatusForMediaType(AVMediaTypeVideo),
              AVAuthorizationStatusNotDetermined);
}

TEST_F(AuthorizationTest, StartsNotDeterminedAndIsSettable) {
    EXPECT_EQ(AVCaptureDevice::authorizationStatusForMediaType(AVMediaTypeVideo),
              AVAuthorizationStatusNotDetermined);
    provider()->setAuthorizationStatus(AVAuthorizationStatusRestricted);
    EXPECT_EQ(AVCaptureDevice::authorizationStatusForMediaType(AVMediaTypeVideo),
              AVAuthorizationStatusRestricted);
    EXPECT_EQ(AVCaptureDevice::authorizationStatusForMediaType(AVMediaTypeAudio),
              AVAuthorizationStatusNotDetermined);
}

class PromptAnswer : public AuthorizationTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PromptAnswer, IsGivenOffTheMainThreadAndRemembered) {
    const bool grants = GetParam();
    provider()->setPromptAnswer(grants);
    auto future = requestVideoAccess();
    const Answer answer = await(future);
    EXPECT_EQ(answer.granted, grants);
    EXPECT_NE(answer.thread, std::this_thread::get_id());
    EXPECT_EQ(AVCaptureDevice::authorizationStatusForMediaType(AVMediaTypeVideo),
              grants ? AVAuthorizationStatusAuthorized : AVAuthorizationStatusDenied);

    // The prompt is not shown again: the remembered answer comes back even if the user would now
    // answer otherwise.
    provider()->setPromptAnswer(!grants);
    auto again = requestVideoAccess();
    EXPECT_EQ(await(again).granted, grants);
    EXPECT_EQ(provider()->promptCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(GrantedOrRefused, PromptAnswer, ::testing::Bool());

struct SettledCase {
    AVAuthorizationStatus status;
    bool granted;
};

class SettledStatus : public AuthorizationTest, public ::testing::WithParamInterface<SettledCase> {};

TEST_P(SettledStatus, AnswersWithoutPrompt) {
    provider()->setAuthorizationStatus(GetParam().status);
    auto future = requestVideoAccess();
    EXPECT_EQ(await(future).granted, GetParam().granted);
    EXPECT_EQ(provider()->promptCount(), 0);
    EXPECT_EQ(AVCaptureDevice::authorizationStatusForMediaType(AVMediaTypeVideo), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Statuses, SettledStatus,
                         ::testing::Values(SettledCase{AVAuthorizationStatusRestricted, false},
                                           SettledCase{AVAuthorizationStatusDenied, false},
                                           SettledCase{AVAuthorizationStatusAuthorized, true}));

TEST_F(AuthorizationTest, NeverAnswersInsideTheCall) {
    std::atomic<bool> answered{false};
    std::promise<void> release;
    auto gate = release.get_future().share();
    // Hold the camera queue so an answer given inside the call could not be confused with a later one.
    AVCaptureDevice::requestAccessForMediaType(AVMediaTypeAudio, [gate](bool) { gate.wait(); });
    AVCaptureDevice::requestAccessForMediaType(AVMediaTypeVideo, [&answered](bool) { answered = true; });
    EXPECT_FALSE(answered);
    release.set_value();
    AVCaptureDevice::resetForTesting();
    EXPECT_TRUE(answered);
}

// Records the thread it dies on, like a screen that must be released on the main thread.
struct HeldScreen {
    std::thread::id* diedOn;
    ~HeldScreen() { *diedOn = std::this_thread::get_id(); }
};

TEST_F(AuthorizationTest, KeepsWhatTheHandlerHoldsUntilItRunsThenReleasesItOnMain) {
    std::promise<void> release;
    auto gate = release.get_future().share();
    AVCaptureDevice::requestAccessForMediaType(AVMediaTypeAudio, [gate](bool) { gate.wait(); });
    std::thread::id diedOn;
    auto held = std::make_shared<HeldScreen>(HeldScreen{&diedOn});
    std::weak_ptr<HeldScreen> watch = held;
    AVCaptureDevice::requestAccessForMediaType(AVMediaTypeVideo, [held = std::move(held)](bool) {});
    EXPECT_FALSE(watch.expired());
    release.set_value();
    AVCaptureDevice::resetForTesting();
    EXPECT_FALSE(watch.expired()) << "waits for the main queue";
    host.runUntilIdle();
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(diedOn, std::this_thread::get_id());
}

}  // namespace
}  // namespace fv
