// Storing an optimal basic solution and the walk to neighbouring optimal
// vertices through non-basic variables whose objective-row entry is exactly 0.
#pragma once

#include "solver/ratio_test.h"
#include "solver/simplex_run.h"

namespace pivora {

// Writes column k of the solution table from the work tableau: a basic
// variable gets its row's constant, a non-basic one its objective-row entry,
// the slack of an eliminated equation 0, and row 0 the objective value
// sigma * W(m+1, n+1). Label L goes to row L if L > 0 and to row n - L if L < 0.
template <class Arith, class Work>
void StoreSolution(SimplexRun<Arith, Work>& run, int k) {
  const int m = run.m;
  const int n = run.n;
  const auto rowOf = [n](int label) { return label > 0 ? label : n - label; };
  for (int i = 0; i <= n + m; ++i) StoreZero(run.solutions(i, k));
  for (int i = 1; i <= m; ++i) {
    run.solutions(rowOf(Arith::ToLabel(run.RowLabel(i))), k) = run.w(i, n + 1);
  }
  for (int j = 1; j <= n; ++j) {
    const int label = Arith::ToLabel(run.ColumnLabel(j));
    if (label != 0) run.solutions(rowOf(label), k) = run.w(m + 1, j);
  }
  run.solutions(0, k) = Arith::FromInt(run.sigma) * run.w(m + 1, n + 1);
}

// Whether stored solution k differs from solution 1 in any of rows 0..n+m.
template <class Arith, class Work>
bool DiffersFromFirst(SimplexRun<Arith, Work>& run, int k) {
  bool differs = false;
  for (int i = 0; i <= run.n + run.m && !differs; ++i) {
    differs = Arith::Differs(run.solutions(i, 1), run.solutions(i, k));
  }
  ExposeToFlagTest(differs);
  Arith::CheckFlags();
  return differs;
}

// The search's entering column: the first free column other than `previous`
// whose objective-row entry is exactly 0; 0 if none.
template <class Arith, class Work>
int ChooseZeroColumn(SimplexRun<Arith, Work>& run, int previous) {
  for (int j = 1; j <= run.n; ++j) {
    if (j != previous && run.ColumnFree(j) && run.w(run.m + 1, j) == 0) return j;
  }
  return 0;
}

// Runs with status 1 and solution 1 stored. Each pass enters the first free
// column other than the previous pass's whose objective-row entry is exactly
// 0, with the ratio test of the optimisation phase, and stores the vertex
// reached. Ends at 50 solutions, when no such column is left, when it could
// grow without limit, or when the new vertex equals solution 1 (then dropped).
// Only the previous column is skipped: it holds the variable that just left.
template <class Arith, class Work>
void SearchAlternatives(SimplexRun<Arith, Work>& run) {
  int previous = 0;
  while (run.status < kMaxSolutions) {
    const int s = ChooseZeroColumn(run, previous);
    if (s == 0) return;
    previous = s;
    const int r = ChooseRatioRow(run, s);
    if (r == 0) return;
    run.record.searchExchanges[static_cast<std::size_t>(run.record.searchExchangeCount++)] = {r, s};
    run.Exchange(r, s);
    ++run.status;
    StoreSolution(run, run.status);
    if (!DiffersFromFirst(run, run.status)) {
      --run.status;
      return;
    }
  }
}

}  // namespace pivora
