#include "solver/basis_places.h"

namespace pivora {

namespace {

// Fraction-free Gauss-Jordan elimination of the k x k left block of `a`:
// every step sets row i to (pivot * row i - a(i, p) * row p) / previous pivot
// for every other row, an exact division (Bareiss, 1968). Afterwards the right
// block is determinant * (left block)^-1 * right block, all integers; the
// left block, which would be determinant * identity, is not written. False if
// the left block is singular.
bool EliminateFractionFree(IntegerMatrix& a, int k, mpz_class& determinant,
                           ExchangeObserver* observer) {
  mpz_class previous = 1;
  mpz_class product;
  for (int p = 0; p < k; ++p) {
    ThrowIfCancelled(observer);
    int r = p;
    while (r < k && a(r, p) == 0) ++r;
    if (r == k) return false;
    if (r != p) a.SwapRows(r, p);
    const mpz_class& pivot = a(p, p);
    for (int i = 0; i < k; ++i) {
      if (i == p) continue;
      const mpz_class factor = a(i, p);
      for (int q = p + 1; q < a.Width(); ++q) {
        // One entry of numbers thousands of digits long can take milliseconds.
        ThrowIfCancelled(observer);
        mpz_mul(product.get_mpz_t(), pivot.get_mpz_t(), a(i, q).get_mpz_t());
        if (factor != 0) mpz_submul(product.get_mpz_t(), factor.get_mpz_t(), a(p, q).get_mpz_t());
        mpz_divexact(a(i, q).get_mpz_t(), product.get_mpz_t(), previous.get_mpz_t());
      }
    }
    previous = pivot;
  }
  determinant = previous;
  return true;
}

}  // namespace

bool ReadPlaces(const IntegerRows& rows, const BasisLabels& basis, BasisPlaces& places) {
  const int m = rows.M();
  const int n = rows.N();
  std::vector<int> seen(static_cast<std::size_t>(n + m + 1), 0);  // x[j] -> j, y[i] -> n + i
  places.tightIndex.assign(static_cast<std::size_t>(m + 1), -1);
  const auto place = [&](int variable) { return ++seen[static_cast<std::size_t>(variable)] == 1; };
  for (int j = 1; j <= n; ++j) {
    int label = basis.column[static_cast<std::size_t>(j)];
    if (label > n || label < -m) return false;
    if (label == 0) {
      const int e = basis.zeroColumnEquation[static_cast<std::size_t>(j)];
      if (e < 1 || e > m || !rows.Equation(e)) return false;
      label = -e;
    }
    if (label > 0) {
      if (!place(label)) return false;
      continue;
    }
    if (!place(n - label)) return false;
    places.tightIndex[static_cast<std::size_t>(-label)] =
        static_cast<int>(places.tightConstraint.size());
    places.tightConstraint.push_back(-label);
    places.tightColumn.push_back(j);
  }
  for (int i = 1; i <= m; ++i) {
    const int label = basis.row[static_cast<std::size_t>(i)];
    if (label > n || label < -m) return false;
    if (label == 0 && !rows.Equation(i)) return false;
    if (label > 0) {
      if (!place(label)) return false;
      places.basicX.push_back(label);
      places.basicXRow.push_back(i);
    } else if (!place(label == 0 ? n + i : n - label)) {
      return false;
    }
  }
  return places.basicX.size() == places.tightConstraint.size();
}

void WriteTightRows(const IntegerRows& rows, const BasisPlaces& places, bool transposed,
                    IntegerMatrix& a) {
  const int k = static_cast<int>(places.basicX.size());
  for (int p = 0; p < k; ++p) {
    const int t = places.tightConstraint[static_cast<std::size_t>(p)];
    for (int q = 0; q < k; ++q) {
      const mpz_class& v = rows.At(t, places.basicX[static_cast<std::size_t>(q)]);
      if (transposed) {
        a(q, p) = v;
      } else {
        a(p, q) = v;
      }
    }
  }
}

void WriteRightColumn(const IntegerRows& rows, const BasisPlaces& places, const BasisLabels& basis,
                      int j, int c, IntegerMatrix& a) {
  const int n = rows.N();
  const int k = static_cast<int>(places.basicX.size());
  const auto tight = [&](int p) { return places.tightConstraint[static_cast<std::size_t>(p)]; };
  if (j == n + 1) {
    for (int p = 0; p < k; ++p) a(p, c) = rows.At(tight(p), n + 1);
    return;
  }
  const int label = basis.column[static_cast<std::size_t>(j)];
  if (label > 0) {
    for (int p = 0; p < k; ++p) a(p, c) = -rows.At(tight(p), label);
    return;
  }
  for (int p = 0; p < k; ++p) a(p, c) = 0;
  const int t = label < 0 ? -label : basis.zeroColumnEquation[static_cast<std::size_t>(j)];
  const int p = places.tightIndex[static_cast<std::size_t>(t)];
  a(p, c) = rows.RowSign(t) * rows.Scale(t);
}

IntegerMatrix WholeSystem(const IntegerRows& rows, const BasisPlaces& places,
                          const BasisLabels& basis) {
  const int n = rows.N();
  const int k = static_cast<int>(places.basicX.size());
  IntegerMatrix a(k, k + n + 1);
  WriteTightRows(rows, places, false, a);
  for (int j = 1; j <= n + 1; ++j) WriteRightColumn(rows, places, basis, j, k + j - 1, a);
  return a;
}

int SubstitutedRow(const BasisLabels& basis, int m, int r) {
  if (r == m + 1) return m + 1;
  const int label = basis.row[static_cast<std::size_t>(r)];
  return label > 0 ? 0 : label == 0 ? r : -label;
}

mpz_class SubstitutedScales(const IntegerRows& rows, const BasisLabels& basis) {
  const int m = rows.M();
  mpz_class scales = rows.Scale(m + 1);
  for (int i = 1; i <= m; ++i) {
    const int e = SubstitutedRow(basis, m, i);
    if (e != 0) scales *= rows.Scale(e);
  }
  return scales;
}

bool SolveIntegerSystem(IntegerMatrix& a, int k, mpz_class& denominator, bool determinant,
                        ExactRoad road, ExchangeObserver* observer) {
  bool solved = false;
  if (road == ExactRoad::kFractionFree) {
    const WorkScope part(observer, WorkPhase::kElimination);
    solved = EliminateFractionFree(a, k, denominator, observer);
  } else {
    const WorkScope part(observer, WorkPhase::kLifting);
    solved = SolveByLifting(a, k, denominator, determinant, observer);
  }
  if (observer != nullptr) observer->SolvedBasisSystem(k, a.Width() - k);
  return solved;
}

void ReduceModuloPrimes(const mpz_class& x, const fmpz_comb_t comb, fmpz_comb_temp_t temp,
                        fmpz_t scratch, const std::vector<mp_limb_t>& primes, mp_limb_t* out) {
  fmpz_set_mpz(scratch, x.get_mpz_t());
  fmpz_abs(scratch, scratch);
  fmpz_multi_mod_ui(out, scratch, comb, temp);
  if (sgn(x) < 0) {
    for (std::size_t t = 0; t < primes.size(); ++t) {
      if (out[t] != 0) out[t] = primes[t] - out[t];
    }
  }
}

}  // namespace pivora
