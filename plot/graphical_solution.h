// The graphical solution of a problem with one or two variables: what a
// picture of it shows, in exact coordinates of the x1-x2 plane. Screen units
// come only when it is painted. With one variable the picture lies on the
// x1 axis: the constraints are points on it, the region an interval. With
// three the picture is in space (plot/space_solution.h).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plot/plane.h"
#include "solve/view_numbers.h"
#include "solver/exact_problem.h"
#include "solver/solve_outcome.h"
#include "solver/step_record.h"
#include "solver/tables.h"

namespace pivora {

struct SpaceSolution;

// The branch and bound of a problem whose variables are whole-numbered.
struct PlotBranching {
  // The whole-numbered points of the region inside the frame, where both
  // variables are marked and they are few enough to draw (kMaxLatticePoints).
  std::vector<PlanePoint> lattice;
  // The open strip from < x < from + 1 of one variable that a branching
  // removed (it holds no whole value), across its parent's box [lo, hi] of
  // the other, cut to the frame; `node` is the parent.
  struct Strip {
    int variable = 1;
    Rational from;
    Rational lo;
    Rational hi;
    long node = 0;
  };
  std::vector<Strip> strips;
  // The optimum of every solved subproblem, and what hovering it names.
  struct Node {
    PlanePoint at;
    long number = 0;
    std::string text;  // Latin-1: "Teilproblem 4 (aus 2, x2 <= 0): Zmax = 22.5"
  };
  std::vector<Node> nodes;
  std::optional<PlanePoint> relaxation;  // the relaxation's optimum
  std::string status;                    // the picture's status line, Latin-1
};
inline constexpr std::size_t kMaxLatticePoints = 2500;

enum class PlotOutcome {
  kOptimum,
  kUnbounded,
  kInfeasible,
  kInputError,        // a faulty cell: nothing to draw
  kTooManyVariables,  // more than three variables: nothing to draw
  kSolveError,        // the solve ended with an error (its text in notes)
};

// One row of the constraint grid.
struct PlotConstraint {
  int row = 0;                        // 1..m: labelled "NB row"
  int relation = 0;                   // -1 <=, 0 =, +1 >=
  PlaneLine line;                     // its boundary a1 x1 + a2 x2 = b
  bool hasLine = false;               // not every coefficient is 0
  std::optional<PlaneSegment> shown;  // the line inside the frame
};

// A vertex: a point of the plane with the objective's value there.
struct PlotVertex {
  PlanePoint at;
  Rational z;
};

// The tick marks of one axis: first, first + step, ... up to last.
struct AxisTicks {
  Rational first;
  Rational step;
  Rational last;
};

struct GraphicalSolution {
  PlotOutcome outcome = PlotOutcome::kInputError;
  int n = 0;
  int m = 0;
  bool maximise = true;
  Rational c1;  // the objective's coefficients (c2 = 0 with one variable)
  Rational c2;
  ViewNumbers numbers;  // the report's number format at the solve's Digits

  // The frame shown: [x0, x1] x [y0, y1], holding every vertex, every
  // intercept and every point of the path with a margin.
  Rational x0, x1, y0, y1;
  AxisTicks xTicks;
  AxisTicks yTicks;  // unused with one variable

  std::vector<PlotConstraint> constraints;
  // The feasible region inside the frame, corners in order; two corners
  // for a segment, one for a point, none where nothing is feasible.
  std::vector<PlanePoint> region;
  std::vector<PlotVertex> vertices;  // every feasible vertex
  std::vector<PlotVertex> optima;    // the optimal solutions, in the report's order

  // At an optimum: the objective line through it, inside the frame, and the
  // direction in which the objective improves.
  std::optional<PlaneSegment> objectiveLine;
  PlanePoint improvement;
  // With several optima: the optimal edge inside the frame.
  std::optional<PlaneSegment> optimalEdge;

  // The basic solutions the exchange steps went through: path[0] where the
  // run started, path[k] after its step k (numbered as the steps view).
  std::vector<PlotVertex> path;
  bool exactSteps = false;  // the steps are those of the exact run

  // Unbounded: from the last vertex of the path along a direction in which
  // the objective grows without limit, up to the frame.
  std::optional<PlaneSegment> unboundedRay;

  std::vector<std::string> notes;  // Latin-1 lines under the picture

  // With whole-numbered variables: the lattice, the strips the branching
  // cut away and the subproblems' optima; `optima` are then the integer
  // optima, and there is no path.
  std::optional<PlotBranching> branching;

  // With three variables the picture is in space, and the plane's fields
  // above are left empty.
  std::shared_ptr<const SpaceSolution> space;
};

// Whether a problem of n variables can be drawn: with 1, 2 or 3.
bool CanDraw(int n);

// Whether `plot` has a picture to save: not after a faulty cell, a solve
// error or with too many variables, where only its status line is shown.
bool HasPicture(const GraphicalSolution& plot);

// The picture's outcome of a reported result.
PlotOutcome PlotOutcomeOf(SolveOutcome outcome);

// "Weg: nur die ersten 96 Schritte gezeigt.", where the path shows fewer
// steps than the run made.
std::optional<std::string> PathCutNote(const StepRecord& steps);

// The picture of a solved problem: `typed` as the user typed it (m rows,
// n = 1 or 2 variables), the exact run's outcome and the points x of its
// optimal solutions in the report's order, and the exchange steps of the
// run the steps view shows.
GraphicalSolution PlotSolvedProblem(const ExactTableau& typed, int m, int n, SolveOutcome outcome,
                                    const std::vector<PlanePoint>& optima, const StepRecord& steps,
                                    bool exactSteps, const ViewNumbers& numbers);

// A picture with nothing but its outcome (a faulty cell, too many variables).
GraphicalSolution PlotWithoutProblem(PlotOutcome outcome, int n);

// "x1 = 4, x2 = 0, Z = 12" in the report's number format (Latin-1).
std::string VertexText(const GraphicalSolution& plot, const PlotVertex& vertex);

// The picture's title line and its status line (Latin-1): "Grafische
// Lösung", and "Maximum Z = 12", "LÖSUNG UNENDLICH!", "KEINE LÖSUNG!",
// "EINGABEFEHLER!" or why nothing can be drawn.
std::string PlotTitle();
std::string PlotStatusLine(const GraphicalSolution& plot);
// The description a picture file carries (the SVG's <desc>), Latin-1.
std::string PlotDescription();

// The ticks from lo to hi: steps of 1, 2 or 5 times a power of ten, at most
// eight pieces.
AxisTicks AxisTicksOf(const Rational& lo, const Rational& hi);
// The frame's range on one axis: the range of `values` and 0 with a margin
// on both sides, and `extra` times the range more above, for a region that
// goes on to infinity.
void AxisRange(std::vector<Rational> values, const Rational& extra, Rational& lo, Rational& hi);

// Why the picture needs one, two or three variables, for a disabled entry's
// tooltip.
std::string TooManyVariablesText(int n);

}  // namespace pivora
