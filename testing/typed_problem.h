// A problem file's text read as the solve command reads the grids, with the
// problem as typed beside the extended one: for the tests of what takes a
// problem already read, such as the graphical solution.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "solver/exact_problem.h"
#include "solver/integer_marks.h"
#include "solver/tables.h"

namespace pivora::testing {

struct TypedProblem {
  int m = 0;
  int n = 0;
  Tableau tableau;
  std::unique_ptr<ExactTableau> typed = std::make_unique<ExactTableau>();
  IntegerMarks integers;
  std::optional<int> digits;  // as the max/min line gives it, unclamped
};

// Throws std::runtime_error where the file's shape is wrong or a cell is
// faulty: the tests that use it read only sound problems.
TypedProblem ReadTypedProblem(const std::string& text);

}  // namespace pivora::testing
