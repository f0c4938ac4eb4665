// The exchange-method simplex over a number policy (see arithmetic.h): setup,
// equality, feasibility and optimisation phases, then the alternative-optima
// search. RunSimplex is its extended instance.
#pragma once

#include "solver/alternatives.h"
#include "solver/phases.h"
#include "solver/simplex_record.h"
#include "solver/simplex_run.h"
#include "solver/tables.h"

namespace pivora {

// Solves the problem in `tableau` (m constraints, n variables, 1..50 each)
// with Arith's numbers. Same contract as RunSimplex; `record` receives what the
// run saw. Throws FloatingPointError where Arith::CheckFlags does.
template <class Arith>
void RunSimplexWith(const Tableau& tableau, int m, int n,
                    BasicSolutionTable<typename Arith::Value>& solutions, SolveStatus& status,
                    BasicSimplexRecord<Arith>& record) {
  assert(m >= 1 && m <= kMaxConstraints && n >= 1 && n <= kMaxVariables);
  [[maybe_unused]] const typename Arith::FlagScope flags;
  record.stopRow = 0;
  record.stopColumn = 0;
  record.exchanges = 0;
  record.cycled = false;
  record.stalled = false;

  BasicWorkTableau<typename Arith::Value> w;
  SimplexRun<Arith> run{w, m, n, 1, solutions, status, record};
  SetUp(run, tableau);
  status = kNoFeasibleSolution;
  if (!RunEqualityPhase(run) || !RunFeasibilityPhase(run)) {
    record.work = w;
    return;
  }
  status = kUnbounded;
  if (!RunOptimisationPhase(run)) {
    record.work = w;
    return;
  }
  status = 1;
  StoreSolution(run, 1);
  record.work = w;
  SearchAlternatives(run);
}

}  // namespace pivora
