// Links the solver's entry points with nothing but the solver library and
// GMP: a use of a higher layer would fail to link here. Solves the worked
// example on the way and exits 0 when the answer is 12.
#include "solver/branch_and_bound.h"
#include "solver/checked_solve.h"
#include "solver/exact_problem.h"
#include "solver/exact_solve.h"
#include "solver/explained_run.h"
#include "solver/sensitivity.h"
#include "solver/simplex.h"

int main() {
  using namespace pivora;
  static Tableau tableau;
  static ExactTableau exact;
  const int rows[2][4] = {{1, 1, 4, -1}, {1, 3, 6, -1}};
  for (int i = 1; i <= 2; ++i) {
    for (int j = 1; j <= 4; ++j) tableau(i, j) = rows[i - 1][j - 1];
  }
  tableau(3, 1) = 3;
  tableau(3, 2) = 2;
  tableau(3, 4) = kMaximise;
  ExactFromExtended(tableau, 2, 2, exact);
  static SolutionTable solutions;
  const SolveResult result = SolveChecked(tableau, 2, 2, solutions).result;
  const bool checked = result.Optimal() && result.solutions == 1 && solutions(0, 1) == 12;
  SolveStatus status = kNoFeasibleSolution;
  SolveExactly(exact, 2, 2, solutions, status);
  const ExplainedRun run = ExplainRun(exact, 2, 2, false);
  const Sensitivity ranges = AnalyseSensitivity(exact, 2, 2, StartingBasis(exact, 2, 2));
  static_cast<void>(run);
  static_cast<void>(ranges);
  IntegerMarks marks;
  marks.Set(1, true);
  const IntegerSolve whole = SolveInteger(exact, 2, 2, marks);
  const bool integer = whole.outcome == IntegerOutcome::kOptimal && (*whole.points)(0, 1) == 12;
  return checked && integer && status == 1 && solutions(0, 1) == 12 ? 0 : 1;
}
