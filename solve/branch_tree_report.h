// The tree view of a branch and bound: one line per subproblem in the order
// the search took them, indented by depth, with its parent, its branching
// row, its relaxation's optimum and its fate. Lines are Latin-1.
#pragma once

#include <string>
#include <vector>

#include "solve/integer_report.h"

namespace pivora {

// Subproblem lines shown at most; the search keeps kRecordedNodes of them,
// and a line says how many more there were.
inline constexpr long kShownTreeNodes = kRecordedNodes;

std::vector<std::string> BranchTreeLines(const IntegerReportInput& input,
                                         const ReportSettings& settings, bool fractions);

// For a problem without whole-numbered variables, the one line of the view.
inline constexpr const char* kNoTreeLine =
    "Verzweigungsbaum: keine ganzzahligen Variablen, also kein Baum (x ganzzahlig markieren: "
    "Rechtsklick auf die Spalten\xFC"
    "berschrift).";

}  // namespace pivora
