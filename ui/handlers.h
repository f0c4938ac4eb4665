// The handlers of the main window's events, written against the window
// operations so that the Qt window, the plain-object window of the tests and
// the command-line front end run the same code.
#pragma once

#include <string>

#include "solver/solve_outcome.h"
#include "ui/solve_runner.h"
#include "ui/window_operations.h"

namespace pivora {

// The widget that raised an event. Handlers never look at it; they only pass
// it on to FormActivate.
using Sender = const void*;

// Footer text, headings of both grids, cell (1, 1) current in both.
void FormActivate(WindowOperations& window, Sender sender);
// One-step changes of NVars and NCons: resize the grids, keep what was typed.
void NVarsChange(WindowOperations& window, Sender sender);
void NConsChange(WindowOperations& window, Sender sender);
// Marks the variables whole-numbered or not, and writes the headings.
void MarkIntegers(WindowOperations& window, const IntegerMarks& marks);
// Double clicks: empty both grids (hidden cells too) and the memo; the memo.
void TabDblClick(WindowOperations& window, Sender sender);
void SolDblClick(WindowOperations& window, Sender sender);

// What one run of the solve command ended with.
struct SolveClickOutcome {
  // kCancelled: the solve was stopped on request; the memo says so.
  // kFloatingPointError: the solver met an invalid operation, a division by
  // zero or an overflow; the memo stays empty and the defaults written stay.
  enum class Kind { kReport, kInputError, kCancelled, kFloatingPointError };
  Kind kind = Kind::kReport;
  // kInputError: the faulty cell and the text it held before the fault mark.
  bool inObjectiveGrid = false;
  int column = 0;
  int row = 0;
  std::string faultyText;
  // kReport: the result came from the exact re-solve.
  bool exact = false;
  // kReport and kFloatingPointError: false where the exact check was
  // stopped before its end (a time limit, or the user taking the plain
  // result): the report is the plain run's, headed by the line "UNGEPRÜFT!
  // ...", or the floating-point error is the one the plain run met.
  bool checked = true;
  // kReport: the views asked for were stopped before their end by a time
  // limit; the report stands without them.
  bool viewsLeftOut = false;
  // kReport at an optimum of a model with an objective constant: the line
  // with the model's own optimum (ModelOptimumLine). The memo holds it
  // where a view is shown; the plain report stays as it is without it.
  std::string modelOptimum;
  // kReport, kCancelled, kFloatingPointError: the solve's outcome and the
  // number of optimal solutions; at kFloatingPointError its `fault` is the
  // solver's text, for example "Floating point overflow." (FloatingPointError
  // gives the German wording every window and program shows).
  SolveResult result;
};

// Reads the grids, solves, writes the report. The solver runs on the
// calling thread.
SolveClickOutcome SolveClick(WindowOperations& window, Sender sender);

// The same with the solver run by `runner`. When the solve is cancelled
// through the runner's observer, the grids stay as they are and the memo
// holds the one line "ABGEBROCHEN!", and it takes the focus. Where the
// observer stops the solve but keeps the plain result, the memo holds the
// plain run's report, unchecked, or the report without its views.
SolveClickOutcome SolveClick(WindowOperations& window, Sender sender, SolveRunner& runner);

}  // namespace pivora
