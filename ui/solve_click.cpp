#include <memory>
#include <optional>

#include "solve/model_optimum.h"
#include "solve/number_format.h"
#include "solve/report.h"
#include "solve/report_agreement.h"
#include "solve/views_report.h"
#include "solver/checked_solve.h"
#include "ui/handlers.h"
#include "ui/integer_solve_click.h"
#include "ui/read_window_problem.h"

namespace pivora {
namespace {

// The first cell within the counts that holds the fault mark, the
// constraint grid's before the objective grid's, row by row, becomes the
// current cell of its grid, so the window shows it.
void MakeFirstMarkCurrent(WindowOperations& window, int n, int m) {
  for (int row = 1; row <= m; ++row) {
    for (int column = 1; column <= n + 2; ++column) {
      if (window.NB().Text(column, row) == kFaultMark) return window.NB().MakeCurrent(column, row);
    }
  }
  for (int column = 1; column <= n; ++column) {
    if (window.ZF().Text(column, 1) == kFaultMark) return window.ZF().MakeCurrent(column, 1);
  }
}

// What a solve shows of a problem it cannot read: the faulty cell marked,
// the first mark made current, and the report's error line.
SolveClickOutcome ShowInputError(WindowOperations& window, CellFault fault, int n, int m) {
  SolveClickOutcome outcome;
  outcome.kind = SolveClickOutcome::Kind::kInputError;
  outcome.inObjectiveGrid = fault.inObjectiveGrid;
  outcome.column = fault.column;
  outcome.row = fault.row;
  outcome.faultyText = std::move(fault.text);
  CellStore& grid = outcome.inObjectiveGrid ? window.ZF() : window.NB();
  grid.MarkFault(outcome.column, outcome.row, kFaultMark);
  MakeFirstMarkCurrent(window, n, m);
  window.SolAppendLine(kInputErrorLine);
  return outcome;
}

// The model's own optimum where the window holds a model with a constant.
std::string ModelOptimum(const WindowOperations& window, const Tableau& tableau, int m, int n,
                         const SolutionTable& solutions, const CheckedSolve& solved,
                         const ReportViews& views, const ReportSettings& settings) {
  const std::string constant = window.ObjectiveConstant();
  if (constant.empty() || !solved.result.Optimal()) return {};
  const bool exact = solved.values && solved.values->Status() == solved.result.Status();
  const Rational grid = exact ? (*solved.values)(0, 1) : ExactRational(solutions(0, 1));
  return ModelOptimumLine(grid, constant, tableau(m + 1, n + 2) == kMaximise,
                          ViewNumbers{views.fractions, settings.precision, settings.format});
}

}  // namespace

SolveClickOutcome SolveClick(WindowOperations& window, Sender sender) {
  InPlaceSolve here;
  return SolveClick(window, sender, here);
}

SolveClickOutcome SolveClick(WindowOperations& window, Sender /*sender*/, SolveRunner& runner) {
  const NumberFormat format = SolveNumberFormat();
  Tableau tableau;
  const int n = window.NVarsValue();
  const int m = window.NConsValue();
  window.SolClear();

  // The problem as typed, exactly, for the judge of the extended result.
  auto exact = std::make_unique<ExactTableau>();
  if (std::optional<CellFault> fault = ReadWindowProblem(window, format, tableau, exact.get())) {
    return ShowInputError(window, std::move(*fault), n, m);
  }

  ReportSettings settings;
  settings.details = window.DetailsChecked();
  settings.precision = window.DigitsValue();
  settings.format = format;
  if (window.Integers().Any(n)) return SolveIntegerClick(window, runner, tableau, *exact, settings);
  SolveClickOutcome outcome;
  // Only the rows a solve writes are cleared.
  SolutionTable solutions(kUninitialised);
  solutions.ClearRows(n + m);
  CheckedSolve solved;
  const ReportViews views = window.Views();
  WrittenViews written;
  // The views are part of the solve: on its thread, under its cancel.
  runner.Run([&](ExchangeObserver* observer) {
    solved = SolveChecked(tableau, *exact, m, n, SameReport(tableau, m, n, settings), solutions,
                          observer);
    if (views.Any() && solved.checked && solved.result.Reported()) {
      const SolvedProblem problem{tableau,
                                  m,
                                  n,
                                  solutions,
                                  solved.result,
                                  solved.exact,
                                  exact.get(),
                                  solved.judged ? &solved.judgeBasis : nullptr,
                                  solved.replayed ? &solved.searchExchanges : nullptr,
                                  solved.values.get(),
                                  solved.stopped ? &solved.stopBasis : nullptr};
      written = WriteViews(problem, views, settings, observer);
      if (written.outcome != SolveOutcome::kCancelled) return;
      if (observer != nullptr && observer->KeepsPlainResult()) {
        outcome.viewsLeftOut = true;
      } else {
        solved.result = {SolveOutcome::kCancelled, 0, {}};
      }
    }
  });
  outcome.result = solved.result;
  outcome.checked = solved.checked;
  if (solved.result.outcome == SolveOutcome::kFloatingPointError) {
    // Nothing is written to the memo and the focus stays where it is.
    outcome.kind = SolveClickOutcome::Kind::kFloatingPointError;
    return outcome;
  }
  if (solved.result.outcome == SolveOutcome::kCancelled) {
    outcome.kind = SolveClickOutcome::Kind::kCancelled;
    window.SolAppendLine(kCancelledLine);
    window.SolTakeFocus();
    return outcome;
  }
  outcome.exact = solved.exact;
  outcome.modelOptimum = ModelOptimum(window, tableau, m, n, solutions, solved, views, settings);
  if (views.Any() && solved.checked && !outcome.viewsLeftOut) {
    if (!outcome.modelOptimum.empty()) InsertAfterOptimum(written.lines, outcome.modelOptimum);
    window.SolAppendLines(written.lines);
  } else {
    if (!solved.checked) window.SolAppendLine(kUncheckedLine);
    const Report report = WriteReport(tableau, m, n, solutions, solved.result.Status(), settings,
                                      solved.values.get());
    for (const std::string& line : report.lines) window.SolAppendLine(line);
  }
  window.SolTakeFocus();
  return outcome;
}

}  // namespace pivora
