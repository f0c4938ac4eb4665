// The steps view: every tableau of a run with the exchange made on it, and
// the tableau the run ended with, as aligned German-labelled tables. The
// column of an equation's zero variable is left out once that variable has
// left the basis (it never enters again), and a line says so; a redundant
// equation, relabelled without an exchange, is named the same way.
#pragma once

#include <string>
#include <vector>

#include "solve/view_numbers.h"
#include "solver/step_record.h"

namespace pivora {

// Takes the steps one by one as the run makes them and keeps only their
// lines.
class StepsView final : public StepSink {
 public:
  // `maximise` names the objective row Z (maximising) or -Z (minimising: the
  // method maximises -z); `equation[i]` says that constraint i (1..m) is an
  // equation.
  StepsView(bool maximise, std::vector<bool> equation, const ViewNumbers& numbers);

  void Shown(const ShownStep& step) override;

  // The view's lines. `exact` says the run computed in exact rationals, which
  // the first line then says. Where the run stopped after its shown steps,
  // `resultEnd` is the tableau at which the reported result stands.
  std::vector<std::string> Finish(const StepRecord& record, bool exact,
                                  const TableauSnapshot* resultEnd = nullptr);

 private:
  // The notes on what changed since the last tableau shown without an
  // exchange showing it: a zero column left out, a redundant equation.
  void AddNotes(const TableauSnapshot& t);
  void AddTableau(const TableauSnapshot& t, int r, int s);

  bool maximise_;
  std::vector<bool> equation_;
  ShortViewNumbers numbers_;
  std::vector<std::string> lines_;
  std::vector<int> rowLabels_;  // of the last tableau shown
  int zeroColumns_ = 0;         // in the last tableau shown
  int equalityRow_ = 0;         // the pivot row of the last step, if of the equality phase
  long steps_ = 0;
};

// The lines of tableau `t` as the steps view writes it: the basic variables
// down the side (the objective row Z, or -Z where `maximise` is false), the
// non-basic ones across, then the constant column "1". With a pivot (r, s),
// else 0 and 0, its row and column are starred and the pivot bracketed.
// The columns of zero variables are left out unless `keepZeroColumns`.
std::vector<std::string> TableauLines(const TableauSnapshot& t, bool maximise, int r, int s,
                                      ShortViewNumbers& numbers, bool keepZeroColumns = false);

// "Schritt 3 (Optimierung): x1 kommt in die Basis, y1 verlässt sie;
// Pivotelement -1 in Zeile 1, Spalte 1.", `column` the column as shown.
std::string StepLine(long number, const ShownStep& step, int column, ShortViewNumbers& numbers);

// Why the phase's rule chose the step's pivot, as the "Grund:" line says it.
std::string StepReason(const ShownStep& step);

// The steps view's number of work-tableau column s, which leaves out the
// columns of zero variables, and the work-tableau column of a shown number
// (0 where there is none).
int ShownColumn(const TableauSnapshot& t, int s);
int WorkColumn(const TableauSnapshot& t, int shown);

// The note on the column of equation r's zero variable, left out once that
// variable has left the basis.
std::string ZeroColumnNote(int equation);

// The note on equation i found redundant: its zero variable stays basic as
// the slack y[i] of value 0.
std::string RedundantEquationNote(int i);

// "Gleichungen", "Zulässigkeit", "Optimierung", "weitere Optima".
const char* PhaseName(ExchangePhase phase);

// The name of a variable label: "x3" for 3, "y2" for -2, "0" for the zero
// variable of an equation.
std::string LabelName(int label);

}  // namespace pivora
