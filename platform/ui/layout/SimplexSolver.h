#pragma once
// An incremental solver for linear equalities and inequalities with priorities, after the
// Cassowary algorithm: a simplex tableau kept in solved form, where
// - each constraint may be added and removed on its own, the tableau staying optimal;
// - priorities are strengths: required constraints (1000 and above) hold exactly, the others are
//   met as far as possible, every higher priority before any lower one (one objective per priority,
//   compared in order), the errors within one priority summed;
// - a changed constant (an edit variable's suggested value, or any constraint's constant) only
//   shifts the rows it touches and is repaired by dual optimisation, without solving again;
// - a required constraint that cannot hold with the others is refused, naming those it conflicts
//   with, and the rest stay as they were.
#include <cstdint>
#include <vector>

#include "platform/ui/layout/LinearRow.h"

namespace fv::layout {

class SimplexSolver {
  public:
    static constexpr double kRequired = 1000;

    enum class Relation { LessOrEqual, Equal, GreaterOrEqual };
    using ConstraintId = int;

    struct AddResult {
        ConstraintId id = -1;                 // -1 when refused
        std::vector<ConstraintId> conflicts;  // required constraints that would not hold with it
        bool added() const { return id >= 0; }
    };

    // A free unknown of the layout; 0 until a constraint decides it.
    Symbol newVariable();
    // Gives back a variable no constraint mentions any more.
    void releaseVariable(Symbol v);

    // `expression (relation) 0`, where the expression's terms are variables from newVariable().
    AddResult addConstraint(const LinearRow& expression, Relation relation, double priority);
    void removeConstraint(ConstraintId id);

    // An edit variable: `v == value` at `priority`, whose value later moves with suggestValue.
    ConstraintId addEditVariable(Symbol v, double value, double priority);
    void suggestValue(ConstraintId edit, double value);

    // Changes the constant of the expression a constraint was added with. Changes gather until
    // resolve(), which repairs the tableau by dual optimisation; false when the required
    // constraints can no longer all hold (the tableau is then unusable: build a new one).
    void setConstant(ConstraintId id, double constant);
    bool resolve();

    double value(Symbol v) const;
    std::size_t rowCount() const { return rows_.size(); }

  private:
    enum class Kind : std::uint8_t { Free, External, Slack, Error, Dummy, Artificial };
    struct BasicRow {
        Symbol basic;
        LinearRow row;
    };
    struct Level {
        double priority;
        int users;
        LinearRow row;
    };
    struct Record {
        Symbol marker = -1;
        Symbol other = -1;
        double priority = 0;
        double sign = 1;
        double constant = 0;
        bool live = false;
    };

    Symbol newSymbol(Kind kind);
    void releaseSymbol(Symbol s);
    bool restricted(Symbol s) const { return kind_[s] != Kind::External; }
    bool pivotable(Symbol s) const {
        return kind_[s] == Kind::Slack || kind_[s] == Kind::Error || kind_[s] == Kind::Artificial;
    }
    LinearRow& rowOf(Symbol basic) { return rows_[rowIndex_[basic]].row; }
    const LinearRow& rowOf(Symbol basic) const { return rows_[rowIndex_[basic]].row; }

    void insertRow(Symbol basic, LinearRow row);
    LinearRow takeRow(Symbol basic);
    void unlink(Symbol s, Symbol basic);
    void substitute(Symbol s, const LinearRow& expression);
    void purge(Symbol s);
    void pivot(Symbol entering, Symbol leaving);
    void noteRow(Symbol basic);

    Level& level(double priority);
    void addToObjective(Symbol error, double priority, double sign);
    Symbol enteringForObjective() const;
    Symbol enteringForRow(const LinearRow& row) const;
    Symbol leavingFor(Symbol entering) const;
    Symbol leavingForMarker(Symbol marker) const;
    bool optimise(LinearRow* phaseOne);

    AddResult refuse(ConstraintId id, const LinearRow& certificate);
    bool addWithArtificial(LinearRow row, ConstraintId id, AddResult& result);
    ConstraintId newRecord();

    std::vector<Kind> kind_;
    std::vector<int> rowIndex_;                // index into rows_, -1 while parametric
    std::vector<std::vector<Symbol>> column_;  // the basic symbols whose rows hold a symbol
    std::vector<ConstraintId> owner_;          // the constraint an auxiliary symbol belongs to
    std::vector<Symbol> freeSymbols_;
    std::vector<BasicRow> rows_;
    std::vector<Level> objective_;  // highest priority first
    LinearRow* phaseOne_ = nullptr;
    std::vector<Record> records_;
    std::vector<ConstraintId> freeRecords_;
    std::vector<Symbol> infeasible_;
    bool inconsistent_ = false;
};

}  // namespace fv::layout
