#include "solve/report_agreement.h"

namespace pivora {

ResultsAgree SameReport(const Tableau& tableau, int m, int n, const ReportSettings& settings) {
  return [&tableau, m, n, settings](SolveStatus status, const SolutionTable& solutions,
                                    const ExactSolutions& exact) {
    if (status != exact.Status()) return false;
    return WriteReport(tableau, m, n, solutions, status, settings).lines ==
           WriteReport(tableau, m, n, solutions, status, settings, &exact).lines;
  };
}

}  // namespace pivora
