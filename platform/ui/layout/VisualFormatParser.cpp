#include "platform/ui/layout/VisualFormatParser.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "platform/ui/UIView.h"

namespace fv::layout {

namespace {

struct Predicate {
    NSLayoutRelation relation = NSLayoutRelationEqual;
    CGFloat constant = 0;
    std::string viewName;  // set when relative to another view
    UILayoutPriority priority = UILayoutPriorityRequired;
};

class VisualFormatParser {
  public:
    VisualFormatParser(const std::string& text,
                       const std::vector<std::pair<std::string, std::shared_ptr<UIView>>>& views)
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
                auto c = NSLayoutConstraint::constraintWithItem(
                    view, size, p.relation, other, other ? size : NSLayoutAttributeNotAnAttribute, 1,
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
                NSLayoutAttribute earlierAttr, const std::shared_ptr<UIView>& later,
                NSLayoutAttribute laterAttr, const std::vector<Predicate>& gap, CGFloat standard) {
        if (gap.empty()) {
            out.push_back(NSLayoutConstraint::constraintWithItem(later, laterAttr, NSLayoutRelationEqual,
                                                                 earlier, earlierAttr, 1, standard));
            return;
        }
        for (auto& p : gap) {
            auto c = NSLayoutConstraint::constraintWithItem(later, laterAttr, p.relation, earlier,
                                                            earlierAttr, 1, p.constant);
            c->setPriority(p.priority);
            out.push_back(c);
        }
    }

    bool parseNumber(CGFloat& out) {
        std::size_t start = pos_;
        if (peek() == '-' || peek() == '+') ++pos_;
        while (std::isdigit(static_cast<unsigned char>(peek())) || peek() == '.') ++pos_;
        if (pos_ == start) return false;
        // from_chars reads the same digits whatever the process locale's decimal separator.
        const char* first = s_.data() + start + (s_[start] == '+' ? 1 : 0);
        const char* last = s_.data() + pos_;
        double value = 0;
        auto [end, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || end != last || !std::isfinite(value)) return false;
        out = value;
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

bool parseVisualFormat(const std::string& format,
                       const std::vector<std::pair<std::string, std::shared_ptr<UIView>>>& views,
                       std::vector<NSLayoutConstraintPtr>& out, std::string& error) {
    VisualFormatParser parser(format, views);
    if (parser.parse(out)) return true;
    error = parser.error.empty() ? std::string("malformed") : parser.error;
    return false;
}

}  // namespace fv::layout
