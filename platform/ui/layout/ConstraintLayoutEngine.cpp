#include "platform/ui/layout/ConstraintLayoutEngine.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <unordered_set>
#include <utility>

#include "platform/foundation/Log.h"
#include "platform/ui/UIView.h"

namespace fv::layout {

namespace {

// Below every priority a constraint can have: where nothing decides, frames stay.
constexpr double kStayPriority = 0.5;
// A view still placed by its frame keeps it unless a required constraint moves it.
constexpr double kTranslatedFramePriority = 999;

using Relation = SimplexSolver::Relation;

// Offset of `v`'s bounds coordinates within the root's.
CGPoint offsetInRoot(const UIView* v, const UIView* root) {
    CGPoint o{0, 0};
    for (; v && v != root; v = v->superview()) {
        CGRect f = v->frame();
        o.x += f.origin.x - v->bounds().origin.x;
        o.y += f.origin.y - v->bounds().origin.y;
    }
    return o;
}

double finiteOr0(double v) {
    return std::isfinite(v) ? v : 0;
}

// Left, top, width and height of `v` in the root's coordinates.
void frameInRoot(const UIView& v, const UIView& root, double out[4]) {
    if (&v == &root) {
        out[0] = out[1] = 0;
    } else {
        CGPoint o = offsetInRoot(v.superview(), &root);
        out[0] = finiteOr0(v.frame().origin.x + o.x);
        out[1] = finiteOr0(v.frame().origin.y + o.y);
    }
    out[2] = finiteOr0(v.bounds().size.width);
    out[3] = finiteOr0(v.bounds().size.height);
}

double tidy(double v) {
    double r = std::round(v * 1e6) / 1e6;
    return std::abs(r - v) < 1e-7 ? r : v;
}

int depth(const UIView* v) {
    int d = 0;
    for (; v; v = v->superview()) ++d;
    return d;
}

const char* attributeName(NSLayoutAttribute a) {
    switch (a) {
        case NSLayoutAttributeLeft:
            return "left";
        case NSLayoutAttributeRight:
            return "right";
        case NSLayoutAttributeTop:
            return "top";
        case NSLayoutAttributeBottom:
            return "bottom";
        case NSLayoutAttributeLeading:
            return "leading";
        case NSLayoutAttributeTrailing:
            return "trailing";
        case NSLayoutAttributeWidth:
            return "width";
        case NSLayoutAttributeHeight:
            return "height";
        case NSLayoutAttributeCenterX:
            return "centerX";
        case NSLayoutAttributeCenterY:
            return "centerY";
        case NSLayoutAttributeNotAnAttribute:
            break;
    }
    return "?";
}

std::string describe(const NSLayoutConstraint& c) {
    std::ostringstream s;
    s.imbue(std::locale::classic());
    if (!c.identifier().empty()) s << '"' << c.identifier() << "\" ";
    auto a = c.firstItem();
    auto b = c.secondItem();
    s << (a ? a->className() : "?") << '.' << attributeName(c.firstAttribute())
      << (c.relation() == NSLayoutRelationEqual ? " == "
          : c.relation() < 0                    ? " <= "
                                                : " >= ");
    bool hasSecond = b && c.secondAttribute() != NSLayoutAttributeNotAnAttribute;
    if (hasSecond) {
        if (c.multiplier() != 1) s << c.multiplier() << " * ";
        s << b->className() << '.' << attributeName(c.secondAttribute());
        if (c.constant() != 0) s << (c.constant() < 0 ? " - " : " + ") << std::abs(c.constant());
    } else {
        s << c.constant();
    }
    if (c.priority() < UILayoutPriorityRequired) s << " @" << c.priority();
    return s.str();
}

// Adds `factor` times the attribute's value (in root coordinates) to `row`.
void addAttribute(LinearRow& row, const Symbol var[4], NSLayoutAttribute attr, double factor) {
    switch (attr) {
        case NSLayoutAttributeLeft:
        case NSLayoutAttributeLeading:
            row.add(var[0], factor);
            break;
        case NSLayoutAttributeRight:
        case NSLayoutAttributeTrailing:
            row.add(var[0], factor);
            row.add(var[2], factor);
            break;
        case NSLayoutAttributeWidth:
            row.add(var[2], factor);
            break;
        case NSLayoutAttributeCenterX:
            row.add(var[0], factor);
            row.add(var[2], factor * 0.5);
            break;
        case NSLayoutAttributeTop:
            row.add(var[1], factor);
            break;
        case NSLayoutAttributeBottom:
            row.add(var[1], factor);
            row.add(var[3], factor);
            break;
        case NSLayoutAttributeHeight:
            row.add(var[3], factor);
            break;
        case NSLayoutAttributeCenterY:
            row.add(var[1], factor);
            row.add(var[3], factor * 0.5);
            break;
        case NSLayoutAttributeNotAnAttribute:
            break;
    }
}

Relation relationOf(NSLayoutRelation r) {
    return r == NSLayoutRelationEqual ? Relation::Equal
           : r < 0                    ? Relation::LessOrEqual
                                      : Relation::GreaterOrEqual;
}

}  // namespace

std::vector<NSLayoutConstraintPtr> ConstraintLayoutEngine::constraintsOf(UIView& root) {
    std::vector<NSLayoutConstraintPtr> all;
    std::vector<UIView*> stack{&root};
    while (!stack.empty()) {
        UIView* v = stack.back();
        stack.pop_back();
        all.insert(all.end(), v->constraints().begin(), v->constraints().end());
        for (auto& s : v->subviews())
            if (!s->translatesAutoresizingMaskIntoConstraints()) stack.push_back(s.get());
    }
    return all;
}

void ConstraintLayoutEngine::update(UIView& root, const std::vector<NSLayoutConstraintPtr>& all) {
    if (!sync(root, all, false)) {
        // The required constraints no longer hold together after the changes: start over, so that
        // the later of the conflicting ones is dropped and reported.
        reset();
        sync(root, all, true);
    }
    moveFrames(root);
    passViews_.clear();
}

void ConstraintLayoutEngine::reset() {
    solver_ = SimplexSolver();
    views_.clear();
    for (auto& [key, entry] : constraints_) entry.id = -1;
}

bool ConstraintLayoutEngine::sync(UIView& root, const std::vector<NSLayoutConstraintPtr>& all,
                                  bool rebuilding) {
    bool changed = rebuilding;  // more than frames following the last solution
    for (auto& [key, entry] : views_) entry.seen = false;
    for (auto& [key, entry] : constraints_) entry.seen = false;

    // The live constraints, and the views they name (root first).
    auto rootPtr = std::static_pointer_cast<UIView>(root.weak_from_this().lock());
    auto& viewOrder = passViews_;
    viewOrder.assign(1, rootPtr);
    std::vector<std::pair<ConstraintEntry*, NSLayoutConstraint*>> live;
    std::unordered_set<const UIView*> needed{&root};
    auto need = [&](const std::shared_ptr<UIView>& v) {
        if (needed.insert(v.get()).second) viewOrder.push_back(v);
    };
    for (auto& c : all) {
        auto a = c->firstItem();
        auto b = c->secondAttribute() == NSLayoutAttributeNotAnAttribute ? nullptr : c->secondItem();
        if (!a || c->firstAttribute() == NSLayoutAttributeNotAnAttribute) continue;
        if (c->secondAttribute() != NSLayoutAttributeNotAnAttribute && !b) continue;
        if (!a->isDescendantOfView(&root) || (b && !b->isDescendantOfView(&root))) continue;
        auto& entry = constraints_[c.get()];
        if (entry.constraint.lock() != c) {
            if (entry.id >= 0) solver_.removeConstraint(entry.id);
            entry = ConstraintEntry{};
            entry.constraint = c;
            changed = true;
        }
        entry.seen = true;
        if (!std::isfinite(c->constant()) || !std::isfinite(c->multiplier())) {
            if (!entry.reported)
                log("NSLayoutConstraint: ignored, its constant or multiplier is not a number: " +
                    describe(*c));
            entry.reported = true;
            continue;
        }
        if (entry.id >= 0 && entry.priority != c->priority()) {
            solver_.removeConstraint(entry.id);
            entry.id = -1;
        }
        if (entry.id < 0 && (entry.priority != c->priority() || entry.constant != c->constant()))
            changed = true;
        need(a);
        if (b) need(b);
        live.emplace_back(&entry, c.get());
    }

    // Constraints gone, then the views no constraint mentions any more.
    for (auto it = constraints_.begin(); it != constraints_.end();) {
        if (it->second.seen) {
            ++it;
            continue;
        }
        if (it->second.id >= 0) solver_.removeConstraint(it->second.id);
        it = constraints_.erase(it);
        changed = true;
    }
    for (auto& v : viewOrder) {
        auto it = views_.find(v.get());
        if (it != views_.end() && it->second.view.lock() == v) it->second.seen = true;
    }
    for (auto it = views_.begin(); it != views_.end();) {
        if (it->second.seen) {
            ++it;
            continue;
        }
        dropViewConstraints(it->second);
        for (Symbol s : it->second.var) solver_.releaseVariable(s);
        it = views_.erase(it);
    }

    // Values that moved: constants, frames set from outside, intrinsic sizes.
    for (auto& [entry, c] : live) {
        if (entry->id >= 0 && entry->constant != c->constant()) {
            solver_.setConstant(entry->id, -c->constant());
            entry->constant = c->constant();
            changed = true;
        }
    }
    std::vector<std::array<double, 4>> frames(viewOrder.size());
    for (std::size_t i = 0; i < viewOrder.size(); ++i) {
        frameInRoot(*viewOrder[i], root, frames[i].data());
        auto it = views_.find(viewOrder[i].get());
        if (it != views_.end()) shiftView(it->second, *viewOrder[i], i == 0, frames[i].data(), changed);
    }
    if (!solver_.resolve()) return false;

    // What is new: views first (the root's frame before anything else), then constraints.
    for (std::size_t i = 0; i < viewOrder.size(); ++i) {
        auto& v = viewOrder[i];
        auto [it, fresh] = views_.try_emplace(v.get());
        ViewEntry& entry = it->second;
        if (fresh) {
            entry.view = v;
            entry.seen = true;
            for (Symbol& s : entry.var) s = solver_.newVariable();
        }
        addViewConstraints(entry, *v, i == 0, frames[i].data());
    }
    std::vector<std::pair<ConstraintEntry*, NSLayoutConstraint*>> adding;
    for (auto& item : live)
        if (item.first->id < 0 && (!item.first->reported || changed)) adding.push_back(item);
    std::stable_sort(adding.begin(), adding.end(),
                     [](auto& a, auto& b) { return a.second->installOrder() < b.second->installOrder(); });
    for (auto& [entry, c] : adding) addConstraint(*entry, *c);
    return true;
}

void ConstraintLayoutEngine::dropViewConstraints(ViewEntry& entry) {
    for (Id& id : entry.fix) solver_.removeConstraint(std::exchange(id, -1));
    for (Id& id : entry.hug) solver_.removeConstraint(std::exchange(id, -1));
    for (Id& id : entry.resist) solver_.removeConstraint(std::exchange(id, -1));
    entry.intrinsic[0] = entry.intrinsic[1] = -1;
}

void ConstraintLayoutEngine::addViewConstraints(ViewEntry& entry, UIView& view, bool isRoot,
                                                const double frame[4]) {
    if (entry.fix[0] < 0) {
        entry.translating = !isRoot && view.translatesAutoresizingMaskIntoConstraints();
        double priority = isRoot              ? SimplexSolver::kRequired
                          : entry.translating ? kTranslatedFramePriority
                                              : kStayPriority;
        for (int k = 0; k < 4; ++k) {
            entry.fix[k] = solver_.addEditVariable(entry.var[k], frame[k], priority);
            entry.fixed[k] = frame[k];
        }
        if (isRoot || entry.translating) return;
        CGSize size = view.intrinsicContentSize();
        entry.intrinsic[0] = std::isfinite(size.width) ? size.width : -1;
        entry.intrinsic[1] = std::isfinite(size.height) ? size.height : -1;
    }
    for (int axis = 0; axis < 2; ++axis)
        if (entry.intrinsic[axis] >= 0 && entry.hug[axis] < 0)
            addSizeConstraints(entry, axis, entry.intrinsic[axis]);
}

// Content hugging at 250 and compression resistance at 750.
void ConstraintLayoutEngine::addSizeConstraints(ViewEntry& entry, int axis, double size) {
    LinearRow row;
    row.add(entry.var[kWidth + axis], 1);
    row.constant = -size;
    entry.hug[axis] = solver_.addConstraint(row, Relation::LessOrEqual, UILayoutPriorityDefaultLow).id;
    entry.resist[axis] = solver_.addConstraint(row, Relation::GreaterOrEqual, UILayoutPriorityDefaultHigh).id;
}

void ConstraintLayoutEngine::shiftView(ViewEntry& entry, UIView& view, bool isRoot, const double frame[4],
                                       bool& changed) {
    if (entry.fix[0] < 0) return;
    bool translating = !isRoot && view.translatesAutoresizingMaskIntoConstraints();
    if (translating != entry.translating) {
        dropViewConstraints(entry);
        changed = true;
        return;
    }
    for (int k = 0; k < 4; ++k) {
        if (frame[k] == entry.fixed[k]) continue;
        solver_.suggestValue(entry.fix[k], frame[k]);
        entry.fixed[k] = frame[k];
        if (isRoot || translating) changed = true;
    }
    if (isRoot || translating) return;
    CGSize size = view.intrinsicContentSize();
    double now[2] = {std::isfinite(size.width) ? size.width : -1,
                     std::isfinite(size.height) ? size.height : -1};
    for (int axis = 0; axis < 2; ++axis) {
        double was = entry.intrinsic[axis];
        if (now[axis] == was || (now[axis] < 0 && was < 0)) continue;
        changed = true;
        entry.intrinsic[axis] = now[axis];
        if (now[axis] >= 0 && was >= 0) {
            solver_.setConstant(entry.hug[axis], -now[axis]);
            solver_.setConstant(entry.resist[axis], -now[axis]);
        } else {
            solver_.removeConstraint(std::exchange(entry.hug[axis], -1));
            solver_.removeConstraint(std::exchange(entry.resist[axis], -1));
        }
    }
}

void ConstraintLayoutEngine::addConstraint(ConstraintEntry& entry, NSLayoutConstraint& c) {
    auto a = c.firstItem();
    auto b = c.secondAttribute() == NSLayoutAttributeNotAnAttribute ? nullptr : c.secondItem();
    // first (relation) multiplier * second + constant, as first - multiplier * second - constant.
    LinearRow row;
    addAttribute(row, views_.at(a.get()).var, c.firstAttribute(), 1);
    if (b) addAttribute(row, views_.at(b.get()).var, c.secondAttribute(), -c.multiplier());
    row.constant = -c.constant();
    entry.priority = c.priority();
    entry.constant = c.constant();
    auto result = solver_.addConstraint(row, relationOf(c.relation()), c.priority());
    entry.id = result.id;
    if (result.added()) {
        entry.reported = false;
    } else if (!entry.reported) {
        entry.reported = true;
        report(c, result.conflicts);
    }
}

void ConstraintLayoutEngine::report(const NSLayoutConstraint& dropped,
                                    const std::vector<Id>& conflicts) const {
    std::string line = "Unable to simultaneously satisfy constraints: dropped " + describe(dropped);
    std::vector<std::string> with;
    for (Id id : conflicts) {
        std::string what;
        for (auto& [key, entry] : constraints_)
            if (entry.id == id)
                if (auto c = entry.constraint.lock()) what = describe(*c);
        for (auto& [key, entry] : views_)
            if (std::find(std::begin(entry.fix), std::end(entry.fix), id) != std::end(entry.fix))
                if (auto v = entry.view.lock()) what = "the frame of " + v->className();
        if (!what.empty() && std::find(with.begin(), with.end(), what) == with.end()) with.push_back(what);
    }
    for (std::size_t i = 0; i < with.size(); ++i)
        line += (i == 0 ? ", which conflicts with " : "; ") + with[i];
    log(line);
}

// Outer views first, so inner views are placed within their superviews' new frames.
void ConstraintLayoutEngine::moveFrames(UIView& root) {
    std::vector<std::pair<int, UIView*>> order;
    for (auto& v : passViews_)
        if (v.get() != &root) order.emplace_back(depth(v.get()), v.get());
    std::stable_sort(order.begin(), order.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (auto& [d, v] : order) {
        auto it = views_.find(v);
        if (it == views_.end()) continue;
        const ViewEntry& entry = it->second;
        CGPoint o = offsetInRoot(v->superview(), &root);
        CGRect f{{tidy(solver_.value(entry.var[kX]) - o.x), tidy(solver_.value(entry.var[kY]) - o.y)},
                 {std::max(0.0, tidy(solver_.value(entry.var[kWidth]))),
                  std::max(0.0, tidy(solver_.value(entry.var[kHeight])))}};
        if (!CGRectEqualToRect(f, v->frame())) v->setFrame(f);
    }
}

}  // namespace fv::layout
