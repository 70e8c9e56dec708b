#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "core/ServiceAddresses.h"
#include "core/ServiceConstants.h"
#include "core/ServiceManager.h"
#include "examples/host/DemoBackend.h"
#include "examples/host/HostApplication.h"
#include "platform/foundation/RunLoop.h"

namespace fv {
namespace {

struct Posted {
    bool done = false;
    std::optional<std::string> result;
};

Posted post(const Value& body) {
    auto posted = std::make_shared<Posted>();
    ServiceManager::sharedInstance()->PostService(body, SERVICE_URL + SERVICE_ACTION_CREATE_CARD,
                                                  [posted](const auto& result, const auto&, const auto&) {
                                                      posted->done = true;
                                                      posted->result = result;
                                                  });
    EXPECT_TRUE(RunLoop::main().pumpUntil([&] { return posted->done; }, 10.0));
    return *posted;
}

TEST(DemoBackend, TheHostStartsItAsTheFrameworksBackendAndPutsTheAddressBackWhenItEnds) {
    {
        HostApplication::Options options;
        options.virtualClock = true;
        HostApplication app(options);
        ASSERT_TRUE(app.demoBackend().isRunning());
        EXPECT_EQ(app.demoBackend().cardLastFour(), HostApplication::kDemoCardLastFour);
        EXPECT_EQ(ServiceAddresses::baseURL(OutsideService::Backend), app.demoBackend().baseURL());
        EXPECT_EQ(app.demoBackend().baseURL().rfind("http://127.0.0.1:", 0), 0u);
        EXPECT_EQ(post(Value::Dictionary{{"create_cardholder", Value::Dictionary{}}}).result,
                  SERVICE_RESULT_SUCCESS);
    }
    EXPECT_EQ(ServiceAddresses::baseURL(OutsideService::Backend), SERVICE_URL);
    RunLoop::main().reset();
}

TEST(DemoBackend, TakesOnlyFourDigitsForTheCardsEnd) {
    DemoBackend backend;
    for (const char* wrong : {"", "123", "12345", "12a4", "１２３４", " 123"}) {
        EXPECT_FALSE(backend.setCardLastFour(wrong)) << wrong;
    }
    EXPECT_EQ(backend.cardLastFour(), "4321");
    EXPECT_TRUE(backend.setCardLastFour("0007"));
    EXPECT_EQ(backend.cardLastFour(), "0007");
    EXPECT_FALSE(backend.isRunning());
    EXPECT_EQ(backend.baseURL(), "");
}

TEST(DemoBackend, RefusesWhatIsNoApplicationAndBoundsWhatItKeeps) {
    DemoBackend backend;
    ASSERT_TRUE(backend.start());
    EXPECT_EQ(post(Value::Dictionary{{"something", "else"}}).result, SERVICE_RESULT_FAILURE);
    EXPECT_EQ(post(Value::Dictionary{{"create_cardholder", std::string(100 * 1024, 'x')}}).result,
              SERVICE_RESULT_FAILURE);
    for (int i = 0; i < 20; ++i) post(Value::Dictionary{{"create_cardholder", Value::Dictionary{}}});
    EXPECT_EQ(backend.receivedBodies().size(), 16u);
    backend.stop();
    EXPECT_FALSE(backend.isRunning());
    EXPECT_EQ(ServiceAddresses::baseURL(OutsideService::Backend), SERVICE_URL);
    RunLoop::main().reset();
}

// Starting does not wait for the server's thread: a request sent at once waits on the bound socket,
// and a stop right after a start still ends the thread (the server ignores a stop until it runs).
TEST(DemoBackend, AnswersRightAfterStartingAndStopsRightAfterStarting) {
    DemoBackend backend;
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(backend.start());
        backend.stop();
        EXPECT_FALSE(backend.isRunning());
    }
    ASSERT_TRUE(backend.start());
    EXPECT_EQ(post(Value::Dictionary{{"create_cardholder", Value::Dictionary{}}}).result,
              SERVICE_RESULT_SUCCESS);
    backend.stop();
    RunLoop::main().reset();
}

TEST(DemoBackend, ServesAgainAfterAStopAndWakesAHeldReplyWhenStopping) {
    DemoBackend backend;
    ASSERT_TRUE(backend.start());
    backend.stop();
    ASSERT_TRUE(backend.start());
    EXPECT_EQ(post(Value::Dictionary{{"create_cardholder", Value::Dictionary{}}}).result,
              SERVICE_RESULT_SUCCESS);
    backend.setOutcome(DemoBackend::Outcome::TimeOut);
    ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(0.3);
    EXPECT_EQ(post(Value::Dictionary{{"create_cardholder", Value::Dictionary{}}}).result,
              SERVICE_RESULT_FAILURE);
    ServiceManager::sharedInstance()->setTimeoutIntervalForTesting(30.0);
    // The reply is still held (40 s by default): stopping must not wait for it.
    backend.stop();
    EXPECT_FALSE(backend.isRunning());
    RunLoop::main().reset();
}

}  // namespace
}  // namespace fv
