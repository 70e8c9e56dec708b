#include "platform/ui/NSLayoutConstraint.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

#include "platform/foundation/Log.h"
#include "platform/ui/UIView.h"

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
                                                             NSLayoutAttribute attribute1, NSLayoutRelation relation,
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

// ---------------------------------------------------------------- visual format

namespace {

struct Predicate {
    NSLayoutRelation relation = NSLayoutRelationEqual;
    CGFloat constant = 0;
    std::string viewName;  // set when relative to another view
    UILayoutPriority priority = UILayoutPriorityRequired;
};

class FormatParser {
public:
    FormatParser(const std::string& text, const std::vector<std::pair<std::string, std::shared_ptr<UIView>>>& views)
        : s_(text), views_(views) {}

    bool parse(std::vector<NSLayoutConstraintPtr>& out) {
        bool vertical = false;
        if (s_.rfind("H:", 0) == 0) {
            pos_ = 2;
        } else if (s_.rfind("V:", 0) == 0) {
            vertical = true;
            pos_ = 2;
        }
        NSLayoutAttribute start = vertical ? NSLayoutAttributeTop : NSLayoutAttributeLeft;
        NSLayoutAttribute end = vertical ? NSLayoutAttributeBottom : NSLayoutAttributeRight;
        NSLayoutAttribute size = vertical ? NSLayoutAttributeHeight : NSLayoutAttributeWidth;

        bool leadingEdge = false;
        if (peek() == '|') {
            ++pos_;
            leadingEdge = true;
        }
        std::vector<Predicate> gap;
        bool hasGap = parseConnection(gap, true);
        std::shared_ptr<UIView> previous;
        bool first = true;
        while (peek() == '[') {
            std::shared_ptr<UIView> view;
            std::vector<Predicate> sizes;
            if (!parseView(view, sizes)) return false;
            for (auto& p : sizes) {
                std::shared_ptr<UIView> other = p.viewName.empty() ? nullptr : lookup(p.viewName);
                if (!p.viewName.empty() && !other) return fail("unknown view " + p.viewName);
                auto c = NSLayoutConstraint::constraintWithItem(view, size, p.relation, other,
                                                                other ? size : NSLayoutAttributeNotAnAttribute, 1,
                                                                other ? 0 : p.constant);
                c->setPriority(p.priority);
                out.push_back(c);
            }
            if (first) {
                superview_ = view->superviewPtr();
                if (leadingEdge) {
                    if (!superview_) return fail("'|' needs a superview");
                    addGap(out, superview_, start, view, start, gap, hasGap ? 20 : 0);
                } else if (hasGap) {
                    return fail("a connection before the first view needs '|'");
                }
            } else {
                addGap(out, previous, end, view, start, gap, hasGap ? 8 : 0);
            }
            first = false;
            previous = view;
            gap.clear();
            hasGap = parseConnection(gap, false);
        }
        if (first) return fail("no view");
        if (peek() == '|') {
            ++pos_;
            if (!superview_) return fail("'|' needs a superview");
            // The superview's trailing edge follows the last view.
            addGap(out, previous, end, superview_, end, gap, hasGap ? 20 : 0);
        } else if (hasGap) {
            return fail("a trailing connection needs '|'");
        }
        if (pos_ != s_.size()) return fail("unexpected text");
        return true;
    }

    std::string error;

private:
    char peek() const { return pos_ < s_.size() ? s_[pos_] : '\0'; }

    bool fail(const std::string& why) {
        error = why;
        return false;
    }

    std::shared_ptr<UIView> lookup(const std::string& name) const {
        for (auto& [n, v] : views_)
            if (n == name) return v;
        return nullptr;
    }

    // later.start (rel) earlier.end + gap, written as later - earlier (rel) gap.
    void addGap(std::vector<NSLayoutConstraintPtr>& out, const std::shared_ptr<UIView>& earlier,
                NSLayoutAttribute earlierAttr, const std::shared_ptr<UIView>& later, NSLayoutAttribute laterAttr,
                const std::vector<Predicate>& gap, CGFloat standard) {
        if (gap.empty()) {
            out.push_back(NSLayoutConstraint::constraintWithItem(later, laterAttr, NSLayoutRelationEqual, earlier,
                                                                 earlierAttr, 1, standard));
            return;
        }
        for (auto& p : gap) {
            auto c = NSLayoutConstraint::constraintWithItem(later, laterAttr, p.relation, earlier, earlierAttr, 1,
                                                            p.constant);
            c->setPriority(p.priority);
            out.push_back(c);
        }
    }

