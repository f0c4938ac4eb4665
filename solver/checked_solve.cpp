#include "solver/checked_solve.h"

#include <cmath>
#include <memory>

#include "solver/exact_solve.h"
#include "solver/simplex.h"

namespace pivora {

namespace {

// The exact re-solve needs every value of the problem as a rational.
bool AllFinite(const Tableau& t, int m, int n) {
  for (int i = 1; i <= m + 1; ++i) {
    for (int j = 1; j <= n + 2; ++j) {
      if (!std::isfinite(t(i, j))) return false;
    }
  }
  return true;
}

}  // namespace

CheckedSolve SolveChecked(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                          SolveStatus& status) {
  auto record = std::make_unique<SimplexRecord>();
  auto before = std::make_unique<SolutionTable>(solutions);
  RunSimplex(tableau, m, n, solutions, status, *record);
  CheckedSolve result;
  result.cycled = record->cycled;
  result.exchanges = record->exchanges;
  result.certification = Certify(tableau, m, n, status, solutions, *record);
  if ((result.certification == Certification::kCertified && !result.cycled) ||
      !AllFinite(tableau, m, n)) {
    return result;
  }
  solutions = *before;
  SolveExactly(tableau, m, n, solutions, status);
  result.exact = true;
  return result;
}

}  // namespace pivora
