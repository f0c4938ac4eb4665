#include "plot/space_solution.h"

#include <algorithm>
#include <memory>

namespace pivora {

namespace {

HalfSpace Axis(int k) {
  HalfSpace h{{0, 0, 0}, 0, 0};
  h.a[static_cast<std::size_t>(k)] = -1;
  return h;
}

// The half-spaces of the feasible region, each named by its source: -k for
// x_k >= 0, the row for a constraint (an equation as two).
std::vector<HalfSpace> FeasibleSpaces(const std::vector<SpaceConstraint>& constraints) {
  std::vector<HalfSpace> spaces;
  for (int k = 0; k < 3; ++k) {
    spaces.push_back(Axis(k));
    spaces.back().source = -(k + 1);
  }
  for (const SpaceConstraint& c : constraints) {
    if (c.relation <= 0) spaces.push_back({c.a, c.b, c.row});
    if (c.relation >= 0) spaces.push_back({{-c.a[0], -c.a[1], -c.a[2]}, -c.b, c.row});
  }
  return spaces;
}

// The box's six sides, named 0.
std::vector<HalfSpace> BoxSpaces(const SpacePoint& lo, const SpacePoint& hi) {
  std::vector<HalfSpace> box;
  for (int k = 0; k < 3; ++k) {
    HalfSpace low = Axis(k);
    low.b = -lo[static_cast<std::size_t>(k)];
    HalfSpace high{{0, 0, 0}, hi[static_cast<std::size_t>(k)], 0};
    high.a[static_cast<std::size_t>(k)] = 1;
    box.push_back(low);
    box.push_back(high);
  }
  return box;
}

// The basic solution of a work tableau: where the planes of its non-basic
// variables meet (x_l = 0 for a column x_l, constraint i for a column y_i,
// and the equations already exchanged), worked out exactly on the typed
// problem; the tableau's own constants where the labels name no such point.
SpacePoint BasicPoint(const TableauSnapshot& t, const std::vector<SpaceConstraint>& constraints) {
  std::vector<HalfSpace> planes;
  bool named = true;
  for (int j = 1; j <= t.n; ++j) {
    const int l = t.ColumnLabel(j);
    if (l > 0) {
      planes.push_back(Axis(l - 1));
    } else if (l < 0) {
      const SpaceConstraint& c = constraints[static_cast<std::size_t>(-l - 1)];
      named = named && c.hasPlane;
      planes.push_back({c.a, c.b, c.row});
    }
  }
  for (const SpaceConstraint& c : constraints) {
    if (c.relation == 0 && t.RowLabel(c.row) != 0) {
      named = named && c.hasPlane;
      planes.push_back({c.a, c.b, c.row});
    }
  }
  if (named && planes.size() == 3) {
    if (std::optional<SpacePoint> p = Meet(planes[0], planes[1], planes[2])) return *p;
  }
  SpacePoint p{0, 0, 0};
  for (int i = 1; i <= t.m; ++i) {
    const int l = t.RowLabel(i);
    if (l >= 1 && l <= 3) p[static_cast<std::size_t>(l - 1)] = t.At(i, t.n + 1);
  }
  return p;
}

// At an unbounded end: the direction of the first free column whose
// objective-row entry is positive and whose entries are none negative, in
// x1, x2, x3: the variable of the column grows by 1, each basic x by its
// row's entry.
std::optional<SpacePoint> UnboundedDirection(const TableauSnapshot& t) {
  for (int s = 1; s <= t.n; ++s) {
    if (t.ColumnLabel(s) == 0 || !(t.At(t.m + 1, s) > 0)) continue;
    bool limited = false;
    for (int i = 1; i <= t.m && !limited; ++i) limited = t.At(i, s) < 0;
    if (limited) continue;
    SpacePoint d{0, 0, 0};
    const int entering = t.ColumnLabel(s);
    if (entering > 0) d[static_cast<std::size_t>(entering - 1)] = 1;
    for (int i = 1; i <= t.m; ++i) {
      const int l = t.RowLabel(i);
      if (l >= 1 && l <= 3) d[static_cast<std::size_t>(l - 1)] = t.At(i, s);
    }
    return d;
  }
  return std::nullopt;
}

// The ray from `start` along `d` up to the box; nothing where `start` lies
// outside it.
std::optional<std::array<SpacePoint, 2>> RayInBox(const SpacePoint& start, const SpacePoint& d,
                                                  const SpacePoint& lo, const SpacePoint& hi) {
  std::optional<Rational> reach;
  for (std::size_t k = 0; k < 3; ++k) {
    if (start[k] < lo[k] || start[k] > hi[k]) return std::nullopt;
    if (d[k] == 0) continue;
    const Rational t = ((d[k] > 0 ? hi[k] : lo[k]) - start[k]) / d[k];
    if (!reach || t < *reach) reach = t;
  }
  if (!reach) return std::nullopt;
  SpacePoint end;
  for (std::size_t k = 0; k < 3; ++k) end[k] = start[k] + *reach * d[k];
  return std::array<SpacePoint, 2>{start, end};
}

// The box around every point that must be seen, axis by axis.
void FrameBox(SpaceSolution& space, const std::vector<SpacePoint>& points, bool unbounded) {
  const Rational extra = unbounded ? Rational(1) : Rational(0);
  for (std::size_t k = 0; k < 3; ++k) {
    std::vector<Rational> values;
    for (const SpacePoint& p : points) values.push_back(p[k]);
    AxisRange(values, extra, space.lo[k], space.hi[k]);
    space.ticks[k] = AxisTicksOf(space.lo[k], space.hi[k]);
  }
}

// The points of `region` where Z takes `z`, in order around that set.
std::vector<SpacePoint> OptimalSet(const SpacePolytope& region, const SpacePoint& c,
                                   const Rational& z) {
  std::vector<int> on;
  for (std::size_t i = 0; i < region.vertices.size(); ++i) {
    if (Dot(c, region.vertices[i]) == z) on.push_back(static_cast<int>(i));
  }
  std::vector<SpacePoint> set;
  for (const int i : OrderAround(region.vertices, on, c)) {
    set.push_back(region.vertices[static_cast<std::size_t>(i)]);
  }
  return set;
}

// An entry of the problem in lowest terms, as every exact comparison here
// needs it.
Rational Entry(const ExactTableau& typed, int i, int j) {
  Rational q = typed(i, j);
  q.canonicalize();
  return q;
}

// The rows of `typed` as planes with their relations; a row of zero
// coefficients draws no plane and gets a note.
void AddSpaceConstraints(GraphicalSolution& plot, SpaceSolution& space, const ExactTableau& typed) {
  constexpr int n = 3;
  for (int i = 1; i <= plot.m; ++i) {
    SpaceConstraint k;
    k.row = i;
    k.relation = static_cast<int>(typed(i, n + 2).get_num().get_si());
    k.a = {Entry(typed, i, 1), Entry(typed, i, 2), Entry(typed, i, 3)};
    k.b = Entry(typed, i, n + 1);
    k.hasPlane = k.a[0] != 0 || k.a[1] != 0 || k.a[2] != 0;
    if (!k.hasPlane) {
      plot.notes.push_back(WordAndNumber("NB ", i) + ": alle Koeffizienten 0, keine Ebene.");
    }
    space.constraints.push_back(std::move(k));
  }
}

// What the box keeps in view: every vertex, the path, the optima and where
// each plane meets an axis.
std::vector<SpacePoint> InView(const SpaceSolution& space) {
  std::vector<SpacePoint> seen;
  for (const SpaceConstraint& k : space.constraints) {
    for (std::size_t e = 0; e < 3; ++e) {
      if (k.a[e] == 0) continue;
      SpacePoint p{0, 0, 0};
      p[e] = k.b / k.a[e];
      seen.push_back(p);
    }
  }
  for (const auto* list : {&space.vertices, &space.path, &space.optima}) {
    for (const SpaceVertex& v : *list) seen.push_back(v.at);
  }
  return seen;
}

// The feasible region within the box, each face with the row it lies on
// and whether the box cut it; and each constraint's plane within the box.
void CutByTheBox(SpaceSolution& space, const std::vector<HalfSpace>& feasible) {
  const std::vector<HalfSpace> box = BoxSpaces(space.lo, space.hi);
  std::vector<HalfSpace> inside = feasible;
  inside.insert(inside.end(), box.begin(), box.end());
  space.region = BuildPolytope(inside);
  for (const SpacePolytope::Face& face : space.region.faces) {
    const int source = inside[static_cast<std::size_t>(face.halfSpace)].source;
    space.faceRow.push_back(source > 0 ? source : 0);
    space.faceCut.push_back(static_cast<std::size_t>(face.halfSpace) >= feasible.size());
  }
  for (SpaceConstraint& k : space.constraints) {
    if (!k.hasPlane) continue;
    std::vector<HalfSpace> cut = box;
    cut.push_back({k.a, k.b, 0});
    cut.push_back({{-k.a[0], -k.a[1], -k.a[2]}, -k.b, 0});
    const SpacePolytope plane = BuildPolytope(cut);
    if (plane.dimension == 2) {
      for (const int i : plane.faces.front().corners) {
        k.shown.push_back(plane.vertices[static_cast<std::size_t>(i)]);
      }
    } else {
      k.shown = plane.vertices;
    }
  }
}

}  // namespace

GraphicalSolution PlotSolvedSpace(const ExactTableau& typed, int m, SolveOutcome outcome,
                                  const std::vector<SpacePoint>& optima, const StepRecord& steps,
                                  bool exactSteps, const ViewNumbers& numbers) {
  constexpr int n = 3;
  GraphicalSolution plot;
  plot.outcome = PlotOutcomeOf(outcome);
  plot.n = n;
  plot.m = m;
  plot.maximise = typed(m + 1, n + 2) > 0;
  plot.numbers = numbers;
  plot.exactSteps = exactSteps;
  auto space = std::make_shared<SpaceSolution>();
  const SpacePoint c{Entry(typed, m + 1, 1), Entry(typed, m + 1, 2), Entry(typed, m + 1, 3)};
  const auto vertex = [&c](const SpacePoint& p) { return SpaceVertex{p, Dot(c, p)}; };

  AddSpaceConstraints(plot, *space, typed);
  const std::vector<HalfSpace> feasible = FeasibleSpaces(space->constraints);
  for (const SpacePoint& p : Vertices(feasible)) space->vertices.push_back(vertex(p));
  for (const ShownStep& step : steps.steps) {
    space->path.push_back(vertex(BasicPoint(step.before, space->constraints)));
  }
  if (!steps.last.columnLabels.empty() || !steps.last.rowLabels.empty()) {
    space->path.push_back(vertex(BasicPoint(steps.last, space->constraints)));
  }
  if (std::optional<std::string> note = PathCutNote(steps)) plot.notes.push_back(*note);
  for (const SpacePoint& p : optima) space->optima.push_back(vertex(p));
  FrameBox(*space, InView(*space), plot.outcome == PlotOutcome::kUnbounded);
  CutByTheBox(*space, feasible);

  const int sigma = plot.maximise ? 1 : -1;
  space->improvement = {sigma * c[0], sigma * c[1], sigma * c[2]};
  if (plot.outcome == PlotOutcome::kOptimum && space->optima.size() > 1) {
    if (c[0] == 0 && c[1] == 0 && c[2] == 0) {
      plot.notes.emplace_back("Zielfunktion 0: jede zul\xE4ssige Ecke ist optimal.");
    } else {
      space->optimalSet = OptimalSet(space->region, c, space->optima.front().z);
    }
  }
  if (plot.outcome == PlotOutcome::kUnbounded && !space->path.empty()) {
    if (const std::optional<SpacePoint> d = UnboundedDirection(steps.last)) {
      space->unboundedRay = RayInBox(space->path.back().at, *d, space->lo, space->hi);
    }
  }
  plot.space = std::move(space);
  return plot;
}

std::string SpaceVertexText(const GraphicalSolution& plot, const SpaceVertex& vertex) {
  return "x1 = " + plot.numbers.Text(vertex.at[0]) + ", x2 = " + plot.numbers.Text(vertex.at[1]) +
         ", x3 = " + plot.numbers.Text(vertex.at[2]) + ", Z = " + plot.numbers.Text(vertex.z);
}

}  // namespace pivora
