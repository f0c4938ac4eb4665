#include "plot/solve_graphically.h"

#include <exception>

#include "plot/branch_picture.h"
#include "plot/space_solution.h"
#include "solve/report_agreement.h"
#include "solver/checked_solve.h"
#include "solver/explained_run.h"

namespace pivora {

namespace {

// Under a picture of whole-numbered variables that only the plane draws.
constexpr const char* kRelaxationNote =
    "Ganzzahlige Variablen: gezeigt ist die LP-Relaxation, ohne die ganzzahligen Punkte.";

}  // namespace

GraphicalSolution PlotProblem(const ExactTableau& typed, int m, int n, SolveOutcome outcome,
                              const std::vector<std::vector<Rational>>& optima,
                              const StepRecord& steps, bool exactSteps,
                              const ViewNumbers& numbers) {
  if (n == 3) {
    std::vector<SpacePoint> points;
    for (const std::vector<Rational>& x : optima) points.push_back({x[0], x[1], x[2]});
    return PlotSolvedSpace(typed, m, outcome, points, steps, exactSteps, numbers);
  }
  std::vector<PlanePoint> points;
  for (const std::vector<Rational>& x : optima)
    points.push_back({x[0], n == 2 ? x[1] : Rational(0)});
  return PlotSolvedProblem(typed, m, n, outcome, points, steps, exactSteps, numbers);
}

namespace {

// The subproblems the picture's own search solves at most: it runs while
// the window waits. The 100,000 subproblems of 2 x1 - 2 x2 = 1 (no end)
// took 0.2 s here, 0.3 s with 49 more rows; a fifth of that is the wait.
constexpr long kPictureNodeLimit = 20000;

// A problem of one or two variables with whole-numbered ones: the region,
// the integer optima (the objective line through the first), the lattice,
// the strips the branching cut away and the subproblems' optima.
GraphicalSolution PlotInteger(const ExactTableau& typed, int m, int n, const IntegerMarks& marks,
                              const ViewNumbers& numbers) {
  const IntegerSolve solve = SolveInteger(typed, m, n, marks, nullptr, kPictureNodeLimit);
  SolveOutcome outcome = SolveOutcome::kOptimal;
  if (!solve.relaxationSolved || solve.relaxation == LpStatus::kNoFeasiblePoint) {
    outcome = SolveOutcome::kNoFeasibleSolution;
  } else if (solve.relaxation == LpStatus::kUnbounded) {
    outcome = SolveOutcome::kUnbounded;
  }
  std::vector<PlanePoint> optima;
  const ExactSolutions& points = *solve.points;
  if (solve.outcome == IntegerOutcome::kOptimal) {
    for (int k = 1; k <= points.Status(); ++k)
      optima.push_back({points(1, k), n == 2 ? points(2, k) : Rational(0)});
  }
  GraphicalSolution plot =
      PlotSolvedProblem(typed, m, n, outcome, optima, StepRecord{}, true, numbers);
  AddBranching(plot, typed, m, n, marks, solve);
  return plot;
}

}  // namespace

GraphicalSolution SolveGraphically(const Tableau& tableau, const ExactTableau& typed, int m, int n,
                                   const IntegerMarks& integers, const ReportSettings& settings,
                                   bool fractions) {
  if (n <= 2 && integers.Any(n)) {
    return PlotInteger(typed, m, n, integers,
                       ViewNumbers{false, settings.precision, settings.format});
  }
  try {
    SolutionTable solutions(kUninitialised);
    solutions.ClearRows(n + m);
    const CheckedSolve solved =
        SolveChecked(tableau, typed, m, n, SameReport(tableau, m, n, settings), solutions);
    if (solved.result.outcome == SolveOutcome::kFloatingPointError) {
      GraphicalSolution plot = PlotWithoutProblem(PlotOutcome::kSolveError, n);
      plot.notes.push_back(solved.result.fault);
      return plot;
    }
    // The steps as the steps view shows them: the exact run's where the
    // exact result was printed or fractions are shown, else a repeat of the
    // extended run; the optima of the exact run, whose values the report's
    // numbers are, rounded.
    const bool exactSteps = solved.exact || fractions;
    const ExplainedRun stepsRun = exactSteps
                                      ? ExplainRun(typed, m, n, true)
                                      : ExplainRun(tableau, m, n, RunNumbers::kExtended, true);
    const ExplainedRun exactRun = exactSteps ? ExplainedRun{} : ExplainRun(typed, m, n, false);
    const ExplainedRun& exact = exactSteps ? stepsRun : exactRun;
    // A negative entry stands for a variable at 0 (the report prints it as
    // 0 with its magnitude in brackets).
    std::vector<std::vector<Rational>> optima;
    for (const std::vector<Rational>& solution : exact.solutions) {
      std::vector<Rational>& x = optima.emplace_back();
      for (int j = 1; j <= n; ++j) {
        const Rational& v = solution[static_cast<std::size_t>(j)];
        x.push_back(v < 0 ? Rational(0) : v);
      }
    }
    GraphicalSolution plot =
        PlotProblem(typed, m, n, ResultOf(exact.status).outcome, optima, stepsRun.steps, exactSteps,
                    ViewNumbers{false, settings.precision, settings.format});
    // In space the picture draws no branch and bound.
    if (integers.Any(n)) plot.notes.emplace_back(kRelaxationNote);
    return plot;
  } catch (const std::exception& error) {
    GraphicalSolution plot = PlotWithoutProblem(PlotOutcome::kSolveError, n);
    plot.notes.emplace_back(error.what());
    return plot;
  }
}

GraphicalSolution PlotPractice(const PracticeSession& practice) {
  const int n = practice.n();
  if (!CanDraw(n)) return PlotWithoutProblem(PlotOutcome::kTooManyVariables, n);
  SolveOutcome outcome = SolveOutcome::kOptimal;
  std::vector<std::vector<Rational>> optima;
  if (const ExactSolutions* solved = practice.Solved()) {
    outcome = ResultOf(solved->Status()).outcome;
    for (int k = 1; k <= solved->Status(); ++k) {
      std::vector<Rational>& x = optima.emplace_back();
      for (int j = 1; j <= n; ++j) x.push_back((*solved)(j, k) < 0 ? Rational(0) : (*solved)(j, k));
    }
  }
  ViewNumbers numbers = practice.Numbers();
  numbers.fractions = false;
  GraphicalSolution plot = PlotProblem(practice.Problem(), practice.m(), n, outcome, optima,
                                       practice.Path(), true, numbers);
  if (practice.Relaxation()) plot.notes.emplace_back(kRelaxationNote);
  return plot;
}

}  // namespace pivora
