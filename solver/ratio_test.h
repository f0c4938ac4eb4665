// The ratio test: which row limits the growth of an entering column.
#pragma once

#include "solver/simplex_run.h"

namespace pivora {

// How equal smallest ratios are settled.
enum class RatioTies {
  kFirstRow,    // the lowest row index wins: the method's own rule
  kLeastIndex,  // the basic variable that comes first in x[1..n], y[1..m]
                // wins: Bland's rule, which cannot cycle
};

// Among the `candidate` rows with a negative entry in column s, the one with
// the smallest |W(i, n+1) / W(i, s)| (quotient first), ties settled by
// `Ties`. 0 if no such row limits the column (for extended values, a ratio
// at or beyond the 1.7E308 sentinel never does).
template <RatioTies Ties, class Arith, class Work, class Candidate>
int ChooseRatioRowAmong(SimplexRun<Arith, Work>& run, int s, Candidate candidate) {
  using Value = typename Arith::Value;
  Value best = Arith::InitialRatio();
  bool haveBest = false;
  int r = 0;
  [[maybe_unused]] int bestOrder = 0;
  for (int i = 1; i <= run.m; ++i) {
    if (!(run.w(i, s) < 0) || !candidate(i)) continue;
    const Value ratio = Arith::Abs(run.w(i, run.n + 1) / run.w(i, s));
    bool better = Arith::RatioBeats(ratio, best, haveBest);
    [[maybe_unused]] int order = 0;
    if constexpr (Ties == RatioTies::kLeastIndex) {
      order = run.OrderOf(run.RowLabel(i));
      better = better || (haveBest && ratio == best && order < bestOrder);
    }
    if (better) {
      best = ratio;
      haveBest = true;
      r = i;
      if constexpr (Ties == RatioTies::kLeastIndex) bestOrder = order;
    }
  }
  ExposeToFlagTest(best);
  ExposeToFlagTest(r);
  Arith::CheckFlags();
  return Arith::RatioLimits(best, haveBest) ? r : 0;
}

// The method's ratio test on column s over every row, the first row on ties.
template <class Arith, class Work>
int ChooseRatioRow(SimplexRun<Arith, Work>& run, int s) {
  return ChooseRatioRowAmong<RatioTies::kFirstRow>(run, s, [](int) { return true; });
}

}  // namespace pivora
