#include "solver/basis_places.h"

namespace pivora {

namespace {

bool Equation(const ExactTableau& problem, int i, int n) { return problem(i, n + 2) == 0; }

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

IntegerRows::IntegerRows(const ExactTableau& problem, int m, int n)
    : n_(n), cells_(static_cast<std::size_t>((m + 1) * (n + 1))), scales_(m + 2) {
  for (int i = 1; i <= m + 1; ++i) {
    mpz_class& scale = scales_[static_cast<std::size_t>(i)];
    scale = 1;
    const int last = i <= m ? n + 1 : n;
    for (int j = 1; j <= last; ++j) {
      mpz_lcm(scale.get_mpz_t(), scale.get_mpz_t(), problem(i, j).get_den_mpz_t());
    }
    for (int j = 1; j <= last; ++j) {
      const Rational& q = problem(i, j);
      mpz_class& cell = cells_[Index(i, j)];
      mpz_divexact(cell.get_mpz_t(), scale.get_mpz_t(), q.get_den_mpz_t());
      cell *= q.get_num();
    }
  }
}

bool ReadPlaces(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                BasisPlaces& places) {
  std::vector<int> seen(static_cast<std::size_t>(n + m + 1), 0);  // x[j] -> j, y[i] -> n + i
  places.tightIndex.assign(static_cast<std::size_t>(m + 1), -1);
  const auto place = [&](int variable) { return ++seen[static_cast<std::size_t>(variable)] == 1; };
  for (int j = 1; j <= n; ++j) {
    int label = basis.column[static_cast<std::size_t>(j)];
    if (label > n || label < -m) return false;
    if (label == 0) {
      const int e = basis.zeroColumnEquation[static_cast<std::size_t>(j)];
      if (e < 1 || e > m || !Equation(problem, e, n)) return false;
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
    if (label == 0 && !Equation(problem, i, n)) return false;
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
