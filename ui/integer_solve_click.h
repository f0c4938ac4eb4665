// The solve command's road for a problem with whole-numbered variables:
// branch and bound on the problem as typed, and its report.
#pragma once

#include "solve/report.h"
#include "solver/exact_problem.h"
#include "ui/handlers.h"

namespace pivora {

// Solves the problem SolveClick has read (`tableau` for its Max/Min flag,
// `exact` as typed) with the window's marks, on `runner`, and writes the
// report into the emptied memo. A cancel before the relaxation is solved
// ends as SolveClick's cancel does; later, the report says what the search
// has.
SolveClickOutcome SolveIntegerClick(WindowOperations& window, SolveRunner& runner,
                                    const Tableau& tableau, const ExactTableau& exact,
                                    const ReportSettings& settings);

}  // namespace pivora
