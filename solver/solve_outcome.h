// What a solve hands to the layers above it: a named outcome and, apart from
// it, the number of optimal solutions. Inside the exchange method the
// outcome is the integer SolveStatus; a cancel and a floating-point error
// leave it as exceptions, and the checked solve turns both into outcomes.
#pragma once

#include <string>

#include "solver/tables.h"

namespace pivora {

enum class SolveOutcome {
  kOptimal,             // `solutions` optimal basic solutions are stored
  kNoFeasibleSolution,  // the constraints leave no point
  kUnbounded,           // the objective grows without bound
  kCancelled,           // the observer asked to stop; the table is unfinished
  kFloatingPointError,  // a magnitude left the extended range; `fault` says how
};

struct SolveResult {
  SolveOutcome outcome = SolveOutcome::kNoFeasibleSolution;
  int solutions = 0;  // 1..kMaxSolutions at kOptimal, else 0
  // At kFloatingPointError, the FloatingPointError's text, for example
  // "Floating point overflow.".
  std::string fault;

  bool Optimal() const { return outcome == SolveOutcome::kOptimal; }
  // Whether the solve reached a result the report can print.
  bool Reported() const {
    return outcome == SolveOutcome::kOptimal || outcome == SolveOutcome::kNoFeasibleSolution ||
           outcome == SolveOutcome::kUnbounded;
  }
  // The exchange method's integer for a reported result, as the report reads it.
  SolveStatus Status() const {
    if (outcome == SolveOutcome::kOptimal) return solutions;
    return outcome == SolveOutcome::kUnbounded ? kUnbounded : kNoFeasibleSolution;
  }
  bool operator==(const SolveResult&) const = default;
};

// The outcome of a finished run of the exchange method.
inline SolveResult ResultOf(SolveStatus status) {
  if (IsOptimal(status)) return {SolveOutcome::kOptimal, status, {}};
  if (status == kUnbounded) return {SolveOutcome::kUnbounded, 0, {}};
  return {SolveOutcome::kNoFeasibleSolution, 0, {}};
}

}  // namespace pivora
