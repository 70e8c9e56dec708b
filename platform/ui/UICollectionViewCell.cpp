#include "platform/ui/UICollectionViewCell.h"

namespace fv {

FV_REGISTER_CLASS(UICollectionViewCell);

void UICollectionViewCell::registerMembers(ClassBuilder<UICollectionViewCell>& b) {
    b.property("reuseIdentifier", &UICollectionViewCell::reuseIdentifier,
               &UICollectionViewCell::setReuseIdentifier);
    b.property("selected", &UICollectionViewCell::selected, &UICollectionViewCell::setSelected);
    b.property("highlighted", &UICollectionViewCell::highlighted, &UICollectionViewCell::setHighlighted);
    b.object(
        "contentView", [](UICollectionViewCell& c) -> NSObjectPtr { return c.contentView(); },
        [](UICollectionViewCell& c, const NSObjectPtr& v) {
            auto view = std::dynamic_pointer_cast<UIView>(v);
            if (!view) return false;
            c.setContentView(view);
            return true;
        });
}

UICollectionViewCellPtr UICollectionViewCell::create(CGRect frame) {
    return std::make_shared<UICollectionViewCell>(frame);
}

UICollectionViewCell::UICollectionViewCell() : UICollectionViewCell(CGRectZero) {}

UICollectionViewCell::UICollectionViewCell(CGRect frame) {
    setFrame(frame);
    contentView_ = UIView::create(bounds());
    addSubview(contentView_);
}

UICollectionViewCell::~UICollectionViewCell() = default;

void UICollectionViewCell::setContentView(const UIViewPtr& view) {
    if (!view || view == contentView_) return;
    if (contentView_ && contentView_->superview() == this) contentView_->removeFromSuperview();
    contentView_ = view;
    insertSubview(view, 0);
    setNeedsLayout();
}

void UICollectionViewCell::layoutSubviews() {
    contentView_->setFrame(bounds());
}

}  // namespace fv
