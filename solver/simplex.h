// The exchange-method simplex on extended values: setup, equality,
// feasibility and optimisation phases, then the search for alternative
// optimal vertices.
#pragma once

#include "solver/exchange_observer.h"
#include "solver/simplex_record.h"
#include "solver/tables.h"

namespace pivora {

// Solves the problem held in `tableau` (m constraints, n variables, 1..50 each).
// Reads the tableau and never changes it; fills columns 1..status of
// `solutions` at an optimum and leaves it untouched otherwise.
// Throws FloatingPointError on an invalid operation, a division by zero or an
// overflow; no decision is ever taken on a value that overflowed. The caller's
// floating-point flags and modes are as before afterwards.
// Where a phase's own rule comes back to an earlier basis, the phase is
// finished by a least-index rule, so every run ends; on every problem where
// the phases' own rules end, they alone decide.
void RunSimplex(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                SolveStatus& status);

// The same, also telling what the run saw (see SimplexRecord), with every
// exchange step shown to `observer` (may be null), which can stop the run:
// throws SolveCancelled then.
void RunSimplex(const Tableau& tableau, int m, int n, SolutionTable& solutions, SolveStatus& status,
                SimplexRecord& record, ExchangeObserver* observer = nullptr);

}  // namespace pivora
