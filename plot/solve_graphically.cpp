#include "plot/solve_graphically.h"

#include <exception>
#include <memory>

#include "solve/number_format.h"
#include "solve/report_agreement.h"
#include "solver/checked_solve.h"
#include "solver/explained_run.h"
#include "ui/read_window_problem.h"

namespace pivora {

GraphicalSolution SolveGraphically(WindowOperations& window) {
  const int n = window.NVarsValue();
  if (n > 2) return PlotWithoutProblem(PlotOutcome::kTooManyVariables, n);
  const int m = window.NConsValue();
  const NumberFormat format = SolveNumberFormat();
  Tableau tableau;
  auto typed = std::make_unique<ExactTableau>();
  if (ReadWindowProblemCopy(window, format, tableau, typed.get())) {
    return PlotWithoutProblem(PlotOutcome::kInputError, n);
  }
  ReportSettings settings;
  settings.details = window.DetailsChecked();
  settings.precision = window.DigitsValue();
  settings.format = format;
  try {
    SolutionTable solutions(kUninitialised);
    solutions.ClearRows(n + m);
    const CheckedSolve solved =
        SolveChecked(tableau, *typed, m, n, SameReport(tableau, m, n, settings), solutions);
    if (solved.result.outcome == SolveOutcome::kFloatingPointError) {
      GraphicalSolution plot = PlotWithoutProblem(PlotOutcome::kSolveError, n);
      plot.notes.push_back(solved.result.fault);
      return plot;
    }
    // The steps as the steps view shows them: the exact run's where the
    // exact result was printed or fractions are shown, else a repeat of the
    // extended run; the optima of the exact run, whose values the report's
    // numbers are, rounded.
    const bool exactSteps = solved.exact || window.Views().fractions;
    const ExplainedRun stepsRun = exactSteps
                                      ? ExplainRun(*typed, m, n, true)
                                      : ExplainRun(tableau, m, n, RunNumbers::kExtended, true);
    const ExplainedRun exactRun = exactSteps ? ExplainedRun{} : ExplainRun(*typed, m, n, false);
    const ExplainedRun& exact = exactSteps ? stepsRun : exactRun;
    // A negative entry stands for a variable at 0 (the report prints it as
    // 0 with its magnitude in brackets).
    const auto value = [](const std::vector<Rational>& solution, int row) {
      const Rational& v = solution[static_cast<std::size_t>(row)];
      return v < 0 ? Rational(0) : v;
    };
    std::vector<PlanePoint> optima;
    for (const std::vector<Rational>& solution : exact.solutions) {
      optima.push_back({value(solution, 1), n == 2 ? value(solution, 2) : Rational(0)});
    }
    return PlotSolvedProblem(*typed, m, n, ResultOf(exact.status).outcome, optima, stepsRun.steps,
                             exactSteps, ViewNumbers{false, settings.precision, format});
  } catch (const std::exception& error) {
    GraphicalSolution plot = PlotWithoutProblem(PlotOutcome::kSolveError, n);
    plot.notes.emplace_back(error.what());
    return plot;
  }
}

}  // namespace pivora
