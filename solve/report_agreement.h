// The exact judge's comparison for the solve command: the extended result
// stands where its report is the text of the exact values.
#pragma once

#include "solve/report.h"
#include "solver/checked_solve.h"

namespace pivora {

// Compares the report WriteReport gives for the extended result with the one
// it gives for the exact values, with `settings` (the digit count, the
// details, the number format): equal lines mean the same status and every
// number the report prints the exact value correctly rounded at the chosen
// digits, a 0 only for an exact 0. `tableau` must outlive the returned
// function.
ResultsAgree SameReport(const Tableau& tableau, int m, int n, const ReportSettings& settings);

}  // namespace pivora
