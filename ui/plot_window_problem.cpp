#include "ui/plot_window_problem.h"

#include <memory>

#include "plot/solve_graphically.h"
#include "solve/number_format.h"
#include "ui/read_window_problem.h"

namespace pivora {

GraphicalSolution PlotWindowProblem(WindowOperations& window) {
  const int n = window.NVarsValue();
  if (!CanDraw(n)) return PlotWithoutProblem(PlotOutcome::kTooManyVariables, n);
  ReportSettings settings;
  settings.details = window.DetailsChecked();
  settings.precision = window.DigitsValue();
  settings.format = SolveNumberFormat();
  Tableau tableau;
  auto typed = std::make_unique<ExactTableau>();
  if (ReadWindowProblemCopy(window, settings.format, tableau, typed.get())) {
    return PlotWithoutProblem(PlotOutcome::kInputError, n);
  }
  return SolveGraphically(tableau, *typed, window.NConsValue(), n, window.Integers(), settings,
                          window.Views().fractions);
}

}  // namespace pivora
