#include <gtest/gtest.h>

#include "SampleBaseScreen.h"
#include "core/ThemeManager.h"
#include "platform/graphics/TextLayout.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UIApplication.h"
#include "screenkit/BannerMessages.h"
#include "screenkit/ModalPopup.h"
#include "screenkit/ProgressHUD.h"

namespace fv {
namespace {

class ScreenFoundationTest : public TestHostFixture {
  protected:
    std::shared_ptr<SampleBaseScreen> open() {
        auto screen = SampleBaseScreen::make();
        host.show(screen);
        return screen;
    }
    // The screen as the user sees it: every window, overlays included.
    bool snapshotScreen(const std::string& name) {
        host.runUntilIdle();
        return host.snapshot(name, std::make_shared<ScreenImageView>());
    }
    void TearDown() override {
        ProgressHUD::dismiss();
        ModalPopup::sharedInstance()->hideAnimated(false, nullptr);
        TestHostFixture::TearDown();
    }
};

TEST_F(ScreenFoundationTest, ViewDidLoadThemesTheOverlayAndLocksTheSwipeBack) {
    ProgressHUD::setMaskColor(nullptr);
    int updates = UIApplication::sharedApplication()->statusBarAppearanceUpdates();
    auto screen = open();
    EXPECT_FALSE(host.navigationController()->interactivePopGestureRecognizer()->isEnabled());
    EXPECT_GT(UIApplication::sharedApplication()->statusBarAppearanceUpdates(), updates);
    EXPECT_TRUE(colorsEqual(ProgressHUD::foregroundColor(), ThemeManager::sharedInstance()->main_color()));
    EXPECT_TRUE(colorsEqual(ProgressHUD::backgroundColor(), UIColor::whiteColor()));
    EXPECT_TRUE(colorsEqual(ProgressHUD::maskColor(), UIColor::colorWithWhite(0, 0.5)));
    ASSERT_TRUE(ProgressHUD::font());
    EXPECT_EQ(ProgressHUD::font()->pointSize(), 14);
}

TEST_F(ScreenFoundationTest, EachAppearanceSetsTheScreensStatusBarStyle) {
    auto app = UIApplication::sharedApplication();
    auto screen = SampleBaseScreen::make();
    EXPECT_EQ(screen->statusBarStyle(), UIStatusBarStyleLightContent);
    host.show(screen);
    EXPECT_EQ(app->statusBarStyle(), UIStatusBarStyleLightContent);

    app->setStatusBarStyle(UIStatusBarStyleDarkContent);
    screen->setStatusBarStyle(std::nullopt);
    screen->viewWillAppear(false);
    EXPECT_EQ(app->statusBarStyle(), UIStatusBarStyleDarkContent);

    screen->setStatusBarStyle(UIStatusBarStyleDefault);
    screen->viewWillAppear(false);
    EXPECT_EQ(app->statusBarStyle(), UIStatusBarStyleDefault);
}

TEST_F(ScreenFoundationTest, CustomizeLayerGivesTheCommonFieldFrame) {
    auto screen = open();
    auto layer = screen->view_field.lock()->layer();
    screen->CustomizeLayer(layer);
    EXPECT_EQ(layer->borderWidth, 1.5);
    EXPECT_EQ(layer->cornerRadius, 5.0);
    EXPECT_TRUE(colorsEqual(layer->borderColor, ThemeManager::sharedInstance()->border_color()));
}

TEST_F(ScreenFoundationTest, DoneOfAKeyboardToolbarResignsTheCurrentField) {
    auto screen = open();
    auto field = screen->tf_name.lock();
    ASSERT_TRUE(host.typeText(field, "Ann"));
    EXPECT_EQ(screen->currentTextField(), field);
    ASSERT_TRUE(field->isFirstResponder());
    // The toolbar's item, not a field, is the sender.
    auto item = std::make_shared<NSObject>();
    EXPECT_TRUE(screen->performSelector("textFieldShouldReturn:", item.get()));
    EXPECT_FALSE(field->isFirstResponder());
}

TEST_F(ScreenFoundationTest, OverlaySwallowsTouchesUntilHidden) {
    auto screen = open();
    auto button = screen->btn_action.lock();
    screen->ShowHUD("Loading");
    EXPECT_TRUE(ProgressHUD::isVisible());
    EXPECT_EQ(ProgressHUD::status(), "Loading");
    EXPECT_TRUE(host.findViewWithText("Loading"));
    EXPECT_EQ(host.tapMissing(button), "a touch on CustomButton reached ProgressHUDView");
    host.tap(CGPoint{10, 10});
    EXPECT_EQ(screen->presses, 0);

    // The indicator turns with the clock.
    auto indicator = ProgressHUD::indicator();
    ASSERT_TRUE(indicator && indicator->isAnimating());
    EXPECT_TRUE(indicator->layer()->animationForKey(ActivityIndicatorView::kAnimationKey));
    double before = indicator->phase();
    host.advance(0.3);
    EXPECT_NE(indicator->phase(), before);
    EXPECT_TRUE(snapshotScreen("progress_overlay"));

    screen->HideHUD();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_FALSE(indicator->isAnimating());
    EXPECT_TRUE(host.overlayWindows().empty());
    host.tap(button);
    EXPECT_EQ(screen->presses, 1);
    screen->HideHUD();  // nothing shown: harmless
    EXPECT_FALSE(ProgressHUD::isVisible());
}

class BannerTypeTest : public ScreenFoundationTest, public ::testing::WithParamInterface<int> {};

TEST_P(BannerTypeTest, ShowsForSixSecondsOfTheClock) {
    auto screen = open();
    const char* names[] = {"success", "error", "warning", "info", "custom"};
    int type = GetParam();
    screen->CreateNotification("Card blocked", "Your card ending 4242 is now blocked.",
                               static_cast<BannerMessageType>(type));
    host.advance(BannerMessages::kSlideDuration);
    auto shown = BannerMessages::visibleBanners();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (BannerInfo{"Card blocked", "Your card ending 4242 is now blocked.",
                                    static_cast<BannerMessageType>(type)}));
    EXPECT_TRUE(snapshotScreen(std::string("banner_") + names[type]));
    host.advance(BannerMessages::kDuration - BannerMessages::kSlideDuration - 0.01);
    EXPECT_EQ(BannerMessages::visibleBanners().size(), 1u);
    host.advance(0.02);
    EXPECT_TRUE(BannerMessages::visibleBanners().empty());
    host.advance(BannerMessages::kSlideDuration);
    EXPECT_TRUE(host.overlayWindows().empty());
}

INSTANTIATE_TEST_SUITE_P(EachType, BannerTypeTest, ::testing::Values(0, 1, 2, 3, 4));

TEST_F(ScreenFoundationTest, BannersQueueAndATapOrSwipeHidesThemEarly) {
    auto screen = open();
    screen->CreateNotification("First", std::nullopt, BannerMessageTypeError);
    screen->CreateNotification("Second", "", BannerMessageTypeInfo);
    BannerMessages::showNotification("Third", "odd type", 42);
    ASSERT_EQ(BannerMessages::visibleBanners().size(), 1u);
    EXPECT_EQ(BannerMessages::visibleBanners()[0].title, "First");
    EXPECT_EQ(BannerMessages::waitingCount(), 2u);

    host.advance(BannerMessages::kDuration);
    EXPECT_TRUE(BannerMessages::visibleBanners().empty());
    host.advance(BannerMessages::kSlideDuration);
    ASSERT_EQ(BannerMessages::visibleBanners().size(), 1u);
    EXPECT_EQ(BannerMessages::visibleBanners()[0].title, "Second");

    host.advance(BannerMessages::kSlideDuration);
    ASSERT_TRUE(host.tap(BannerMessages::bannerView()));
    EXPECT_TRUE(BannerMessages::visibleBanners().empty());
    host.advance(BannerMessages::kSlideDuration);
    ASSERT_EQ(BannerMessages::visibleBanners().size(), 1u);
    EXPECT_EQ(BannerMessages::visibleBanners()[0].type, BannerMessageTypeCustom);

    host.advance(BannerMessages::kSlideDuration);
    ASSERT_TRUE(host.pan(BannerMessages::bannerView(), {0, -40}));
    EXPECT_TRUE(BannerMessages::visibleBanners().empty());
    host.advance(BannerMessages::kSlideDuration);
    EXPECT_TRUE(host.overlayWindows().empty());
    EXPECT_EQ(BannerMessages::waitingCount(), 0u);
}

TEST_F(ScreenFoundationTest, BannerLeavesTheScreenBelowTouchable) {
    auto screen = open();
    screen->CreateNotification("Saved", std::nullopt, BannerMessageTypeSuccess);
    host.advance(BannerMessages::kSlideDuration);
    host.tap(screen->btn_action.lock());
    EXPECT_EQ(screen->presses, 1);
    EXPECT_EQ(BannerMessages::visibleBanners().size(), 1u);
}

TEST_F(ScreenFoundationTest, AlertButtonRunsItsActionOnceAndClosesTheAlert) {
    auto screen = open();
    auto alert = screen->AlertView();
    int blocked = 0, cancelled = 0;
    alert->addButton("Cancel", [&] { ++cancelled; });
    alert->addButton("Block", [&] { ++blocked; });
    alert->showAlertWithTitle("Block card?", "You can unblock it at any time.", nullptr, std::nullopt, {});
    host.advance(0.3);
    ASSERT_EQ(ThemedAlertView::visibleAlert(), alert);
    EXPECT_EQ(alert->buttonTitles(), (std::vector<std::string>{"Cancel", "Block"}));
    EXPECT_TRUE(snapshotScreen("themed_alert"));

    EXPECT_TRUE(alert->touchOutside());
    EXPECT_TRUE(alert->isVisible());
    EXPECT_TRUE(alert->tapButton("Block"));
    EXPECT_EQ(blocked, 1);
    EXPECT_EQ(cancelled, 0);
    EXPECT_FALSE(alert->isVisible());
    EXPECT_FALSE(alert->tapButton("Block"));
    EXPECT_EQ(blocked, 1);
    EXPECT_TRUE(host.overlayWindows().empty());
}

struct PopupCase {
    int closeButtonType;
    bool tapOutside;
};

class ModalPopupTest : public ScreenFoundationTest, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(ModalPopupTest, CloseButtonAndTapOutsideFollowTheLastOptions) {
    open();
    auto popup = ModalPopup::sharedInstance();
    popup->setCloseButtonType(GetParam().closeButtonType);
    popup->setBackgroundDisplayStyle(GetParam().closeButtonType == 2 ? 1 : 0);
    popup->setModalBackgroundColor(UIColor::whiteColor());
    popup->setTapOutsideToDismiss(GetParam().tapOutside);
    auto content = UIView::create(CGRectMake(0, 0, 240, 140));
    content->setBackgroundColor(UIColor::colorWithRed(0.9, 0.95, 1, 1));
    popup->showWithContentView(content);
    host.advance(ModalPopup::kAnimationDuration);
    ASSERT_TRUE(popup->isVisible());

