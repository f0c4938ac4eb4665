// The exchange-method simplex over a number policy (see arithmetic.h): setup,
// equality, feasibility and optimisation phases, then the alternative-optima
// search. RunSimplex is its extended instance.
#pragma once

#include <type_traits>
#include <utility>

#include "solver/alternatives.h"
#include "solver/exchange_observer.h"
#include "solver/phases.h"
#include "solver/simplex_record.h"
#include "solver/simplex_run.h"
#include "solver/tables.h"

namespace pivora {

// The work tableau's used region into the record, where the run keeps it;
// else its labels alone, the basis where the phases ended.
template <class Arith, class Work>
void KeepWork(SimplexRun<Arith, Work>& run) {
  if (!run.keepWork) {
    for (int i = 1; i <= run.m; ++i)
      run.record.work(i, run.n + 2) = std::as_const(run.w)(i, run.n + 2);
    for (int j = 1; j <= run.n; ++j)
      run.record.work(run.m + 2, j) = std::as_const(run.w)(run.m + 2, j);
    return;
  }
  if constexpr (std::is_same_v<Work, BasicWorkTableau<typename Arith::Value>>) {
    run.record.work.CopyRegion(run.w, run.m + 2, run.n + 2);
  } else {
    for (int i = 1; i <= run.m + 2; ++i) {
      for (int j = 1; j <= run.n + 2; ++j) run.record.work(i, j) = std::as_const(run.w)(i, j);
    }
  }
}

// Runs the phases and the search from the work tableau `run.w` holds, whatever
// basis that is: the equality phase exchanges the rows still labelled 0, the
// feasibility phase removes the negative constants, and so on. Sets the
// status; record.work receives the tableau where the phases ended.
template <class Arith, class Work>
void RunPhases(SimplexRun<Arith, Work>& run) {
  run.status = kNoFeasibleSolution;
  run.phase = ExchangePhase::kEquality;
  if (!RunEqualityPhase(run)) {
    KeepWork(run);
    return;
  }
  run.phase = ExchangePhase::kFeasibility;
  if (!RunFeasibilityPhase(run)) {
    KeepWork(run);
    return;
  }
  run.status = kUnbounded;
  run.phase = ExchangePhase::kOptimisation;
  if (!RunOptimisationPhase(run)) {
    KeepWork(run);
    return;
  }
  run.status = 1;
  StoreSolution(run, 1);
  KeepWork(run);
  run.phase = ExchangePhase::kAlternatives;
  run.leastIndex = false;
  SearchAlternatives(run);
}

template <class Arith>
void ResetRecord(BasicSimplexRecord<Arith>& record) {
  record.stopRow = 0;
  record.stopColumn = 0;
  record.exchanges = 0;
  record.cycled = false;
  record.stalled = false;
  record.zeroColumnEquation.fill(0);
  record.searchExchangeCount = 0;
}

// Solves the problem in `tableau` (m constraints, n variables, 1..50 each)
// with Arith's numbers. Same contract as RunSimplex; `record` receives what the
// run saw. Throws FloatingPointError where Arith::CheckFlags does, and
// SolveCancelled when `observer` (may be null) asks to stop.
// `tableau` is the Tableau or the problem as typed (see SetUp).
template <class Arith, class Problem = Tableau>
void RunSimplexWith(const Problem& tableau, int m, int n,
                    BasicSolutionTable<typename Arith::Value>& solutions, SolveStatus& status,
                    BasicSimplexRecord<Arith>& record, ExchangeObserver* observer = nullptr) {
  assert(m >= 1 && m <= kMaxConstraints && n >= 1 && n <= kMaxVariables);
  [[maybe_unused]] const typename Arith::FlagScope flags;
  ResetRecord(record);

  BasicWorkTableau<typename Arith::Value> w(kUninitialised);
  SimplexRun<Arith> run{w, m, n, 1, solutions, status, record, observer};
  SetUp(run, tableau);
  RunPhases(run);
}

}  // namespace pivora
