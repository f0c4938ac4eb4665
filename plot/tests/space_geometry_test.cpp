// The polytope of three variables, exactly: a cube with one corner cut off,
// and the picture of the problem that maximises over it.
#include "plot/space_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "plot/space_solution.h"
#include "plot/tests/example_plot.h"

namespace pivora {
namespace {

SpacePoint P(Rational x, Rational y, Rational z) {
  return {std::move(x), std::move(y), std::move(z)};
}

// 0 <= x <= 1 in every coordinate, and x1 + x2 + x3 <= 5/2.
std::vector<HalfSpace> CutCube() {
  std::vector<HalfSpace> h;
  for (int k = 0; k < 3; ++k) {
    HalfSpace low{{0, 0, 0}, 0, 0};
    HalfSpace high{{0, 0, 0}, 1, 0};
    low.a[static_cast<std::size_t>(k)] = -1;
    high.a[static_cast<std::size_t>(k)] = 1;
    h.push_back(low);
    h.push_back(high);
  }
  h.push_back({{1, 1, 1}, Rational(5, 2), 1});
  return h;
}

// The corner (1, 1, 1) gives way to a triangle: ten vertices, seven faces
// (three squares, three pentagons, the triangle), fifteen edges, each face
// turning counter-clockwise about its outward normal.
TEST(SpaceGeometry, ACubeCutByOnePlane) {
  const std::vector<HalfSpace> h = CutCube();
  const SpacePolytope cube = BuildPolytope(h);
  EXPECT_EQ(cube.dimension, 3);
  const Rational half(1, 2);
  std::vector<SpacePoint> expected{P(0, 0, 0),    P(0, 0, 1),   P(0, 1, 0), P(0, 1, 1),
                                   P(half, 1, 1), P(1, 0, 0),   P(1, 0, 1), P(1, half, 1),
                                   P(1, 1, 0),    P(1, 1, half)};
  EXPECT_EQ(cube.vertices, expected);

  ASSERT_EQ(cube.faces.size(), 7u);
  std::vector<std::size_t> sizes;
  for (const SpacePolytope::Face& face : cube.faces) {
    sizes.push_back(face.corners.size());
    const SpacePoint& normal = h[static_cast<std::size_t>(face.halfSpace)].a;
    const std::size_t count = face.corners.size();
    for (std::size_t k = 0; k < count; ++k) {
      const SpacePoint& a = cube.vertices[static_cast<std::size_t>(face.corners[k])];
      const SpacePoint& b = cube.vertices[static_cast<std::size_t>(face.corners[(k + 1) % count])];
      const SpacePoint& c = cube.vertices[static_cast<std::size_t>(face.corners[(k + 2) % count])];
      EXPECT_GT(Dot(Cross(Minus(b, a), Minus(c, b)), normal), 0) << "face on " << face.halfSpace;
    }
  }
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(sizes, (std::vector<std::size_t>{3, 4, 4, 4, 5, 5, 5}));
  EXPECT_EQ(cube.faces.back().halfSpace, 6);  // the cut

  EXPECT_EQ(cube.edges.size(), 15u);
  for (const SpacePolytope::Edge& edge : cube.edges) EXPECT_EQ(edge.faces.size(), 2u);
}

// The same region as a problem: Z = x1 + x2 + x3 is 5/2 on the whole
// triangle, which the picture shows as the optimal face.
TEST(SpaceGeometry, TheOptimalFaceOfTheCutCube) {
  const GraphicalSolution plot =
      testing::PlotOfText("max\n1 1 1\n1 0 0 <= 1\n0 1 0 <= 1\n0 0 1 <= 1\n1 1 1 <= 2.5\n");
  ASSERT_EQ(plot.outcome, PlotOutcome::kOptimum);
  ASSERT_TRUE(plot.space);
  const SpaceSolution& space = *plot.space;
  EXPECT_EQ(space.region.dimension, 3);
  EXPECT_EQ(space.vertices.size(), 10u);
  ASSERT_GE(space.optima.size(), 2u);
  EXPECT_EQ(space.optima.front().z, Rational(5, 2));
  EXPECT_EQ(space.optimalSet.size(), 3u);
  for (const SpacePoint& p : space.optimalSet) EXPECT_EQ(p[0] + p[1] + p[2], Rational(5, 2));
  ASSERT_FALSE(space.path.empty());
  EXPECT_EQ(space.path.front().at, P(0, 0, 0));
  EXPECT_EQ(space.path.back().z, Rational(5, 2));
  EXPECT_EQ(PlotStatusLine(plot),
            "Maximum Z = 2.5, " + std::to_string(space.optima.size()) + " optimale Ecken");
}

}  // namespace
}  // namespace pivora
