// The branch and bound in the picture of a problem with one or two
// variables: the whole-numbered points of the region, the strips each
// branching cut away, and each subproblem's optimum.
#pragma once

#include "plot/graphical_solution.h"
#include "solver/branch_and_bound.h"

namespace pivora {

// Adds `solve`'s search to `plot`, which PlotSolvedProblem drew for `typed`
// (m rows, n = 1 or 2 variables) with the integer optima as its optima.
void AddBranching(GraphicalSolution& plot, const ExactTableau& typed, int m, int n,
                  const IntegerMarks& marks, const IntegerSolve& solve);

}  // namespace pivora
