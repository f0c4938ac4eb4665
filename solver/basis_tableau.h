// The work tableau of a given basis, built exactly from the problem as typed
// from one solve of the basis system, or one row or column of it alone: the
// judge of every extended result, the warm start of the exact re-solve, and
// the exact final tableau for reports.
#pragma once

#include <array>
#include <vector>

#include "solver/exact_problem.h"
#include "solver/exchange_observer.h"
#include "solver/fraction_free.h"
#include "solver/integer_rows.h"
#include "solver/quotient.h"
#include "solver/tables.h"

namespace pivora {

class IntegerMatrix;

// A basis of the exchange method as the labels of its work tableau name it:
// row i holds the basic variable row[i], column j the non-basic variable
// column[j]; a label l > 0 names x[l], l < 0 names y[-l]. Label 0 names the
// zero variable of an equation (its slack, held at 0): in row i that of
// equation i, which has not been exchanged yet; in column j that of equation
// zeroColumnEquation[j].
struct BasisLabels {
  std::array<int, kMaxConstraints + 1> row{};
  std::array<int, kMaxVariables + 1> column{};
  std::array<int, kMaxVariables + 1> zeroColumnEquation{};
};

// The labels of a work tableau (row labels in column n+2, column labels in
// row m+2) and the equations of its zero columns.
template <class V, class ToInt>
BasisLabels LabelsOf(const BasicWorkTableau<V>& w, int m, int n,
                     const std::array<int, kMaxVariables + 1>& zeroColumnEquation, ToInt toInt) {
  BasisLabels basis;
  for (int i = 1; i <= m; ++i) basis.row[i] = toInt(w(i, n + 2));
  for (int j = 1; j <= n; ++j) basis.column[j] = toInt(w(m + 2, j));
  basis.zeroColumnEquation = zeroColumnEquation;
  return basis;
}

// How the integer system of a basis is solved exactly.
enum class ExactRoad {
  kLifting,       // p-adic lifting and rational reconstruction (Dixon, 1982):
                  // a few modular steps per digit of the result
  kFractionFree,  // fraction-free Gauss-Jordan elimination (Bareiss, 1968):
                  // no set-up cost, the faster road on small systems
  kFaster,        // whichever of the two is faster for the system: the
                  // elimination for the whole tableau, for small systems and
                  // for short numbers, lifting for one row or column of long
                  // numbers from 25 x 25 on
};

// Writes into `w` the work tableau that the exchange method holds at `basis`
// for the problem of `rows` (m constraints, n variables): row i expresses its basic
// variable, column n+1 the constant, row m+1 sigma * z, in the non-basic
// variables of columns 1..n; the labels in column n+2 and row m+2; 0
// elsewhere. Exact: every entry is an integer over one common denominator
// (the basis determinant of the row-scaled integer problem times the scales),
// found by one fraction-free Gauss-Jordan elimination on the tight rows and
// integer sums for the others, with no greatest common divisor taken.
// False, with `w` holding no tableau, where the labels name no basis (a variable
// missing or twice, a zero label on an inequality) or its matrix is singular.
// Asks `observer` (may be null) whether to stop before the solve and between
// the rounds of an elimination, and throws SolveCancelled then.
bool BuildBasisTableau(const IntegerRows& rows, const BasisLabels& basis,
                       BasicWorkTableau<FractionFree>& w, ExchangeObserver* observer = nullptr,
                       ExactRoad road = ExactRoad::kFaster);

// The same tableau as integers over one common denominator: `numerators`
// (m+1 x n+1) gets, at (i-1, j-1), `common` times entry (i, j) of rows
// 1..m+1 and columns 1..n+1. Each numerator is, up to its sign, an
// (m+1) x (m+1) minor of the scaled problem's whole matrix (the columns of
// x, the slacks and z, and the constants), and `common` the basis one.
bool BuildBasisNumerators(const IntegerRows& rows, const BasisLabels& basis,
                          IntegerMatrix& numerators, mpz_class& common,
                          ExchangeObserver* observer = nullptr,
                          ExactRoad road = ExactRoad::kFaster);

// The same numerators modulo each of `primes` (word primes), found without
// exact elimination: one solve of the basis system and its determinant per
// prime. `residues` gets them prime-major, (m+1) x (n+1) row by row for each
// prime, and `common` the common denominator exactly (its determinant
// rebuilt from its residues, which `boundBits` bounds). kLeftToElimination
// where a prime divides the determinant, or the determinant lies beyond the
// bound: the exact elimination (BuildBasisNumerators) decides those.
enum class BasisResidues { kBuilt, kNoBasis, kLeftToElimination };
BasisResidues BuildBasisResidues(const IntegerRows& rows, const BasisLabels& basis,
                                 const std::vector<mp_limb_t>& primes, long boundBits,
                                 std::vector<mp_limb_t>& residues, mpz_class& common,
                                 ExchangeObserver* observer = nullptr);

// Row r (1..m+1, the objective row included) of that work tableau alone,
// columns 1..n+1 into row[0..n]: the same values, at the cost of one solve of
// the tight rows' transposed matrix with a single right-hand side. False
// where BuildBasisTableau would be.
bool BuildBasisTableauRow(const IntegerRows& rows, const BasisLabels& basis, int r,
                          std::vector<Rational>& row, ExchangeObserver* observer = nullptr,
                          ExactRoad road = ExactRoad::kFaster);

// Rows `rs` (each 1..m+1) of that work tableau, out[t] for rs[t], from one
// solve with as many right-hand sides.
bool BuildBasisTableauRows(const IntegerRows& rows, const BasisLabels& basis,
                           const std::vector<int>& rs, std::vector<std::vector<Rational>>& out,
                           ExchangeObserver* observer = nullptr,
                           ExactRoad road = ExactRoad::kFaster);

// Column j (1..n+1, the constants included) of that work tableau alone, rows
// 1..m+1 into column[0..m]: one solve of the tight rows with a single
// right-hand side. False where BuildBasisTableau would be.
bool BuildBasisTableauColumn(const IntegerRows& rows, const BasisLabels& basis, int j,
                             std::vector<Rational>& column, ExchangeObserver* observer = nullptr,
                             ExactRoad road = ExactRoad::kFaster);

// The same columns and rows, each entry unreduced, in the terms the solve
// gives it: where the numbers are long, reducing costs more than the solve.
// Columns `js` come from one solve, and row r has one denominator in all of
// them, so a ratio of two entries of one row is that of their numerators;
// each of rows `rs` has one denominator in all its columns.
bool BuildBasisQuotientColumns(const IntegerRows& rows, const BasisLabels& basis,
                               const std::vector<int>& js, std::vector<std::vector<Quotient>>& out,
                               ExchangeObserver* observer = nullptr,
                               ExactRoad road = ExactRoad::kFaster);
bool BuildBasisQuotientRows(const IntegerRows& rows, const BasisLabels& basis,
                            const std::vector<int>& rs, std::vector<std::vector<Quotient>>& out,
                            ExchangeObserver* observer = nullptr,
                            ExactRoad road = ExactRoad::kFaster);

}  // namespace pivora
