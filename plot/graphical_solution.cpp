#include "plot/graphical_solution.h"

#include <algorithm>
#include <cmath>

#include "plot/space_solution.h"

namespace pivora {

namespace {

int Relation(const Rational& code) { return static_cast<int>(code.get_num().get_si()); }

mpz_class Floor(const Rational& q) {
  mpz_class f;
  mpz_fdiv_q(f.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
  return f;
}

mpz_class Ceil(const Rational& q) {
  mpz_class f;
  mpz_cdiv_q(f.get_mpz_t(), q.get_num_mpz_t(), q.get_den_mpz_t());
  return f;
}

// 1, 2 or 5 times a power of ten: the smallest such step that cuts `span`
// (> 0) into at most eight pieces. The power is found from the digit counts,
// so spans beyond the range of a double work too.
Rational NiceStep(const Rational& span) {
  const Rational wanted = span / 8;
  const long e = static_cast<long>(mpz_sizeinbase(wanted.get_num_mpz_t(), 10)) -
                 static_cast<long>(mpz_sizeinbase(wanted.get_den_mpz_t(), 10)) - 2;
  mpz_class ten;
  mpz_ui_pow_ui(ten.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(e)));
  Rational power = e < 0 ? Rational(1, ten) : Rational(ten);
  power.canonicalize();
  for (;;) {
    for (int factor : {1, 2, 5}) {
      if (power * factor >= wanted) return power * factor;
    }
    power *= 10;
  }
}

}  // namespace

AxisTicks AxisTicksOf(const Rational& lo, const Rational& hi) {
  const Rational step = NiceStep(hi - lo);
  return {Rational(Ceil(lo / step)) * step, step, Rational(Floor(hi / step)) * step};
}

void AxisRange(std::vector<Rational> values, const Rational& extra, Rational& lo, Rational& hi) {
  values.emplace_back(0);
  const auto [mn, mx] = std::minmax_element(values.begin(), values.end());
  Rational span = *mx - *mn;
  if (span == 0) span = std::max(Rational(abs(*mx)), Rational(1));
  const Rational margin = span * (1 + extra) / 10;
  lo = *mn - margin;
  hi = *mx + margin + span * extra;
}

namespace {

// The half-planes of the feasible region: x >= 0 and every constraint (an
// equation as two); with one variable x2 = 0 as well.
std::vector<HalfPlane> FeasiblePlanes(const std::vector<PlotConstraint>& constraints, int n) {
  std::vector<HalfPlane> planes{{-1, 0, 0}, {0, -1, 0}};
  if (n == 1) planes.push_back({0, 1, 0});
  for (const PlotConstraint& c : constraints) {
    const PlaneLine& l = c.line;
    if (c.relation <= 0) planes.push_back({l.a, l.b, l.c});
    if (c.relation >= 0) planes.push_back({-l.a, -l.b, -l.c});
  }
  return planes;
}

bool HoldsAll(const std::vector<HalfPlane>& planes, const PlanePoint& p) {
  return std::all_of(planes.begin(), planes.end(), [&p](const HalfPlane& h) { return h.Holds(p); });
}

// The basic solution of a work tableau: where the lines of its non-basic
// variables meet (x_l = 0 for a column x_l, constraint i for a column y_i,
// and the equations already exchanged), worked out exactly on the typed
// problem; the tableau's own constants where the labels name no such point.
PlanePoint BasicPoint(const TableauSnapshot& t, const std::vector<PlotConstraint>& constraints,
                      int n) {
  std::vector<PlaneLine> lines;
  bool named = true;
  for (int j = 1; j <= t.n; ++j) {
    const int l = t.ColumnLabel(j);
    if (l > 0) {
      lines.push_back(l == 1 ? PlaneLine{1, 0, 0} : PlaneLine{0, 1, 0});
    } else if (l < 0) {
      const PlotConstraint& c = constraints[static_cast<std::size_t>(-l - 1)];
      named = named && c.hasLine;
      lines.push_back(c.line);
    }
  }
  for (const PlotConstraint& c : constraints) {
    if (c.relation == 0 && t.RowLabel(c.row) != 0) {
      named = named && c.hasLine;
      lines.push_back(c.line);
    }
  }
  if (n == 1) lines.push_back({0, 1, 0});
  if (named && lines.size() == 2) {
    if (std::optional<PlanePoint> p = Intersection(lines[0], lines[1])) return *p;
  }
  PlanePoint p{0, 0};
  for (int i = 1; i <= t.m; ++i) {
    if (t.RowLabel(i) == 1) p.x = t.At(i, t.n + 1);
    if (t.RowLabel(i) == 2) p.y = t.At(i, t.n + 1);
  }
  return p;
}

// The direction from a vertex in which the objective grows without limit
// and the region goes on: the best of the region's edge directions and the
// axes that every constraint allows.
std::optional<PlanePoint> UnboundedDirection(const GraphicalSolution& plot,
                                             const std::vector<HalfPlane>& planes) {
  std::vector<PlanePoint> candidates{{1, 0}};
  if (plot.n == 2) candidates.push_back({0, 1});
  for (const PlotConstraint& c : plot.constraints) {
    if (!c.hasLine || plot.n == 1) continue;
    candidates.push_back({-c.line.b, c.line.a});
    candidates.push_back({c.line.b, -c.line.a});
  }
  const int sigma = plot.maximise ? 1 : -1;
  std::optional<PlanePoint> best;
  double bestRate = 0;
  for (const PlanePoint& d : candidates) {
    const bool stays = std::all_of(planes.begin(), planes.end(),
                                   [&d](const HalfPlane& h) { return h.a * d.x + h.b * d.y <= 0; });
    const Rational gain = sigma * (plot.c1 * d.x + plot.c2 * d.y);
    if (!stays || gain <= 0) continue;
    const double rate = gain.get_d() / std::hypot(d.x.get_d(), d.y.get_d());
    if (!best || rate > bestRate) {
      best = d;
      bestRate = rate;
    }
  }
  return best;
}

PlotVertex Vertex(const GraphicalSolution& plot, PlanePoint p) {
  Rational z = plot.c1 * p.x + plot.c2 * p.y;
  return {std::move(p), std::move(z)};
}

}  // namespace

GraphicalSolution PlotWithoutProblem(PlotOutcome outcome, int n) {
  GraphicalSolution plot;
  plot.outcome = outcome;
  plot.n = n;
  plot.x0 = -1;
  plot.x1 = 10;
  plot.y0 = -1;
  plot.y1 = 10;
  plot.xTicks = AxisTicksOf(plot.x0, plot.x1);
  plot.yTicks = AxisTicksOf(plot.y0, plot.y1);
  return plot;
}

PlotOutcome PlotOutcomeOf(SolveOutcome outcome) {
  return outcome == SolveOutcome::kOptimal     ? PlotOutcome::kOptimum
         : outcome == SolveOutcome::kUnbounded ? PlotOutcome::kUnbounded
                                               : PlotOutcome::kInfeasible;
}

std::optional<std::string> PathCutNote(const StepRecord& steps) {
  if (steps.steps.size() >= static_cast<std::size_t>(steps.exchanges)) return std::nullopt;
  return WordAndNumber("Weg: nur die ersten ", static_cast<long>(steps.steps.size())) +
         " Schritte gezeigt.";
}

namespace {

// The rows of `typed` as lines with their relations; a row of zero
// coefficients draws no line and gets a note.
void AddConstraints(GraphicalSolution& plot, const ExactTableau& typed) {
  const int n = plot.n;
  for (int i = 1; i <= plot.m; ++i) {
    PlotConstraint c;
    c.row = i;
    c.relation = Relation(typed(i, n + 2));
    c.line = {typed(i, 1), n == 2 ? typed(i, 2) : Rational(0), typed(i, n + 1)};
    c.hasLine = c.line.a != 0 || c.line.b != 0;
    if (!c.hasLine)
      plot.notes.push_back(WordAndNumber("NB ", i) + ": alle Koeffizienten 0, keine Gerade.");
    plot.constraints.push_back(std::move(c));
  }
}

// Every line meets every other: the feasible meeting points are the
// vertices, added to `plot`; the meeting points with the axes, the
// intercepts, are returned for the frame to show.
std::vector<PlanePoint> AddVertices(GraphicalSolution& plot,
                                    const std::vector<HalfPlane>& feasible) {
  std::vector<PlaneLine> lines{{1, 0, 0}, {0, 1, 0}};
  for (const PlotConstraint& c : plot.constraints) {
    if (c.hasLine) lines.push_back(c.line);
  }
  std::vector<PlanePoint> intercepts;
  for (std::size_t p = 0; p < lines.size(); ++p) {
    for (std::size_t q = p + 1; q < lines.size(); ++q) {
      std::optional<PlanePoint> meet = Intersection(lines[p], lines[q]);
      if (!meet) continue;
      if (p < 2) intercepts.push_back(*meet);
      const bool known = std::any_of(plot.vertices.begin(), plot.vertices.end(),
                                     [&meet](const PlotVertex& v) { return v.at == *meet; });
      if (!known && HoldsAll(feasible, *meet)) plot.vertices.push_back(Vertex(plot, *meet));
    }
  }
  return intercepts;
}

// The basic solutions of the steps shown, then of the last tableau; a note
// where the steps were cut short.
void AddPath(GraphicalSolution& plot, const StepRecord& steps) {
  for (const ShownStep& step : steps.steps) {
    plot.path.push_back(Vertex(plot, BasicPoint(step.before, plot.constraints, plot.n)));
  }
  if (!steps.last.columnLabels.empty() || !steps.last.rowLabels.empty()) {
    plot.path.push_back(Vertex(plot, BasicPoint(steps.last, plot.constraints, plot.n)));
  }
  if (std::optional<std::string> note = PathCutNote(steps)) plot.notes.push_back(*note);
}

// The frame around the intercepts, the vertices, the path and the optima,
// with room beyond them in the direction of an unbounded objective, and its
// ticks; with one variable the x2 axis is a thin band.
void FrameInView(GraphicalSolution& plot, const std::vector<PlanePoint>& intercepts) {
  std::vector<Rational> xs;
  std::vector<Rational> ys;
  const auto take = [&xs, &ys](const PlanePoint& p) {
    xs.push_back(p.x);
    ys.push_back(p.y);
  };
  for (const PlanePoint& p : intercepts) take(p);
  for (const PlotVertex& v : plot.vertices) take(v.at);
  for (const PlotVertex& v : plot.path) take(v.at);
  for (const PlotVertex& v : plot.optima) take(v.at);
  const Rational extra = plot.outcome == PlotOutcome::kUnbounded ? Rational(1) : Rational(0);
  AxisRange(xs, extra, plot.x0, plot.x1);
  if (plot.n == 2) {
    AxisRange(ys, extra, plot.y0, plot.y1);
  } else {
    plot.y0 = -1;
    plot.y1 = 1;
  }
  plot.xTicks = AxisTicksOf(plot.x0, plot.x1);
  plot.yTicks = AxisTicksOf(plot.y0, plot.y1);
}

// The improving direction; at an optimum the objective line through it (and
// the optimal edge where there are several optima), for an unbounded
// objective the ray from the last point of the path, all within `frame`.
void AddObjective(GraphicalSolution& plot, const std::vector<HalfPlane>& feasible,
                  const std::vector<HalfPlane>& frame) {
  const int sigma = plot.maximise ? 1 : -1;
  plot.improvement = {sigma * plot.c1, sigma * plot.c2};
  if (plot.outcome == PlotOutcome::kOptimum && !plot.optima.empty()) {
    if (plot.c1 == 0 && plot.c2 == 0) {
      plot.notes.emplace_back(
          "Zielfunktion 0: jede zul\xE4ssige Ecke ist optimal, keine Zielgerade.");
    } else {
      const PlaneLine objective{plot.c1, plot.c2, plot.optima.front().z};
      plot.objectiveLine = ClipLine(objective, frame);
      if (plot.optima.size() > 1) {
        std::vector<HalfPlane> inside = frame;
        inside.insert(inside.end(), feasible.begin(), feasible.end());
        plot.optimalEdge = ClipLine(objective, inside);
      }
    }
  }
  if (plot.outcome == PlotOutcome::kUnbounded) {
    const PlanePoint start = !plot.path.empty() && HoldsAll(feasible, plot.path.back().at)
                                 ? plot.path.back().at
                             : !plot.vertices.empty() ? plot.vertices.front().at
                                                      : PlanePoint{0, 0};
    if (std::optional<PlanePoint> d = UnboundedDirection(plot, feasible)) {
      plot.unboundedRay = ClipRay(start, *d, frame);
    }
  }
}

}  // namespace

GraphicalSolution PlotSolvedProblem(const ExactTableau& typed, int m, int n, SolveOutcome outcome,
                                    const std::vector<PlanePoint>& optima, const StepRecord& steps,
                                    bool exactSteps, const ViewNumbers& numbers) {
  GraphicalSolution plot;
  plot.outcome = PlotOutcomeOf(outcome);
  plot.n = n;
  plot.m = m;
  plot.maximise = typed(m + 1, n + 2) > 0;
  plot.c1 = typed(m + 1, 1);
  plot.c2 = n == 2 ? typed(m + 1, 2) : Rational(0);
  plot.numbers = numbers;
  plot.exactSteps = exactSteps;
  AddConstraints(plot, typed);
  const std::vector<HalfPlane> feasible = FeasiblePlanes(plot.constraints, n);
  const std::vector<PlanePoint> intercepts = AddVertices(plot, feasible);
  AddPath(plot, steps);
  for (const PlanePoint& p : optima) plot.optima.push_back(Vertex(plot, p));
  FrameInView(plot, intercepts);
  const std::vector<HalfPlane> frame = FramePlanes(plot.x0, plot.x1, plot.y0, plot.y1);
  for (PlotConstraint& c : plot.constraints) {
    if (c.hasLine) c.shown = ClipLine(c.line, frame);
  }
  plot.region = FramePolygon(plot.x0, plot.x1, plot.y0, plot.y1);
  for (const HalfPlane& h : feasible) {
    if (plot.region.empty()) break;
    plot.region = ClipPolygon(plot.region, h);
  }
  AddObjective(plot, feasible, frame);
  return plot;
}

std::string VertexText(const GraphicalSolution& plot, const PlotVertex& vertex) {
  std::string text = "x1 = " + plot.numbers.Text(vertex.at.x);
  if (plot.n == 2) text += ", x2 = " + plot.numbers.Text(vertex.at.y);
  return text + ", Z = " + plot.numbers.Text(vertex.z);
}

std::string PlotTitle() { return "Grafische L\xF6sung"; }

std::string PlotDescription() {
  return "Grafische L\xF6sung eines linearen Programms, gezeichnet von Pivora";
}

std::string PlotStatusLine(const GraphicalSolution& plot) {
  if (plot.branching) return plot.branching->status;
  switch (plot.outcome) {
    case PlotOutcome::kOptimum: {
      std::vector<Rational> z;
      for (const PlotVertex& v : plot.optima) z.push_back(v.z);
      if (plot.space) {
        for (const SpaceVertex& v : plot.space->optima) z.push_back(v.z);
      }
      if (z.empty()) return "";
      std::string line = std::string(plot.maximise ? "Maximum" : "Minimum") +
                         " Z = " + plot.numbers.Text(z.front());
      if (z.size() > 1)
        line += WordAndNumber(", ", static_cast<long>(z.size())) + " optimale Ecken";
      return line;
    }
    case PlotOutcome::kUnbounded:
      return "L\xD6SUNG UNENDLICH!";
    case PlotOutcome::kInfeasible:
      return "KEINE L\xD6SUNG!";
    case PlotOutcome::kInputError:
      return "EINGABEFEHLER!";
    case PlotOutcome::kTooManyVariables:
      return TooManyVariablesText(plot.n);
    case PlotOutcome::kSolveError:
      return "RECHENFEHLER!";
  }
  return "";
}

bool CanDraw(int n) { return n >= 1 && n <= 3; }

std::string TooManyVariablesText(int n) {
  return WordAndNumber(
             "Die grafische L\xF6sung gibt es nur f\xFCr 1 bis 3 Variablen, hier sind es ", n) +
         ".";
}

bool HasPicture(const GraphicalSolution& plot) {
  return plot.outcome != PlotOutcome::kInputError &&
         plot.outcome != PlotOutcome::kTooManyVariables &&
         plot.outcome != PlotOutcome::kSolveError && CanDraw(plot.n);
}

}  // namespace pivora
