#include "platform/kits/BankLinkViewController.h"

#include <gtest/gtest.h>

#include <regex>

#include "KitTestSupport.h"
#include "platform/foundation/RunLoop.h"

namespace fv {
namespace {

// A presenting screen that records the reports, and on which thread they came.
class LinkHost : public UIViewController, public BankLinkViewDelegate {
  public:
    void linkViewControllerDidSucceedWithPublicToken(const BankLinkViewControllerPtr& controller,
                                                     const std::string& publicToken,
                                                     const std::optional<Value>& metadata) override {
        reports.push_back("success " + publicToken);
        from = controller;
        this->metadata = metadata;
        onMain = RunLoop::main().isMainThread();
    }
    void linkViewControllerDidExitWithError(const BankLinkViewControllerPtr& controller,
                                            const std::optional<NSError>& error,
                                            const std::optional<Value>& metadata) override {
        reports.push_back("exit " + (error ? error->localizedDescription : std::string("none")));
        from = controller;
        this->metadata = metadata;
        onMain = RunLoop::main().isMainThread();
    }
    std::vector<std::string> reports;
    BankLinkViewControllerPtr from;
    std::optional<Value> metadata;
    bool onMain = false;
};

const BankLinkConfiguration kConfiguration{"a84f0c2e9b7d31f6e5a0c48d92b17e", 0, 1, true, true, 1};

class BankLinkTest : public KitTest {
  protected:
    void SetUp() override {
        KitTest::SetUp();
        screen = std::make_shared<LinkHost>();
        host.show(screen);
    }
    BankLinkViewControllerPtr presentLink() {
        auto link = BankLinkViewController::create(kConfiguration, screen);
        screen->presentViewController(link, true);
        host.advance(1);
        return link;
    }
    std::shared_ptr<LinkHost> screen;
};

TEST_F(BankLinkTest, KeepsTheConfigurationAndItsDelegateWeakly) {
    auto link = BankLinkViewController::create(kConfiguration, screen);
    EXPECT_EQ(link->configuration(), kConfiguration);
    EXPECT_EQ(link->delegate(), screen);
    auto other = std::make_shared<LinkHost>();
    auto orphan = BankLinkViewController::create(kConfiguration, other);
    other.reset();
    EXPECT_EQ(orphan->delegate(), nullptr);
}

TEST_F(BankLinkTest, LinkReportsOneSuccessWithASandboxToken) {
    auto link = presentLink();
    ASSERT_EQ(host.presentedViewController(), link);
    ASSERT_EQ(BankLinkViewController::visibleLinkScreen(), link);
    ASSERT_TRUE(link->tapLink());
    ASSERT_EQ(screen->reports.size(), 1u);
    EXPECT_TRUE(std::regex_match(screen->reports[0], std::regex("success public-sandbox-[0-9a-f]{32}")))
        << screen->reports[0];
    EXPECT_EQ(screen->from, link);
    EXPECT_TRUE(screen->onMain);
    ASSERT_TRUE(screen->metadata);
    EXPECT_EQ((*screen->metadata)["institution"]["name"].stringValue(), "Sandbox Bank");
    // Only the first report counts.
    link->tapLink();
    link->tapCancel();
    EXPECT_EQ(screen->reports.size(), 1u);
    EXPECT_EQ(BankLinkViewController::visibleLinkScreen(), nullptr);
}

TEST_F(BankLinkTest, CancelReportsAnExitWithoutError) {
    auto link = presentLink();
    ASSERT_TRUE(link->tapCancel());
    EXPECT_EQ(screen->reports, (std::vector<std::string>{"exit none"}));
    EXPECT_EQ((*screen->metadata)["status"].stringValue(), "cancelled");
}

TEST_F(BankLinkTest, TokensDifferBetweenSessions) {
    presentLink()->tapLink();
    screen->dismissViewControllerAnimated(false);
    host.advance(1);
    presentLink()->tapLink();
    ASSERT_EQ(screen->reports.size(), 2u);
    EXPECT_NE(screen->reports[0], screen->reports[1]);
}

TEST_F(BankLinkTest, AScriptedOutcomeIsReportedOnceTheScreenAppeared) {
    NSError error{"BankLinkErrorDomain", 7, "The institution is not responding.", Value()};
    Value metadata;
    metadata.set("status", "institution_error");
    BankLinkViewController::setScriptedOutcome(BankLinkViewController::Outcome::exit(error, metadata));
    auto link = BankLinkViewController::create(kConfiguration, screen);
    screen->presentViewController(link, true);
    EXPECT_TRUE(screen->reports.empty());  // not inside the presentation
    host.advance(1);
    EXPECT_EQ(screen->reports, (std::vector<std::string>{"exit The institution is not responding."}));
    EXPECT_EQ((*screen->metadata)["status"].stringValue(), "institution_error");

    BankLinkViewController::setScriptedOutcome(
        BankLinkViewController::Outcome::succeed("public-sandbox-fixed"));
    screen->dismissViewControllerAnimated(false);
    host.advance(1);
    presentLink();
    EXPECT_EQ(screen->reports.back(), "success public-sandbox-fixed");
    EXPECT_EQ(screen->reports.size(), 2u);
}

// Linking sends the token and the host's credentials to the vendor: the screen says so, whole, on
// the narrowest phone too.
TEST_F(BankLinkTest, SaysWhatLinkingSendsAndWhereTo) {
    for (TestScreen phone : {TestScreen::Phone320, TestScreen::Phone375}) {
        host.useScreen(phone);
        auto link = presentLink();
        UILabelPtr body;
        for (const auto& text : TestHost::visibleTexts(link->view())) {
            if (text.find("Sandbox Bank") != std::string::npos)
                body = std::dynamic_pointer_cast<UILabel>(host.findViewWithText(text, link->view()));
        }
        ASSERT_TRUE(body);
        const std::string said = body->text().value_or("");
        EXPECT_EQ(said.find("nothing leaves"), std::string::npos) << said;
        for (const char* part : {"token", "credentials", "bank-link service"})
            EXPECT_NE(said.find(part), std::string::npos) << part;
        const CGSize needed = body->sizeThatFits(CGSizeMake(body->frame().size.width, 1000));
        EXPECT_LE(needed.height, body->frame().size.height) << "the text is cut off";
        link->dismissViewControllerAnimated(false);
        host.advance(1);
    }
}

TEST_F(BankLinkTest, Snapshot) {
    presentLink();
    EXPECT_TRUE(host.snapshot("bank_link_screen"));
}

}  // namespace
}  // namespace fv
