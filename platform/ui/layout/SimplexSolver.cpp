#include "platform/ui/layout/SimplexSolver.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace fv::layout {

namespace {

// Values below this are taken as zero: layout values are points, far above rounding noise.
constexpr double kTolerance = 1e-7;

bool nearZero(double v) {
    return v < kTolerance && v > -kTolerance;
}

}  // namespace

// ---------------------------------------------------------------- symbols and rows

Symbol SimplexSolver::newSymbol(Kind kind) {
    Symbol s;
    if (!freeSymbols_.empty()) {
        s = freeSymbols_.back();
        freeSymbols_.pop_back();
    } else {
        s = static_cast<Symbol>(kind_.size());
        kind_.push_back(Kind::Free);
        rowIndex_.push_back(-1);
        column_.emplace_back();
        owner_.push_back(-1);
    }
    kind_[s] = kind;
    owner_[s] = -1;
    return s;
}

void SimplexSolver::releaseSymbol(Symbol s) {
    if (s < 0 || kind_[s] == Kind::Free) return;
    if (rowIndex_[s] >= 0) takeRow(s);
    purge(s);
    kind_[s] = Kind::Free;
    owner_[s] = -1;
    freeSymbols_.push_back(s);
}

Symbol SimplexSolver::newVariable() {
    return newSymbol(Kind::External);
}

void SimplexSolver::releaseVariable(Symbol v) {
    if (v >= 0 && v < static_cast<Symbol>(kind_.size()) && kind_[v] == Kind::External) releaseSymbol(v);
}

void SimplexSolver::insertRow(Symbol basic, LinearRow row) {
    rowIndex_[basic] = static_cast<int>(rows_.size());
    for (auto& t : row.terms()) column_[t.first].push_back(basic);
    rows_.push_back({basic, std::move(row)});
    noteRow(basic);
}

LinearRow SimplexSolver::takeRow(Symbol basic) {
    int i = rowIndex_[basic];
    LinearRow row = std::move(rows_[i].row);
    for (auto& t : row.terms()) unlink(t.first, basic);
    if (i + 1 != static_cast<int>(rows_.size())) {
        rows_[i] = std::move(rows_.back());
        rowIndex_[rows_[i].basic] = i;
    }
    rows_.pop_back();
    rowIndex_[basic] = -1;
    return row;
}

void SimplexSolver::unlink(Symbol s, Symbol basic) {
    auto& users = column_[s];
    auto it = std::find(users.begin(), users.end(), basic);
    if (it == users.end()) return;
    *it = users.back();
    users.pop_back();
}

// A restricted row whose constant went negative is infeasible until dual optimisation repairs it.
void SimplexSolver::noteRow(Symbol basic) {
    LinearRow& row = rowOf(basic);
    if (!restricted(basic)) return;
    if (nearZero(row.constant)) {
        row.constant = 0;
    } else if (row.constant < 0) {
        if (kind_[basic] == Kind::Dummy)
            inconsistent_ = true;
        else
            infeasible_.push_back(basic);
    } else if (kind_[basic] == Kind::Dummy) {
        inconsistent_ = true;
    }
}

// Replaces `s` by `expression` wherever it is a parameter: rows and objectives.
void SimplexSolver::substitute(Symbol s, const LinearRow& expression) {
    std::vector<Symbol> users;
    users.swap(column_[s]);
    for (Symbol b : users) {
        LinearRow& row = rowOf(b);
        double a = row.coefficient(s);
        row.remove(s);
        row.addScaled(
            expression, a, [&](Symbol t) { column_[t].push_back(b); }, [&](Symbol t) { unlink(t, b); });
        noteRow(b);
    }
    auto rewrite = [&](LinearRow& row) {
        double a = row.coefficient(s);
        if (a == 0) return;
        row.remove(s);
        row.addScaled(expression, a);
    };
    for (auto& l : objective_) rewrite(l.row);
    if (phaseOne_) rewrite(*phaseOne_);
}

// Drops a symbol fixed at zero from every row and objective.
void SimplexSolver::purge(Symbol s) {
    for (Symbol b : column_[s]) rowOf(b).remove(s);
    column_[s].clear();
    for (auto& l : objective_) l.row.remove(s);
    if (phaseOne_) phaseOne_->remove(s);
}

void SimplexSolver::pivot(Symbol entering, Symbol leaving) {
    LinearRow row = takeRow(leaving);
    row.add(leaving, -1.0);
    row.solveFor(entering);
    substitute(entering, row);
    insertRow(entering, std::move(row));
}

