// The phases of a subproblem's relaxation on its BranchTableau: the
// exchange method's equality, feasibility and optimisation phases from the
// start, and the dual simplex that restores the optimum after a bound.
#include <flint/fmpz.h>

#include "solver/branch_tableau.h"
#include "solver/exact_tuning.h"

namespace pivora {

namespace {

// The sign of a / b - c / d for b and d of one sign.
int CompareRatios(const FlintInteger& a, const FlintInteger& b, const FlintInteger& c,
                  const FlintInteger& d) {
  FlintInteger left;
  FlintInteger right;
  fmpz_mul(left.get(), a.get(), d.get());
  fmpz_mul(right.get(), c.get(), b.get());
  return fmpz_cmp(left.get(), right.get());
}

bool Negative(const FlintInteger& x) { return x.Sign() < 0; }
bool Positive(const FlintInteger& x) { return x.Sign() > 0; }

}  // namespace

bool BranchTableau::RunEqualityPhase(ExchangeObserver* observer) {
  phase_ = ExchangePhase::kEquality;
  for (;;) {
    int r = -1;
    for (int i = 0; i < rows_ && r < 0; ++i) {
      if (rowLabel_[static_cast<std::size_t>(i)] == 0) r = i;
    }
    if (r < 0) return true;
    int s = -1;
    for (int c = 0; c < n_ && s < 0; ++c) {
      if (Free(c) && !At(r, c).IsZero()) s = c;
    }
    if (s >= 0) {
      Exchange(r, s, observer);  // the zero variable's column is left out from now on
    } else if (!At(r, n_).IsZero()) {
      return false;
    } else {
      rowLabel_[static_cast<std::size_t>(r)] = -(r + 1);  // redundant: its slack, 0
    }
  }
}

// Row r (negative constant) rises along column s (positive entry) until it
// reaches 0 or a non-negative row would turn negative; that row leaves
// (least index on ties), else row r.
int BranchTableau::FeasibilityRow(int r, int s) const {
  int limiting = -1;
  for (int i = 0; i < rows_; ++i) {
    if (i == r || Negative(Constant(i)) || !Negative(At(i, s))) continue;
    if (limiting < 0) {
      limiting = i;
      continue;
    }
    // |constant / entry| of row i against that of the limiting row.
    const int order = -CompareRatios(Constant(i), At(i, s), Constant(limiting), At(limiting, s));
    if (order < 0 || (order == 0 && Order(rowLabel_[static_cast<std::size_t>(i)]) <
                                        Order(rowLabel_[static_cast<std::size_t>(limiting)]))) {
      limiting = i;
    }
  }
  if (limiting < 0) return r;
  // Constant(l) / -At(l, s) < -Constant(r) / At(r, s), both sides times
  // -At(l, s) At(r, s) > 0.
  return CompareRatios(Constant(limiting), At(limiting, s), Constant(r), At(r, s)) < 0 ? limiting
                                                                                       : r;
}

// The least-index feasibility rule (Bland's rule on "raise the first
// negative row"): it ends, and the non-negative rows stay non-negative.
bool BranchTableau::RunFeasibilityPhase(ExchangeObserver* observer) {
  phase_ = ExchangePhase::kFeasibility;
  for (;;) {
    int r = -1;
    for (int i = 0; i < rows_ && r < 0; ++i) {
      if (Negative(Constant(i))) r = i;
    }
    if (r < 0) return true;
    int s = -1;
    for (int c = 0; c < n_; ++c) {
      if (!Free(c) || !Positive(At(r, c))) continue;
      if (s < 0 || Order(columnLabel_[static_cast<std::size_t>(c)]) <
                       Order(columnLabel_[static_cast<std::size_t>(s)])) {
        s = c;
      }
    }
    if (s < 0) return false;
    Exchange(FeasibilityRow(r, s), s, observer);
  }
}

// The row of the smallest ratio |constant / entry| over the negative entries
// of column s: the first such row on ties, or the least-index one.
int BranchTableau::RatioRow(int s, bool leastIndex) const {
  int best = -1;
  for (int i = 0; i < rows_; ++i) {
    if (!Negative(At(i, s))) continue;
    if (best < 0) {
      best = i;
      continue;
    }
    const int order = -CompareRatios(Constant(i), At(i, s), Constant(best), At(best, s));
    if (order < 0 || (order == 0 && leastIndex &&
                      Order(rowLabel_[static_cast<std::size_t>(i)]) <
                          Order(rowLabel_[static_cast<std::size_t>(best)]))) {
      best = i;
    }
  }
  return best;
}

LpStatus BranchTableau::RunOptimisationPhase(ExchangeObserver* observer) {
  phase_ = ExchangePhase::kOptimisation;
  int degenerate = 0;
  for (;;) {
    const bool bland = degenerate >= kDegenerateRun;
    int s = -1;
    for (int c = 0; c < n_; ++c) {
      if (!Free(c) || !Positive(Cost(c))) continue;
      if (s < 0 || (bland ? Order(columnLabel_[static_cast<std::size_t>(c)]) <
                                Order(columnLabel_[static_cast<std::size_t>(s)])
                          : fmpz_cmp(Cost(c).get(), Cost(s).get()) > 0)) {
        s = c;
      }
    }
    if (s < 0) return LpStatus::kOptimal;
    const int r = RatioRow(s, bland);
    if (r < 0) return LpStatus::kUnbounded;
    degenerate = Constant(r).IsZero() ? degenerate + 1 : 0;
    Exchange(r, s, observer);
  }
}

bool BranchTableau::DualFeasible() const {
  for (int c = 0; c < n_; ++c) {
    if (Free(c) && Positive(Cost(c))) return false;
  }
  return true;
}

// The dual simplex on a tableau whose objective row is optimal. A row with
// a negative constant and no positive entry in a free column proves that
// the subproblem has no feasible point, as in the feasibility phase.
bool BranchTableau::RunDualPhase(ExchangeObserver* observer) {
  phase_ = ExchangePhase::kFeasibility;
  int degenerate = 0;
  for (;;) {
    const bool bland = degenerate >= kDegenerateRun;
    int r = -1;
    for (int i = 0; i < rows_; ++i) {
      if (!Negative(Constant(i))) continue;
      if (r < 0) r = i;
      if (!bland) break;
      if (Order(rowLabel_[static_cast<std::size_t>(i)]) <
          Order(rowLabel_[static_cast<std::size_t>(r)])) {
        r = i;
      }
    }
    if (r < 0) return true;
    int s = -1;
    for (int c = 0; c < n_; ++c) {
      if (!Free(c) || !Positive(At(r, c))) continue;
      if (s < 0) {
        s = c;
        continue;
      }
      // -Cost(c) / At(r, c) against -Cost(s) / At(r, s).
      const int order = -CompareRatios(Cost(c), At(r, c), Cost(s), At(r, s));
      if (order < 0 || (order == 0 && bland &&
                        Order(columnLabel_[static_cast<std::size_t>(c)]) <
                            Order(columnLabel_[static_cast<std::size_t>(s)]))) {
        s = c;
      }
    }
    if (s < 0) return false;
    degenerate = Cost(s).IsZero() ? degenerate + 1 : 0;
    Exchange(r, s, observer);
  }
}

LpStatus BranchTableau::SolveFromStart(ExchangeObserver* observer) {
  if (!RunEqualityPhase(observer) || !RunFeasibilityPhase(observer))
    return LpStatus::kNoFeasiblePoint;
  return RunOptimisationPhase(observer);
}

LpStatus BranchTableau::Resolve(ExchangeObserver* observer) {
  if (!DualFeasible()) return SolveFromStart(observer);
  if (!RunDualPhase(observer)) return LpStatus::kNoFeasiblePoint;
  return RunOptimisationPhase(observer);
}

}  // namespace pivora
