// The least-index rules that finish a phase once its own rule has come back
// to an earlier basis. Variables are ordered x[1..n], then y[1..m]; both rules
// end after finitely many exchanges in exact arithmetic (Bland, 1977).
#pragma once

#include "solver/ratio_test.h"
#include "solver/simplex_run.h"

namespace pivora {

// The free column with a positive entry in row r whose variable comes
// first; 0 if none. In the objective row m+1 that is Bland's entering column
// (0: optimal); in a row with a negative constant, the feasibility rule's
// (0: infeasible).
template <class Arith, class Work>
int ChooseLeastIndexColumnIn(SimplexRun<Arith, Work>& run, int r) {
  int s = 0;
  int bestOrder = 0;
  for (int j = 1; j <= run.n; ++j) {
    if (!run.ColumnFree(j) || !(run.w(r, j) > 0)) continue;
    const int order = run.OrderOf(run.ColumnLabel(j));
    if (s == 0 || order < bestOrder) {
      s = j;
      bestOrder = order;
    }
  }
  return s;
}

// Optimisation: Bland's entering column.
template <class Arith, class Work>
int ChooseLeastIndexColumn(SimplexRun<Arith, Work>& run) {
  return ChooseLeastIndexColumnIn(run, run.m + 1);
}

// Optimisation: Bland's leaving row for column s.
template <class Arith, class Work>
int ChooseLeastIndexRatioRow(SimplexRun<Arith, Work>& run, int s) {
  return ChooseRatioRowAmong<RatioTies::kLeastIndex>(run, s, [](int) { return true; });
}

// Feasibility: raises the value of the negative row r along column s (its
// entry there is positive) as far as the rows that are already non-negative
// allow, or until row r reaches 0. Row r is the pivot row when it limits the
// step (it wins ties), and then ends non-negative; otherwise a non-negative
// row limits it and every non-negative row stays non-negative. This is
// Bland's rule applied to "maximise row r" over the non-negative rows, so it
// ends, and the set of non-negative rows never shrinks.
template <class Arith, class Work>
int ChooseFeasibilityRow(SimplexRun<Arith, Work>& run, int r, int s) {
  const int n = run.n;
  const int limiting = ChooseRatioRowAmong<RatioTies::kLeastIndex>(
      run, s, [&](int i) { return i != r && !(run.w(i, n + 1) < 0); });
  if (limiting == 0) return r;
  using Value = typename Arith::Value;
  // Row r's own limit: the step that brings its constant to 0.
  const Value own = Arith::Abs(run.w(r, n + 1) / run.w(r, s));
  const Value other = Arith::Abs(run.w(limiting, n + 1) / run.w(limiting, s));
  ExposeToFlagTest(own);
  ExposeToFlagTest(other);
  Arith::CheckFlags();
  return other < own ? limiting : r;
}

}  // namespace pivora
