#include "cli/enter_problem.h"

#include "ui/messages.h"
#include "ui/text_encoding.h"

namespace pivora {

namespace {

// The spin edit stepped to `target` with its handler run once, at the end.
// On grids that hold nothing but headings this leaves them as running it
// at every step would: each step's rotation moves empty cells, and each
// rewrites the headings the last one writes. Stepping a 50 x 50 problem in
// rewrote 2,500 headings, a quarter of the whole run's work (callgrind).
void StepCountTo(PlainWindow& window, int target, bool variables) {
  const auto value = [&] { return variables ? window.NVarsValue() : window.NConsValue(); };
  const int direction = target > value() ? 1 : -1;
  bool changed = false;
  while (value() != target &&
         (variables ? window.StepNVars(direction) : window.StepNCons(direction))) {
    changed = true;
  }
  if (!changed) return;
  if (variables) {
    NVarsChange(window, &window);
  } else {
    NConsChange(window, &window);
  }
}

}  // namespace

void EnterProblem(PlainWindow& window, const ProblemFile& problem) {
  FormActivate(window, &window);
  StepCountTo(window, problem.n, true);
  StepCountTo(window, problem.m, false);
  EnterProblemCells(problem, window.NB(), window.ZF());
  window.SetMaximumChecked(problem.maximum);
  MarkIntegers(window, problem.integers);
}

int LineOfCell(const ProblemFile& problem, bool inObjectiveGrid, int row) {
  if (inObjectiveGrid) return problem.objectiveLine;
  if (row < 1 || row > problem.m) return 0;
  return problem.constraintLines[static_cast<std::size_t>(row - 1)];
}

std::string InputErrorMessage(const std::string& name, const ProblemFile& problem,
                              bool inObjectiveGrid, int column, int row, std::string_view text) {
  return name + ":" + std::to_string(LineOfCell(problem, inObjectiveGrid, row)) + ": " +
         messages::InputError(inObjectiveGrid, column, row, QuotedForMessage(text));
}

}  // namespace pivora
