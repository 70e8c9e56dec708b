#include "core/SDKManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "core/DataModel.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyList.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/testing/TestHost.h"
#include "tests/core/FacadeTestScreens.h"
#include "tests/support/TemporaryBundle.h"

namespace fv {
namespace {

namespace fs = std::filesystem;
using facade_test::HiddenScreenClass;
using facade_test::PlainScreen;

const fs::path kResources = fs::path(FV_SOURCE_DIR) / "resources";

// Points the framework bundle at a temporary copy of resources/ whose "cardControl.plist" the test
// chooses; restores the previous bundle on destruction.
class BundleOverride {
  public:
    explicit BundleOverride(const std::optional<std::string>& cardControlText) {
        for (const auto& entry : fs::directory_iterator(kResources))
            if (entry.path().filename() != "cardControl.plist")
                fs::create_symlink(entry.path(), bundle_.path() / entry.path().filename());
        if (cardControlText) std::ofstream(bundle_.path() / "cardControl.plist") << *cardControlText;
    }

  private:
    test::TemporaryBundle bundle_;
};

// The card controls as saved on disk, unarchived; none when the key is absent.
std::optional<Value> savedCardControls() {
    const auto file = PropertyList::readDictionary(NSUserDefaults::standardUserDefaults().path());
    if (!file || !file->contains(kCardControlDataDefaultsKey)) return std::nullopt;
    const Value::Bytes* data = (*file)[kCardControlDataDefaultsKey].asData();
    if (!data) return Value("not data");
    return NSKeyedUnarchiver::unarchiveObjectWithData(*data);
}

class SDKManagerTest : public TestHostFixture {
  protected:
    void seedStaleCardControls() {
        auto& defaults = NSUserDefaults::standardUserDefaults();
        defaults.setObject(Value(NSKeyedArchiver::archivedDataWithRootObject(Value("stale"))),
                           kCardControlDataDefaultsKey);
        ASSERT_TRUE(defaults.synchronize());
    }
    const std::shared_ptr<SDKManager> sdk = SDKManager::sharedInstance();
    const std::shared_ptr<DataModel> model = DataModel::sharedInstance();
};

TEST_F(SDKManagerTest, EntryResetsCardControlsToTheBundledFileAndSavesThem) {
    seedStaleCardControls();
    sdk->initAllView();
    const auto bundled = PropertyList::readArray((kResources / "cardControl.plist").string());
    ASSERT_TRUE(bundled.has_value());
    ASSERT_GT(bundled->size(), 0u);
    EXPECT_EQ(savedCardControls(), bundled);
}

class CardControlRemovalTest : public SDKManagerTest,
                               public ::testing::WithParamInterface<std::optional<std::string>> {};

TEST_P(CardControlRemovalTest, AMissingOrUnreadableFileRemovesTheSavedControls) {
    seedStaleCardControls();
    ASSERT_EQ(savedCardControls(), Value("stale"));
    BundleOverride bundle(GetParam());
    sdk->initAllView();
    EXPECT_FALSE(NSUserDefaults::standardUserDefaults().objectForKey(kCardControlDataDefaultsKey).isNull() ==
                 false);
    EXPECT_EQ(savedCardControls(), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, CardControlRemovalTest,
    ::testing::Values(
        std::nullopt, std::optional<std::string>("<plist version=\"1.0\"><array><dict>"),
        std::optional<std::string>("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict/></plist>")),
    [](const auto& info) {
        return std::string(info.index == 0 ? "Missing" : info.index == 1 ? "Malformed" : "NotAnArray");
    });

TEST_F(SDKManagerTest, EveryEntryRebuildsTheStacks) {
    sdk->initAllView();
    const auto home = model->homeNavView();
    ASSERT_NE(home, nullptr);
    sdk->GetNewCard(host.navigationController());
    EXPECT_NE(model->homeNavView(), home);
}

TEST_F(SDKManagerTest, GetNewCardPushesTheWizardScreenAnimated) {
    const auto screen = model->getCardViews();
    ASSERT_NE(screen, nullptr);
    sdk->GetNewCard(host.navigationController());
    ASSERT_EQ(host.navigationStack().size(), 2u);
    EXPECT_EQ(host.topViewController(), screen);
    host.advance(UIViewControllerTransitionDuration / 2);
    EXPECT_EQ(screen->appearance(), UIViewController::Appearance::Appearing);
    host.advance(UIViewControllerTransitionDuration);
    EXPECT_EQ(screen->appearance(), UIViewController::Appearance::Appeared);
}

TEST_F(SDKManagerTest, GetNewCardAgainPopsBackToTheWizardScreen) {
    const auto screen = model->getCardViews();
    sdk->GetNewCard(host.navigationController());
    host.runUntilIdle();
    const auto later = std::make_shared<PlainScreen>();
    host.show(later);

    LogCapture capture;
    sdk->GetNewCard(host.navigationController());
    host.advance(UIViewControllerTransitionDuration);
    EXPECT_EQ(host.navigationStack(), (std::vector<UIViewControllerPtr>{host.rootScreen(), screen}));

    sdk->GetNewCard(host.navigationController());
    host.advance(UIViewControllerTransitionDuration);
    EXPECT_EQ(host.navigationStack(), (std::vector<UIViewControllerPtr>{host.rootScreen(), screen}));
    EXPECT_FALSE(capture.contains("already on this navigation stack"));
}

TEST_F(SDKManagerTest, GetNewCardTakesTheWizardScreenOffAnotherStack) {
    const auto screen = model->getCardViews();
    const auto otherRoot = std::make_shared<PlainScreen>();
    const auto above = std::make_shared<PlainScreen>();
    const auto other = UINavigationController::create(otherRoot);
    other->pushViewController(screen, false);
    other->pushViewController(above, false);

    sdk->GetNewCard(host.navigationController());
    host.advance(UIViewControllerTransitionDuration);
    EXPECT_EQ(other->viewControllers(), (std::vector<UIViewControllerPtr>{otherRoot, above}));
    EXPECT_EQ(host.navigationStack(), (std::vector<UIViewControllerPtr>{host.rootScreen(), screen}));
    EXPECT_EQ(screen->navigationController(), host.navigationController());
}

TEST_F(SDKManagerTest, EntryPointsWithoutAHostStackLogAndStillPrepare) {
    seedStaleCardControls();
    LogCapture capture;
    sdk->GetNewCard(nullptr);
    EXPECT_TRUE(capture.contains("GetNewCard: no navigation controller"));
    sdk->OpenMyCards(nullptr);
    EXPECT_TRUE(capture.contains("OpenMyCards: no navigation controller"));
    EXPECT_EQ(savedCardControls(), PropertyList::readArray((kResources / "cardControl.plist").string()));
    EXPECT_EQ(host.navigationStack().size(), 1u);
}

TEST_F(SDKManagerTest, OpenMyCardsMovesTheTransferScreenOntoTheHostStack) {
    sdk->initAllView();
    const auto before = model->cardToBankTransferNavView()->viewControllers().front();

    sdk->OpenMyCards(host.navigationController());
    const auto stack = model->cardToBankTransferNavView();
    ASSERT_NE(stack, nullptr);
    EXPECT_TRUE(stack->viewControllers().empty());
    ASSERT_EQ(host.navigationStack().size(), 2u);
    const auto shown = host.topViewController();
    EXPECT_EQ(shown->className(), "CardToBankTransferViewController");
    EXPECT_NE(shown, before) << "every entry shows a fresh screen";
    EXPECT_EQ(shown->navigationController(), host.navigationController());
    host.advance(UIViewControllerTransitionDuration / 2);
    EXPECT_EQ(shown->appearance(), UIViewController::Appearance::Appearing);
    host.advance(UIViewControllerTransitionDuration);
    EXPECT_EQ(shown->appearance(), UIViewController::Appearance::Appeared);
}

TEST_F(SDKManagerTest, OpenMyCardsWithoutTheTransferScreenIsAFaultAndChangesNothing) {
    HiddenScreenClass hidden("CardToBankTransferViewController");
    sdk->OpenMyCards(host.navigationController());
    EXPECT_EQ(model->cardToBankTransferNavView(), nullptr);
    EXPECT_EQ(host.navigationStack().size(), 1u);
    const auto faults = host.faults().faults();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find("CardToBankTransferViewController is not a creatable view controller"),
              std::string::npos)
        << faults[0];
    host.faults().clear();
}

}  // namespace
}  // namespace fv
