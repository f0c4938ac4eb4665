#include "solver/checked_solve.h"

#include "solver/simplex.h"

namespace pivora {

CheckedSolve SolveChecked(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                          SolveStatus& status) {
  SimplexRecord record;
  RunSimplex(tableau, m, n, solutions, status, record);
  CheckedSolve result;
  result.cycled = record.cycled;
  result.exchanges = record.exchanges;
  return result;
}

}  // namespace pivora