    CGRect container = popup->containerView()->frame();
    EXPECT_EQ(container.size.width, 240 + 34);
    EXPECT_EQ(container.size.height, 140 + 34);
    EXPECT_EQ(CGRectGetMidX(container), 375 / 2.0);
    EXPECT_EQ(CGRectGetMidY(container), 667 / 2.0);
    EXPECT_EQ(content->bounds().size, (CGSize{240, 140}));
    auto close = popup->closeButton();
    EXPECT_EQ(close != nullptr, GetParam().closeButtonType != 0);
    if (close) {
        CGFloat corner =
            GetParam().closeButtonType == 1 ? CGRectGetMinX(container) : CGRectGetMaxX(container);
        EXPECT_EQ(CGRectGetMidX(close->frame()), corner);
    }
    if (GetParam().tapOutside) {
        EXPECT_TRUE(snapshotScreen("modal_popup_close" + std::to_string(GetParam().closeButtonType)));
    }

    ASSERT_TRUE(host.tap(content));  // inside: stays
    host.advance(ModalPopup::kAnimationDuration);
    ASSERT_TRUE(popup->isVisible());
    ASSERT_TRUE(host.tap(CGPoint{20, 40}));
    host.advance(ModalPopup::kAnimationDuration);
    EXPECT_EQ(popup->isVisible(), !GetParam().tapOutside);
    if (close && popup->isVisible()) {
        ASSERT_TRUE(host.tap(close));
        host.advance(ModalPopup::kAnimationDuration);
        EXPECT_FALSE(popup->isVisible());
    }
    if (!popup->isVisible()) {
        EXPECT_TRUE(host.overlayWindows().empty());
        EXPECT_EQ(content->superview(), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(EachCloseButtonAndTapSetting, ModalPopupTest,
                         ::testing::Values(PopupCase{0, true}, PopupCase{0, false}, PopupCase{1, true},
                                           PopupCase{1, false}, PopupCase{2, true}, PopupCase{2, false}));

TEST_F(ScreenFoundationTest, HideAnimatedRunsTheBlockAfterTheHideOnlyWhenAnimated) {
    open();
    auto popup = ModalPopup::sharedInstance();
    auto content = UIView::create(CGRectMake(0, 0, 100, 100));
    int ran = 0;
    popup->showWithContentView(content);
    popup->hideAnimated(true, [&] { ++ran; });
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(ran, 0);
    host.advance(ModalPopup::kAnimationDuration);
    EXPECT_EQ(ran, 1);
    EXPECT_TRUE(host.overlayWindows().empty());

    popup->showWithContentView(content);
    popup->hideAnimated(false, [&] { ++ran; });
    EXPECT_TRUE(host.overlayWindows().empty());
    host.advance(1);
    EXPECT_EQ(ran, 1);
    popup->hide();  // nothing shown: harmless
}

TEST_F(ScreenFoundationTest, LinkLabelReportsTheTappedLinkOnly) {
    auto screen = open();
    auto label = screen->lbl_terms.lock();
    std::string text = *label->text();
    EXPECT_FALSE(label->addLinkToURL("https://example.com/x", NSMakeRange(30, 10)));
    EXPECT_FALSE(label->addLinkToURL("https://example.com/x", NSMakeRange(3, 0)));
    auto terms = label->addLinkToURL("https://example.com/terms", NSMakeRange(11, 5));
    ASSERT_TRUE(terms);
    EXPECT_EQ(terms->range, NSMakeRange(11, 5));
    ASSERT_TRUE(label->addLinkToURL("https://example.com/privacy", NSMakeRange(21, 14)));
    EXPECT_EQ(label->links().size(), 2u);

    CGFloat mid = label->bounds().size.height / 2;
    auto at = [&](const std::string& prefix) {
        CGFloat x = TextLayout::widthOfText(prefix, label->font()) + 3;
        return label->convertPointToView({x, mid}, nullptr);
    };
    ASSERT_TRUE(host.tap(at("Accept the ")));
    ASSERT_TRUE(host.tap(at("Accept the Terms and Privacy")));
    ASSERT_TRUE(host.tap(at("Acc")));
    ASSERT_TRUE(host.tap(at("Accept the Terms an")));
    EXPECT_EQ(screen->selectedURLs,
              (std::vector<std::string>{"https://example.com/terms", "https://example.com/privacy"}));
}

TEST_F(ScreenFoundationTest, CustomButtonDrawsItsThemedShapeAndRefits) {
    auto screen = open();
    auto button = screen->btn_action.lock();
    auto shape = button->shapeLayer();
    ASSERT_TRUE(shape);
    EXPECT_TRUE(colorsEqual(button->shapeFillColor(), ThemeManager::sharedInstance()->main_color()));
    EXPECT_TRUE(colorsEqual(button->titleColorForState(UIControlStateNormal), UIColor::whiteColor()));
    EXPECT_EQ(shape->frame().size, (CGSize{335, 50}));
    button->setFrame(CGRectMake(20, 560, 200, 60));
    host.runUntilIdle();
    EXPECT_EQ(button->shapeLayer(), shape);
    EXPECT_EQ(shape->frame().size, (CGSize{200, 60}));
    host.tap(button);
    EXPECT_EQ(screen->presses, 1);
}

}  // namespace
}  // namespace fv
