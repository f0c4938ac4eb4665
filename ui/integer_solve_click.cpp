#include "ui/integer_solve_click.h"

#include <string>
#include <vector>

#include "solve/integer_report.h"
#include "solver/branch_and_bound.h"

namespace pivora {

namespace {

SolveResult ResultOf(const IntegerSolve& solve) {
  switch (solve.outcome) {
    case IntegerOutcome::kOptimal:
      return {SolveOutcome::kOptimal, solve.points->Status(), {}};
    case IntegerOutcome::kUnbounded:
      return {SolveOutcome::kUnbounded, 0, {}};
    case IntegerOutcome::kNoFeasiblePoint:
    case IntegerOutcome::kNoIntegerPoint:
      return {SolveOutcome::kNoFeasibleSolution, 0, {}};
    case IntegerOutcome::kNodeLimit:
    case IntegerOutcome::kCancelled:
      break;
  }
  return {SolveOutcome::kCancelled, 0, {}};
}

}  // namespace

SolveClickOutcome SolveIntegerClick(WindowOperations& window, SolveRunner& runner,
                                    const Tableau& tableau, const ExactTableau& exact,
                                    const ReportSettings& settings) {
  const int n = window.NVarsValue();
  const int m = window.NConsValue();
  const IntegerMarks marks = window.Integers();
  const ReportViews views = window.Views();
  IntegerSolve solve;
  std::vector<std::string> lines;
  // The report is written on the solve's thread, as the views are.
  runner.Run([&](ExchangeObserver* observer) {
    solve = SolveInteger(exact, m, n, marks, observer);
    if (solve.relaxationSolved) {
      lines = WriteIntegerReport({tableau, m, n, marks, solve}, settings, views);
    }
  });
  SolveClickOutcome outcome;
  outcome.result = ResultOf(solve);
  if (!solve.relaxationSolved) {
    outcome.kind = SolveClickOutcome::Kind::kCancelled;
    lines = {std::string(kCancelledLine)};
  }
  window.SolAppendLines(lines);
  window.SolTakeFocus();
  return outcome;
}

}  // namespace pivora
