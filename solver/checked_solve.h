// The solve the command runs: the exchange method in extended arithmetic,
// then an exact judge of its result on the problem as typed, and the exact
// result wherever the two would print differently.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "solver/basis_tableau.h"
#include "solver/exact_problem.h"
#include "solver/exact_solutions.h"
#include "solver/exchange_observer.h"
#include "solver/simplex_record.h"
#include "solver/solve_outcome.h"
#include "solver/tables.h"

namespace pivora {

// Whether the extended result (its status and table) prints exactly as the
// exact result (its status and values) does: the same status and, at an
// optimum, the same text for every number the report shows. The solve
// command passes its report's comparison in; the solver knows no text.
using ResultsAgree = std::function<bool(SolveStatus, const SolutionTable&, const ExactSolutions&)>;

struct CheckedSolve {
  // The outcome the command reports; at kCancelled and kFloatingPointError
  // nothing below is set, `checked` and the plain run's counts aside.
  SolveResult result;
  // False where the exact check was stopped before its end and the
  // observer kept the plain run's result (KeepsPlainResult): `result` is
  // the plain run's own, not checked (a floating-point error where that run
  // left the extended range), the table holds what the plain run wrote, and
  // of what follows only `cycled` and `exchanges` are set.
  bool checked = true;
  bool exact = false;           // the reported result is the exact one
  bool cycled = false;          // the extended run returned to an earlier basis
  long exchanges = 0;           // exchange steps of the extended run
  long exactExchanges = 0;      // exchange steps of the judge's exact run
  bool exactFromStart = false;  // the extended run's last basis was singular
                                // on the typed data, or the extended run
                                // left the extended range: the exact run
                                // started over
  // The exact result the judge settled on, for the report to round once:
  // its status and, at an optimum, the values of the reported vertices.
  // Null only where the problem was refused before any arithmetic.
  std::shared_ptr<const ExactSolutions> values;
  // Where an exact run of the method (ExplainResult) reaches the exact
  // values of the reported result, for the extra views: the first optimal
  // basis of the judge's exact run where that ran to an optimum (its search
  // alone is left), else where the judge's exact work starts, the extended
  // run's last basis (with the equations it took as redundant and that are
  // not exactly, still in the basis). Set where `judged`.
  bool judged = false;
  BasisLabels judgeBasis;
  // Where the exact replay confirmed the extended optimum, the reported
  // vertices are those of the extended search's exchanges (row, column) from
  // judgeBasis, one per vertex after the first: the exact search's own rule
  // may choose others among equal optima.
  bool replayed = false;
  std::vector<std::array<int, 2>> searchExchanges;
  // Where the judge's exact run ended without an optimum, the basis its
  // phases stopped at: the tableau there proves the status.
  bool stopped = false;
  BasisLabels stopBasis;
};

// Runs RunSimplex on `tableau`, then judges its result exactly on `problem`
// (the same problem as typed). An optimal result is replayed first
// (ReplayOptimum): the same vertices by the same exchanges, exactly; where
// that confirms it and `agree` says the two print alike, it stands; where
// it confirms it by the exact run's own steps, the replay's exact vertices
// are the exact result. An equation that the extended run took as redundant
// is so only where it is exactly a combination of the others; every other
// one goes back into the basis as an equation not yet exchanged, for the
// exact run's equality phase. Otherwise the exact run goes on from the basis where
// the extended run's phases ended (ContinueExactly): the same phases and
// search, their steps taken on enclosures where those settle every choice
// (then the replay builds the optimum and the search's vertices exactly),
// else on the exact work tableau.
// A status of no feasible solution or unbounded is proved by the exact row
// or column at which the exact phases stop. Where the extended
// run ended with no feasible solution, its stop row alone is built first,
// and where that row proves the status exactly nothing more is built. Where `agree` says
// the two results print alike, the result is RunSimplex's bit for bit;
// otherwise the exact one stands, with what RunSimplex wrote into the
// SolutionTable put back first. Where RunSimplex raises a floating-point
// error (a magnitude beyond the extended range on its way), the exact run
// from the problem's own tableau decides alone. Ends at kFloatingPointError
// ("Floating point overflow.") only where the exact optimum lies beyond the
// extended range. The extended run shows every exchange step to `observer`
// (may be null), and so does the exact run where it works on residues or
// exact values; the guided run only asks it whether to cancel, and the
// replay shows the search's exchanges. The observer can stop the solve at
// every cancel question: the outcome is kCancelled then, and the table
// unfinished, unless the plain run had ended and the observer keeps its
// result (then `checked` is false). Nothing thrown inside the solver leaves
// it.
CheckedSolve SolveChecked(const Tableau& tableau, const ExactTableau& problem, int m, int n,
                          const ResultsAgree& agree, SolutionTable& solutions,
                          ExchangeObserver* observer = nullptr);

// The judge alone, for a RunSimplex run on the extended values of `problem`
// that left `solutions`, `status` and `record`; `before` is the solution
// table as it was before that run. Does what SolveChecked does after its
// RunSimplex call, on the exchange method's integer `status`, and throws
// what the exact run throws (FloatingPointError, SolveCancelled); its
// `result` is not set. A SolveCancelled leaves `solutions` and `status` as
// the plain run left them.
CheckedSolve JudgeExactly(const ExactTableau& problem, int m, int n, const SimplexRecord& record,
                          const SolutionTable& before, const ResultsAgree& agree,
                          SolutionTable& solutions, SolveStatus& status,
                          ExchangeObserver* observer = nullptr);

// For a problem given only as extended values: the problem is the tableau's
// binary fractions, and results agree where status and every stored value
// equal the exact value rounded to the nearest extended value.
CheckedSolve SolveChecked(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                          ExchangeObserver* observer = nullptr);

// Same status and, at an optimum, rows 0..n+m of every stored solution equal
// to the exact values rounded to the nearest extended value.
bool SameValues(SolveStatus status, const SolutionTable& a, const ExactSolutions& exact, int m,
                int n);

}  // namespace pivora