    bool parseNumber(CGFloat& out) {
        std::size_t start = pos_;
        if (peek() == '-' || peek() == '+') ++pos_;
        while (std::isdigit(static_cast<unsigned char>(peek())) || peek() == '.') ++pos_;
        if (pos_ == start) return false;
        try {
            out = std::stod(s_.substr(start, pos_ - start));
        } catch (...) {
            return false;
        }
        return true;
    }

    std::string parseName() {
        std::size_t start = pos_;
        while (std::isalnum(static_cast<unsigned char>(peek())) || peek() == '_') ++pos_;
        return s_.substr(start, pos_ - start);
    }

    bool parsePredicate(Predicate& p) {
        if (s_.compare(pos_, 2, "==") == 0) {
            pos_ += 2;
        } else if (s_.compare(pos_, 2, ">=") == 0) {
            p.relation = NSLayoutRelationGreaterThanOrEqual;
            pos_ += 2;
        } else if (s_.compare(pos_, 2, "<=") == 0) {
            p.relation = NSLayoutRelationLessThanOrEqual;
            pos_ += 2;
        }
        if (std::isalpha(static_cast<unsigned char>(peek())) || peek() == '_') {
            p.viewName = parseName();
        } else if (!parseNumber(p.constant)) {
            return false;
        }
        if (peek() == '@') {
            ++pos_;
            CGFloat prio = 0;
            if (!parseNumber(prio)) return false;
            p.priority = static_cast<UILayoutPriority>(prio);
        }
        return true;
    }

    bool parsePredicateList(std::vector<Predicate>& out) {
        if (peek() != '(') return false;
        ++pos_;
        for (;;) {
            Predicate p;
            if (!parsePredicate(p)) return false;
            out.push_back(p);
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            if (peek() != ')') return false;
            ++pos_;
            return true;
        }
    }

    // "-" (standard), "-n-", "-(preds)-" or nothing. Returns whether a connection was written.
    bool parseConnection(std::vector<Predicate>& gap, bool /*atStart*/) {
        if (peek() != '-') return false;
        ++pos_;
        if (peek() == '(') {
            if (!parsePredicateList(gap)) return false;
            if (peek() == '-') ++pos_;
            return true;
        }
        Predicate p;
        std::size_t save = pos_;
        if (parseNumber(p.constant) && peek() == '-') {
            ++pos_;
            gap.push_back(p);
            return true;
        }
        pos_ = save;
        return true;  // standard spacing
    }

    bool parseView(std::shared_ptr<UIView>& view, std::vector<Predicate>& sizes) {
        ++pos_;  // '['
        std::string name = parseName();
        view = lookup(name);
        if (!view) return fail("unknown view " + name);
        if (peek() == '(' && !parsePredicateList(sizes)) return fail("bad size of " + name);
        if (peek() != ']') return fail("missing ']'");
        ++pos_;
        return true;
    }

    const std::string& s_;
    const std::vector<std::pair<std::string, std::shared_ptr<UIView>>>& views_;
    std::size_t pos_ = 0;
    std::shared_ptr<UIView> superview_;
};

}  // namespace

std::vector<NSLayoutConstraintPtr> NSLayoutConstraint::constraintsWithVisualFormat(
    const std::string& format, const std::vector<std::pair<std::string, std::shared_ptr<UIView>>>& views) {
    std::string compact;
    for (char ch : format)
        if (!std::isspace(static_cast<unsigned char>(ch))) compact += ch;
    std::vector<NSLayoutConstraintPtr> out;
    FormatParser parser(compact, views);
    if (!parser.parse(out)) {
        log("Unable to parse constraint format \"" + format + "\": " +
            (parser.error.empty() ? std::string("malformed") : parser.error));
        return {};
    }
    return out;
}

// ---------------------------------------------------------------- solver

namespace {

constexpr double kEps = 1e-9;

// A linear row over the variables: sum coef * x (relation) rhs.
struct Row {
    std::vector<std::pair<int, double>> terms;
    double rhs = 0;
    NSLayoutRelation relation = NSLayoutRelationEqual;
    UILayoutPriority priority = UILayoutPriorityRequired;
};

using Matrix = std::vector<std::vector<double>>;  // column-major: N[col][row]

// Solutions of x = xp + N z; each equality fixed removes one column of N.
class AffineSpace {
public:
    explicit AffineSpace(int n) : xp_(n, 0.0) {
        for (int i = 0; i < n; ++i) {
            std::vector<double> col(n, 0.0);
            col[i] = 1;
            cols_.push_back(std::move(col));
        }
    }

