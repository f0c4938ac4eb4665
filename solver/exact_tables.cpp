#include "solver/exact_tables.h"

#include <cmath>
#include <memory>

#include "solver/fp_error.h"

namespace pivora {

namespace {

const Rational& AsRational(const Rational& q) { return q; }
Rational AsRational(const FractionFree& v) { return v.ToRational(); }

template <class V>
void StoreRoundedValues(const BasicSolutionTable<V>& exact, SolveStatus count, int m, int n,
                        SolutionTable& solutions, SolveStatus& status, ExactSolutions* values) {
  auto rounded = std::make_unique<SolutionTable>();
  ExactSolutions kept = values ? ExactSolutions(count, n + m) : ExactSolutions(count);
  for (int k = 1; k <= count; ++k) {
    for (int i = 0; i <= n + m; ++i) {
      Rational q = AsRational(exact(i, k));
      const Extended value = NearestExtended(q);
      if (i == 0 && std::isinf(value)) throw FloatingPointError("Floating point overflow.");
      (*rounded)(i, k) = value;
      if (values) kept(i, k) = std::move(q);
    }
  }
  if (values) *values = std::move(kept);
  for (int k = 1; k <= count; ++k) {
    for (int i = 0; i <= n + m; ++i) solutions(i, k) = (*rounded)(i, k);
  }
  status = count;
}

}  // namespace

void StoreRounded(const BasicSolutionTable<FractionFree>& exact, SolveStatus count, int m, int n,
                  SolutionTable& solutions, SolveStatus& status, ExactSolutions* values) {
  StoreRoundedValues(exact, count, m, n, solutions, status, values);
}

void StoreRounded(const BasicSolutionTable<Rational>& exact, SolveStatus count, int m, int n,
                  SolutionTable& solutions, SolveStatus& status, ExactSolutions* values) {
  StoreRoundedValues(exact, count, m, n, solutions, status, values);
}

}  // namespace pivora
