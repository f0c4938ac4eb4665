// The views the solve command can write besides the plain report, chosen in
// the memo's context menu or on the command line. None is the default.
#pragma once

namespace pivora {

struct ReportViews {
  bool steps = false;      // every exchange step, before the report
  bool fractions = false;  // every number as a reduced fraction
  bool ranges = false;     // shadow prices, reduced costs and ranges, after it
  bool tree = false;       // the subproblems of a branch and bound, before it
  bool dual = false;       // the dual programme and its solution, at the end

  bool Any() const { return steps || fractions || ranges || tree || dual; }
  friend bool operator==(const ReportViews&, const ReportViews&) = default;
};

}  // namespace pivora
