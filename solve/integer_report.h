// The report of a problem with whole-numbered variables: the shape of the
// plain report (its Optimum: line, a ZF: and an NB: line per point), with
// lines that say it is the integer optimum, the relaxation's bound and the
// subproblems solved, and what a search that ended early has. Lines are
// Latin-1 byte strings.
#pragma once

#include <string>
#include <vector>

#include "solve/report.h"
#include "solve/report_views.h"
#include "solver/branch_and_bound.h"
#include "solver/integer_marks.h"

namespace pivora {

inline constexpr const char* kNoIntegerPointLine = "KEINE GANZZAHLIGE L\xD6SUNG!";
inline constexpr const char* kNodeLimitLine = "GRENZE ERREICHT!";

// The problem the search solved and how its numbers are written: every value
// exactly, rounded once to the digits, or as a reduced fraction.
struct IntegerReportInput {
  const Tableau& tableau;  // the Max/Min flag names Zmax or Zmin
  int m = 0;
  int n = 0;
  const IntegerMarks& marks;
  const IntegerSolve& solve;
};

// The memo's lines for `input` with `settings` (Details: the NB: lines) and
// the chosen views: fractions write every number as a reduced fraction; the
// steps and the sensitivity, which belong to a linear programme, say where
// to look instead; the tree (BranchTreeLines) comes before the report.
std::vector<std::string> WriteIntegerReport(const IntegerReportInput& input,
                                            const ReportSettings& settings,
                                            const ReportViews& views);

// The number text of the integer report and the tree: a reduced fraction,
// or the exact value rounded once to the digits.
std::string IntegerNumberText(const Rational& q, const ReportSettings& settings, bool fractions);

// "x1, x3" or "alle Variablen": the marked variables.
std::string MarkedVariablesText(const IntegerMarks& marks, int n);

}  // namespace pivora
