// Exact geometry in the space of x1, x2 and x3: half-spaces and the convex
// polytope they bound, its vertices, edges and faces, all in rationals, so
// that nearly parallel planes and thin regions come out right before
// anything is drawn.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "solver/rational_arithmetic.h"

namespace pivora {

using SpacePoint = std::array<Rational, 3>;

// The points x with a . x <= b. `source` is the caller's name for it.
struct HalfSpace {
  SpacePoint a;
  Rational b;
  int source = 0;
};

struct SpacePolytope {
  struct Face {
    // Corners as indices into `vertices`, counter-clockwise seen from
    // outside: from the side the half-space's normal a points to.
    std::vector<int> corners;
    int halfSpace = 0;  // the index of the half-space it lies on
  };
  struct Edge {
    int from = 0;
    int to = 0;
    std::vector<int> faces;  // the indices of the faces it bounds
  };
  // -1 empty, 0 a point, 1 a segment, 2 a polygon, 3 a solid.
  int dimension = -1;
  std::vector<SpacePoint> vertices;
  std::vector<Face> faces;  // a polygon has one face, on the first plane it lies in
  std::vector<Edge> edges;
};

Rational Dot(const SpacePoint& p, const SpacePoint& q);
SpacePoint Cross(const SpacePoint& p, const SpacePoint& q);
SpacePoint Minus(const SpacePoint& p, const SpacePoint& q);

// The one point on the three planes a . x = b of `p`, `q` and `r`, if
// their normals are independent.
std::optional<SpacePoint> Meet(const HalfSpace& p, const HalfSpace& q, const HalfSpace& r);

// Every vertex of the points in all of `h`, bounded or not: each point where
// three of the planes meet in one point and every half-space holds. Each
// vertex once, in lexicographic order.
std::vector<SpacePoint> Vertices(const std::vector<HalfSpace>& h);

// The polytope of the points in all of `h`, which must bound it (a box
// does).
SpacePolytope BuildPolytope(const std::vector<HalfSpace>& h);

// The points `indices` of `points`, which lie on one plane with the normal
// `normal` and are the corners of a convex polygon, in order around it,
// counter-clockwise seen from the side `normal` points to.
std::vector<int> OrderAround(const std::vector<SpacePoint>& points, std::vector<int> indices,
                             const SpacePoint& normal);

}  // namespace pivora
