#include "solve/branch_tree_report.h"

#include <algorithm>

namespace pivora {

namespace {

// The indentation of a subproblem's line: two blanks a level, at most 20
// levels, so a deep search stays on the page.
constexpr int kMaxIndentLevels = 20;

// All of x for up to this many variables, else only the non-zero ones.
constexpr int kAllValuesUpTo = 6;

std::string RowText(const BranchRow& row) {
  std::string text = "x";
  text.append(std::to_string(row.variable));
  text.append(row.side == BoundSide::kUpper ? " <= " : " >= ");
  return text.append(row.bound.get_str());
}

class TreeWriter {
 public:
  TreeWriter(const IntegerReportInput& input, const ReportSettings& settings, bool fractions)
      : input_(input), settings_(settings), fractions_(fractions) {}

  std::string Line(const BranchNode& node) const {
    std::string line(static_cast<std::size_t>(2 * std::min(node.depth, kMaxIndentLevels)), ' ');
    line.append(std::to_string(node.number));
    if (node.parent == 0) {
      line.append(" LP-Relaxation: ");
    } else {
      line.append(" (aus ").append(std::to_string(node.parent)).append(") ");
      line.append(RowText(node.row)).append(": ");
    }
    if (!node.solved) {
      return line.append(
          "nicht gel\xF6st, die Schranke des Vorg\xE4ngers ist nicht besser als "
          "die beste L\xF6sung");
    }
    if (node.status == LpStatus::kNoFeasiblePoint)
      return line.append("keine zul\xE4ssige L\xF6sung");
    if (node.status == LpStatus::kUnbounded) {
      line.append("unbeschr\xE4nkt; gesucht wird ein zul\xE4ssiger ganzzahliger Punkt");
      if (node.values.empty()) return line;
      line.append(", zuerst ");
    }
    line.append(Optimum(node)).append("; ");
    return line.append(Fate(node));
  }

 private:
  std::string Number(const Rational& q) const {
    return IntegerNumberText(q, settings_, fractions_);
  }

  // "Zmax = 23.75 bei x1 = 3.75, x2 = 1.25"; "bei x1 = 1, x2 = 0" while the
  // search looks for any point (objective 0).
  std::string Optimum(const BranchNode& node) const {
    std::string text;
    if (input_.solve.relaxation != LpStatus::kUnbounded) {
      text.append(input_.tableau(input_.m + 1, input_.n + 2) == kMaximise ? "Zmax = " : "Zmin = ");
      text.append(Number(node.objective)).append(" ");
    }
    text.append("bei ");
    bool any = false;
    for (int j = 1; j <= input_.n && !node.values.empty(); ++j) {
      const Rational& v = node.values[static_cast<std::size_t>(j - 1)];
      if (input_.n > kAllValuesUpTo && v == 0) continue;
      if (any) text.append(", ");
      text.append("x").append(std::to_string(j)).append(" = ").append(Number(v));
      any = true;
    }
    if (!any) text.append("x = 0");
    return text;
  }

  std::string Fate(const BranchNode& node) const {
    std::string fate;
    switch (node.fate) {
      case NodeFate::kBranched:
        return fate.append("verzweigt nach x").append(std::to_string(node.branchVariable));
      case NodeFate::kNewBest:
        if (input_.solve.relaxation == LpStatus::kUnbounded) return "ganzzahlig: gefunden";
        fate = "ganzzahlig: neue beste L\xF6sung";
        break;
      case NodeFate::kAsGoodAsBest:
        fate = "ganzzahlig: so gut wie die beste L\xF6sung";
        break;
      case NodeFate::kFoundBefore:
        fate = "ganzzahlig: schon gefunden";
        break;
      case NodeFate::kCutOff:
        return "abgeschnitten: die Schranke ist nicht besser als die beste L\xF6sung";
      case NodeFate::kNoFeasiblePoint:
        return "keine zul\xE4ssige L\xF6sung";
      case NodeFate::kUnbounded:
        return "unbeschr\xE4nkt";
    }
    if (node.branchVariable != 0) {
      fate.append(", weiter verzweigt nach x").append(std::to_string(node.branchVariable));
      fate.append(" (gleich gute Punkte m\xF6glich)");
    }
    return fate;
  }

  const IntegerReportInput& input_;
  const ReportSettings& settings_;
  bool fractions_;
};

}  // namespace

std::vector<std::string> BranchTreeLines(const IntegerReportInput& input,
                                         const ReportSettings& settings, bool fractions) {
  const IntegerSolve& solve = input.solve;
  std::vector<std::string> lines;
  std::string heading = "Verzweigungsbaum (Branch and Bound): ";
  heading.append(std::to_string(solve.nodesVisited));
  heading.append(solve.nodesVisited == 1 ? " Teilproblem, " : " Teilprobleme, ");
  heading.append(std::to_string(solve.subproblems)).append(" davon gel\xF6st.");
  lines.push_back(std::move(heading));
  const TreeWriter writer(input, settings, fractions);
  for (const BranchNode& node : solve.nodes) lines.push_back(writer.Line(node));
  const long hidden = solve.nodesVisited - static_cast<long>(solve.nodes.size());
  if (hidden > 0) {
    std::string more = "\x85 ";
    more.append(std::to_string(hidden)).append(" weitere Teilprobleme nicht gezeigt.");
    lines.push_back(std::move(more));
  }
  return lines;
}

}  // namespace pivora
