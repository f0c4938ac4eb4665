// A second run of a solve for the extra views: the same exchange method,
// its result kept as exact rationals, with the basis and the tableau of the
// first optimum and, on request, the exchange steps. Runs are deterministic,
// so a run from where the exact judge started reaches the reported result,
// and a run from the start repeats the run the steps view shows.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "solver/basis_tableau.h"
#include "solver/exact_problem.h"
#include "solver/exchange_observer.h"
#include "solver/rational_arithmetic.h"
#include "solver/step_record.h"
#include "solver/tables.h"

namespace pivora {

enum class RunNumbers {
  kExtended,  // the extended-precision run
  kExact,     // the exact rational run on the Tableau's values
};

struct ExplainedRun {
  SolveStatus status = kNoFeasibleSolution;
  // solutions[k - 1][row]: solution k, rows 0..n+m as in the SolutionTable.
  std::vector<std::vector<Rational>> solutions;
  BasisLabels optimalBasis;  // the basis of the first optimum, for status >= 1
  TableauSnapshot optimum;   // its work tableau; exact runs from a basis only
  StepRecord steps;          // empty unless asked for
};

// How the steps of a run are shown. Without a sink they are kept in
// StepRecord::steps.
struct StepOptions {
  std::size_t maxShown = kMaxShownSteps;
  // Stop the run once its shown steps are made and another would follow:
  // the record is then incomplete, with no last tableau and no result.
  bool endAfterShown = false;
  // With an exact run: the steps shown stop once their tableaus' numerators
  // and denominators have held this many bits together (0: no such bound).
  // The exact numbers grow with every exchange, and their time with them.
  std::size_t maxShownBits = 0;
  StepSink* sink = nullptr;
};

// The run from the start. Throws FloatingPointError as RunSimplex does (only
// for kExtended), and SolveCancelled where `observer` (may be null) asks to
// stop, which it is asked before every exchange and every shown step.
ExplainedRun ExplainRun(const Tableau& tableau, int m, int n, RunNumbers numbers, bool withSteps,
                        const StepOptions& options = {}, ExchangeObserver* observer = nullptr);

// The exact run on the problem as typed.
ExplainedRun ExplainRun(const ExactTableau& problem, int m, int n, bool withSteps,
                        const StepOptions& options = {}, ExchangeObserver* observer = nullptr);

// The tableaus of an exact result that a caller reads. Each is a snapshot of
// (m + 1) x (n + 1) reduced fractions, one greatest common divisor apiece: on
// long data that costs more than the run that reaches them.
struct ResultTableaus {
  bool optimum = true;  // ExplainedRun::optimum
  bool last = true;     // StepRecord::last
};

// The exact run from `start`, where the judge of the solve started
// (CheckedSolve::judgeBasis), or from the problem's own tableau where that is
// singular, as the judge goes on: its result is the exact result the solve
// reported or agreed with, at the cost of one elimination and the exchanges
// the judge made. With `search` (CheckedSolve::searchExchanges where the
// judge replayed the optimum) `start` is the first optimum and the further
// vertices are those exchanges'. Sets of the tableaus only those `wanted`,
// and of the steps only the exchange count and the last tableau.
ExplainedRun ExplainResult(const ExactTableau& problem, int m, int n, const BasisLabels& start,
                           const std::vector<std::array<int, 2>>* search = nullptr,
                           ExchangeObserver* observer = nullptr, ResultTableaus wanted = {});

// The exact work tableau at `basis`, as the exchange method holds it there:
// no exchange, one elimination. Empty (m = 0) where `basis` names no basis.
TableauSnapshot ExactTableauAt(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                               ExchangeObserver* observer = nullptr);

}  // namespace pivora
