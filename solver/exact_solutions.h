// The exact values of a solve's result, beside the extended solution table:
// what the report rounds to its digits once, from the rational itself.
#pragma once

#include <cassert>
#include <cstddef>
#include <vector>

#include "solver/rational_arithmetic.h"
#include "solver/tables.h"

namespace pivora {

// The status of an exact run and, at an optimum, rows 0..n+m of solutions
// 1..status exactly, indexed as the SolutionTable is. Values may lie beyond
// the extended range on either side.
class ExactSolutions {
 public:
  ExactSolutions() = default;
  // An outcome without values: no feasible solution or unbounded.
  explicit ExactSolutions(SolveStatus status) : status_(status) {}
  ExactSolutions(SolveStatus status, int lastRow)
      : status_(status),
        rows_(lastRow + 1),
        values_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(Count())) {}

  SolveStatus Status() const { return status_; }

  Rational& operator()(int row, int k) { return values_[Index(row, k)]; }
  const Rational& operator()(int row, int k) const { return values_[Index(row, k)]; }

 private:
  int Count() const { return status_ > 0 ? status_ : 0; }
  std::size_t Index(int row, int k) const {
    assert(row >= 0 && row < rows_ && k >= 1 && k <= Count());
    return static_cast<std::size_t>(k - 1) * static_cast<std::size_t>(rows_) +
           static_cast<std::size_t>(row);
  }

  SolveStatus status_ = kNoFeasibleSolution;
  int rows_ = 0;
  std::vector<Rational> values_;
};

}  // namespace pivora
