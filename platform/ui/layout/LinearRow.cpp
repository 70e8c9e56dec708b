#include "platform/ui/layout/LinearRow.h"

#include <algorithm>

namespace fv::layout {

namespace {

auto find(std::vector<LinearRow::Term>& terms, Symbol s) {
    return std::lower_bound(terms.begin(), terms.end(), s,
                            [](const LinearRow::Term& t, Symbol v) { return t.first < v; });
}

}  // namespace

double LinearRow::coefficient(Symbol s) const {
    auto it = std::lower_bound(terms_.begin(), terms_.end(), s,
                               [](const Term& t, Symbol v) { return t.first < v; });
    return it != terms_.end() && it->first == s ? it->second : 0.0;
}

void LinearRow::add(Symbol s, double c) {
    auto it = find(terms_, s);
    if (it != terms_.end() && it->first == s) {
        it->second += c;
        if (it->second <= kEpsilon && it->second >= -kEpsilon) terms_.erase(it);
    } else if (c > kEpsilon || c < -kEpsilon) {
        terms_.insert(it, {s, c});
    }
}

void LinearRow::remove(Symbol s) {
    auto it = find(terms_, s);
    if (it != terms_.end() && it->first == s) terms_.erase(it);
}

void LinearRow::scale(double factor) {
    constant *= factor;
    for (auto& t : terms_) t.second *= factor;
}

void LinearRow::solveFor(Symbol s) {
    double c = coefficient(s);
    remove(s);
    scale(-1.0 / c);
}

}  // namespace fv::layout
