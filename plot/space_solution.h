// The graphical solution of a problem with three variables: the feasible
// polytope cut to a box, the constraint planes, the path of the exchange
// steps, the optima and the direction in which Z improves, all in exact
// coordinates of x1, x2 and x3. Screen units come only when it is painted,
// from a turn of the viewer's choice.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "plot/graphical_solution.h"
#include "plot/space_geometry.h"

namespace pivora {

struct SpaceVertex {
  SpacePoint at;
  Rational z;
};

// One row of the constraint grid.
struct SpaceConstraint {
  int row = 0;       // 1..m: labelled "NB row"
  int relation = 0;  // -1 <=, 0 =, +1 >=
  SpacePoint a;      // its plane a . x = b
  Rational b;
  bool hasPlane = false;  // not every coefficient is 0
  // The plane inside the box, corners in order; fewer than three where it
  // only touches the box, none where it misses it.
  std::vector<SpacePoint> shown;
};

struct SpaceSolution {
  SpacePoint lo;  // the box [lo, hi]: every vertex, every point where a plane
  SpacePoint hi;  // meets an axis and every point of the path, with a margin
  std::array<AxisTicks, 3> ticks;
  std::vector<SpaceConstraint> constraints;

  // The feasible region inside the box; for each of its faces the row of the
  // constraint it lies on (0 for an axis plane), and whether it lies on the
  // box, where the region goes on beyond.
  SpacePolytope region;
  std::vector<int> faceRow;
  std::vector<bool> faceCut;

  std::vector<SpaceVertex> vertices;  // every vertex of the feasible region
  std::vector<SpaceVertex> optima;    // the optimal solutions, in the report's order
  // With several optima: the optimal edge (two corners) or face (in order)
  // inside the box.
  std::vector<SpacePoint> optimalSet;
  // The basic solutions of the steps, numbered as the steps view numbers them.
  std::vector<SpaceVertex> path;
  SpacePoint improvement;  // the direction in which Z improves: sigma * c
  // Unbounded: from the path's end along the direction in which Z grows
  // without limit, up to the box.
  std::optional<std::array<SpacePoint, 2>> unboundedRay;
};

// The picture of a solved problem of three variables: `typed` as typed (m
// rows), the exact outcome and the points of its optimal solutions in the
// report's order, and the steps of the run whose path is drawn.
GraphicalSolution PlotSolvedSpace(const ExactTableau& typed, int m, SolveOutcome outcome,
                                  const std::vector<SpacePoint>& optima, const StepRecord& steps,
                                  bool exactSteps, const ViewNumbers& numbers);

// "x1 = 4, x2 = 0, x3 = 1, Z = 12" in the report's number format (Latin-1).
std::string SpaceVertexText(const GraphicalSolution& plot, const SpaceVertex& vertex);

}  // namespace pivora
