// The graphical solution of the problem in a window's grids: read as the
// solve command reads it, solved and judged as it solves, and drawn with the
// path of the run the steps view shows.
#pragma once

#include "plot/graphical_solution.h"
#include "solve/practice_session.h"
#include "ui/window_operations.h"

namespace pivora {

// Reads a copy of the window's grids (the window itself is left as it is),
// so the picture can follow a solve without touching what was typed. Never
// throws: a faulty cell, more than three variables and a solve that ends
// with an error come back as the outcome.
GraphicalSolution SolveGraphically(WindowOperations& window);

// The picture of a solved problem of n = 1, 2 or 3 variables: `typed` as
// typed (m rows), the exact outcome and the points x[1..n] of its optimal
// solutions in the report's order, and the steps whose path is drawn.
GraphicalSolution PlotProblem(const ExactTableau& typed, int m, int n, SolveOutcome outcome,
                              const std::vector<std::vector<Rational>>& optima,
                              const StepRecord& steps, bool exactSteps, const ViewNumbers& numbers);

// The picture of a practice: the problem, the solve's result and the path
// of the student's own steps up to the tableau shown.
GraphicalSolution PlotPractice(const PracticeSession& practice);

}  // namespace pivora
