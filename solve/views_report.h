// The memo's lines when extra views are chosen: the exchange steps, then the
// report, then the sensitivity, with every number as a reduced fraction on
// request. Without any view the plain report stands alone (WriteReport).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "solve/report.h"
#include "solve/report_views.h"
#include "solver/basis_tableau.h"
#include "solver/exact_problem.h"
#include "solver/exchange_observer.h"
#include "solver/solve_outcome.h"

namespace pivora {

inline constexpr const char* kTypedFractionsLine =
    "Br\xFC"
    "che: exakte Werte der eingegebenen Dezimalzahlen.";
inline constexpr const char* kBinaryFractionsLine =
    "Br\xFC"
    "che: exakte Werte der 80-Bit-Zahlen, zu denen die Eingaben gerundet wurden.";

struct SolvedProblem {
  const Tableau& tableau;
  int m = 0;
  int n = 0;
  const SolutionTable& solutions;  // what the solve command reports
  SolveResult result;              // the checked solve's, one the report prints
  bool exact = false;              // that result came from the exact re-solve
  // The exact values of the typed cell texts (every text the solve accepts
  // is a finite decimal); null where the problem exists only as extended
  // values.
  const ExactTableau* typed = nullptr;
  // Where the solve's exact judge started (CheckedSolve::judgeBasis); null
  // where it did not run, and then the views' exact run starts from the
  // problem's own tableau.
  const BasisLabels* judgeBasis = nullptr;
  // Where the judge replayed the optimum: the search's exchanges from
  // judgeBasis (CheckedSolve::searchExchanges); else null.
  const std::vector<std::array<int, 2>>* searchExchanges = nullptr;
  const ExactSolutions* values = nullptr;  // the checked solve's exact values (may be null)
  // Where the judge's exact run ended without an optimum, the basis it
  // stopped at (CheckedSolve::stopBasis); else null.
  const BasisLabels* stopBasis = nullptr;
};

// The lines to write into the emptied memo, none to delete afterwards. The
// fractions and the sensitivity come from an exact run from where the judge
// started, which reaches the reported result's exact values in one
// elimination and the judge's own exchanges; the sensitivity is that of its
// first optimal basis. The steps come from a repeat of the extended run where
// its result stands, and from the exact run of the same rules from the start
// where the exact result stands or fractions are asked for: on the problem as
// typed where it is known, else on the extended values. They show at most
// ShownStepLimit steps; an exact run that would go on stops there, and the
// tableau of the reported result ends the view. `observer` (may be null) is
// asked before every exchange and every shown step whether to stop; where it
// does, the outcome is kCancelled and there are no lines.
struct WrittenViews {
  SolveOutcome outcome = SolveOutcome::kNoFeasibleSolution;  // the problem's, or kCancelled
  std::vector<std::string> lines;
};
WrittenViews WriteViews(const SolvedProblem& problem, const ReportViews& views,
                        const ReportSettings& settings, ExchangeObserver* observer = nullptr);

}  // namespace pivora
