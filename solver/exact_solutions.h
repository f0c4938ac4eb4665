// The exact values of a solve's result, beside the extended solution table:
// what the report rounds to its digits once, from the rational itself.
#pragma once

#include <cassert>
#include <cstddef>
#include <utility>
#include <vector>

#include "solver/quotient.h"
#include "solver/rational_arithmetic.h"
#include "solver/tables.h"

namespace pivora {

// The status of an exact run and, at an optimum, rows 0..n+m of solutions
// 1..status exactly, indexed as the SolutionTable is. Values may lie beyond
// the extended range on either side. A value is held either as a reduced
// rational or, where it was set so, unreduced (Quotient): the report reads
// its sign and digits from either, and only a reader of the rational itself
// (the fractions, the practice window) pays for the reduction.
class ExactSolutions {
 public:
  ExactSolutions() = default;
  // An outcome without values: no feasible solution or unbounded.
  explicit ExactSolutions(SolveStatus status) : status_(status) {}
  ExactSolutions(SolveStatus status, int lastRow)
      : status_(status),
        rows_(lastRow + 1),
        values_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(Count())),
        unreduced_(values_.size(), false) {}

  SolveStatus Status() const { return status_; }

  // The value as a rational to write or read; one held unreduced is
  // reduced first.
  Rational& operator()(int row, int k) {
    const std::size_t i = Index(row, k);
    if (unreduced_[i]) {
      values_[i] = Reduced(quotients_[i]);
      unreduced_[i] = false;
    }
    return values_[i];
  }
  // The value reduced; one held unreduced is reduced anew at every call.
  Rational operator()(int row, int k) const {
    const std::size_t i = Index(row, k);
    return unreduced_[i] ? Reduced(quotients_[i]) : values_[i];
  }
  // Holds `value` unreduced.
  void Set(int row, int k, Quotient value) {
    const std::size_t i = Index(row, k);
    if (quotients_.empty()) quotients_.resize(values_.size());
    quotients_[i] = std::move(value);
    unreduced_[i] = true;
  }

  // The value's numerator and positive denominator, in the terms it is held.
  const mpz_class& Numerator(int row, int k) const {
    const std::size_t i = Index(row, k);
    return unreduced_[i] ? quotients_[i].num : values_[i].get_num();
  }
  const mpz_class& Denominator(int row, int k) const {
    const std::size_t i = Index(row, k);
    return unreduced_[i] ? quotients_[i].den : values_[i].get_den();
  }
  int Sign(int row, int k) const { return sgn(Numerator(row, k)); }

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
  std::vector<Quotient> quotients_;  // empty until a value is held unreduced
  std::vector<bool> unreduced_;
};

}  // namespace pivora
