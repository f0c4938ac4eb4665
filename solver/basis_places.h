// What the exact builds of a basis's work tableau share: the problem's rows
// scaled to integers, where each variable stands at the basis, and the
// integer system of the tight rows in the basic x.
#pragma once

#include <flint/fmpz.h>
#include <gmpxx.h>

#include <cstddef>
#include <utility>
#include <vector>

#include "solver/basis_tableau.h"
#include "solver/exact_problem.h"

namespace pivora {

// The problem with every row scaled to integers: row i (and the objective,
// row m+1) times the least common multiple scale(i) of its denominators.
class IntegerRows {
 public:
  IntegerRows(const ExactTableau& problem, int m, int n);

  const mpz_class& At(int i, int j) const { return cells_[Index(i, j)]; }
  const mpz_class& Scale(int i) const { return scales_[static_cast<std::size_t>(i)]; }

 private:
  std::size_t Index(int i, int j) const {
    return static_cast<std::size_t>((i - 1) * (n_ + 1) + j - 1);
  }

  int n_;
  std::vector<mpz_class> cells_;
  std::vector<mpz_class> scales_;
};

// Where each variable stands: the tight constraints (slack or zero variable
// non-basic) with their columns, the basic x with their rows.
struct BasisPlaces {
  std::vector<int> tightConstraint;  // in column order
  std::vector<int> tightColumn;
  std::vector<int> basicX;  // in row order
  std::vector<int> basicXRow;
  std::vector<int> tightIndex;  // constraint -> index in tightConstraint, or -1
};

// False where the labels name no basis: a variable missing or twice, a zero
// label on an inequality, or fewer tight rows than basic x.
bool ReadPlaces(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                BasisPlaces& places);

// +1 where row i of the problem is multiplied by +1 in the work tableau (a
// ">=" row; the objective when maximising), else -1.
inline int RowSign(const ExactTableau& problem, int i, int n) {
  return problem(i, n + 2) > 0 ? 1 : -1;
}

// A rows x width integer matrix, rows contiguous.
class IntegerMatrix {
 public:
  IntegerMatrix(int rows, int width)
      : width_(width), cells_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(width)) {}
  mpz_class& operator()(int i, int j) {
    return cells_[static_cast<std::size_t>(i) * static_cast<std::size_t>(width_) +
                  static_cast<std::size_t>(j)];
  }
  const mpz_class& operator()(int i, int j) const {
    return cells_[static_cast<std::size_t>(i) * static_cast<std::size_t>(width_) +
                  static_cast<std::size_t>(j)];
  }
  void SwapRows(int a, int b) {
    for (int j = 0; j < width_; ++j) std::swap((*this)(a, j), (*this)(b, j));
  }
  int Width() const { return width_; }

 private:
  int width_;
  std::vector<mpz_class> cells_;
};

// Solves the k x k left block L of `a` against its right block R (columns
// k.. of the width): afterwards the right block holds D * L^-1 * R, all
// integers, with D != 0 in `denominator`; the left block holds whatever
// the solve left there.
// False where L is singular. `road` says how; by kLifting D is the
// determinant of L only where `determinant` asks for it (it costs one more
// modular determinant), by kFractionFree always. Asks `observer` (may be
// null) whether to stop, before each entry of the elimination's rounds by
// kFractionFree, before each digit of the lifting and each column of its
// reconstruction by kLifting, and tells it of the solve afterwards.
bool SolveIntegerSystem(IntegerMatrix& a, int k, mpz_class& denominator, bool determinant,
                        ExactRoad road, ExchangeObserver* observer);

// The same by kLifting.
bool SolveByLifting(IntegerMatrix& a, int k, mpz_class& denominator, bool determinant,
                    ExchangeObserver* observer = nullptr);

// x modulo each of `primes` (the primes of `comb`) into out[0..]: residues
// in [0, p), whatever the sign of x. `temp` and `scratch` are work space.
void ReduceModuloPrimes(const mpz_class& x, const fmpz_comb_t comb, fmpz_comb_temp_t temp,
                        fmpz_t scratch, const std::vector<mp_limb_t>& primes, mp_limb_t* out);

}  // namespace pivora
