// The three phases of the exchange method. Each returns true when the next
// stage may follow and false when the run has ended (infeasible or unbounded,
// with the proving row or column in the record).
#pragma once

#include "solver/cycle_guard.h"
#include "solver/least_index.h"
#include "solver/simplex_run.h"

namespace pivora {

// The phases' own choice rules, each on the work tableau as it stands; 0
// where the rule finds nothing. The practice mode judges a student's pivot
// by the same functions.

// Equality: the first row still labelled 0, an equation whose zero variable
// is basic.
template <class Arith, class Work>
int ChooseEqualityRow(SimplexRun<Arith, Work>& run) {
  for (int i = 1; i <= run.m; ++i) {
    if (run.RowLabel(i) == 0) return i;
  }
  return 0;
}

// Equality: the first free column with a non-zero entry in row r, of either
// sign.
template <class Arith, class Work>
int ChooseEqualityColumn(SimplexRun<Arith, Work>& run, int r) {
  for (int j = 1; j <= run.n; ++j) {
    if (run.ColumnFree(j) && !(run.w(r, j) == 0)) return j;
  }
  return 0;
}

// Feasibility: the first row with a negative constant.
template <class Arith, class Work>
int ChooseNegativeRow(SimplexRun<Arith, Work>& run) {
  for (int i = 1; i <= run.m; ++i) {
    if (run.w(i, run.n + 1) < 0) return i;
  }
  return 0;
}

// Feasibility: the first free column with a positive entry in row r.
template <class Arith, class Work>
int ChooseFeasibilityColumn(SimplexRun<Arith, Work>& run, int r) {
  for (int j = 1; j <= run.n; ++j) {
    if (run.ColumnFree(j) && run.w(r, j) > 0) return j;
  }
  return 0;
}

// Optimisation: the free column with the largest positive objective-row
// entry, the first column on ties.
template <class Arith, class Work>
int ChooseEnteringColumn(SimplexRun<Arith, Work>& run) {
  using Value = typename Arith::Value;
  const int objective = run.m + 1;
  Value t = Arith::FromInt(0);
  int s = 0;
  for (int j = 1; j <= run.n; ++j) {
    if (run.ColumnFree(j) && t < run.w(objective, j)) {
      t = run.w(objective, j);
      s = j;
    }
  }
  return s;
}

// Exchanges the zero variable of every equation out of the basis: the first
// row labelled 0, the first free column with a non-zero entry in it. An
// equation left with no such entry is redundant when its constant is 0
// (relabelled as the slack y[r] of value 0) and infeasible otherwise. Each
// pass removes one zero label, so the phase ends.
template <class Arith, class Work>
bool RunEqualityPhase(SimplexRun<Arith, Work>& run) {
  for (;;) {
    const int r = ChooseEqualityRow(run);
    if (r == 0) return true;
    const int s = ChooseEqualityColumn(run, r);
    if (s != 0) {
      run.record.zeroColumnEquation[static_cast<std::size_t>(s)] = r;
      run.Exchange(r, s);
    } else if (!(run.w(r, run.n + 1) == 0)) {
      run.record.stopRow = r;
      return false;
    } else {
      run.RowLabel(r) = Arith::FromInt(-r);
    }
  }
}

// Removes negative constants: the first row with a negative constant, the
// first free column with a positive entry in it, no ratio test. When that
// rule comes back to an earlier basis, the phase goes on by the least-index
// rule with a ratio test that keeps the non-negative rows non-negative. Should
// rounding make that rule come back to an earlier basis too, the phase stops
// at the first negative row as if it proved infeasibility, and the record
// says the run stalled: that result is unproved.
template <class Arith, class Work>
bool RunFeasibilityPhase(SimplexRun<Arith, Work>& run) {
  CycleGuard<typename Arith::Value, Work> guard(run.w, run.m, run.n);
  bool leastIndex = false;
  run.leastIndex = false;
  for (;;) {
    const int r = ChooseNegativeRow(run);
    if (r == 0) return true;
    const int s = leastIndex ? ChooseLeastIndexColumnIn(run, r) : ChooseFeasibilityColumn(run, r);
    if (s == 0) {
      run.record.stopRow = r;
      return false;
    }
    run.Exchange(leastIndex ? ChooseFeasibilityRow(run, r, s) : r, s);
    if (!guard.Repeated()) continue;
    if (leastIndex) {
      run.record.stalled = true;
      run.record.stopRow = r;
      return false;
    }
    leastIndex = true;
    run.leastIndex = true;
    run.record.cycled = true;
    guard.Restart();
  }
}

// Raises sigma * z: the free column with the largest positive objective-row
// entry (first column on ties), the row of the smallest ratio (first row on
// ties). When that rule comes back to an earlier basis (degenerate problems
// such as Beale's), the phase goes on by Bland's least-index rule. Should
// rounding make that rule come back to an earlier basis too, the phase ends
// there as if optimal, and the record says the run stalled.
template <class Arith, class Work>
bool RunOptimisationPhase(SimplexRun<Arith, Work>& run) {
  CycleGuard<typename Arith::Value, Work> guard(run.w, run.m, run.n);
  bool leastIndex = false;
  run.leastIndex = false;
  for (;;) {
    const int s = leastIndex ? ChooseLeastIndexColumn(run) : ChooseEnteringColumn(run);
    if (s == 0) return true;
    const int r = leastIndex ? ChooseLeastIndexRatioRow(run, s) : ChooseRatioRow(run, s);
    if (r == 0) {
      run.record.stopColumn = s;
      return false;
    }
    run.Exchange(r, s);
    if (!guard.Repeated()) continue;
    if (leastIndex) {
      run.record.stalled = true;
      return true;
    }
    leastIndex = true;
    run.leastIndex = true;
    run.record.cycled = true;
    guard.Restart();
  }
}

}  // namespace pivora
