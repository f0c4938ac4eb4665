// The exact exchange method: the same choice rules on the problem as typed,
// in exact rationals, either from the start or from a given basis.
#pragma once

#include <memory>

#include "solver/basis_tableau.h"
#include "solver/exact_problem.h"
#include "solver/exact_solutions.h"
#include "solver/exchange_observer.h"
#include "solver/residue_tableau.h"
#include "solver/tables.h"

namespace pivora {

struct ExactSolve {
  long exchanges = 0;      // exchange steps of the exact run, the search included
  bool cycled = false;     // a phase came back to an earlier basis and was
                           // finished by the least-index rule
  bool fromStart = false;  // the given basis was no basis or singular, so the
                           // run started from the problem's own tableau
  // Where the phases ended: at an optimum, the first optimal basis, from
  // which the search alone (no exchange of the phases) reaches the run's
  // vertices.
  BasisLabels end;
};

// How the exact run takes its steps.
enum class ExactWork {
  kGuided,       // on enclosures (RunEnclosed) where they settle every
                 // choice: an optimum and the search then built exactly by
                 // the replay (ReplayOptimum), no feasible solution or an
                 // unbounded objective as the status alone; as kResidues
                 // otherwise
  kResidues,     // on a work tableau held as residues (ResidueTableau),
                 // where the numbers allow that; as kExactValues otherwise
  kExactValues,  // on a work tableau of exact fraction-free values
};

// Same contract as RunSimplex, on the exact problem: the phases decide by
// exact zero tests and exact comparisons, nothing is snapped, a ratio of any
// size limits its column, and the alternative-optima search drops a vertex
// only when it equals solution 1 exactly. The run starts at `basis` (built by
// BuildBasisTableau) and goes on with the same phases and the same search,
// where the basis is singular from the problem's own tableau. The stored
// values are the exact ones rounded to the nearest extended value, and
// `values` (may be null) gets the status and the values exactly. Throws
// FloatingPointError("Floating point overflow.") when the optimum lies beyond
// the extended range (StoreRounded); then `solutions` and `status` are as
// they were. Every exchange step is shown to `observer` (may be null), which
// can stop the run, also between the rounds of the elimination: throws
// SolveCancelled. `work` says how the steps are taken; all take the same
// steps to the same values, enclosures and residues in a fraction of the
// time where the numbers are long (a guided run that leaves a choice open
// starts again on residues, and a run on residues that cannot go on, as
// where an entry read back lies beyond its bound, on exact values). The
// guided run's steps are not shown to `observer`, only the replay's.
ExactSolve ContinueExactly(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                           SolutionTable& solutions, SolveStatus& status,
                           ExchangeObserver* observer = nullptr, ExactSolutions* values = nullptr,
                           ExactWork work = ExactWork::kGuided);

// The same on the problem's rows scaled already, for a caller that builds
// other tableaux of the same problem.
ExactSolve ContinueExactly(const IntegerRows& rows, const BasisLabels& basis,
                           SolutionTable& solutions, SolveStatus& status,
                           ExchangeObserver* observer = nullptr, ExactSolutions* values = nullptr,
                           ExactWork work = ExactWork::kGuided);

// The residue tableau of `basis`, or of the starting basis (then
// `fromStart`) where `basis` names no basis or a singular one; null where
// the numbers are too long to be worth holding as residues.
std::unique_ptr<ResidueTableau> ResiduesFrom(const IntegerRows& rows, const BasisLabels& basis,
                                             ExchangeObserver* observer, bool& fromStart);

// The same from the problem's own tableau.
ExactSolve SolveExactly(const ExactTableau& problem, int m, int n, SolutionTable& solutions,
                        SolveStatus& status, ExchangeObserver* observer = nullptr);

// The same for a problem given only as a tableau of finite extended values,
// taken exactly as the binary fractions they are.
ExactSolve SolveExactly(const Tableau& tableau, int m, int n, SolutionTable& solutions,
                        SolveStatus& status, ExchangeObserver* observer = nullptr);

// The labels of the work tableau the exchange method starts from: row i
// labelled -i, or 0 for an equation; column j labelled j.
BasisLabels StartingBasis(const ExactTableau& problem, int m, int n);

}  // namespace pivora
