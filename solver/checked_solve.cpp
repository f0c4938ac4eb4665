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

void CopyRows(const SolutionTable& from, SolutionTable& to, int lastRow) {
  for (int i = 0; i <= lastRow; ++i) {
    for (int k = 1; k <= kMaxSolutions; ++k) to(i, k) = from(i, k);
  }
}

}  // namespace

CheckedSolve SolveChecked(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                          SolveStatus& status, ExchangeObserver* observer) {
  auto record = std::make_unique<SimplexRecord>();
  // The rows a solve can write, kept to put back before an exact re-solve.
  auto before = std::make_unique_for_overwrite<SolutionTable>();
  CopyRows(solutions, *before, n + m);
  RunSimplex(tableau, m, n, solutions, status, *record, observer);
  CheckedSolve result;
  result.cycled = record->cycled || record->stalled;
  result.exchanges = record->exchanges;
  result.certification = Certify(tableau, m, n, status, solutions, *record);
  if ((result.certification == Certification::kCertified && !result.cycled) ||
      !AllFinite(tableau, m, n)) {
    return result;
  }
  CopyRows(*before, solutions, n + m);
  SolveExactly(tableau, m, n, solutions, status, observer);
  result.exact = true;
  return result;
}

}  // namespace pivora