// ---------------------------------------------------------------- objective

SimplexSolver::Level& SimplexSolver::level(double priority) {
    auto it = std::find_if(objective_.begin(), objective_.end(),
                           [&](const Level& l) { return l.priority <= priority; });
    if (it != objective_.end() && it->priority == priority) return *it;
    return *objective_.insert(it, Level{priority, 0, {}});
}

void SimplexSolver::addToObjective(Symbol error, double priority, double sign) {
    LinearRow& objective = level(priority).row;
    if (rowIndex_[error] >= 0)
        objective.addScaled(rowOf(error), sign);
    else
        objective.add(error, sign);
}

// Bland's rule over the objectives taken in order: the lowest symbol whose first coefficient that
// is not zero, from the highest priority down, is negative. The lowest-index choice cannot cycle,
// which matters because layouts are full of ties.
Symbol SimplexSolver::enteringForObjective() const {
    std::vector<std::size_t> at(objective_.size(), 0);
    for (;;) {
        Symbol next = INT_MAX;
        for (std::size_t l = 0; l < objective_.size(); ++l) {
            auto& terms = objective_[l].row.terms();
            if (at[l] < terms.size()) next = std::min(next, terms[at[l]].first);
        }
        if (next == INT_MAX) return -1;
        int sign = 0;
        for (std::size_t l = 0; l < objective_.size(); ++l) {
            auto& terms = objective_[l].row.terms();
            if (at[l] >= terms.size() || terms[at[l]].first != next) continue;
            double c = terms[at[l]++].second;
            if (sign == 0 && !(c < LinearRow::kEpsilon && c > -LinearRow::kEpsilon)) sign = c < 0 ? -1 : 1;
        }
        if (sign < 0 && pivotable(next)) return next;
    }
}

// Dual optimisation's choice for an infeasible row: of the symbols that raise it, the one whose
// objective cost per unit is least, so the tableau stays optimal.
Symbol SimplexSolver::enteringForRow(const LinearRow& row) const {
    Symbol best = -1;
    std::vector<double> bestRatio;
    std::vector<double> ratio(objective_.size());
    for (auto& [s, a] : row.terms()) {
        if (a <= LinearRow::kEpsilon || !pivotable(s)) continue;
        for (std::size_t l = 0; l < objective_.size(); ++l) ratio[l] = objective_[l].row.coefficient(s) / a;
        bool better = best < 0;
        for (std::size_t l = 0; !better && l < ratio.size(); ++l) {
            if (std::abs(ratio[l] - bestRatio[l]) <= LinearRow::kEpsilon) continue;
            better = ratio[l] < bestRatio[l];
            break;
        }
        if (better) {
            best = s;
            bestRatio = ratio;
        }
    }
    return best;
}

// The row that first reaches zero as `entering` grows (ties to the lowest symbol).
Symbol SimplexSolver::leavingFor(Symbol entering) const {
    Symbol best = -1;
    double bestRatio = 0;
    for (Symbol b : column_[entering]) {
        if (!restricted(b)) continue;
        const LinearRow& row = rowOf(b);
        double a = row.coefficient(entering);
        if (a >= -LinearRow::kEpsilon) continue;
        double ratio = -row.constant / a;
        if (best < 0 || ratio < bestRatio - LinearRow::kEpsilon ||
            (ratio <= bestRatio + LinearRow::kEpsilon && b < best)) {
            best = b;
            bestRatio = ratio;
        }
    }
    return best;
}

// The row a removed constraint's marker takes over: one that keeps every restricted row feasible
// whichever way the marker moves, else any row that holds it.
Symbol SimplexSolver::leavingForMarker(Symbol marker) const {
    Symbol falling = -1, rising = -1, free = -1;
    double fallingRatio = 0, risingRatio = 0;
    for (Symbol b : column_[marker]) {
        const LinearRow& row = rowOf(b);
        double a = row.coefficient(marker);
        if (!restricted(b)) {
            if (free < 0 || b < free) free = b;
        } else if (a < 0) {
            double ratio = -row.constant / a;
            if (falling < 0 || ratio < fallingRatio) {
                falling = b;
                fallingRatio = ratio;
            }
        } else {
            double ratio = row.constant / a;
            if (rising < 0 || ratio < risingRatio) {
                rising = b;
                risingRatio = ratio;
            }
        }
    }
    return falling >= 0 ? falling : rising >= 0 ? rising : free;
}

