#include "platform/foundation/NotificationCenter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fv {
namespace {

class NotificationCenterTest : public ::testing::Test {
  protected:
    NSNotificationCenter center;
    std::vector<std::string> calls;
    int a = 0, b = 0, c = 0;  // observer identities
};

TEST_F(NotificationCenterTest, DeliversNameSenderAndUserInfoToEachRegistration) {
    const int sender = 0;
    Value info;
    info.set("duration", 0.25);
    Notification seen;
    center.addObserver(&a, "Keyboard", [&](const Notification& n) { seen = n; });
    center.addObserver(&b, "Other", [&](const Notification&) { calls.push_back("b"); });
    center.addObserver(&c, "", [&](const Notification&) { calls.push_back("unnamed"); });
    center.postNotificationName("Keyboard", &sender, info);
    EXPECT_EQ(seen.name, "Keyboard");
    EXPECT_EQ(seen.object, &sender);
    EXPECT_EQ(seen.userInfo["duration"].doubleValue(), 0.25);
    EXPECT_TRUE(calls.empty());
}

TEST_F(NotificationCenterTest, RemovalForAllNamesOrOneNameAndOfStrangersIsSafe) {
    center.addObserver(&a, "X", [&](const Notification&) { calls.push_back("aX"); });
    center.addObserver(&a, "Y", [&](const Notification&) { calls.push_back("aY"); });
    center.addObserver(&b, "X", [&](const Notification&) { calls.push_back("bX"); });
    center.removeObserver(&c);
    center.removeObserver(&b, "Y");
    center.removeObserver(&a, "X");
    center.postNotificationName("X");
    center.postNotificationName("Y");
    EXPECT_EQ(calls, (std::vector<std::string>{"bX", "aY"}));
    center.removeObserver(&a);
    center.removeObserver(&b);
    center.postNotificationName("X");
    center.postNotificationName("Y");
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(NotificationCenterTest, ObserversMayRemoveThemselvesAndOthersDuringDelivery) {
    center.addObserver(&a, "N", [&](const Notification&) {
        calls.push_back("a");
        center.removeObserver(&a);
        center.removeObserver(&b);
    });
    center.addObserver(&b, "N", [&](const Notification&) { calls.push_back("b"); });
    center.addObserver(&c, "N", [&](const Notification&) {
        calls.push_back("c");
        center.addObserver(&c, "N", [&](const Notification&) { calls.push_back("late"); });
    });
    center.postNotificationName("N");
    EXPECT_EQ(calls, (std::vector<std::string>{"a", "c"}));
    calls.clear();
    center.postNotificationName("N");
    EXPECT_EQ(calls, (std::vector<std::string>{"c", "late"}));
}

TEST(NotificationCenterDefault, IsOneSharedInstance) {
    EXPECT_EQ(&NSNotificationCenter::defaultCenter(), &NSNotificationCenter::defaultCenter());
}

}  // namespace
}  // namespace fv
