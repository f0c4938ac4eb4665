// The exact judge of an optimal result: the same vertices, reached by the
// same exchanges, in exact arithmetic on the problem as typed.
#pragma once

#include <array>
#include <span>

#include "solver/basis_tableau.h"
#include "solver/exact_problem.h"
#include "solver/exact_solutions.h"
#include "solver/exchange_observer.h"
#include "solver/tables.h"

namespace pivora {

// For a run that ended optimal with `runStatus` solutions, its phases at
// `start` and its search's exchanges (row, column) `search` in order: builds
// the constants and the objective row of `start` exactly, and replays the
// search's exchanges exactly, one exchange per further vertex, with the
// entering column built at each. No other part of the work tableau is
// built. True where every step holds exactly: the first basis is feasible
// (no zero row, no negative constant) and optimal (no positive objective
// entry in a free column); every exchange enters a free column, not the
// previous one, whose objective entry is exactly 0, at a negative entry, and
// leaves every constant non-negative; each kept vertex differs from solution
// 1 and a dropped one equals it; and the search, continued exactly by its
// own rule, would store no further vertex. Then `solutions` columns
// 1..status hold the exact vertices rounded to extended values. False says
// nothing about the result, only that the replay does not confirm it.
// Throws FloatingPointError("Floating point overflow.") where the confirmed
// optimum lies beyond the extended range (StoreRounded), and SolveCancelled
// where `observer` (may be null) asks to stop. Where it returns true and
// `exactRunsOwn` is given, sets it to whether every replayed exchange was the
// one the exact search itself takes (its first eligible column, its ratio
// test's first row): then the confirmed vertices are those of the exact run
// from the same basis (ContinueExactly), value for value. `values` (may be
// null) then holds the vertices exactly, unreduced (ExactSolutions::Set).
bool ReplayOptimum(const IntegerRows& rows, const BasisLabels& start,
                   std::span<const std::array<int, 2>> search, SolveStatus runStatus,
                   SolutionTable& solutions, SolveStatus& status, long& exchanges,
                   ExchangeObserver* observer = nullptr, bool* exactRunsOwn = nullptr,
                   ExactSolutions* values = nullptr);

}  // namespace pivora
