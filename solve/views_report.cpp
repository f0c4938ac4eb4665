#include "solve/views_report.h"

#include <memory>

#include "solve/report_layout.h"
#include "solve/sensitivity_report.h"
#include "solve/steps_report.h"
#include "solver/explained_run.h"
#include "solver/sensitivity.h"

namespace pivora {

namespace {

void Append(std::vector<std::string>& lines, std::vector<std::string> more) {
  for (std::string& line : more) lines.push_back(std::move(line));
}

// The report's numbers as reduced fractions of an exact run's solutions.
class FractionNumbers {
 public:
  explicit FractionNumbers(const ExplainedRun& run) : run_(run) {}

  std::string Objective() const { return FractionText(Entry(0, 1)); }

  void Append(std::string& line, int row, int k, bool withMagnitude) const {
    const Rational& q = Entry(row, k);
    line.append(q < 0 ? std::string("0") : FractionText(q));
    if (withMagnitude && q < 0) line.append(" [\xB1").append(FractionText(abs(q))).append("]");
  }

 private:
  const Rational& Entry(int row, int k) const {
    return run_.solutions[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(row)];
  }
  const ExplainedRun& run_;
};

std::vector<std::string> FractionReport(const SolvedProblem& p, const ExplainedRun& run,
                                        bool details) {
  return WriteReportLayout(p.tableau, p.m, p.n, run.status, details, FractionNumbers(run)).lines;
}

}  // namespace

std::vector<std::string> WriteViews(const SolvedProblem& p, const ReportViews& views,
                                    const ReportSettings& settings) {
  const ViewNumbers numbers{views.fractions, settings.precision, settings.format};
  // The exact runs go from the start by the method's own rules: on the
  // problem as typed where it is known, else on the extended values.
  const bool exactRun = views.fractions || p.exact;
  ExplainedRun run;
  if (exactRun && p.typed != nullptr) {
    run = ExplainRun(*p.typed, p.m, p.n, views.steps);
  } else {
    run = ExplainRun(p.tableau, p.m, p.n, exactRun ? RunNumbers::kExact : RunNumbers::kExtended,
                     views.steps);
  }
  const bool typed = p.typed != nullptr;

  std::vector<std::string> lines;
  if (views.fractions) lines.emplace_back(typed ? kTypedFractionsLine : kBinaryFractionsLine);
  if (views.steps) {
    const bool maximise = p.tableau(p.m + 1, p.n + 2) > 0;
    Append(lines, StepsLines(run.steps, maximise, exactRun, numbers));
    lines.emplace_back();
  }
  if (views.fractions) {
    Append(lines, FractionReport(p, run, settings.details));
  } else {
    Append(lines,
           WriteReport(p.tableau, p.m, p.n, p.solutions, p.status, settings, p.values).lines);
  }
  if (views.ranges) {
    Sensitivity sensitivity;
    if (run.status >= 1) {
      std::unique_ptr<ExactTableau> binary;
      if (!typed) {
        binary = std::make_unique<ExactTableau>();
        ExactFromExtended(p.tableau, p.m, p.n, *binary);
      }
      sensitivity = AnalyseSensitivity(typed ? *p.typed : *binary, p.m, p.n, run.optimalBasis);
    }
    Append(lines, SensitivityLines(sensitivity, numbers));
  }
  return lines;
}

}  // namespace pivora
