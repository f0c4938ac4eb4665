// The exact work tableau of one subproblem of branch and bound: the
// problem's rows and the bound rows its branches added, in the exchange
// method's layout, as integers over one common denominator. A subproblem
// starts from its parent's final tableau with its one branching row and is
// re-solved from there.
#pragma once

#include <gmpxx.h>

#include <memory>
#include <optional>
#include <vector>

#include "solver/exact_problem.h"
#include "solver/exchange_observer.h"
#include "solver/flint_integer.h"
#include "solver/rational_arithmetic.h"

namespace pivora {

// x[j] <= bound (kUpper) or x[j] >= bound (kLower), bound a whole number.
enum class BoundSide { kUpper, kLower };

enum class LpStatus { kOptimal, kNoFeasiblePoint, kUnbounded };

// Rows hold the problem's constraints in their order, then one bound row per
// variable and side that a branch added (a further branch on the same side
// tightens that row: the earlier bound is implied). Row i says, as in the
// exchange method, basic variable = sum of W(i, c) u(c) + W(i, n+1) over the
// non-basic u(c), and the objective row sigma * z the same; every W is an
// integer numerator over its row's denominator. Each constraint row (and the
// objective) is first scaled to coprime integers, so its slack is the typed
// slack times that scale, and the exchange step is Bareiss's fraction-free
// one (1968), row by row: a row the step changes ends over the new basis's
// determinant with every numerator a minor of the scaled problem's matrix,
// every division exact, and a row it leaves alone (0 in the pivot column)
// keeps its numbers and its denominator.
class BranchTableau {
 public:
  // The exchange method's starting tableau of `problem` (m constraints, n
  // variables): row i labelled y[i] (the zero variable of an equation),
  // column j labelled x[j]. With `zeroObjective` the objective is 0: the
  // search for any integer point of a problem whose relaxation is unbounded.
  BranchTableau(const ExactTableau& problem, int m, int n, bool zeroObjective = false);

  // The relaxation from the start: the equality phase, the feasibility
  // phase by its least-index rule, then the optimisation phase (largest
  // objective entry, first row on ratio ties, Bland's rule after a run of
  // degenerate steps until the objective moves again).
  LpStatus SolveFromStart(ExchangeObserver* observer);

  // Re-solves after Bound, from an optimal tableau: the dual simplex (the
  // first row with a negative constant leaves, the column of the smallest
  // ratio of objective entry to row entry enters, first column on ties),
  // which keeps the objective row optimal, so one or two exchanges usually
  // restore the optimum; Bland's dual rule after a run of steps that leave
  // the objective where it was. A tableau that is not optimal goes through
  // the feasibility and optimisation phases instead.
  LpStatus Resolve(ExchangeObserver* observer);

  // Adds the row x[j] <= k or x[j] >= k, expressed in the current non-basic
  // variables, or tightens the row x[j] already has on that side; a bound
  // no tighter than that row changes nothing. Constants may turn negative:
  // Resolve restores the optimum.
  void Bound(int j, BoundSide side, const mpz_class& k);
  // The bound row of x[j] on `side`, if it has one.
  const std::optional<mpz_class>& BoundOf(int j, BoundSide side) const;

  // At an optimum: z, x[j] (1..n) and the typed slack y[i] of constraint i
  // (1..m), exactly.
  Rational Objective() const;
  Rational Value(int j) const;
  Rational Slack(int i) const;

  // Whether x[j] can take another value on the optimal face: it is
  // non-basic in a free column with objective entry 0, or basic with a
  // non-zero entry in such a column. False says x[j] is the same at every
  // optimum of this subproblem.
  bool VariesOnOptimalFace(int j) const;

  int Rows() const { return rows_; }
  int Variables() const { return n_; }
  // Entries held: rows and objective row by the columns and constants.
  long Entries() const { return static_cast<long>(rows_ + 1) * (n_ + 1); }
  long Exchanges() const { return exchanges_; }

 private:
  struct Scales;
  FlintInteger& At(int row, int c) { return a_[Index(row, c)]; }
  const FlintInteger& At(int row, int c) const { return a_[Index(row, c)]; }
  std::size_t Index(int row, int c) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(n_ + 1) +
           static_cast<std::size_t>(c);
  }
  // The objective row is row rows_, stored apart so rows can be added.
  FlintInteger& Cell(int row, int c) {
    return row == rows_ ? z_[static_cast<std::size_t>(c)] : At(row, c);
  }
  const FlintInteger& Cell(int row, int c) const {
    return row == rows_ ? z_[static_cast<std::size_t>(c)] : At(row, c);
  }
  const FlintInteger& Constant(int row) const { return Cell(row, n_); }
  const FlintInteger& Cost(int c) const { return z_[static_cast<std::size_t>(c)]; }
  FlintInteger& Denominator(int row) {
    return row == rows_ ? objectiveDenominator_ : e_[static_cast<std::size_t>(row)];
  }
  const FlintInteger& Denominator(int row) const {
    return row == rows_ ? objectiveDenominator_ : e_[static_cast<std::size_t>(row)];
  }
  // W(row, n+1) exactly.
  Rational ConstantValue(int row) const;
  void BringUpToDate(int row);

  int RowOf(int label) const;
  int ColumnOf(int label) const;
  bool Free(int c) const { return columnLabel_[static_cast<std::size_t>(c)] != 0; }
  int Order(int label) const { return label > 0 ? label : n_ - label; }

  void Exchange(int r, int s, ExchangeObserver* observer);
  bool RunEqualityPhase(ExchangeObserver* observer);
  bool RunFeasibilityPhase(ExchangeObserver* observer);
  LpStatus RunOptimisationPhase(ExchangeObserver* observer);
  bool RunDualPhase(ExchangeObserver* observer);
  int FeasibilityRow(int r, int s) const;
  int RatioRow(int s, bool leastIndex) const;
  bool DualFeasible() const;

  int m_ = 0;  // the problem's constraints
  int n_ = 0;
  int rows_ = 0;
  std::vector<FlintInteger> a_;  // rows_ x (n_ + 1), the constant in column n_
  std::vector<FlintInteger> z_;  // the objective row
  std::vector<int> rowLabel_;
  std::vector<int> columnLabel_;
  std::vector<FlintInteger> e_;        // each row's denominator, positive
  FlintInteger objectiveDenominator_;  // the objective row's
  // The denominator of the rows the last exchange wrote: the absolute
  // determinant of the basis, in the scaled problem.
  FlintInteger d_;
  std::shared_ptr<const Scales> scales_;
  std::vector<std::optional<mpz_class>> upper_;  // by variable, from 1
  std::vector<std::optional<mpz_class>> lower_;
  long exchanges_ = 0;
  ExchangePhase phase_ = ExchangePhase::kEquality;  // for the observer
};

}  // namespace pivora
