#include "plot/graphical_solution.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "plot/tests/example_plot.h"

namespace pivora {

void PrintTo(const PlanePoint& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }

namespace {

using testing::PlotOfExample;
using testing::PlotOfText;

std::string Examples() { return std::string(std::getenv("PIVORA_SOURCE_DIR")) + "/examples"; }

PlanePoint P(Rational x, Rational y) { return {std::move(x), std::move(y)}; }

// Strictly inside the frame, at least a twentieth of its width from each edge.
bool WellInside(const GraphicalSolution& plot, const PlanePoint& p) {
  const Rational mx = (plot.x1 - plot.x0) / 20;
  const Rational my = (plot.y1 - plot.y0) / 20;
  return p.x >= plot.x0 + mx && p.x <= plot.x1 - mx && p.y >= plot.y0 + my && p.y <= plot.y1 - my;
}

// Every vertex, every point of the path and every intercept of a line with
// an axis lies in view with a margin; the ticks lie in the frame.
void ExpectEverythingInView(const GraphicalSolution& plot) {
  for (const PlotVertex& v : plot.vertices) {
    EXPECT_TRUE(WellInside(plot, v.at)) << v.at.x << "," << v.at.y;
  }
  for (const PlotVertex& v : plot.path) {
    EXPECT_TRUE(WellInside(plot, v.at)) << v.at.x << "," << v.at.y;
  }
  for (const PlotConstraint& c : plot.constraints) {
    if (c.line.a != 0) {
      EXPECT_TRUE(WellInside(plot, P(c.line.c / c.line.a, 0))) << "NB " << c.row;
    }
    if (c.line.b != 0) {
      EXPECT_TRUE(WellInside(plot, P(0, c.line.c / c.line.b))) << "NB " << c.row;
    }
  }
  EXPECT_GE(plot.xTicks.first, plot.x0);
  EXPECT_LE(plot.xTicks.last, plot.x1);
  EXPECT_GE((plot.x1 - plot.x0) / plot.xTicks.step, 3);
  EXPECT_LE((plot.x1 - plot.x0) / plot.xTicks.step, 9);
}

TEST(GraphicalSolution, WorkedExampleHasItsFourVerticesTheOptimumAndThePathToIt) {
  const GraphicalSolution plot = PlotOfExample(Examples(), "worked-example.txt");
  ASSERT_EQ(plot.outcome, PlotOutcome::kOptimum);
  std::vector<PlanePoint> corners;
  for (const PlotVertex& v : plot.vertices) corners.push_back(v.at);
  EXPECT_THAT(corners, ::testing::UnorderedElementsAre(P(0, 0), P(4, 0), P(3, 1), P(0, 2)));
  ASSERT_EQ(plot.optima.size(), 1u);
  EXPECT_EQ(plot.optima[0].at, P(4, 0));
  EXPECT_EQ(plot.optima[0].z, 12);
  EXPECT_EQ(plot.region.size(), 4u);
  ASSERT_GE(plot.path.size(), 2u);
  EXPECT_EQ(plot.path.front().at, P(0, 0));
  EXPECT_EQ(plot.path.back().at, P(4, 0));
  EXPECT_FALSE(plot.optimalEdge);
  ASSERT_TRUE(plot.objectiveLine);
  EXPECT_EQ(3 * plot.objectiveLine->from.x + 2 * plot.objectiveLine->from.y, 12);
  EXPECT_EQ(VertexText(plot, plot.optima[0]), "x1 = 4, x2 = 0, Z = 12");
  ExpectEverythingInView(plot);
}

TEST(GraphicalSolution, VertexTextsUseTheReportsFormatAtTheChosenDigits) {
  const GraphicalSolution plot = PlotOfText("max digits=3\n1 1\n2 1 <= 2\n1 2 <= 2\n");
  ASSERT_EQ(plot.optima.size(), 1u);
  EXPECT_EQ(plot.optima[0].at, P(Rational(2, 3), Rational(2, 3)));
  EXPECT_EQ(VertexText(plot, plot.optima[0]), "x1 = 0.667, x2 = 0.667, Z = 1.33");
  EXPECT_EQ(PlotStatusLine(plot), "Maximum Z = 1.33");
}

TEST(GraphicalSolution, TheRangeHoldsFarAndNegativeIntercepts) {
  // A steep line meets the x2 axis at 2500, another the x1 axis at -3, and a
  // vertex lies at (0.001, 0).
  const GraphicalSolution plot = PlotOfText("max\n1 1\n2 0.001 <= 2.5\n-1 1 <= 3\n1000 1 >= 1\n");
  ASSERT_EQ(plot.outcome, PlotOutcome::kOptimum);
  ExpectEverythingInView(plot);
  EXPECT_TRUE(WellInside(plot, P(-3, 0)));
  EXPECT_TRUE(WellInside(plot, P(0, 2500)));
}

TEST(GraphicalSolution, TheRangeAndTicksHoldNumbersBeyondADouble) {
  for (const char* text : {"max\n1 1\n1 1 <= 1e4000\n1 2 <= 1.5e4000\n",
                           "max\n1 1\n1 1 <= 1e-4000\n3 1 <= 2e-4000\n"}) {
    const GraphicalSolution plot = PlotOfText(text);
    ASSERT_EQ(plot.outcome, PlotOutcome::kOptimum) << text;
    EXPECT_EQ(plot.vertices.size(), 4u) << text;
    ExpectEverythingInView(plot);
  }
}

TEST(GraphicalSolution, AlternativeOptimaShowBothVerticesAndTheEdgeBetween) {
  const GraphicalSolution plot = PlotOfExample(Examples(), "alternative-optima.txt");
  ASSERT_EQ(plot.outcome, PlotOutcome::kOptimum);
  ASSERT_EQ(plot.optima.size(), 2u);
  EXPECT_EQ(plot.optima[0].at, P(3, 1));
  EXPECT_EQ(plot.optima[1].at, P(0, 4));
  ASSERT_TRUE(plot.optimalEdge);
  EXPECT_THAT((std::vector<PlanePoint>{plot.optimalEdge->from, plot.optimalEdge->to}),
              ::testing::UnorderedElementsAre(P(3, 1), P(0, 4)));
  ExpectEverythingInView(plot);
}

TEST(GraphicalSolution, UnboundedRegionReachesTheFrameAlongAnImprovingRay) {
  const GraphicalSolution plot = PlotOfExample(Examples(), "unbounded.txt");
  ASSERT_EQ(plot.outcome, PlotOutcome::kUnbounded);
  ASSERT_TRUE(plot.unboundedRay);
  const PlanePoint& from = plot.unboundedRay->from;
  const PlanePoint& to = plot.unboundedRay->to;
  EXPECT_GT(plot.c1 * (to.x - from.x) + plot.c2 * (to.y - from.y), 0);
  EXPECT_TRUE(to.x == plot.x1 || to.y == plot.y1);
  // The region is cut by the frame on the right: one of its corners lies there.
  EXPECT_TRUE(std::any_of(plot.region.begin(), plot.region.end(),
                          [&plot](const PlanePoint& p) { return p.x == plot.x1; }));
  ExpectEverythingInView(plot);
}

TEST(GraphicalSolution, InfeasibleProblemHasLinesButNoRegion) {
  const GraphicalSolution plot = PlotOfExample(Examples(), "infeasible.txt");
  EXPECT_EQ(plot.outcome, PlotOutcome::kInfeasible);
  EXPECT_TRUE(plot.region.empty());
  EXPECT_TRUE(plot.vertices.empty());
  for (const PlotConstraint& c : plot.constraints) EXPECT_TRUE(c.shown) << "NB " << c.row;
  EXPECT_EQ(PlotStatusLine(plot), "KEINE L\xD6SUNG!");
}

TEST(GraphicalSolution, ASliverBetweenNearlyEqualBoundsKeepsItsExactCorners) {
  // 1.0000000001 has no binary value: the corners are exact decimals.
  const GraphicalSolution plot = PlotOfText("max\n1 2\n1 1 >= 1\n1 1 <= 1.0000000001\n");
  ASSERT_EQ(plot.outcome, PlotOutcome::kOptimum);
  const Rational top = Rational(10000000001, 10000000000);
  EXPECT_THAT(plot.region, ::testing::UnorderedElementsAre(P(1, 0), P(top, 0), P(0, top), P(0, 1)));
  EXPECT_EQ(plot.optima[0].at, P(0, top));
}

TEST(GraphicalSolution, OneVariableLiesOnTheAxis) {
  const GraphicalSolution plot = PlotOfText("min\n-2\n1 <= 3\n2 >= 1\n");
  ASSERT_EQ(plot.outcome, PlotOutcome::kOptimum);
  EXPECT_THAT(plot.region, ::testing::UnorderedElementsAre(P(Rational(1, 2), 0), P(3, 0)));
  EXPECT_EQ(plot.optima[0].at, P(3, 0));
  EXPECT_EQ(VertexText(plot, plot.optima[0]), "x1 = 3, Z = -6");
}

}  // namespace
}  // namespace pivora
