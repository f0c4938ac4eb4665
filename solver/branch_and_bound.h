// Integer variables by branch and bound (Land and Doig, 1960, with Dakin's
// two branches x <= floor(v) and x >= ceil(v), 1965) over exact relaxations:
// every subproblem's status, bound and values are exact on the problem as
// typed, and bounds are compared with the best point exactly. The search
// goes on to every optimal whole-numbered point, up to kMaxSolutions.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "solver/branch_tableau.h"
#include "solver/exact_problem.h"
#include "solver/exact_solutions.h"
#include "solver/exact_tuning.h"
#include "solver/exchange_observer.h"
#include "solver/integer_marks.h"

namespace pivora {

// The subproblems a search solves at most before it ends with what it has.
inline constexpr long kNodeLimit = 100000;
// The subproblems the tree keeps in full (their rows, optima and fates);
// later ones are counted only.
inline constexpr long kRecordedNodes = 1000;

struct BranchRow {
  int variable = 0;  // x[variable]; 0 for the relaxation itself
  BoundSide side = BoundSide::kUpper;
  mpz_class bound;
};

enum class NodeFate {
  kBranched,         // its optimum is fractional: branched on branchVariable
  kNewBest,          // whole-numbered and better than every point before
  kAsGoodAsBest,     // whole-numbered and as good as the best: one more optimum
  kFoundBefore,      // whole-numbered, a point an earlier subproblem found
  kNoFeasiblePoint,  // its relaxation has no feasible point
  kCutOff,           // its bound is worse than the best point (or the list of
                     // optima is full and it is no better)
  kUnbounded,        // the relaxation itself is unbounded
};

struct BranchNode {
  long number = 0;  // from 1, in the order the search takes them
  long parent = 0;  // 0 for the relaxation
  int depth = 0;
  BranchRow row;  // the branching row this subproblem adds to its parent's
  // False where the parent's bound was already worse than the best point
  // when the search came to it: cut off without solving.
  bool solved = true;
  LpStatus status = LpStatus::kOptimal;
  Rational objective;            // z at its optimum
  std::vector<Rational> values;  // x[1..n] at its optimum, from index 0
  // Where it was branched: on x[branchVariable], whose value was branchValue.
  // A whole-numbered optimum is branched too where other points of its
  // optimal face may be equally good (fate kNewBest, kAsGoodAsBest or
  // kFoundBefore with a branch variable).
  int branchVariable = 0;
  NodeFate fate = NodeFate::kNoFeasiblePoint;
};

enum class IntegerOutcome {
  kOptimal,          // `points` holds every optimal point found, 1..kMaxSolutions
  kNoIntegerPoint,   // the relaxation is feasible, no whole-numbered point is
  kNoFeasiblePoint,  // the relaxation has no feasible point
  kUnbounded,        // the relaxation is unbounded and `points` holds a
                     // whole-numbered point: the objective is unbounded too
  kNodeLimit,        // the search met kNodeLimit: `points` is the best found
                     // (may be none), `bestBound` what no point can beat
  kCancelled,        // the same where the observer asked to stop
};

struct IntegerSolve {
  IntegerOutcome outcome = IntegerOutcome::kNoFeasiblePoint;
  // Status the number of points, rows 0..n+m of each as the SolutionTable
  // has them: z, x[1..n], the slacks y[1..m]. Never null.
  std::shared_ptr<const ExactSolutions> points = std::make_shared<ExactSolutions>();
  std::vector<long> foundIn;  // the subproblem that found each point
  // The relaxation's outcome and, where optimal, its z.
  bool relaxationSolved = false;
  LpStatus relaxation = LpStatus::kNoFeasiblePoint;
  Rational relaxationBound;
  // kNodeLimit, kCancelled: the best z any point can have, where the search
  // got that far.
  std::optional<Rational> bestBound;
  long subproblems = 0;           // relaxations solved
  bool optimaFull = false;        // kMaxSolutions equally good points were found:
                                  // there may be more
  std::vector<BranchNode> nodes;  // the first kRecordedNodes subproblems
  long nodesVisited = 0;          // all subproblems taken, the unsolved too
};

// Solves `problem` (m constraints, n variables, as typed) with x[j] whole
// for every j that `marks` has. Every exchange is shown to `observer` (may
// be null), which can stop the search; the search then ends with kCancelled
// and what it has. `nodeLimit` bounds the subproblems solved, `heldLimit`
// the tableau entries held for open subproblems.
IntegerSolve SolveInteger(const ExactTableau& problem, int m, int n, const IntegerMarks& marks,
                          ExchangeObserver* observer = nullptr, long nodeLimit = kNodeLimit,
                          long heldLimit = kHeldEntries);

}  // namespace pivora
