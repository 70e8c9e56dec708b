#pragma once
// The constraint system of one layout root (see layoutEngineRoot): its views' frames as solver
// variables, its NSLayoutConstraints as solver constraints. It lives from pass to pass, so a pass
// only tells the solver what changed: constraints added or removed, constants and priorities set,
// frames moved from outside, intrinsic sizes. A changed constant costs a few row updates, not a
// new solve.
//
// Each view's left, top, width and height, in the root's coordinates, are variables with
// - the root: its frame, required (its superview's pass decides it);
// - a view that still translates its autoresizing mask: its frame at 999;
// - any other view: its current frame at the weakest strength of all, so that what no constraint
//   decides stays where it is; and its intrinsic size, if any, hugged at 250 and kept from
//   shrinking at 750.
#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/ui/NSLayoutConstraint.h"
#include "platform/ui/layout/SimplexSolver.h"

namespace fv::layout {

class ConstraintLayoutEngine {
  public:
    // Every constraint held in `root`'s part of the tree, down to the next views placed by their
    // own frames, which solve their parts themselves.
    static std::vector<NSLayoutConstraintPtr> constraintsOf(UIView& root);

    // Brings the system up to date with `constraints` (constraintsOf(root)) and moves the
    // constrained views' frames to the solution.
    void update(UIView& root, const std::vector<NSLayoutConstraintPtr>& constraints);

  private:
    using Id = SimplexSolver::ConstraintId;
    static constexpr int kX = 0, kY = 1, kWidth = 2, kHeight = 3;

    struct ViewEntry {
        std::weak_ptr<UIView> view;
        Symbol var[4] = {-1, -1, -1, -1};
        Id fix[4] = {-1, -1, -1, -1};  // edit variables holding the frame (see above)
        double fixed[4] = {0, 0, 0, 0};
        Id hug[2] = {-1, -1};
        Id resist[2] = {-1, -1};
        double intrinsic[2] = {-1, -1};
        bool translating = false;
        bool seen = false;
    };
    struct ConstraintEntry {
        std::weak_ptr<NSLayoutConstraint> constraint;
        Id id = -1;
        UILayoutPriority priority = 0;
        CGFloat constant = 0;
        bool reported = false;
        bool seen = false;
    };

    bool sync(UIView& root, const std::vector<NSLayoutConstraintPtr>& constraints, bool rebuilding);
    void dropViewConstraints(ViewEntry& entry);
    void addViewConstraints(ViewEntry& entry, UIView& view, bool isRoot, const double frame[4]);
    void addSizeConstraints(ViewEntry& entry, int axis, double size);
    void shiftView(ViewEntry& entry, UIView& view, bool isRoot, const double frame[4], bool& changed);
    void addConstraint(ConstraintEntry& entry, NSLayoutConstraint& constraint);
    void report(const NSLayoutConstraint& dropped, const std::vector<Id>& conflicts) const;
    void moveFrames(UIView& root);
    void reset();

    SimplexSolver solver_;
    std::unordered_map<const UIView*, ViewEntry> views_;
    std::unordered_map<const NSLayoutConstraint*, ConstraintEntry> constraints_;
    // The views of the current pass, root first, in the order the constraints name them.
    std::vector<std::shared_ptr<UIView>> passViews_;
};

}  // namespace fv::layout
