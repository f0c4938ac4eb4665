#include "cli/enter_problem.h"

#include <gtest/gtest.h>

#include <string>

namespace pivora {
namespace {

// Every cell of an n x m problem holds its own text, and x2 is whole-numbered.
ProblemFile NumberedProblem(int n, int m) {
  ProblemFile problem;
  problem.n = n;
  problem.m = m;
  for (int j = 1; j <= n; ++j) problem.objective.push_back(std::to_string(j));
  for (int i = 1; i <= m; ++i) {
    std::vector<std::string> row;
    for (int j = 1; j <= n; ++j) row.push_back(std::to_string(100 * i + j));
    row.push_back(i % 2 == 0 ? ">=" : "<=");
    row.push_back(std::to_string(1000 + i));
    problem.constraints.push_back(row);
  }
  if (n >= 2) problem.integers.Set(2, true);
  return problem;
}

// The counts are set at once, and the grids, headings included, are as a
// user's stepping there one value at a time leaves them, in either
// direction from the new window's counts.
TEST(EnterProblem, LeavesTheGridsAsSteppingThereWould) {
  for (const int n : {1, 2, 3, 27, 50}) {
    for (const int m : {1, 2, 50}) {
      SCOPED_TRACE(std::to_string(n) + " x " + std::to_string(m));
      const ProblemFile problem = NumberedProblem(n, m);
      PlainWindow stepped;
      FormActivate(stepped, &stepped);
      SpinNVarsTo(stepped, n);
      SpinNConsTo(stepped, m);
      EnterProblemCells(problem, stepped.NB(), stepped.ZF());
      MarkIntegers(stepped, problem.integers);

      PlainWindow entered;
      EnterProblem(entered, problem);
      EXPECT_EQ(entered.NVarsValue(), n);
      EXPECT_EQ(entered.NConsValue(), m);
      EXPECT_TRUE(entered.NB() == stepped.NB());
      EXPECT_TRUE(entered.ZF() == stepped.ZF());
    }
  }
}

}  // namespace
}  // namespace pivora
