// Sensitivity of an optimal basis: the signed shadow price of every
// constraint, the signed reduced cost of every variable, and the ranges of
// each right-hand side and each objective coefficient within which the basis
// stays optimal. Read off the exact work tableau of the basis, so the answer
// is the same whichever run reached that basis.
#pragma once

#include <vector>

#include "solver/basis_tableau.h"
#include "solver/exact_problem.h"
#include "solver/rational_arithmetic.h"
#include "solver/step_record.h"
#include "solver/tables.h"

namespace pivora {

// One end of a range; an infinite end is -infinity for a lower end and
// +infinity for an upper one.
struct RangeEnd {
  bool finite = false;
  Rational value;
};

struct SensitivityRange {
  RangeEnd lower;
  RangeEnd upper;
};

struct ConstraintSensitivity {
  bool basic = false;    // its slack y[i] is a basic variable
  Rational shadowPrice;  // dz/db(i): the change of z per unit of right-hand side
  Rational rightHandSide;
  SensitivityRange rightHandSideRange;  // where the basis stays feasible
};

struct VariableSensitivity {
  bool basic = false;
  Rational value;
  Rational reducedCost;  // dz/dx(j) with the basis kept: 0 for a basic variable
  Rational cost;
  SensitivityRange costRange;  // where the basis stays optimal
};

struct Sensitivity {
  bool available = false;                          // false when the labels do not make a basis
  std::vector<ConstraintSensitivity> constraints;  // constraint i at i - 1
  std::vector<VariableSensitivity> variables;      // x[j] at j - 1
};

// `basis` names an optimal basis of `problem` (m constraints, n variables).
// The slack y[i] of constraint i is b(i) minus the left-hand side for a
// less-or-equal row or an equation, the left-hand side minus b(i) for a
// greater-or-equal row; the slack of an equation is fixed at 0, so a
// non-basic one limits no range and a basic one (a redundant equation) must
// stay 0.
Sensitivity AnalyseSensitivity(const ExactTableau& problem, int m, int n, const BasisLabels& basis);

// The same where the exact work tableau at `basis` is known already (an
// exact run's tableau at its optimum): no elimination. Asks `observer` (may
// be null) whether to stop before each constraint and variable, and throws
// SolveCancelled then.
Sensitivity AnalyseSensitivity(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                               const TableauSnapshot& atBasis,
                               ExchangeObserver* observer = nullptr);

}  // namespace pivora
