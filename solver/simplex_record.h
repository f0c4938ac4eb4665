// What one run of the exchange method saw, for the exact judge of its
// result.
#pragma once

#include <array>

#include "solver/arithmetic.h"
#include "solver/tables.h"

namespace pivora {

template <class Arith>
struct BasicSimplexRecord {
  // The work tableau is left unset: a run writes the rows and columns of its
  // problem before anything reads them.
  BasicSimplexRecord() : work(kUninitialised) {}

  // The work tableau when the phases ended: at the first optimum right after
  // StoreSolution(1), before the search; at the infeasible stop; at the
  // unbounded stop. Not written when a floating-point fault ends the run.
  // Rows 1..m+2 and columns 1..n+2 only: the rest is not to be read.
  BasicWorkTableau<typename Arith::Value> work;
  int stopRow = 0;      // status 0: the row that proved infeasibility, in the
                        // equality or the feasibility phase
  int stopColumn = 0;   // status -1: the entering column with no limiting row
  long exchanges = 0;   // Pivot calls in the whole run, the search included
  bool cycled = false;  // a phase returned to an earlier basis and was
                        // finished by the least-index rule
  // The equation whose zero variable the equality phase moved into column j
  // (a column labelled 0), else 0.
  std::array<int, kMaxVariables + 1> zeroColumnEquation{};
  // The alternative-optima search's exchanges (row, column) in order: at
  // most one per stored solution after the first, and one more whose vertex
  // equalled solution 1 and was dropped.
  std::array<std::array<int, 2>, kMaxSolutions> searchExchanges{};
  int searchExchangeCount = 0;
  bool stalled = false;  // the least-index rule too came back to an earlier
                         // basis (through rounding only): the phase ended
                         // where it stood and the result is not proved
};

using SimplexRecord = BasicSimplexRecord<ExtendedArithmetic>;

}  // namespace pivora
