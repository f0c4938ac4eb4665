// The exact run from a basis, guided on enclosures: the same phases and
// search as ContinueExactly, on double-double values with error bounds,
// each choice taken only where the bounds settle it. Where the run ends,
// its steps are those of the exact run, at a small part of the cost; the
// exact values of where it ends are then built by the replay.
#pragma once

#include <array>

#include "solver/basis_tableau.h"
#include "solver/exact_problem.h"
#include "solver/exchange_observer.h"
#include "solver/tables.h"

namespace pivora {

struct EnclosedRun {
  SolveStatus status = kNoFeasibleSolution;
  long exchanges = 0;  // from the basis, the search included
  bool cycled = false;
  BasisLabels end;  // where the phases ended
  std::array<std::array<int, 2>, kMaxSolutions> searchExchanges{};
  int searchExchangeCount = 0;
};

// ContinueExactly's run from `basis` on enclosures. True where every
// choice was settled: then `run` holds what the exact run does, step for
// step. False where one was not, or where the starting tableau could not be
// brought to `basis` by settled exchanges (no basis, or singular). Asks
// `observer` (may be null) to cancel before every exchange and tells it
// nothing else: the exact work follows.
bool RunEnclosed(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                 ExchangeObserver* observer, EnclosedRun& run);

}  // namespace pivora