bool SimplexSolver::optimise(LinearRow* phaseOne) {
    std::size_t limit = 1000 + 20 * (rows_.size() + kind_.size());
    for (std::size_t step = 0; step < limit; ++step) {
        Symbol entering = -1;
        if (phaseOne) {
            for (auto& [s, c] : phaseOne->terms())
                if (c < -LinearRow::kEpsilon && pivotable(s)) {
                    entering = s;
                    break;
                }
        } else {
            entering = enteringForObjective();
        }
        if (entering < 0) return true;
        Symbol leaving = leavingFor(entering);
        if (leaving < 0) return false;  // unbounded: cannot happen while every objective is a sum of errors
        pivot(entering, leaving);
    }
    return false;  // out of steps (rounding trouble): the values are feasible, if not optimal
}

// ---------------------------------------------------------------- constraints

SimplexSolver::ConstraintId SimplexSolver::newRecord() {
    if (!freeRecords_.empty()) {
        ConstraintId id = freeRecords_.back();
        freeRecords_.pop_back();
        records_[id] = Record{};
        return id;
    }
    records_.emplace_back();
    return static_cast<ConstraintId>(records_.size() - 1);
}

SimplexSolver::AddResult SimplexSolver::addConstraint(const LinearRow& expression, Relation relation,
                                                      double priority) {
    AddResult result;
    bool required = priority >= kRequired;
    ConstraintId id = newRecord();
    Record record;
    record.priority = required ? kRequired : priority;
    record.sign = relation == Relation::LessOrEqual ? -1 : 1;
    record.constant = expression.constant;
    record.live = true;

    // The expression in terms of the current parameters.
    LinearRow row;
    row.constant = record.sign * expression.constant;
    for (auto& [v, c] : expression.terms()) {
        if (rowIndex_[v] >= 0)
            row.addScaled(rowOf(v), record.sign * c);
        else
            row.add(v, record.sign * c);
    }
    // expression - slack = 0 for an inequality, expression - dummy = 0 for a required equality; a
    // wish gets errors either way.
    if (relation != Relation::Equal) {
        record.marker = newSymbol(Kind::Slack);
        row.add(record.marker, -1);
        if (!required) {
            record.other = newSymbol(Kind::Error);
            row.add(record.other, 1);
        }
    } else if (required) {
        record.marker = newSymbol(Kind::Dummy);
        row.add(record.marker, -1);
    } else {
        record.marker = newSymbol(Kind::Error);
        record.other = newSymbol(Kind::Error);
        row.add(record.marker, -1);
        row.add(record.other, 1);
    }
    owner_[record.marker] = id;
    if (record.other >= 0) owner_[record.other] = id;
    records_[id] = record;

    // The new basic symbol: a layout variable if any, else a fresh slack or error that comes out
    // non-negative, else the row is only feasible if an artificial variable can be driven to zero.
    Symbol subject = -1;
    for (auto& t : row.terms())
        if (kind_[t.first] == Kind::External) {
            subject = t.first;
            break;
        }
    if (subject < 0) {
        if (row.constant < 0) row.scale(-1);
        for (Symbol s : {record.marker, record.other})
            if (s >= 0 && pivotable(s) && row.coefficient(s) < 0) {
                subject = s;
                break;
            }
    }
    bool onlyDummies = std::all_of(row.terms().begin(), row.terms().end(),
                                   [&](const LinearRow::Term& t) { return kind_[t.first] == Kind::Dummy; });
    if (subject >= 0) {
        row.solveFor(subject);
        substitute(subject, row);
        insertRow(subject, std::move(row));
    } else if (onlyDummies) {
        // Redundant with what is there, or contradicting required equalities.
        if (!nearZero(row.constant)) return refuse(id, row);
        row.solveFor(record.marker);
        insertRow(record.marker, std::move(row));
    } else if (!addWithArtificial(std::move(row), id, result)) {
        return result;
    }

    if (!required) {
        ++level(record.priority).users;
        for (Symbol s : {record.marker, record.other})
            if (s >= 0 && kind_[s] == Kind::Error) addToObjective(s, record.priority, 1);
    }
    optimise(nullptr);
    result.id = id;
    return result;
}

