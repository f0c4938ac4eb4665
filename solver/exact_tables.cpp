#include "solver/exact_tables.h"

#include <cmath>
#include <memory>

#include "solver/fp_error.h"

namespace pivora {

void StoreRounded(const BasicSolutionTable<FractionFree>& exact, SolveStatus count, int m, int n,
                  SolutionTable& solutions, SolveStatus& status) {
  auto rounded = std::make_unique<SolutionTable>();
  for (int k = 1; k <= count; ++k) {
    for (int i = 0; i <= n + m; ++i) {
      const Extended value = NearestExtended(exact(i, k).ToRational());
      if (std::isinf(value)) throw FloatingPointError("Floating point overflow.");
      (*rounded)(i, k) = value;
    }
  }
  for (int k = 1; k <= count; ++k) {
    for (int i = 0; i <= n + m; ++i) solutions(i, k) = (*rounded)(i, k);
  }
  status = count;
}

}  // namespace pivora
