#include "platform/ui/NSLayoutConstraint.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "platform/foundation/Log.h"
#include "platform/ui/UIView.h"
#include "platform/ui/layout/ConstraintLayoutEngine.h"
#include "platform/ui/layout/VisualFormatParser.h"

namespace fv {

FV_REGISTER_CLASS(NSLayoutConstraint);

void NSLayoutConstraint::registerMembers(ClassBuilder<NSLayoutConstraint>& b) {
    b.property("constant", &NSLayoutConstraint::constant, &NSLayoutConstraint::setConstant);
    b.property("priority", &NSLayoutConstraint::priority, &NSLayoutConstraint::setPriority);
    b.property("active", &NSLayoutConstraint::isActive, &NSLayoutConstraint::setActive);
    b.property(
        "identifier", [](NSLayoutConstraint& c) { return Value(c.identifier()); },
        [](NSLayoutConstraint& c, const Value& v) {
            auto s = v.asString();
            if (!s) return false;
            c.setIdentifier(*s);
            return true;
        });
}

NSLayoutConstraintPtr NSLayoutConstraint::constraintWithItem(const std::shared_ptr<UIView>& item1,
                                                             NSLayoutAttribute attribute1,
                                                             NSLayoutRelation relation,
                                                             const std::shared_ptr<UIView>& item2,
                                                             NSLayoutAttribute attribute2, CGFloat multiplier,
                                                             CGFloat constant) {
    auto c = std::make_shared<NSLayoutConstraint>();
    c->first_ = item1;
    c->attr1_ = attribute1;
    c->relation_ = relation;
    c->second_ = item2;
    c->attr2_ = item2 ? attribute2 : NSLayoutAttributeNotAnAttribute;
    c->multiplier_ = multiplier;
    c->constant_ = constant;
    return c;
}

void NSLayoutConstraint::markHolderForLayout() {
    if (auto h = holder_.lock()) layoutEngineRoot(h.get())->setNeedsLayout();
}

UIView* layoutEngineRoot(UIView* v) {
    while (v->superview() && !v->translatesAutoresizingMaskIntoConstraints()) v = v->superview();
    return v;
}

void NSLayoutConstraint::setConstant(CGFloat constant) {
    if (constant == constant_) return;
    constant_ = constant;
    markHolderForLayout();
}

void NSLayoutConstraint::setPriority(UILayoutPriority priority) {
    if (std::isnan(priority)) return;
    priority_ = std::clamp<UILayoutPriority>(priority, 1, 1000);
    markHolderForLayout();
}

namespace {

UIView* commonAncestor(UIView* a, UIView* b) {
    if (!b) return a;
    for (UIView* x = a; x; x = x->superview())
        if (b->isDescendantOfView(x)) return x;
    return nullptr;
}

}  // namespace

void NSLayoutConstraint::setActive(bool active) {
    if (active == isActive()) return;
    auto self = std::static_pointer_cast<NSLayoutConstraint>(weak_from_this().lock());
    if (!self) return;
    if (!active) {
        if (auto h = holder_.lock()) h->removeConstraint(self);
        return;
    }
    auto a = first_.lock();
    auto b = second_.lock();
    UIView* holder = a ? commonAncestor(a.get(), b.get()) : nullptr;
    if (!holder) {
        log("NSLayoutConstraint: the views of an activated constraint have no common ancestor");
        return;
    }
    holder->addConstraint(self);
}

void NSLayoutConstraint::activateConstraints(const std::vector<NSLayoutConstraintPtr>& constraints) {
    for (auto& c : constraints)
        if (c) c->setActive(true);
}

void NSLayoutConstraint::deactivateConstraints(const std::vector<NSLayoutConstraintPtr>& constraints) {
    for (auto& c : constraints)
        if (c) c->setActive(false);
}

std::vector<NSLayoutConstraintPtr> NSLayoutConstraint::constraintsWithVisualFormat(
    const std::string& format, const std::vector<std::pair<std::string, std::shared_ptr<UIView>>>& views) {
    std::string compact;
    for (char ch : format)
        if (!std::isspace(static_cast<unsigned char>(ch))) compact += ch;
    std::vector<NSLayoutConstraintPtr> out;
    std::string error;
    if (!layout::parseVisualFormat(compact, views, out, error)) {
        log("Unable to parse constraint format \"" + format + "\": " + error);
        return {};
    }
    return out;
}

void solveLayoutConstraints(UIView& root) {
    auto all = layout::ConstraintLayoutEngine::constraintsOf(root);
    if (all.empty()) {
        root.layoutEngine_.reset();
        return;
    }
    if (!root.layoutEngine_) root.layoutEngine_ = std::make_unique<layout::ConstraintLayoutEngine>();
    root.layoutEngine_->update(root, all);
}

}  // namespace fv