bool SimplexSolver::addWithArtificial(LinearRow row, ConstraintId id, AddResult& result) {
    if (row.constant < 0) row.scale(-1);
    Symbol artificial = newSymbol(Kind::Artificial);
    LinearRow phase = row;
    insertRow(artificial, std::move(row));
    phaseOne_ = &phase;
    optimise(&phase);
    phaseOne_ = nullptr;
    if (phase.constant > kTolerance) {
        result = refuse(id, phase);
        releaseSymbol(artificial);
        optimise(nullptr);
        return false;
    }
    if (rowIndex_[artificial] >= 0) {
        const auto& terms = rowOf(artificial).terms();
        auto it = std::find_if(terms.begin(), terms.end(),
                               [&](const LinearRow::Term& t) { return pivotable(t.first); });
        if (it == terms.end()) it = terms.begin();
        if (it != terms.end()) pivot(it->first, artificial);
    }
    releaseSymbol(artificial);
    return true;
}

// Undoes a constraint that cannot be added; `certificate` holds the symbols whose constraints keep
// it from holding.
SimplexSolver::AddResult SimplexSolver::refuse(ConstraintId id, const LinearRow& certificate) {
    AddResult result;
    for (auto& [s, c] : certificate.terms()) {
        ConstraintId other = owner_[s];
        if (other < 0 || other == id || records_[other].priority < kRequired) continue;
        if (std::find(result.conflicts.begin(), result.conflicts.end(), other) == result.conflicts.end())
            result.conflicts.push_back(other);
    }
    std::sort(result.conflicts.begin(), result.conflicts.end());
    Record record = records_[id];
    releaseSymbol(record.marker);
    releaseSymbol(record.other);
    records_[id].live = false;
    freeRecords_.push_back(id);
    return result;
}

void SimplexSolver::removeConstraint(ConstraintId id) {
    if (id < 0 || id >= static_cast<ConstraintId>(records_.size()) || !records_[id].live) return;
    Record record = records_[id];
    if (record.priority < kRequired) {
        for (Symbol s : {record.marker, record.other})
            if (s >= 0 && kind_[s] == Kind::Error) addToObjective(s, record.priority, -1);
        auto it = std::find_if(objective_.begin(), objective_.end(),
                               [&](const Level& l) { return l.priority == record.priority; });
        if (it != objective_.end() && --it->users == 0) objective_.erase(it);
    }
    if (rowIndex_[record.marker] < 0) {
        Symbol leaving = leavingForMarker(record.marker);
        if (leaving >= 0) pivot(record.marker, leaving);
    }
    if (rowIndex_[record.marker] >= 0) takeRow(record.marker);
    releaseSymbol(record.marker);
    releaseSymbol(record.other);
    records_[id].live = false;
    freeRecords_.push_back(id);
    optimise(nullptr);
}

SimplexSolver::ConstraintId SimplexSolver::addEditVariable(Symbol v, double value, double priority) {
    LinearRow expression;
    expression.add(v, 1);
    expression.constant = -value;
    return addConstraint(expression, Relation::Equal, priority).id;
}

void SimplexSolver::suggestValue(ConstraintId edit, double value) {
    setConstant(edit, -value);
}

// The constraint's marker stood for "expression + constant" measured from the old constant; with
// the new one it is the same row shifted by the difference, so every row holding the marker moves
// by its coefficient times that difference and nothing else changes.
void SimplexSolver::setConstant(ConstraintId id, double constant) {
    if (id < 0 || id >= static_cast<ConstraintId>(records_.size()) || !records_[id].live) return;
    Record& record = records_[id];
    double delta = record.sign * (constant - record.constant);
    record.constant = constant;
    if (delta == 0) return;
    Symbol marker = record.marker;
    if (rowIndex_[marker] >= 0) {
        rowOf(marker).constant += delta;
        noteRow(marker);
        return;
    }
    for (Symbol b : column_[marker]) {
        rowOf(b).constant -= rowOf(b).coefficient(marker) * delta;
        noteRow(b);
    }
    for (auto& l : objective_) l.row.constant -= l.row.coefficient(marker) * delta;
}

bool SimplexSolver::resolve() {
    std::size_t limit = 1000 + 20 * (rows_.size() + kind_.size());
    bool ok = !inconsistent_;
    for (std::size_t step = 0; ok && !infeasible_.empty(); ++step) {
        Symbol basic = infeasible_.back();
        infeasible_.pop_back();
        if (rowIndex_[basic] < 0 || rowOf(basic).constant >= 0) continue;
        Symbol entering = enteringForRow(rowOf(basic));
        if (entering < 0 || step >= limit) {
            ok = false;
            break;
        }
        pivot(entering, basic);
    }
    infeasible_.clear();
    inconsistent_ = false;
    return ok;
}

double SimplexSolver::value(Symbol v) const {
    return rowIndex_[v] >= 0 ? rowOf(v).constant : 0.0;
}

}  // namespace fv::layout
