#include <gtest/gtest.h>

#include <vector>

#include "cards/MyCardsCollectionViewCell.h"
#include "core/DataModel.h"
#include "core/FrameworkResources.h"
#include "platform/foundation/RunLoop.h"
#include "platform/testing/TestHost.h"
#include "platform/ui/UICollectionView.h"
#include "platform/ui/UICollectionViewFlowLayout.h"
#include "platform/ui/UINib.h"
#include "platform/ui/UIViewAnimation.h"

namespace fv {
namespace {

MyCardsCollectionViewCellPtr loadCard() {
    auto nib = UINib::nibWithNibName(MyCardsCollectionViewCell::kNibName, frameworkBundle());
    if (!nib) return nullptr;
    auto objects = nib->instantiateWithOwner(nullptr);
    return objects.empty() ? nullptr : std::dynamic_pointer_cast<MyCardsCollectionViewCell>(objects.front());
}

class CardCellTest : public TestHostFixture {
  protected:
    void SetUp() override {
        cell = loadCard();
        ASSERT_TRUE(cell);
        cell->setFrame(CGRectMake(37.5, 120, 300, 200));
        host.rootScreen()->view()->addSubview(cell);
        cell->layoutIfNeeded();
        cell->EnableTouchOnCard();
        cell->AddShadow();
        AnimationLog::clear();
    }

    // The flips of the card, oldest first.
    std::vector<AnimationRecord> flips() const {
        std::vector<AnimationRecord> out;
        for (const auto& r : AnimationLog::recordsForView(cell->mainContainerView.get().get()))
            if (r.kind == AnimationRecord::Kind::Transition) out.push_back(r);
        return out;
    }

    bool showsBack() const { return !cell->backView->isHidden() && cell->frontView->isHidden(); }
    bool showsFront() const { return cell->backView->isHidden() && !cell->frontView->isHidden(); }

