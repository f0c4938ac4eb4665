#include "solver/exact_solve.h"

#include <cmath>
#include <memory>

#include "solver/exchange_method.h"
#include "solver/fp_error.h"
#include "solver/fraction_free.h"

namespace pivora {

ExactSolve SolveExactly(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                        SolveStatus& status, ExchangeObserver* observer) {
  // Rationals allocate; the tables live on the heap for the one call.
  auto exact = std::make_unique<BasicSolutionTable<FractionFree>>();
  auto record = std::make_unique<BasicSimplexRecord<FractionFreeArithmetic>>();
  SolveStatus exactStatus = 0;
  RunSimplexWith<FractionFreeArithmetic>(tableau, m, n, *exact, exactStatus, *record, observer);

  // Rounded before anything is written, so an overflow leaves the caller's
  // table as it was.
  auto rounded = std::make_unique<SolutionTable>();
  for (int k = 1; k <= exactStatus; ++k) {
    for (int i = 0; i <= n + m; ++i) {
      const Extended value = NearestExtended((*exact)(i, k).ToRational());
      if (std::isinf(value)) throw FloatingPointError("Floating point overflow.");
      (*rounded)(i, k) = value;
    }
  }
  for (int k = 1; k <= exactStatus; ++k) {
    for (int i = 0; i <= n + m; ++i) solutions(i, k) = (*rounded)(i, k);
  }
  status = exactStatus;
  return ExactSolve{record->exchanges, record->cycled};
}

}  // namespace pivora
