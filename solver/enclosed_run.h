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

// ContinueExactly's run from `basis` on enclosures. A choice the bounds
// leave open (a tie, an entry that is exactly 0) is settled on the exact
// entries of the basis where it arises (ExactDictionary: at most
// kExactBases such bases, of at most kExactBasisSize basic x, their
// arithmetic within kExactEffort), and the run goes on on enclosures: it is
// taken again from `basis` with those entries put in where it is reached.
// True where every choice was settled: then `run` holds what the exact run
// does, step for step. False where one was not, or where `basis` names no
// basis or a singular one. Asks `observer` (may be null) to cancel before
// every exchange and every exact operation, and tells it nothing else: the
// exact work follows.
bool RunEnclosed(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                 ExchangeObserver* observer, EnclosedRun& run);

}  // namespace pivora