    MyCardsCollectionViewCellPtr cell;
};

TEST_F(CardCellTest, StartsOnItsFront) {
    EXPECT_TRUE(showsFront());
}

TEST_F(CardCellTest, TapOnTheFrontFlipsToTheBackAndTwoSecondsAfterTheFlipTurnsHome) {
    ASSERT_TRUE(host.tap(cell->frontView.get()));
    EXPECT_TRUE(showsBack());
    auto all = flips();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_DOUBLE_EQ(all[0].duration, 0.5);
    EXPECT_EQ(all[0].options, static_cast<unsigned>(UIViewAnimationOptionTransitionFlipFromLeft));
    EXPECT_EQ(all[0].options, 1u << 20);

    const double flipEnds = all[0].startTime + 0.5;
    host.advance(flipEnds + 2.0 - RunLoop::main().now() - 0.01);
    EXPECT_TRUE(showsBack());
    EXPECT_EQ(flips().size(), 1u);

    host.advance(0.02);
    EXPECT_TRUE(showsFront());
    all = flips();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_DOUBLE_EQ(all[1].duration, 0.5);
    EXPECT_EQ(all[1].options, 2u << 20);
    EXPECT_NEAR(all[1].startTime, flipEnds + 2.0, 1e-6);
    host.advance(5);
    EXPECT_EQ(flips().size(), 2u);
}

TEST_F(CardCellTest, TapOnTheBackTurnsHomeAtOnceAndTheScheduledReturnDoesNothing) {
    ASSERT_TRUE(host.tap(cell->frontView.get()));
    host.advance(1.0);
    ASSERT_TRUE(host.tap(cell->backView.get()));
    EXPECT_TRUE(showsFront());
    auto all = flips();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[1].options, static_cast<unsigned>(UIViewAnimationOptionTransitionFlipFromRight));
    EXPECT_DOUBLE_EQ(all[1].duration, 0.5);
    host.advance(5);
    EXPECT_TRUE(showsFront());
    EXPECT_EQ(flips().size(), 2u);
}

TEST_F(CardCellTest, FlippedAgainWithinTwoSecondsTheFirstReturnTurnsItHome) {
    ASSERT_TRUE(host.tap(cell->frontView.get()));
    const double firstFlipEnds = flips()[0].startTime + 0.5;
    host.advance(0.8);
    ASSERT_TRUE(host.tap(cell->backView.get()));
    ASSERT_TRUE(host.tap(cell->frontView.get()));
    EXPECT_TRUE(showsBack());
    host.advance(firstFlipEnds + 2.0 - RunLoop::main().now() + 0.01);
    EXPECT_TRUE(showsFront());
    auto all = flips();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_NEAR(all[3].startTime, firstFlipEnds + 2.0, 1e-6);
    // The second flip's own return finds the front up and does nothing.
    host.advance(5);
    EXPECT_EQ(flips().size(), 4u);
}

TEST_F(CardCellTest, ConfiguredManyTimesOneTapStillFlipsOnce) {
    for (int i = 0; i < 6; ++i) {
        cell->EnableTouchOnCard();
        cell->AddShadow();
    }
    EXPECT_EQ(cell->frontView->gestureRecognizers().size(), 1u);
    EXPECT_EQ(cell->backView->gestureRecognizers().size(), 1u);
    ASSERT_TRUE(host.tap(cell->frontView.get()));
    EXPECT_EQ(flips().size(), 1u);
    EXPECT_TRUE(showsBack());
}

TEST_F(CardCellTest, WithoutEnableTouchATapFlipsNothing) {
    auto plain = loadCard();
    ASSERT_TRUE(plain);
    plain->setFrame(CGRectMake(37.5, 400, 300, 200));
    host.rootScreen()->view()->addSubview(plain);
    plain->layoutIfNeeded();
    ASSERT_TRUE(host.tap(plain->frontView.get()));
    EXPECT_TRUE(plain->backView->isHidden());
    EXPECT_TRUE(AnimationLog::recordsForView(plain->mainContainerView.get().get()).empty());
}

TEST_F(CardCellTest, TheSwitchTakesItsOwnTapsWithoutFlippingTheCard) {
    auto blockSwitch = cell->blockSwitch.get();
    const bool was = blockSwitch->isOn();
    ASSERT_TRUE(host.tap(blockSwitch));
    EXPECT_NE(blockSwitch->isOn(), was);
    EXPECT_TRUE(flips().empty());
    EXPECT_TRUE(showsFront());
}

TEST_F(CardCellTest, ShadowAndCornersAreTheCardLook) {
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        const auto& layer = *cell->layer();
        EXPECT_FALSE(layer.masksToBounds);
        EXPECT_EQ(layer.shadowOffset.width, 0);
        EXPECT_EQ(layer.shadowOffset.height, 0);
        EXPECT_EQ(layer.shadowRadius, 5.0);
        EXPECT_EQ(layer.shadowOpacity, 1.0);
        EXPECT_TRUE(colorsEqual(layer.shadowColor, UIColor::blackColor()));
        auto container = cell->mainContainerView.get();
        EXPECT_EQ(container->layer()->cornerRadius, 10.0);
        ASSERT_TRUE(container->backgroundColor());
        EXPECT_TRUE(colorsEqual(container->backgroundColor(), UIColor::clearColor()));
        cell->AddShadow();
    }
}

TEST_F(CardCellTest, ACardScrolledAwayStillTurnsHomeAndIsThenReleased) {
    ASSERT_TRUE(host.tap(cell->frontView.get()));
    std::weak_ptr<MyCardsCollectionViewCell> weak = cell;
    auto container = cell->mainContainerView.get();
    cell->removeFromSuperview();
    cell.reset();
    host.advance(1.0);
    ASSERT_FALSE(weak.expired());
    host.advance(2.0);
    EXPECT_EQ(AnimationLog::recordsForView(container.get()).size(), 2u);
    container.reset();
    host.runUntilIdle();
    EXPECT_TRUE(weak.expired());
}

