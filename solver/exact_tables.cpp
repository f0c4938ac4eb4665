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
                        SolutionTable& solutions, SolveStatus& status) {
  auto rounded = std::make_unique<SolutionTable>();
  for (int k = 1; k <= count; ++k) {
    for (int i = 0; i <= n + m; ++i) {
      const Extended value = NearestExtended(AsRational(exact(i, k)));
      if (std::isinf(value)) throw FloatingPointError("Floating point overflow.");
      (*rounded)(i, k) = value;
    }
  }
  for (int k = 1; k <= count; ++k) {
    for (int i = 0; i <= n + m; ++i) solutions(i, k) = (*rounded)(i, k);
  }
  status = count;
}

}  // namespace

void StoreRounded(const BasicSolutionTable<FractionFree>& exact, SolveStatus count, int m, int n,
                  SolutionTable& solutions, SolveStatus& status) {
  StoreRoundedValues(exact, count, m, n, solutions, status);
}

void StoreRounded(const BasicSolutionTable<Rational>& exact, SolveStatus count, int m, int n,
                  SolutionTable& solutions, SolveStatus& status) {
  StoreRoundedValues(exact, count, m, n, solutions, status);
}

}  // namespace pivora
