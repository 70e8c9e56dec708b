#pragma once
// A sparse linear form over solver symbols: constant + sum of coefficient * symbol, the terms kept
// sorted by symbol so that two rows merge in one pass.
#include <utility>
#include <vector>

namespace fv::layout {

using Symbol = int;

class LinearRow {
  public:
    using Term = std::pair<Symbol, double>;

    // Coefficients this small are rounding noise and are dropped.
    static constexpr double kEpsilon = 1e-9;

    double constant = 0;

    const std::vector<Term>& terms() const { return terms_; }
    double coefficient(Symbol s) const;
    // Adds `c` to the coefficient of `s`.
    void add(Symbol s, double c);
    void remove(Symbol s);
    void scale(double factor);
    // Reads the row as `0 = row` and rewrites it as `s = ...`, `s` no longer among the terms.
    void solveFor(Symbol s);

    // this += factor * other. `appeared` and `vanished` hear of the symbols that join or leave.
    template <class Appeared, class Vanished>
    void addScaled(const LinearRow& other, double factor, Appeared&& appeared, Vanished&& vanished);
    void addScaled(const LinearRow& other, double factor) {
        addScaled(
            other, factor, [](Symbol) {}, [](Symbol) {});
    }

  private:
    std::vector<Term> terms_;
    std::vector<Term> scratch_;
};

template <class Appeared, class Vanished>
void LinearRow::addScaled(const LinearRow& other, double factor, Appeared&& appeared, Vanished&& vanished) {
    constant += factor * other.constant;
    scratch_.clear();
    scratch_.reserve(terms_.size() + other.terms_.size());
    auto a = terms_.begin();
    auto b = other.terms_.begin();
    while (a != terms_.end() || b != other.terms_.end()) {
        if (b == other.terms_.end() || (a != terms_.end() && a->first < b->first)) {
            scratch_.push_back(*a++);
        } else if (a == terms_.end() || b->first < a->first) {
            double c = factor * b->second;
            if (c > kEpsilon || c < -kEpsilon) {
                scratch_.emplace_back(b->first, c);
                appeared(b->first);
            }
            ++b;
        } else {
            double c = a->second + factor * b->second;
            if (c > kEpsilon || c < -kEpsilon) {
                scratch_.emplace_back(a->first, c);
            } else {
                vanished(a->first);
            }
            ++a;
            ++b;
        }
    }
    terms_.swap(scratch_);
}

}  // namespace fv::layout
