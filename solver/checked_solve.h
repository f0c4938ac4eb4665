// The solve the command runs: the exchange method as specified, its result
// checked against the problem, and an exact re-solve where the check fails.
#pragma once

#include "solver/tables.h"

namespace pivora {

struct CheckedSolve {
  bool exact = false;    // the result comes from the exact rational re-solve
  bool cycled = false;   // the extended run returned to an earlier basis
  long exchanges = 0;    // exchange steps of the extended run
};

// Same contract as RunSimplex; throws FloatingPointError as RunSimplex does.
CheckedSolve SolveChecked(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                          SolveStatus& status);

}  // namespace pivora
