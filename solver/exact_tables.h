// The tables of one exact run, and how its result reaches the caller.
#pragma once

#include "solver/exact_solutions.h"
#include "solver/fraction_free.h"
#include "solver/simplex_record.h"
#include "solver/tables.h"

namespace pivora {

// Rationals allocate; the tables live on the heap for the one call.
struct ExactTables {
  BasicWorkTableau<FractionFree> w;
  BasicSolutionTable<FractionFree> solutions;
  BasicSimplexRecord<FractionFreeArithmetic> record;
};

// Writes solutions 1..count (rows 0..n+m) of `exact`, each rounded to the
// nearest extended value, into `solutions` and sets `status` to `count`;
// `values` (may be null) gets them exactly. Every value is rounded before
// anything is written, so an optimum beyond the extended range throws
// FloatingPointError("Floating point overflow.") and leaves the caller's
// tables and status as they were. Any other value beyond it is stored as the
// infinity of its sign (its exact value is in `values`).
void StoreRounded(const BasicSolutionTable<FractionFree>& exact, SolveStatus count, int m, int n,
                  SolutionTable& solutions, SolveStatus& status, ExactSolutions* values = nullptr);
void StoreRounded(const BasicSolutionTable<Rational>& exact, SolveStatus count, int m, int n,
                  SolutionTable& solutions, SolveStatus& status, ExactSolutions* values = nullptr);

}  // namespace pivora
