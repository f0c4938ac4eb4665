// The exact judge's comparison for the solve command: two results agree
// where their reports are the same text.
#pragma once

#include "solve/report.h"
#include "solver/checked_solve.h"

namespace pivora {

// Compares the reports WriteReport gives for the two results with `settings`
// (the digit count, the details, the number format): equal lines mean every
// number the report prints is the same at the chosen digits. `tableau` must
// outlive the returned function.
ResultsAgree SameReport(const Tableau& tableau, int m, int n, const ReportSettings& settings);

}  // namespace pivora
