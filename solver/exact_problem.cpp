#include "solver/exact_problem.h"

namespace pivora {

void ExactFromExtended(const Tableau& tableau, int m, int n, ExactTableau& exact) {
  for (int i = 1; i <= m + 1; ++i) {
    for (int j = 1; j <= n + 2; ++j) exact(i, j) = ExactRational(tableau(i, j));
  }
}

}  // namespace pivora
