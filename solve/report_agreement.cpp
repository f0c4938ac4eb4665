#include "solve/report_agreement.h"

namespace pivora {

ResultsAgree SameReport(const Tableau& tableau, int m, int n, const ReportSettings& settings) {
  return [&tableau, m, n, settings](SolveStatus statusA, const SolutionTable& a,
                                    SolveStatus statusB, const SolutionTable& b) {
    if (statusA != statusB) return false;
    return WriteReport(tableau, m, n, a, statusA, settings).lines ==
           WriteReport(tableau, m, n, b, statusB, settings).lines;
  };
}

}  // namespace pivora
