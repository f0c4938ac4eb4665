// What the exact builds of a basis's work tableau share: where each
// variable stands at the basis, and the integer systems they solve.
#pragma once

#include <flint/fmpz.h>
#include <gmpxx.h>

#include <cstddef>
#include <utility>
#include <vector>

#include "solver/basis_tableau.h"
#include "solver/integer_rows.h"

namespace pivora {

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
bool ReadPlaces(const IntegerRows& rows, const BasisLabels& basis, BasisPlaces& places);

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

// The tight rows as a system in the basic x: for tight constraint t with
// slack y(t) = g(t) (a(t) x - b(t)),
//   a'(t, B) x(B) = b'(t) + scale(t) g(t) y(t) - a'(t, N) x(N).
// Writes the k x k left block of `a` (transposed where `transposed` says).
void WriteTightRows(const IntegerRows& rows, const BasisPlaces& places, bool transposed,
                    IntegerMatrix& a);

// The right-hand side of work column j (1..n, or n+1 for the constant) into
// column `c` of `a`.
void WriteRightColumn(const IntegerRows& rows, const BasisPlaces& places, const BasisLabels& basis,
                      int j, int c, IntegerMatrix& a);

// The tight rows' system with every work column as a right-hand side:
// column k + j - 1 for work column j, k + n for the constant.
IntegerMatrix WholeSystem(const IntegerRows& rows, const BasisPlaces& places,
                          const BasisLabels& basis);

// The problem row whose scaled variable row r (1..m+1) of the work tableau
// holds: 0 for a basic x, the constraint of a basic slack or of a row still
// labelled 0, m+1 for the objective row.
int SubstitutedRow(const BasisLabels& basis, int m, int r);

// The product of the scales of the substituted rows' variables, the
// objective's included.
mpz_class SubstitutedScales(const IntegerRows& rows, const BasisLabels& basis);

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
