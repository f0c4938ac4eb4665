#include "ui/practice_start.h"

#include <exception>

#include "solve/report_agreement.h"
#include "solver/checked_solve.h"

namespace pivora {

PracticeStart StartPractice(WindowOperations& window) {
  const int n = window.NVarsValue();
  const int m = window.NConsValue();
  const NumberFormat format = SolveNumberFormat();
  Tableau tableau;
  auto typed = std::make_shared<ExactTableau>();
  PracticeStart start;
  start.fault = ReadWindowProblemCopy(window, format, tableau, typed.get());
  if (start.fault) return start;
  ReportSettings settings;
  settings.details = window.DetailsChecked();
  settings.precision = window.DigitsValue();
  settings.format = format;
  // The solve's result, for the end to be held against; a solve that ends
  // with an error leaves the practice without it.
  std::shared_ptr<const ExactSolutions> solved;
  try {
    SolutionTable solutions(kUninitialised);
    solutions.ClearRows(n + m);
    const CheckedSolve checked =
        SolveChecked(tableau, *typed, m, n, SameReport(tableau, m, n, settings), solutions);
    if (checked.result.Reported()) solved = checked.values;
  } catch (const std::exception&) {
  }
  const ViewNumbers numbers{window.Views().fractions, settings.precision, format};
  // The exchange method works the LP relaxation; with whole-numbered
  // variables the report goes on by branch and bound, so the end is not
  // held against it.
  const bool relaxation = window.Integers().Any(n);
  start.session = std::make_unique<PracticeSession>(std::move(typed), m, n, numbers,
                                                    relaxation ? nullptr : solved, relaxation);
  return start;
}

}  // namespace pivora
