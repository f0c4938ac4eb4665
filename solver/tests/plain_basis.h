// Test helper: the basis where RunSimplex's phases end on a problem.
#pragma once

#include <memory>

#include "solver/basis_tableau.h"
#include "solver/simplex.h"

namespace pivora::testing {

inline BasisLabels PlainBasis(const Tableau& tableau, int m, int n) {
  auto record = std::make_unique<SimplexRecord>();
  auto s = std::make_unique<SolutionTable>();
  SolveStatus status = 0;
  RunSimplex(tableau, m, n, *s, status, *record);
  return LabelsOf(record->work, m, n, record->zeroColumnEquation,
                  [](Extended label) { return static_cast<int>(label); });
}

}  // namespace pivora::testing
