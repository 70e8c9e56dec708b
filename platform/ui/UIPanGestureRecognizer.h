#pragma once
// Pan: begins once a finger has moved 10 points from where it went down, changes with every move,
// ends when the last finger lifts. Translation and velocity are in the given view's coordinates.
#include "platform/ui/UIGestureRecognizer.h"

namespace fv {

class UIPanGestureRecognizer : public UIGestureRecognizer {
    FV_CLASS(UIPanGestureRecognizer, UIGestureRecognizer)
    static void registerMembers(ClassBuilder<UIPanGestureRecognizer>& b);

    // Movement since the gesture started (or since the last setTranslation).
    CGPoint translationInView(const UIView* v) const;
    void setTranslation(CGPoint translation, const UIView* v);
    // Points per second, from the most recent movement.
    CGPoint velocityInView(const UIView* v) const;
    // Test seam: the velocity the next reads report, in `v`'s coordinates, until the next move.
    void setVelocity(CGPoint velocity, const UIView* v);

    std::size_t minimumNumberOfTouches() const { return minimumNumberOfTouches_; }
    void setMinimumNumberOfTouches(std::size_t n) { minimumNumberOfTouches_ = n == 0 ? 1 : n; }
    std::size_t maximumNumberOfTouches() const { return maximumNumberOfTouches_; }
    void setMaximumNumberOfTouches(std::size_t n) { maximumNumberOfTouches_ = n; }

    // Distance a finger moves before the pan begins.
    static constexpr CGFloat kHysteresis = 10;

    void touchesBegan(const UITouchSet& touches, UIEvent* event) override;
    void touchesMoved(const UITouchSet& touches, UIEvent* event) override;
    void touchesEnded(const UITouchSet& touches, UIEvent* event) override;
    void touchesCancelled(const UITouchSet& touches, UIEvent* event) override;
    void reset() override;

  protected:
    // Whether the pan may begin now (the screen-edge pan adds its edge test).
    virtual bool mayBegin() const { return true; }
    CGPoint startPoint() const { return start_; }

  private:
    CGPoint centroid() const;

    std::size_t minimumNumberOfTouches_ = 1;
    std::size_t maximumNumberOfTouches_ = 1000;
    CGPoint start_;  // window coordinates, where translation is zero
    CGPoint last_;   // last centroid, window coordinates
    double lastTime_ = 0;
    CGPoint velocity_;  // window coordinates, points per second
};

enum UIRectEdge : unsigned {
    UIRectEdgeNone = 0,
    UIRectEdgeTop = 1 << 0,
    UIRectEdgeLeft = 1 << 1,
    UIRectEdgeBottom = 1 << 2,
    UIRectEdgeRight = 1 << 3,
    UIRectEdgeAll = 15,
};

// A pan that only begins for a finger that went down within 20 points of one of `edges` of the
// window (the navigation controller's swipe-back).
class UIScreenEdgePanGestureRecognizer : public UIPanGestureRecognizer {
    FV_CLASS(UIScreenEdgePanGestureRecognizer, UIPanGestureRecognizer)
    static void registerMembers(ClassBuilder<UIScreenEdgePanGestureRecognizer>& b);
    unsigned edges() const { return edges_; }
    void setEdges(unsigned edges) { edges_ = edges; }
    static constexpr CGFloat kEdgeWidth = 20;

  protected:
    bool mayBegin() const override;

  private:
    unsigned edges_ = UIRectEdgeLeft;
};

}  // namespace fv
