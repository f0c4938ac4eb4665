// Test helper: runs RunSimplex on a problem written in the problem-file format.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "solver/simplex.h"
#include "solver/testing/test_problem.h"

namespace pivora::testing {

struct SolvedProblem {
  TestProblem problem;
  SolutionTable solutions;
  SolveStatus status = 99;
  SimplexRecord record;

  const Extended& S(int row, int k) const { return solutions(row, k); }
};

// Null when the text is not a valid problem.
inline std::unique_ptr<SolvedProblem> SolveProblem(const TestProblem& problem) {
  auto solved = std::make_unique<SolvedProblem>();
  solved->problem = problem;
  RunSimplex(problem.tableau, problem.m, problem.n, solved->solutions, solved->status,
             solved->record);
  return solved;
}

inline std::unique_ptr<SolvedProblem> SolveText(const std::string& text) {
  const auto problem = ParseProblem(text);
  if (!problem) return nullptr;
  return SolveProblem(*problem);
}

// Status first, then the objective value of solution 1 within `relative`.
inline void ExpectOutcome(SolveStatus status, const SolutionTable& solutions,
                          const ExpectedOutcome& expected, double relative) {
  if (expected.outcome == "infeasible") {
    EXPECT_EQ(status, 0);
  } else if (expected.outcome == "unbounded") {
    EXPECT_EQ(status, -1);
  } else {
    ASSERT_GE(status, 1);
    const double optimum = static_cast<double>(expected.optimum);
    EXPECT_NEAR(static_cast<double>(solutions(0, 1)), optimum, relative * std::fabs(optimum));
  }
}

inline std::string SourcePath(const std::string& relative) {
  const char* root = std::getenv("PIVORA_SOURCE_DIR");
  return std::string(root != nullptr ? root : ".") + "/" + relative;
}

}  // namespace pivora::testing
