// The one hook into a running solve: an observer told of every exchange step
// and asked, before each, whether the solve is to stop. Progress display,
// cancelling and step recording all attach here; the extended run, the exact
// re-solve and anything else that exchanges or eliminates step by step pass
// through it.
#pragma once

#include <exception>

#include "solver/rational_arithmetic.h"
#include "solver/tables.h"

namespace pivora {

// The stage of the run an exchange belongs to.
enum class ExchangePhase { kEquality, kFeasibility, kOptimisation, kAlternatives };

// The part of a solve that is running, for the progress a person sees.
enum class WorkPhase {
  kPlainRun,     // the exchange method in extended arithmetic
  kGuidedRun,    // the exact run's steps taken on enclosures
  kElimination,  // an exact basis system solved by fraction-free elimination
  kLifting,      // an exact basis system solved by p-adic lifting
  kResidues,     // a work tableau built as residues modulo word primes
  kExactRun,     // the exact run's exchanges
  kReplay,       // the plain optimum and its vertices rebuilt exactly
  kViews,        // the steps, fractions and sensitivity views
};

// One exchange step as the observer sees it, right after it was made.
struct ExchangeStep {
  ExchangePhase phase = ExchangePhase::kEquality;
  long number = 0;  // 1 for the first exchange of this run
  int r = 0;        // pivot row, 1..m
  int s = 0;        // pivot column, 1..n
  int m = 0;
  int n = 0;
  // The extended work tableau after the step (rows 1..m+2, columns 1..n+2
  // hold the run's values, the rest is not to be read); null in an exact run.
  const WorkTableau* work = nullptr;
  // The phase's own rule came back to an earlier basis, and the least-index
  // rule chose this step.
  bool leastIndex = false;
};

// Called on the thread that runs the solve. Both calls must be cheap: they
// run once per exchange, and a 10 x 10 exchange costs well under a
// microsecond. The defaults observe nothing and never stop.
class ExchangeObserver {
 public:
  // Asked before every exchange step, and between the parts of every long
  // exact step (an elimination, a lifting, an exchange on long numbers).
  // True ends the solve there by throwing SolveCancelled; the step is not
  // finished.
  virtual bool CancelRequested() { return false; }
  // Told right before every exchange step, once CancelRequested let it go
  // on: the work tableau is still the one the step was chosen on.
  virtual void ExchangeChosen() {}
  // Asked once CancelRequested said stop. True where the stop is a time
  // limit, or the user taking the plain result: the checked solve then ends
  // with the plain 80-bit run's result, not checked, where that run had
  // ended. False where the solve is cancelled.
  virtual bool KeepsPlainResult() { return false; }
  // Told after every exchange step, once its floating-point check passed.
  virtual void Exchanged(const ExchangeStep& /*step*/) {}
  // Told after every exact solve of a basis system, the exact judge's work
  // between exchanges: its size and its number of right-hand sides.
  virtual void SolvedBasisSystem(int /*size*/, int /*rightHandSides*/) {}
  // Told after every subproblem a branch and bound has solved: how many it
  // has solved so far, and the objective value of the best whole-numbered
  // point it has found (null while it has none).
  virtual void SubproblemSolved(long /*subproblems*/, const Rational* /*best*/) {}
  // Told when a part of the solve begins and when it ends (WorkScope);
  // parts nest (a lifting inside the replay), and where a cancel unwinds
  // them, each is left on the way.
  virtual void Entered(WorkPhase /*phase*/) {}
  virtual void Left(WorkPhase /*phase*/) {}

 protected:
  ExchangeObserver() = default;
  ExchangeObserver(const ExchangeObserver&) = default;
  ExchangeObserver& operator=(const ExchangeObserver&) = default;
  ~ExchangeObserver() = default;
};

// A solve that its observer asked to stop. Everything the solve was given
// to fill (solution table, status) is then to be ignored. It unwinds the
// solver's own calls only: the checked solve (SolveChecked) and the views
// (WriteViews) hand it up as the outcome SolveOutcome::kCancelled.
class SolveCancelled : public std::exception {
 public:
  const char* what() const noexcept override { return "Solve cancelled."; }
};

// The cancel point: throws SolveCancelled if `observer` (may be null) asks to
// stop. Long steps that are not exchanges (an elimination, a certification)
// call it between their rounds so that they can be cancelled too.
inline void ThrowIfCancelled(ExchangeObserver* observer) {
  if (observer != nullptr && observer->CancelRequested()) throw SolveCancelled();
}

// A part of the solve, from here to the end of the scope, told to
// `observer` (may be null).
class WorkScope {
 public:
  WorkScope(ExchangeObserver* observer, WorkPhase phase) : observer_(observer), phase_(phase) {
    if (observer_ != nullptr) observer_->Entered(phase_);
  }
  ~WorkScope() {
    if (observer_ != nullptr) observer_->Left(phase_);
  }
  WorkScope(const WorkScope&) = delete;
  WorkScope& operator=(const WorkScope&) = delete;

 private:
  ExchangeObserver* observer_;
  WorkPhase phase_;
};

}  // namespace pivora
