// Seeded random problems with small integers and mixed relations, against an
// independent simplex in double: the status agrees, every stored optimal
// solution satisfies every constraint, and all stored solutions share the
// optimum.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "solver/simplex.h"
#include "solver/testing/random_problem.h"
#include "solver/tests/reference_simplex.h"

namespace pivora::testing {
namespace {

// The values of x and of the slacks y in stored solution k: a non-basic
// variable's entry is its objective-row entry (at most 0), its value 0.
Extended ValueIn(const SolutionTable& s, int row, int k) { return std::max(s(row, k), 0.0L); }

void ExpectFeasibleSolution(const RandomProblem& p, const SolutionTable& s, int k) {
  const Tableau& t = p.tableau;
  Extended z = 0;
  for (int j = 1; j <= p.n; ++j) {
    z += t(p.m + 1, j) * ValueIn(s, j, k);
  }
  EXPECT_NEAR(static_cast<double>(z), static_cast<double>(s(0, k)),
              1e-9 * (1 + std::fabs(static_cast<double>(z))));
  for (int i = 1; i <= p.m; ++i) {
    Extended lhs = 0;
    Extended scale = std::fabs(t(i, p.n + 1));
    for (int j = 1; j <= p.n; ++j) {
      lhs += t(i, j) * ValueIn(s, j, k);
      scale = std::max(scale, std::fabs(t(i, j) * ValueIn(s, j, k)));
    }
    const Extended b = t(i, p.n + 1);
    const Extended slack = t(i, p.n + 2) > 0 ? lhs - b : b - lhs;
    const Extended tolerance = 1e-9L * std::max(scale, 1.0L);
    if (t(i, p.n + 2) == 0) {
      EXPECT_NEAR(static_cast<double>(lhs), static_cast<double>(b), static_cast<double>(tolerance))
          << "row " << i;
    } else {
      EXPECT_GE(slack, -tolerance) << "row " << i;
      // The stored slack y[i] is the row's slack (or 0 when non-basic).
      EXPECT_NEAR(static_cast<double>(ValueIn(s, p.n + i, k)), static_cast<double>(slack),
                  static_cast<double>(tolerance))
          << "y[" << i << "]";
    }
  }
}

TEST(RandomProblems, AgreeWithAnIndependentSimplexAndStoreFeasibleOptima) {
  const RandomProblemShape shape{1, 6, false, 25, 20};
  int counts[3] = {0, 0, 0};
  for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const RandomProblem p = MakeRandomProblem(seed, shape);
    SolutionTable solutions;
    SolveStatus status = 99;
    RunSimplex(p.tableau, p.m, p.n, solutions, status);
    const ReferenceResult reference = ReferenceSimplex(p.tableau, p.m, p.n).Solve();
    ASSERT_NE(reference.status, ReferenceStatus::kGaveUp);
    switch (reference.status) {
      case ReferenceStatus::kInfeasible:
        ASSERT_EQ(status, 0);
        break;
      case ReferenceStatus::kUnbounded:
        ASSERT_EQ(status, -1);
        break;
      default: {
        ASSERT_GE(status, 1);
        ASSERT_LE(status, 50);
        EXPECT_NEAR(static_cast<double>(solutions(0, 1)), reference.objective,
                    1e-9 * (1 + std::fabs(reference.objective)));
        for (int k = 1; k <= status; ++k) {
          EXPECT_EQ(solutions(0, k), solutions(0, 1)) << "solution " << k;
          ExpectFeasibleSolution(p, solutions, k);
        }
      }
    }
    ++counts[status > 0 ? 2 : status + 1];
    if (HasFailure()) return;
  }
  // The generator must reach every outcome often enough to test it.
  EXPECT_GT(counts[0], 300);
  EXPECT_GT(counts[1], 300);
  EXPECT_GT(counts[2], 300);
}

}  // namespace
}  // namespace pivora::testing
