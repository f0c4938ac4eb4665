#include "solve/integer_report.h"

#include "solve/branch_tree_report.h"
#include "solve/format_exact.h"
#include "solve/report_layout.h"
#include "solve/view_numbers.h"
#include "solve/views_report.h"

namespace pivora {

namespace {

constexpr int kExponentDigits = 2;  // as the report writes exponents

// The points' numbers: every one a value of a feasible point, so none is
// negative and no bracket is written (the reduced costs of the last
// subproblem's relaxation say nothing about the whole-numbered optimum).
class PointNumbers {
 public:
  PointNumbers(const ExactSolutions& points, const ReportSettings& settings, bool fractions)
      : points_(points), settings_(settings), fractions_(fractions) {}

  std::string Objective() const { return Text(points_(0, 1)); }
  void Append(std::string& line, int row, int k, bool /*withMagnitude*/) const {
    line.append(Text(points_(row, k)));
  }

 private:
  std::string Text(const Rational& q) const { return IntegerNumberText(q, settings_, fractions_); }

  const ExactSolutions& points_;
  const ReportSettings& settings_;
  bool fractions_;
};

std::string Subproblems(long count) {
  std::string text = std::to_string(count);
  text.append(count == 1 ? " Teilproblem gel\xF6st." : " Teilprobleme gel\xF6st.");
  return text;
}

// "Zmax = 23.75"
std::string ZText(const IntegerReportInput& input, const Rational& z,
                  const ReportSettings& settings, bool fractions) {
  std::string text(input.tableau(input.m + 1, input.n + 2) == kMaximise ? "Zmax" : "Zmin");
  return text.append(" = ").append(IntegerNumberText(z, settings, fractions));
}

// The points as the plain report lays them out, the heading and the optimum
// line included; `optimum` false drops that line (the best point of a search
// that ended early is no proven optimum).
std::vector<std::string> PointLines(const IntegerReportInput& input, const ReportSettings& settings,
                                    bool fractions, bool optimum) {
  const ExactSolutions& points = *input.solve.points;
  std::vector<std::string> lines =
      WriteReportLayout(input.tableau, input.m, input.n, points.Status(), settings.details,
                        PointNumbers(points, settings, fractions))
          .lines;
  if (!optimum) lines.erase(lines.begin(), lines.begin() + 4);  // heading, optimum, blanks
  return lines;
}

std::vector<std::string> OptimumLines(const IntegerReportInput& input,
                                      const ReportSettings& settings, bool fractions) {
  const IntegerSolve& solve = input.solve;
  std::vector<std::string> lines = PointLines(input, settings, fractions, true);
  std::vector<std::string> said;
  said.push_back("Ganzzahliges Optimum (ganzzahlig: " + MarkedVariablesText(input.marks, input.n) +
                 ").");
  said.push_back(
      "Schranke der LP-Relaxation: " + ZText(input, solve.relaxationBound, settings, fractions) +
      "; " + Subproblems(solve.subproblems));
  if (solve.optimaFull) {
    said.emplace_back(
        "Die Suche endete bei 50 gleich guten ganzzahligen L\xF6sungen; es kann weitere geben.");
  }
  lines.insert(lines.begin() + 3, said.begin(), said.end());  // after the Optimum: line
  return lines;
}

std::vector<std::string> EarlyEndLines(const IntegerReportInput& input,
                                       const ReportSettings& settings, bool fractions) {
  const IntegerSolve& solve = input.solve;
  const bool cancelled = solve.outcome == IntegerOutcome::kCancelled;
  std::vector<std::string> lines;
  lines.emplace_back(cancelled ? kCancelledLine : kNodeLimitLine);
  lines.push_back((cancelled ? "Die Suche wurde nach " : "Die Suche endete an der Grenze von ") +
                  std::to_string(solve.subproblems) +
                  (cancelled ? " Teilproblemen abgebrochen" : " Teilproblemen") +
                  "; das ganzzahlige Optimum ist nicht bewiesen.");
  if (solve.relaxationSolved && solve.relaxation == LpStatus::kUnbounded) {
    lines.emplace_back("Die LP-Relaxation ist unbeschr\xE4nkt.");
  }
  const bool found = solve.points->Status() > 0;
  if (found) {
    lines.push_back("Beste gefundene ganzzahlige L\xF6sung: " +
                    ZText(input, (*solve.points)(0, 1), settings, fractions));
  } else {
    lines.emplace_back("Keine ganzzahlige L\xF6sung gefunden.");
  }
  if (solve.bestBound) {
    std::string bound = "Keine ganzzahlige L\xF6sung ist besser als ";
    lines.push_back(bound.append(ZText(input, *solve.bestBound, settings, fractions)).append("."));
  }
  if (!found) return lines;
  lines.emplace_back();
  for (std::string& line : PointLines(input, settings, fractions, false)) {
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> ReportLines(const IntegerReportInput& input,
                                     const ReportSettings& settings, bool fractions) {
  const IntegerSolve& solve = input.solve;
  const std::string marked = MarkedVariablesText(input.marks, input.n);
  switch (solve.outcome) {
    case IntegerOutcome::kOptimal:
      return OptimumLines(input, settings, fractions);
    case IntegerOutcome::kNoFeasiblePoint:
      return {std::string(kNoSolutionLine),
              "Schon die LP-Relaxation hat keinen zul\xE4ssigen Punkt."};
    case IntegerOutcome::kNoIntegerPoint: {
      std::string why = solve.relaxation == LpStatus::kUnbounded
                            ? std::string("Die LP-Relaxation ist unbeschr\xE4nkt, hat aber")
                            : "Die LP-Relaxation hat L\xF6sungen (" +
                                  ZText(input, solve.relaxationBound, settings, fractions) +
                                  "), aber";
      return {kNoIntegerPointLine, why + " keinen zul\xE4ssigen ganzzahligen Punkt (ganzzahlig: " +
                                       marked + "); " + Subproblems(solve.subproblems)};
    }
    case IntegerOutcome::kUnbounded:
      return {std::string(kUnboundedLine),
              "Die LP-Relaxation ist unbeschr\xE4nkt, und Teilproblem " +
                  std::to_string(solve.foundIn.empty() ? 0 : solve.foundIn.front()) +
                  " hat einen zul\xE4ssigen ganzzahligen Punkt (ganzzahlig: " + marked +
                  "): auch das ganzzahlige Problem ist unbeschr\xE4nkt."};
    case IntegerOutcome::kNodeLimit:
    case IntegerOutcome::kCancelled:
      return EarlyEndLines(input, settings, fractions);
  }
  return {};
}

}  // namespace

std::string IntegerNumberText(const Rational& q, const ReportSettings& settings, bool fractions) {
  if (fractions) return FractionText(q);
  return FormatExact(q, settings.precision, kExponentDigits, settings.format);
}

std::string MarkedVariablesText(const IntegerMarks& marks, int n) {
  if (marks.All(n)) return n == 1 ? "x1" : "alle Variablen";
  std::string text;
  for (int j = 1; j <= n; ++j) {
    if (!marks.Of(j)) continue;
    if (!text.empty()) text.append(", ");
    text.append("x").append(std::to_string(j));
  }
  return text;
}

std::vector<std::string> WriteIntegerReport(const IntegerReportInput& input,
                                            const ReportSettings& settings,
                                            const ReportViews& views) {
  std::vector<std::string> lines;
  if (views.fractions) lines.emplace_back(kTypedFractionsLine);
  if (views.tree) {
    for (std::string& line : BranchTreeLines(input, settings, views.fractions)) {
      lines.push_back(std::move(line));
    }
    lines.emplace_back();
  }
  if (views.steps) {
    lines.emplace_back(
        "Rechenschritte: bei ganzzahligen Variablen zeigt der Verzweigungsbaum (Strg+4) die "
        "Teilprobleme.");
    lines.emplace_back();
  }
  for (std::string& line : ReportLines(input, settings, views.fractions)) {
    lines.push_back(std::move(line));
  }
  if (views.ranges) {
    lines.emplace_back();
    lines.emplace_back(
        "Sensitivit\xE4t: f\xFCr ganzzahlige Variablen sind Schattenpreise und reduzierte Kosten "
        "nicht definiert.");
  }
  return lines;
}

}  // namespace pivora
