// The exchange-method simplex: setup, equality, feasibility and optimisation
// phases, then the search for alternative optimal vertices.
#pragma once

#include "solver/tables.h"

namespace pivora {

// Solves the problem held in `tableau` (m constraints, n variables, 1..50 each).
// Reads the tableau and never changes it; fills columns 1..status of
// `solutions` at an optimum and leaves it untouched otherwise.
// Throws FloatingPointError on an invalid operation, a division by zero or an
// overflow; no decision is ever taken on a value that overflowed.
void RunSimplex(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                SolveStatus& status);

// What one run saw, for the checks that certify its result.
struct SimplexRecord {
  WorkTableau work;      // the WorkTableau when the phases ended (at the first
                         // optimum: right after StoreSolution(1), before the search)
  int stopRow = 0;       // status 0: the row that proved infeasibility
  int stopColumn = 0;    // status -1: the entering column with no limiting row
  long exchanges = 0;    // Pivot calls in the whole run, the search included
  bool cycled = false;   // a phase returned to an earlier basis and finished by
                         // the least-index rule
};

void RunSimplex(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                SolveStatus& status, SimplexRecord& record);

}  // namespace pivora