// A carousel that configures its card cells each time it is asked for them, as the screens do.
class Carousel : public UICollectionViewDataSource {
  public:
    long collectionViewNumberOfItemsInSection(UICollectionView&, long) override { return 3; }
    UICollectionViewCellPtr collectionViewCellForItemAtIndexPath(UICollectionView& view,
                                                                 const NSIndexPath& indexPath) override {
        auto cell =
            std::dynamic_pointer_cast<MyCardsCollectionViewCell>(view.dequeueReusableCellWithReuseIdentifier(
                MyCardsCollectionViewCell::kReuseIdentifier, indexPath));
        if (!cell) return nullptr;
        cell->EnableTouchOnCard();
        cell->AddShadow();
        cell->lbl_cardNumber->setText(
            DataModel::sharedInstance()->formattedCardNumber("4111111111111111", true));
        ++configured;
        return cell;
    }
    int configured = 0;
};

TEST_F(CardCellTest, DequeuedFromTheCarouselCardsShowTheirFrontAndFlipOnceAfterManyReloads) {
    auto layout = UICollectionViewFlowLayout::create();
    layout->setScrollDirection(UICollectionViewScrollDirectionHorizontal);
    layout->setItemSize(CGSizeMake(300, 200));
    layout->setMinimumLineSpacing(20);
    auto carousel = UICollectionView::create(CGRectMake(0, 340, 375, 210), layout);
    auto source = std::make_shared<Carousel>();
    carousel->setDataSource(source);
    carousel->registerNib(UINib::nibWithNibName(MyCardsCollectionViewCell::kNibName, frameworkBundle()),
                          MyCardsCollectionViewCell::kReuseIdentifier);
    host.rootScreen()->view()->addSubview(carousel);
    for (int i = 0; i < 5; ++i) {
        carousel->reloadData();
        carousel->layoutIfNeeded();
    }
    EXPECT_GE(source->configured, 5);
    auto first = std::dynamic_pointer_cast<MyCardsCollectionViewCell>(
        carousel->cellForItemAtIndexPath(NSIndexPath::indexPathForItem(0, 0)));
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->backView->isHidden());
    EXPECT_EQ(first->lbl_cardNumber->text(), "✱✱✱✱ ✱✱✱✱ ✱✱✱✱ 1111");
    EXPECT_EQ(first->frontView->gestureRecognizers().size(), 1u);
    ASSERT_TRUE(host.tap(first->frontView.get()));
    EXPECT_EQ(AnimationLog::recordsForView(first->mainContainerView.get().get()).size(), 1u);
    EXPECT_FALSE(first->backView->isHidden());
}

TEST_F(CardCellTest, LooksLikeACardMaskedInFullAndFromBehind) {
    auto model = DataModel::sharedInstance();
    auto strip = UIView::create(CGRectMake(0, 0, 340, 690));
    strip->setBackgroundColor(UIColor::whiteColor());
    host.rootScreen()->view()->addSubview(strip);
    for (int i = 0; i < 3; ++i) {
        auto card = loadCard();
        ASSERT_TRUE(card);
        card->setFrame(CGRectMake(20, 20 + 225 * i, 300, 200));
        strip->addSubview(card);
        card->layoutIfNeeded();
        card->EnableTouchOnCard();
        card->AddShadow();
        const bool hide = i == 0;
        card->lbl_cardNumber->setText(model->formattedCardNumber("4111 1111 1111 1111", hide));
        card->lbl_cardExpiry->setText(model->formattedEXP("0929", hide));
        card->lbl_cardCVV->setText(model->formattedCVV("123", hide));
        card->blockSwitch->setOn(true);
        // The middle card is shown as the card controls show it: with its switch.
        card->blockSwitch->setHidden(i != 1);
        card->lbl_blockStatus->setHidden(i != 1);
        if (i == 2) {
            ASSERT_TRUE(host.tap(card->frontView.get()));
        }
    }
    EXPECT_EQ(strip->subviews().size(), 3u);
    EXPECT_TRUE(host.snapshot("card_faces", strip));
}

}  // namespace
}  // namespace fv
