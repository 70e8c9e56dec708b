#include "cards/MyCardsCollectionViewCell.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/UIViewAnimation.h"

namespace fv {

FV_REGISTER_CLASS(MyCardsCollectionViewCell);

void MyCardsCollectionViewCell::registerMembers(ClassBuilder<MyCardsCollectionViewCell>& b) {
    b.action("handleSingleTap:", &MyCardsCollectionViewCell::handleSingleTap);
    b.action("handleSingleTapOnBack:", &MyCardsCollectionViewCell::handleSingleTapOnBack);
}

MyCardsCollectionViewCell::MyCardsCollectionViewCell() = default;

MyCardsCollectionViewCell::~MyCardsCollectionViewCell() = default;

void MyCardsCollectionViewCell::awakeFromNib() {
    UICollectionViewCell::awakeFromNib();
    backView->setHidden(true);
}

void MyCardsCollectionViewCell::EnableTouchOnCard() {
    if (!frontTap_) {
        frontTap_ = std::make_shared<UITapGestureRecognizer>();
        frontTap_->addTarget(this, "handleSingleTap:");
        frontView->addGestureRecognizer(frontTap_);
    }
    if (!backTap_) {
        backTap_ = std::make_shared<UITapGestureRecognizer>();
        backTap_->addTarget(this, "handleSingleTapOnBack:");
        backView->addGestureRecognizer(backTap_);
    }
}

void MyCardsCollectionViewCell::AddShadow() {
    auto& cellLayer = *layer();
    cellLayer.masksToBounds = false;
    cellLayer.shadowOffset = CGSizeMake(0, 0);
    cellLayer.shadowRadius = 5.0;
    cellLayer.shadowOpacity = 1.0;
    auto container = mainContainerView.get();
    container->setBackgroundColor(UIColor::clearColor());
    container->layer()->cornerRadius = 10.0;
}

void MyCardsCollectionViewCell::handleSingleTap(UITapGestureRecognizer* /*sender*/) {
    auto self = sharedAs<MyCardsCollectionViewCell>();
    UIView::transitionWithView(
        mainContainerView.get(), kFlipDuration, UIViewAnimationOptionTransitionFlipFromLeft,
        [self] {
            self->backView->setHidden(false);
            self->frontView->setHidden(true);
        },
        [self](bool) {
            // The pending return holds the cell, so a cell scrolled away still turns home.
            RunLoop::main().postAfter(kBackFaceSeconds, [self] {
                if (!self->backView->isHidden()) self->flipHome();
            });
        });
}

void MyCardsCollectionViewCell::handleSingleTapOnBack(UITapGestureRecognizer* /*sender*/) {
    flipHome();
}

void MyCardsCollectionViewCell::flipHome() {
    auto self = sharedAs<MyCardsCollectionViewCell>();
    UIView::transitionWithView(mainContainerView.get(), kFlipDuration,
                               UIViewAnimationOptionTransitionFlipFromRight, [self] {
                                   self->backView->setHidden(true);
                                   self->frontView->setHidden(false);
                               });
}

}  // namespace fv
