// The dual view: the dual programme of the problem as typed, its optimal
// solution (the shadow prices, exactly) and the complementary slackness that
// pairs every primal slack with its dual variable and every variable with
// its dual constraint's slack.
#pragma once

#include <string>
#include <vector>

#include "solve/view_numbers.h"
#include "solver/exact_problem.h"
#include "solver/sensitivity.h"
#include "solver/tables.h"

namespace pivora {

// What the primal's outcome says of the dual.
enum class DualOutcome {
  kOptimal,          // both have an optimum: `sensitivity` holds the shadow prices
  kPrimalUnbounded,  // then the dual has no feasible point
  kDualUnbounded,    // the primal has no feasible point, the dual has
  kBothInfeasible,   // neither has a feasible point
};

// The dual of max c·x, A x (<=, >=, =) b, x >= 0 is min b·u with A^T u >= c,
// u(i) >= 0 for a <= row, <= 0 for a >= row and free for an equation; of a
// Min problem max b·u with A^T u <= c and the signs turned. Either way u(i)
// is dz/db(i), the shadow price. The lines begin with an empty line.
std::vector<std::string> DualLines(const ExactTableau& problem, int m, int n, DualOutcome outcome,
                                   const Sensitivity& sensitivity, const ViewNumbers& numbers);

// The problem with every right-hand side 0: feasible at x = 0, and bounded
// exactly where the dual of `problem` has a feasible point.
void Homogeneous(const ExactTableau& problem, int m, int n, ExactTableau& homogeneous);

}  // namespace pivora