    // Adds a·x = rhs. Returns false when it contradicts what is fixed already.
    bool fix(const Row& row) {
        std::vector<double> r(cols_.size(), 0.0);
        double rest = row.rhs;
        for (auto& [i, c] : row.terms) rest -= c * xp_[i];
        int pivot = -1;
        double best = 0;
        for (std::size_t j = 0; j < cols_.size(); ++j) {
            double v = 0;
            for (auto& [i, c] : row.terms) v += c * cols_[j][i];
            r[j] = v;
            if (std::abs(v) > best) {
                best = std::abs(v);
                pivot = static_cast<int>(j);
            }
        }
        if (pivot < 0 || best < kEps) return std::abs(rest) < 1e-6;
        const auto pc = cols_[pivot];
        double scale = rest / r[pivot];
        for (std::size_t i = 0; i < xp_.size(); ++i) xp_[i] += pc[i] * scale;
        for (std::size_t j = 0; j < cols_.size(); ++j) {
            if (static_cast<int>(j) == pivot || r[j] == 0) continue;
            double f = r[j] / r[pivot];
            for (std::size_t i = 0; i < xp_.size(); ++i) cols_[j][i] -= pc[i] * f;
        }
        cols_.erase(cols_.begin() + pivot);
        return true;
    }

    double value(const Row& row, const std::vector<double>& x) const {
        double v = 0;
        for (auto& [i, c] : row.terms) v += c * x[i];
        return v;
    }

    // The least-squares solution of the rows within the space; the rows are then fixed at what they
    // achieve, so lower priorities cannot disturb them.
    void satisfyAsFarAsPossible(const std::vector<Row>& rows) {
        if (rows.empty() || cols_.empty()) return;
        std::size_t k = cols_.size();
        // M = A N, v = b - A xp
        Matrix m(rows.size(), std::vector<double>(k, 0.0));
        std::vector<double> v(rows.size());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            v[r] = rows[r].rhs;
            for (auto& [i, c] : rows[r].terms) v[r] -= c * xp_[i];
            for (std::size_t j = 0; j < k; ++j)
                for (auto& [i, c] : rows[r].terms) m[r][j] += c * cols_[j][i];
        }
        std::vector<double> z = leastSquares(m, v, k);
        std::vector<double> x = point(z);
        for (auto row : rows) {
            row.rhs = value(row, x);
            fix(row);
        }
    }

    // The point of the space closest to `target`.
    std::vector<double> closestTo(const std::vector<double>& target) const {
        std::size_t k = cols_.size();
        if (k == 0) return xp_;
        Matrix m(xp_.size(), std::vector<double>(k, 0.0));
        std::vector<double> v(xp_.size());
        for (std::size_t i = 0; i < xp_.size(); ++i) {
            v[i] = target[i] - xp_[i];
            for (std::size_t j = 0; j < k; ++j) m[i][j] = cols_[j][i];
        }
        return point(leastSquares(m, v, k));
    }

private:
    std::vector<double> point(const std::vector<double>& z) const {
        std::vector<double> x = xp_;
        for (std::size_t j = 0; j < cols_.size(); ++j)
            if (z[j] != 0)
                for (std::size_t i = 0; i < x.size(); ++i) x[i] += cols_[j][i] * z[j];
        return x;
    }

    // A solution of the normal equations M^T M z = M^T v; free directions stay 0.
    static std::vector<double> leastSquares(const Matrix& m, const std::vector<double>& v, std::size_t k) {
        Matrix a(k, std::vector<double>(k + 1, 0.0));
        for (std::size_t r = 0; r < m.size(); ++r)
            for (std::size_t i = 0; i < k; ++i) {
                if (m[r][i] == 0) continue;
                for (std::size_t j = 0; j < k; ++j) a[i][j] += m[r][i] * m[r][j];
                a[i][k] += m[r][i] * v[r];
            }
        std::vector<int> pivotCol(k, -1);
        std::size_t row = 0;
        for (std::size_t col = 0; col < k && row < k; ++col) {
            std::size_t best = row;
            for (std::size_t r = row + 1; r < k; ++r)
                if (std::abs(a[r][col]) > std::abs(a[best][col])) best = r;
            if (std::abs(a[best][col]) < 1e-10) continue;
            std::swap(a[row], a[best]);
            for (std::size_t r = 0; r < k; ++r) {
                if (r == row || a[r][col] == 0) continue;
                double f = a[r][col] / a[row][col];
                for (std::size_t c = col; c <= k; ++c) a[r][c] -= f * a[row][c];
            }
            pivotCol[row] = static_cast<int>(col);
            ++row;
        }
        std::vector<double> z(k, 0.0);
        for (std::size_t r = 0; r < row; ++r) z[pivotCol[r]] = a[r][k] / a[r][pivotCol[r]];
        return z;
    }

