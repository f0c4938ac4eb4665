// The layout of the result report over any number type: the lines of
// WriteReport, with the numbers' texts from a `Numbers` object that provides
//   std::string Objective() const;
//       the objective value of solution 1, as it is;
//   void Append(std::string& line, int row, int k, bool withMagnitude) const;
//       the entry of `row` (1..n+m) of solution k as shown (0 for a negative
//       one) and, with `withMagnitude`, " [±magnitude]" for a negative one.
#pragma once

#include <string>
#include <string_view>

#include "solve/format_number.h"
#include "solve/report.h"

namespace pivora {

namespace report_layout {

inline std::string Index(int k) { return FormatWhole(static_cast<Extended>(k)); }

// "x3 = 0 [±1.5]": the name, the value shown, and the magnitude of a
// negative entry where asked for.
template <class Numbers>
void AddItem(std::string& line, std::string_view name, int index, const Numbers& numbers, int row,
             int k, bool withMagnitude) {
  line.append(name).append(Index(index)).append(" = ");
  numbers.Append(line, row, k, withMagnitude);
}

}  // namespace report_layout

template <class Numbers>
Report WriteReportLayout(const Tableau& tableau, int m, int n, SolveStatus status, bool details,
                         const Numbers& numbers) {
  using report_layout::AddItem;
  using report_layout::Index;
  Report report;
  std::vector<std::string>& lines = report.lines;
  if (status == kNoFeasibleSolution) {
    lines.emplace_back(kNoSolutionLine);
    return report;
  }
  if (status == kUnbounded) {
    lines.emplace_back(kUnboundedLine);
    return report;
  }

  const int count = status < kMaxSolutions ? status : kMaxSolutions;
  lines.push_back(count > 1 ? Index(count) + "  L\xD6SUNGEN:" : "L\xD6SUNG:");
  lines.emplace_back();
  const bool maximised = tableau(m + 1, n + 2) == kMaximise;
  lines.push_back(std::string("Optimum: ") + (maximised ? "Zmax" : "Zmin") + " = " +
                  numbers.Objective());
  lines.emplace_back();
  for (int k = 1; k <= count; ++k) {
    if (count > 1) lines.push_back(Index(k) + ". L\xF6sung:");
    std::string variables = "ZF:   ";
    for (int j = 1; j <= n; ++j) {
      AddItem(variables, "x", j, numbers, j, k, details);
      if (j < n) variables.append("   ");
    }
    lines.push_back(std::move(variables));
    if (details) {
      std::string slacks = "NB:  ";
      for (int i = 1; i <= m; ++i) {
        AddItem(slacks, "y", i, numbers, n + i, k, true);
        if (i < m) slacks.append("   ");
      }
      lines.push_back(std::move(slacks));
    }
    if (k < count) lines.emplace_back();
  }
  return report;
}

}  // namespace pivora
