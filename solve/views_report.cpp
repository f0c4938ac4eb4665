#include "solve/views_report.h"

#include <memory>
#include <optional>

#include "solve/branch_tree_report.h"
#include "solve/dual_report.h"
#include "solve/report_layout.h"
#include "solve/sensitivity_report.h"
#include "solve/steps_report.h"
#include "solver/exact_solve.h"
#include "solver/explained_run.h"
#include "solver/sensitivity.h"

namespace pivora {

namespace {

void Append(std::vector<std::string>& lines, std::vector<std::string> more) {
  for (std::string& line : more) lines.push_back(std::move(line));
}

// The report's numbers as reduced fractions of the result's exact values.
class FractionNumbers {
 public:
  explicit FractionNumbers(const ExactSolutions& values) : values_(values) {}

  std::string Objective() const { return FractionText(values_(0, 1)); }

  void Append(std::string& line, int row, int k, bool withMagnitude) const {
    const Rational& q = values_(row, k);
    line.append(q < 0 ? std::string("0") : FractionText(q));
    if (withMagnitude && q < 0) line.append(" [\xB1").append(FractionText(abs(q))).append("]");
  }

 private:
  const ExactSolutions& values_;
};

std::vector<std::string> FractionReport(const SolvedProblem& p, const ExactSolutions& values,
                                        bool details) {
  return WriteReportLayout(p.tableau, p.m, p.n, values.Status(), details, FractionNumbers(values))
      .lines;
}

ExactSolutions ValuesOf(const ExplainedRun& run, int m, int n) {
  ExactSolutions values(run.status, n + m);
  for (int k = 1; k <= run.status; ++k) {
    for (int i = 0; i <= n + m; ++i) {
      values(i, k) = run.solutions[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(i)];
    }
  }
  return values;
}

// The steps view: the extended run repeated where its result stands, else
// the exact run from the start by the method's own rules; an exact run that
// would go on past its shown steps ends with `resultEnd()`'s tableau.
template <class ResultEnd>
std::vector<std::string> StepsOf(const SolvedProblem& p, const ExactTableau& problem,
                                 const ViewNumbers& numbers, bool exactRun,
                                 const ResultEnd& resultEnd, ExchangeObserver* observer) {
  std::vector<bool> equation(static_cast<std::size_t>(p.m + 1), false);
  for (int i = 1; i <= p.m; ++i) equation[static_cast<std::size_t>(i)] = p.tableau(i, p.n + 2) == 0;
  StepsView view(p.tableau(p.m + 1, p.n + 2) > 0, std::move(equation), numbers);
  StepOptions options;
  options.maxShown = ShownStepLimit(p.m, p.n);
  options.endAfterShown = exactRun;
  if (exactRun) options.maxShownBits = kMaxShownBits;
  options.sink = &view;
  const ExplainedRun run =
      exactRun ? ExplainRun(problem, p.m, p.n, true, options, observer)
               : ExplainRun(p.tableau, p.m, p.n, RunNumbers::kExtended, true, options, observer);
  if (run.steps.complete) return view.Finish(run.steps, exactRun);
  // A run that stopped without an optimum ends where the judge's stopped.
  if (p.stopBasis != nullptr) {
    const TableauSnapshot end = ExactTableauAt(problem, p.m, p.n, *p.stopBasis, observer);
    if (end.m > 0) return view.Finish(run.steps, exactRun, &end);
  }
  return view.Finish(run.steps, exactRun, &resultEnd().steps.last);
}

// Where the primal has no optimum, the problem with every right-hand side
// 0 tells whether the dual has a feasible point: exactly where it is bounded.
DualOutcome DualOutcomeOf(const SolvedProblem& p, const ExactTableau& problem,
                          ExchangeObserver* observer) {
  if (p.result.Optimal()) return DualOutcome::kOptimal;
  if (p.result.Status() == kUnbounded) return DualOutcome::kPrimalUnbounded;
  auto homogeneous = std::make_unique<ExactTableau>();
  Homogeneous(problem, p.m, p.n, *homogeneous);
  const ExplainedRun run = ExplainRun(*homogeneous, p.m, p.n, false, {}, observer);
  return run.status == kUnbounded ? DualOutcome::kBothInfeasible : DualOutcome::kDualUnbounded;
}

std::vector<std::string> ViewLines(const SolvedProblem& p, const ReportViews& views,
                                   const ReportSettings& settings, ExchangeObserver* observer) {
  const ViewNumbers numbers{views.fractions, settings.precision, settings.format};
  const bool typed = p.typed != nullptr;
  std::unique_ptr<ExactTableau> binary;
  if (!typed) {
    binary = std::make_unique<ExactTableau>();
    ExactFromExtended(p.tableau, p.m, p.n, *binary);
  }
  const ExactTableau& problem = typed ? *p.typed : *binary;

  // The reported result exactly, made once where a view needs it, with the
  // tableaus the views read: the sensitivity that of the first optimum, the
  // steps the last one.
  std::optional<ExplainedRun> exact;
  const auto result = [&]() -> const ExplainedRun& {
    if (!exact) {
      const BasisLabels start =
          p.judgeBasis != nullptr ? *p.judgeBasis : StartingBasis(problem, p.m, p.n);
      const ResultTableaus wanted{views.ranges || views.dual, views.steps};
      exact = ExplainResult(problem, p.m, p.n, start, p.searchExchanges, observer, wanted);
    }
    return *exact;
  };

  std::vector<std::string> lines;
  if (views.tree) {
    lines.emplace_back(kNoTreeLine);
    lines.emplace_back();
  }
  if (views.fractions) lines.emplace_back(typed ? kTypedFractionsLine : kBinaryFractionsLine);
  if (views.steps) {
    Append(lines, StepsOf(p, problem, numbers, views.fractions || p.exact, result, observer));
    lines.emplace_back();
  }
  if (views.fractions) {
    // The checked solve's exact values are the reported result's.
    if (!p.result.Optimal()) {
      Append(lines, FractionReport(p, ExactSolutions(p.result.Status()), settings.details));
    } else if (p.values != nullptr && p.values->Status() == p.result.Status()) {
      Append(lines, FractionReport(p, *p.values, settings.details));
    } else {
      Append(lines, FractionReport(p, ValuesOf(result(), p.m, p.n), settings.details));
    }
  } else {
    Append(
        lines,
        WriteReport(p.tableau, p.m, p.n, p.solutions, p.result.Status(), settings, p.values).lines);
  }
  Sensitivity sensitivity;
  if ((views.ranges || views.dual) && p.result.Optimal() && IsOptimal(result().status)) {
    sensitivity =
        AnalyseSensitivity(problem, p.m, p.n, result().optimalBasis, result().optimum, observer);
  }
  if (views.ranges) Append(lines, SensitivityLines(sensitivity, numbers));
  if (views.dual) {
    Append(lines, DualLines(problem, p.m, p.n, DualOutcomeOf(p, problem, observer), sensitivity,
                            numbers));
  }
  // A cancel during the last writing still ends the solve as cancelled.
  ThrowIfCancelled(observer);
  return lines;
}

}  // namespace

WrittenViews WriteViews(const SolvedProblem& p, const ReportViews& views,
                        const ReportSettings& settings, ExchangeObserver* observer) {
  try {
    const WorkScope part(observer, WorkPhase::kViews);
    return {p.result.outcome, ViewLines(p, views, settings, observer)};
  } catch (const SolveCancelled&) {
    return {SolveOutcome::kCancelled, {}};
  }
}

}  // namespace pivora