    std::vector<double> xp_;
    std::vector<std::vector<double>> cols_;
};

enum Var { MinX = 0, Width = 1, MinY = 2, Height = 3 };

// Terms of an attribute of item `index`: its value in holder coordinates.
void addAttribute(Row& row, int index, NSLayoutAttribute attr, double factor) {
    int base = index * 4;
    switch (attr) {
        case NSLayoutAttributeLeft:
        case NSLayoutAttributeLeading:
            row.terms.push_back({base + MinX, factor});
            break;
        case NSLayoutAttributeRight:
        case NSLayoutAttributeTrailing:
            row.terms.push_back({base + MinX, factor});
            row.terms.push_back({base + Width, factor});
            break;
        case NSLayoutAttributeWidth:
            row.terms.push_back({base + Width, factor});
            break;
        case NSLayoutAttributeCenterX:
            row.terms.push_back({base + MinX, factor});
            row.terms.push_back({base + Width, factor * 0.5});
            break;
        case NSLayoutAttributeTop:
            row.terms.push_back({base + MinY, factor});
            break;
        case NSLayoutAttributeBottom:
            row.terms.push_back({base + MinY, factor});
            row.terms.push_back({base + Height, factor});
            break;
        case NSLayoutAttributeHeight:
            row.terms.push_back({base + Height, factor});
            break;
        case NSLayoutAttributeCenterY:
            row.terms.push_back({base + MinY, factor});
            row.terms.push_back({base + Height, factor * 0.5});
            break;
        case NSLayoutAttributeNotAnAttribute:
            break;
    }
}

bool isSatisfied(const Row& row, double value) {
    switch (row.relation) {
        case NSLayoutRelationEqual:
            return std::abs(value - row.rhs) < 1e-6;
        case NSLayoutRelationLessThanOrEqual:
            return value <= row.rhs + 1e-6;
        case NSLayoutRelationGreaterThanOrEqual:
            return value >= row.rhs - 1e-6;
    }
    return true;
}

// Offset of `v`'s bounds coordinates within the holder's.
CGPoint offsetInHolder(const UIView* v, const UIView* holder) {
    CGPoint o{0, 0};
    for (; v && v != holder; v = v->superview()) {
        CGRect f = v->frame();
        o.x += f.origin.x - v->bounds().origin.x;
        o.y += f.origin.y - v->bounds().origin.y;
    }
    return o;
}

double tidy(double v) {
    double r = std::round(v * 1e6) / 1e6;
    return std::abs(r - v) < 1e-7 ? r : v;
}

std::vector<double> solveWithActive(const std::vector<Row>& rows, const std::vector<bool>& active,
                                    const std::vector<double>& current, bool logConflicts) {
    AffineSpace space(static_cast<int>(current.size()));
    std::map<UILayoutPriority, std::vector<Row>, std::greater<>> soft;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].relation != NSLayoutRelationEqual && !active[i]) continue;
        if (rows[i].priority >= UILayoutPriorityRequired) {
            if (!space.fix(rows[i]) && logConflicts)
                log("Unable to simultaneously satisfy constraints: breaking a required constraint");
        } else {
            soft[rows[i].priority].push_back(rows[i]);
        }
    }
    for (auto& [priority, level] : soft) space.satisfyAsFarAsPossible(level);
    return space.closestTo(current);
}

}  // namespace

