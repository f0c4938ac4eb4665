// The problem with every row scaled to integers: what every exact build of
// a basis's work tableau starts from. A solve that builds several (the
// judge: the equations it reopens, the stop row, the replay's constants,
// objective row and columns, the exact run) scales the problem once and
// hands the rows on.
#pragma once

#include <gmpxx.h>

#include <cstddef>
#include <vector>

#include "solver/exact_problem.h"

namespace pivora {

// Row i (and the objective, row m+1) of `problem` times the least common
// multiple scale(i) of its denominators. Keeps a reference to `problem`,
// which must outlive it.
class IntegerRows {
 public:
  IntegerRows(const ExactTableau& problem, int m, int n);

  const ExactTableau& Problem() const { return problem_; }
  int M() const { return m_; }
  int N() const { return n_; }

  const mpz_class& At(int i, int j) const { return cells_[Index(i, j)]; }
  const mpz_class& Scale(int i) const { return scales_[static_cast<std::size_t>(i)]; }

  // +1 where row i of the problem is multiplied by +1 in the work tableau
  // (a ">=" row; the objective when maximising), else -1.
  int RowSign(int i) const { return problem_(i, n_ + 2) > 0 ? 1 : -1; }
  bool Equation(int i) const { return problem_(i, n_ + 2) == 0; }

 private:
  std::size_t Index(int i, int j) const {
    return static_cast<std::size_t>((i - 1) * (n_ + 1) + j - 1);
  }

  const ExactTableau& problem_;
  int m_;
  int n_;
  std::vector<mpz_class> cells_;
  std::vector<mpz_class> scales_;
};

}  // namespace pivora
