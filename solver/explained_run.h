// A second run of a solve for the extra views: the same exchange method,
// its result kept as exact rationals, with the basis of the first optimum
// and, on request, every exchange step. Runs are deterministic, so it
// repeats the run whose result the report shows.
#pragma once

#include <vector>

#include "solver/basis_tableau.h"
#include "solver/exact_problem.h"
#include "solver/rational_arithmetic.h"
#include "solver/step_record.h"
#include "solver/tables.h"

namespace pivora {

enum class RunNumbers {
  kExtended,  // the extended-precision run
  kExact,     // the exact rational run on the Tableau's values
};

struct ExplainedRun {
  SolveStatus status = kNoFeasibleSolution;
  // solutions[k - 1][row]: solution k, rows 0..n+m as in the SolutionTable.
  std::vector<std::vector<Rational>> solutions;
  BasisLabels optimalBasis;  // the basis of the first optimum, for status >= 1
  StepRecord steps;          // empty unless asked for
};

// Throws FloatingPointError as RunSimplex does (only for kExtended).
ExplainedRun ExplainRun(const Tableau& tableau, int m, int n, RunNumbers numbers, bool withSteps);

// The exact rational run on the problem as typed.
ExplainedRun ExplainRun(const ExactTableau& problem, int m, int n, bool withSteps);

}  // namespace pivora
