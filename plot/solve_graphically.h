// The graphical solution of a problem read from the grids: solved and judged
// as the solve command solves it, and drawn with the path of the run the
// steps view shows.
#pragma once

#include "plot/graphical_solution.h"
#include "solve/practice_session.h"
#include "solve/report.h"
#include "solver/integer_marks.h"

namespace pivora {

// `tableau` as the extended run takes it and `typed` as typed, m rows and
// n = 1, 2 or 3 variables (CanDraw), solved under the report's `settings`;
// the whole-numbered variables of `integers` by branch and bound where the
// plane draws them. The path is the exact run's where the exact result is
// printed or the steps view shows `fractions`. Never throws: a solve that
// ends with an error comes back as the outcome.
GraphicalSolution SolveGraphically(const Tableau& tableau, const ExactTableau& typed, int m, int n,
                                   const IntegerMarks& integers, const ReportSettings& settings,
                                   bool fractions);

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
