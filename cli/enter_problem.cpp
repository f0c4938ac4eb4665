#include "cli/enter_problem.h"

#include "ui/messages.h"
#include "ui/text_encoding.h"

namespace pivora {

void EnterProblem(PlainWindow& window, const ProblemFile& problem) {
  FormActivate(window, &window);
  SpinNVarsTo(window, problem.n);
  SpinNConsTo(window, problem.m);
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
