#pragma once
// Linear layout constraints: item1.attribute1 (relation) multiplier * item2.attribute2 + constant,
// or item1.attribute1 (relation) constant when there is no second item.
//
// An active constraint is held by the closest common ancestor of its views (or the view itself for a
// one-view constraint); it is solved in the layout pass of the nearest view at or above its holder
// that is placed by its frame (translatesAutoresizingMaskIntoConstraints), before that view's
// layoutSubviews, and the frames of the constrained views show the solution. Required constraints (priority
// 1000) hold exactly when they can; lower priorities are satisfied as far as the higher ones allow, the
// higher first. Of required constraints that cannot all hold, the one installed last is dropped and logged
// once with the constraints it conflicts with. A constrained view
// that still translates its autoresizing mask keeps its frame unless a required constraint moves it.
// Views that take part in no constraint keep their frames (autoresizing applies).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/NSObject.h"
#include "platform/graphics/Geometry.h"

namespace fv {

class UIView;
class NSLayoutConstraint;
using NSLayoutConstraintPtr = std::shared_ptr<NSLayoutConstraint>;

enum NSLayoutAttribute : int {
    NSLayoutAttributeNotAnAttribute = 0,
    NSLayoutAttributeLeft = 1,
    NSLayoutAttributeRight = 2,
    NSLayoutAttributeTop = 3,
    NSLayoutAttributeBottom = 4,
    NSLayoutAttributeLeading = 5,
    NSLayoutAttributeTrailing = 6,
    NSLayoutAttributeWidth = 7,
    NSLayoutAttributeHeight = 8,
    NSLayoutAttributeCenterX = 9,
    NSLayoutAttributeCenterY = 10,
};

enum NSLayoutRelation : int {
    NSLayoutRelationLessThanOrEqual = -1,
    NSLayoutRelationEqual = 0,
    NSLayoutRelationGreaterThanOrEqual = 1,
};

using UILayoutPriority = float;
inline constexpr UILayoutPriority UILayoutPriorityRequired = 1000;
inline constexpr UILayoutPriority UILayoutPriorityDefaultHigh = 750;
inline constexpr UILayoutPriority UILayoutPriorityDefaultLow = 250;

class NSLayoutConstraint : public NSObject {
    FV_CLASS(NSLayoutConstraint, NSObject)
    static void registerMembers(ClassBuilder<NSLayoutConstraint>& b);

    // constraintWithItem:attribute:relatedBy:toItem:attribute:multiplier:constant:. Inactive until
    // activated or added to a view.
    static NSLayoutConstraintPtr constraintWithItem(const std::shared_ptr<UIView>& item1,
                                                    NSLayoutAttribute attribute1, NSLayoutRelation relation,
                                                    const std::shared_ptr<UIView>& item2,
                                                    NSLayoutAttribute attribute2, CGFloat multiplier,
                                                    CGFloat constant);

    // Visual format: the subset "H:|[a]", "H:[a][b(==a)]", "V:|[a]|", "[a]|", with optional
    // "-(n)-"/"-n-" spacing, "(==n)", "(>=n)", "(<=n)", "(==name)" sizes and "@priority". Names are
    // looked up in `views`; an unknown name or a malformed format gives an empty list and a log line.
    static std::vector<NSLayoutConstraintPtr> constraintsWithVisualFormat(
        const std::string& format, const std::vector<std::pair<std::string, std::shared_ptr<UIView>>>& views);

    // Installs each on its views' closest common ancestor, or removes it from there.
    static void activateConstraints(const std::vector<NSLayoutConstraintPtr>& constraints);
    static void deactivateConstraints(const std::vector<NSLayoutConstraintPtr>& constraints);

    // The views are held weakly: a constraint never keeps a view alive.
    std::shared_ptr<UIView> firstItem() const { return first_.lock(); }
    std::shared_ptr<UIView> secondItem() const { return second_.lock(); }
    NSLayoutAttribute firstAttribute() const { return attr1_; }
    NSLayoutAttribute secondAttribute() const { return attr2_; }
    NSLayoutRelation relation() const { return relation_; }
    CGFloat multiplier() const { return multiplier_; }

    CGFloat constant() const { return constant_; }
    // Moves frames at the next layout pass (or at once inside layoutIfNeeded).
    void setConstant(CGFloat constant);
    UILayoutPriority priority() const { return priority_; }
    void setPriority(UILayoutPriority priority);
    const std::string& identifier() const { return identifier_; }
    void setIdentifier(const std::string& identifier) { identifier_ = identifier; }

    bool isActive() const { return !holder_.expired(); }
    bool active() const { return isActive(); }
    void setActive(bool active);

    // The view holding it while active.
    std::shared_ptr<UIView> holder() const { return holder_.lock(); }
    // Rises with every installation: of required constraints that cannot all hold, the one
    // installed last gives way.
    std::uint64_t installOrder() const { return installOrder_; }

  private:
    friend class UIView;
    void markHolderForLayout();

    std::weak_ptr<UIView> first_;
    std::weak_ptr<UIView> second_;
    NSLayoutAttribute attr1_ = NSLayoutAttributeNotAnAttribute;
    NSLayoutAttribute attr2_ = NSLayoutAttributeNotAnAttribute;
    NSLayoutRelation relation_ = NSLayoutRelationEqual;
    CGFloat multiplier_ = 1;
    CGFloat constant_ = 0;
    UILayoutPriority priority_ = UILayoutPriorityRequired;
    std::string identifier_;
    std::weak_ptr<UIView> holder_;
    std::uint64_t installOrder_ = 0;
};

// The view whose layout pass solves constraints held by `v`: the nearest of `v` and its ancestors
// that is placed by its own frame (translates its autoresizing mask) or has no superview. Constraints
// form one system per such view, over its subtree down to the next such views.
UIView* layoutEngineRoot(UIView* v);
// Solves the system of `root` (see layoutEngineRoot) and moves the constrained views' frames.
void solveLayoutConstraints(UIView& root);

}  // namespace fv
