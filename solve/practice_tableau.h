// The exchange method as the practice mode sees it: the first tableau of a
// problem, a student's exchange carried out exactly, and at each tableau the
// stage the method stands in, the pivot its rule takes there and, at an end,
// the row or column that proves it. The rule's choice is the phases' own
// choice functions on the tableau, so the practice judges by the very rules
// the solve runs.
#pragma once

#include <optional>
#include <vector>

#include "solver/exact_problem.h"
#include "solver/exchange_observer.h"
#include "solver/step_record.h"

namespace pivora {

enum class PracticeStage {
  kEquality,            // an equation's zero variable is still basic
  kFeasibility,         // a constant is negative
  kOptimisation,        // feasible, and some objective-row entry is positive
  kOptimal,             // the end: feasible and no objective-row entry positive
  kNoFeasibleSolution,  // the end: a row shows that no point is feasible
  kUnbounded,           // the end: a column shows that Z improves without limit
};

inline bool IsEnd(PracticeStage stage) {
  return stage == PracticeStage::kOptimal || stage == PracticeStage::kNoFeasibleSolution ||
         stage == PracticeStage::kUnbounded;
}

// A cell of the tableau: row 1..m, column 1..n of the work tableau (the
// column of an equation's zero variable keeps its place).
struct PivotPlace {
  int row = 0;
  int column = 0;
  friend bool operator==(const PivotPlace&, const PivotPlace&) = default;
};

// What the method carries from one tableau to the next besides the tableau.
struct PracticeContext {
  // The phase came back to an earlier basis: its rule is now the least-index
  // rule, as in the solve.
  bool leastIndex = false;
  // The column of the last step, where that was a step among optima: the
  // search does not enter it straight back.
  int previousColumn = 0;
};

struct TableauAssessment {
  PracticeStage stage = PracticeStage::kEquality;
  ExchangePhase phase = ExchangePhase::kEquality;  // of a step taken here
  // The rule's pivot here; at the optimum the search's next one, if any;
  // none at the other ends.
  std::optional<PivotPlace> rule;
  int proofRow = 0;     // kNoFeasibleSolution: the row that shows it
  int proofColumn = 0;  // kUnbounded: the column that shows it
};

// The tableau the exchange method starts from on `problem` (m constraints,
// n variables), exactly.
TableauSnapshot StartingTableau(const ExactTableau& problem, int m, int n);

// `t` after the exchange at `p` (its entry not 0), exactly: the solver's own
// exchange step on rationals.
TableauSnapshot ExchangeExactly(const TableauSnapshot& t, PivotPlace p);

// Relabels each row of an equation whose zero variable is basic and whose
// free columns hold only zeros, with constant 0, as the slack of value 0 it
// then is, as the equality phase does without an exchange. The rows changed.
std::vector<int> RelabelRedundantEquations(TableauSnapshot& t);

// Where the method stands at `t` (redundant equations relabelled). An end is
// told as soon as the tableau proves it, even where the rule would first
// take further steps: the solve's verdict is the same.
TableauAssessment Assess(const TableauSnapshot& t, const PracticeContext& context);

// The first row with a negative entry in column s and the smallest quotient
// |constant / entry|, as the ratio test takes it; 0 if none.
int SmallestQuotientRow(const TableauSnapshot& t, int s);

}  // namespace pivora