void solveLayoutConstraints(UIView& holder) {
    std::vector<UIView*> items{&holder};
    std::map<UIView*, int> index{{&holder, 0}};
    auto itemIndex = [&](UIView* v) {
        auto it = index.find(v);
        if (it != index.end()) return it->second;
        int i = static_cast<int>(items.size());
        items.push_back(v);
        index[v] = i;
        return i;
    };

    // Every constraint held in the subtree down to the next views placed by their own frames, which
    // solve their subtrees themselves.
    std::vector<NSLayoutConstraintPtr> all;
    std::vector<UIView*> stack{&holder};
    while (!stack.empty()) {
        UIView* v = stack.back();
        stack.pop_back();
        all.insert(all.end(), v->constraints().begin(), v->constraints().end());
        for (auto& s : v->subviews())
            if (!s->translatesAutoresizingMaskIntoConstraints()) stack.push_back(s.get());
    }
    if (all.empty()) return;

    std::vector<Row> rows;
    std::vector<std::shared_ptr<UIView>> keep;
    for (auto& c : all) {
        auto a = c->firstItem();
        auto b = c->secondItem();
        if (!a || (c->secondAttribute() != NSLayoutAttributeNotAnAttribute && !b)) continue;
        if (!a->isDescendantOfView(&holder) || (b && !b->isDescendantOfView(&holder))) continue;
        keep.push_back(a);
        if (b) keep.push_back(b);
        Row row;
        addAttribute(row, itemIndex(a.get()), c->firstAttribute(), 1);
        if (b) addAttribute(row, itemIndex(b.get()), c->secondAttribute(), -c->multiplier());
        row.rhs = c->constant();
        row.relation = c->relation();
        row.priority = c->priority();
        if (!row.terms.empty()) rows.push_back(std::move(row));
    }
    if (items.size() <= 1 && rows.empty()) return;

    // Current frames in holder coordinates: the starting point, and what stays where nothing decides.
    std::vector<double> current(items.size() * 4);
    for (std::size_t i = 0; i < items.size(); ++i) {
        UIView* v = items[i];
        if (v == &holder) {
            current[i * 4 + MinX] = 0;
            current[i * 4 + MinY] = 0;
        } else {
            CGPoint o = offsetInHolder(v->superview(), &holder);
            current[i * 4 + MinX] = v->frame().origin.x + o.x;
            current[i * 4 + MinY] = v->frame().origin.y + o.y;
        }
        current[i * 4 + Width] = v->bounds().size.width;
        current[i * 4 + Height] = v->bounds().size.height;
    }
    auto fixVar = [&](int var, double value, UILayoutPriority priority, NSLayoutRelation rel) {
        Row r;
        r.terms.push_back({var, 1});
        r.rhs = value;
        r.priority = priority;
        r.relation = rel;
        rows.push_back(r);
    };
    // The holder's own frame is decided by its superview's pass.
    for (int v = 0; v < 4; ++v) fixVar(v, current[v], UILayoutPriorityRequired, NSLayoutRelationEqual);
    for (std::size_t i = 1; i < items.size(); ++i) {
        UIView* v = items[i];
        int base = static_cast<int>(i) * 4;
        if (v->translatesAutoresizingMaskIntoConstraints()) {
            for (int k = 0; k < 4; ++k) fixVar(base + k, current[base + k], 999, NSLayoutRelationEqual);
            continue;
        }
        CGSize intrinsic = v->intrinsicContentSize();
        if (intrinsic.width >= 0) {
            fixVar(base + Width, intrinsic.width, UILayoutPriorityDefaultHigh, NSLayoutRelationGreaterThanOrEqual);
            fixVar(base + Width, intrinsic.width, UILayoutPriorityDefaultLow, NSLayoutRelationLessThanOrEqual);
        }
        if (intrinsic.height >= 0) {
            fixVar(base + Height, intrinsic.height, UILayoutPriorityDefaultHigh, NSLayoutRelationGreaterThanOrEqual);
            fixVar(base + Height, intrinsic.height, UILayoutPriorityDefaultLow, NSLayoutRelationLessThanOrEqual);
        }
    }

    // Inequalities join as equalities once violated, the most important first, until all hold.
    std::vector<bool> active(rows.size(), false);
    std::vector<double> x;
    for (std::size_t round = 0; round <= rows.size(); ++round) {
        x = solveWithActive(rows, active, current, false);
        int worst = -1;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].relation == NSLayoutRelationEqual || active[i]) continue;
            double value = 0;
            for (auto& [v, c] : rows[i].terms) value += c * x[v];
            if (isSatisfied(rows[i], value)) continue;
            if (worst < 0 || rows[i].priority > rows[worst].priority) worst = static_cast<int>(i);
        }
        if (worst < 0) break;
        active[worst] = true;
    }
    x = solveWithActive(rows, active, current, true);

    // Outer views first, so inner views are placed within their superviews' new frames.
    std::vector<std::size_t> order;
    for (std::size_t i = 1; i < items.size(); ++i) order.push_back(i);
    auto depth = [](const UIView* v) {
        int d = 0;
        for (; v; v = v->superview()) ++d;
        return d;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return depth(items[a]) < depth(items[b]); });
    for (std::size_t i : order) {
        UIView* v = items[i];
        CGPoint o = offsetInHolder(v->superview(), &holder);
        CGRect f{{tidy(x[i * 4 + MinX] - o.x), tidy(x[i * 4 + MinY] - o.y)},
                 {std::max(0.0, tidy(x[i * 4 + Width])), std::max(0.0, tidy(x[i * 4 + Height]))}};
        if (!CGRectEqualToRect(f, v->frame())) v->setFrame(f);
    }
}

}  // namespace fv
