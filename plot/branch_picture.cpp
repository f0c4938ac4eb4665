#include "plot/branch_picture.h"

#include <algorithm>

namespace pivora {

namespace {

mpz_class Ceil(const Rational& q) {
  mpz_class c;
  mpz_cdiv_q(c.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
  return c;
}

mpz_class Floor(const Rational& q) {
  mpz_class f;
  mpz_fdiv_q(f.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
  return f;
}

bool Feasible(const ExactTableau& typed, int m, int n, const PlanePoint& p) {
  for (int i = 1; i <= m; ++i) {
    const Rational left = typed(i, 1) * p.x + (n == 2 ? Rational(typed(i, 2) * p.y) : Rational(0));
    const Rational& b = typed(i, n + 1);
    const int relation = sgn(typed(i, n + 2));
    if (relation < 0 ? left > b : relation > 0 ? left < b : left != b) return false;
  }
  return true;
}

// The whole-numbered points of the region inside the frame; none where they
// would be more than kMaxLatticePoints to try.
std::vector<PlanePoint> Lattice(const GraphicalSolution& plot, const ExactTableau& typed, int m,
                                int n) {
  const mpz_class x0 = std::max(Ceil(plot.x0), mpz_class(0));
  const mpz_class x1 = Floor(plot.x1);
  const mpz_class y0 = n == 2 ? std::max(Ceil(plot.y0), mpz_class(0)) : mpz_class(0);
  const mpz_class y1 = n == 2 ? Floor(plot.y1) : mpz_class(0);
  std::vector<PlanePoint> points;
  if (x1 < x0 || y1 < y0) return points;
  const mpz_class count = (x1 - x0 + 1) * (y1 - y0 + 1);
  if (count > static_cast<unsigned long>(kMaxLatticePoints)) return points;
  for (mpz_class x = x0; x <= x1; ++x) {
    for (mpz_class y = y0; y <= y1; ++y) {
      const PlanePoint p{Rational(x), Rational(y)};
      if (Feasible(typed, m, n, p)) points.push_back(p);
    }
  }
  return points;
}

// The box of a subproblem in the frame: its branching rows from the
// relaxation down, each variable between its tightest bounds.
struct Box {
  Rational lo[3];
  Rational hi[3];
};

Box BoxOf(const GraphicalSolution& plot, const IntegerSolve& solve, long number) {
  // Every variable is at least 0: the box starts there, or at the frame.
  Box box{{0, std::max(plot.x0, Rational(0)), std::max(plot.y0, Rational(0))},
          {0, plot.x1, plot.y1}};
  for (long at = number; at > 1; at = solve.nodes[static_cast<std::size_t>(at - 1)].parent) {
    const BranchRow& row = solve.nodes[static_cast<std::size_t>(at - 1)].row;
    const Rational bound(row.bound);
    if (row.side == BoundSide::kUpper) {
      box.hi[row.variable] = std::min(box.hi[row.variable], bound);
    } else {
      box.lo[row.variable] = std::max(box.lo[row.variable], bound);
    }
  }
  return box;
}

std::string NodeText(const GraphicalSolution& plot, const BranchNode& node) {
  std::string text = "Teilproblem ";
  text.append(std::to_string(node.number));
  if (node.parent == 0) {
    text.append(" (LP-Relaxation)");
  } else {
    text.append(" (aus ").append(std::to_string(node.parent)).append(", x");
    text.append(std::to_string(node.row.variable));
    text.append(node.row.side == BoundSide::kUpper ? " <= " : " >= ");
    text.append(node.row.bound.get_str()).append(")");
  }
  text.append(plot.maximise ? ": Zmax = " : ": Zmin = ").append(plot.numbers.Text(node.objective));
  return text;
}

}  // namespace

void AddBranching(GraphicalSolution& plot, const ExactTableau& typed, int m, int n,
                  const IntegerMarks& marks, const IntegerSolve& solve) {
  PlotBranching branching;
  if (marks.All(n)) {
    branching.lattice = Lattice(plot, typed, m, n);
    if (branching.lattice.empty() && plot.outcome != PlotOutcome::kInfeasible) {
      plot.notes.emplace_back("Zu viele ganzzahlige Punkte im Bild, um sie einzeln zu zeichnen.");
    }
  }
  const bool findAny = solve.relaxation == LpStatus::kUnbounded;
  for (const BranchNode& node : solve.nodes) {
    if (node.solved && node.status == LpStatus::kOptimal && !node.values.empty() && !findAny) {
      const PlanePoint at{node.values[0], n == 2 ? node.values[1] : Rational(0)};
      branching.nodes.push_back({at, node.number, NodeText(plot, node)});
      if (node.parent == 0) branching.relaxation = at;
    }
    if (node.parent == 0 || node.row.side != BoundSide::kUpper) continue;
    const Box box = BoxOf(plot, solve, node.parent);
    const int other = node.row.variable == 1 ? 2 : 1;
    branching.strips.push_back(
        {node.row.variable, Rational(node.row.bound), box.lo[other], box.hi[other], node.parent});
  }
  switch (solve.outcome) {
    case IntegerOutcome::kOptimal:
      branching.status = std::string("Ganzzahliges ") + (plot.maximise ? "Maximum" : "Minimum") +
                         " Z = " + plot.numbers.Text((*solve.points)(0, 1));
      if (solve.points->Status() > 1) {
        branching.status += WordAndNumber(", ", solve.points->Status()) + " ganzzahlige Optima";
      }
      break;
    case IntegerOutcome::kNoIntegerPoint:
      branching.status = "KEINE GANZZAHLIGE L\xD6SUNG!";
      break;
    case IntegerOutcome::kNoFeasiblePoint:
      branching.status = "KEINE L\xD6SUNG!";
      break;
    case IntegerOutcome::kUnbounded:
      branching.status = "L\xD6SUNG UNENDLICH!";
      break;
    case IntegerOutcome::kNodeLimit:
    case IntegerOutcome::kCancelled:
      branching.status = "GRENZE ERREICHT!";
      plot.notes.push_back(WordAndNumber("Die Suche endete nach ", solve.subproblems) +
                           " Teilproblemen; das Bild zeigt, was sie bis dahin hatte.");
      break;
  }
  plot.branching = std::move(branching);
  plot.path.clear();
  plot.optimalEdge.reset();
}

}  // namespace pivora
