// Exact geometry in the plane of x1 and x2: points, half-planes, and the
// clipping of polygons and lines by them, all in rationals, so nearly
// parallel lines and tiny regions come out right before anything is drawn.
#pragma once

#include <optional>
#include <vector>

#include "solver/rational_arithmetic.h"

namespace pivora {

struct PlanePoint {
  Rational x;
  Rational y;
  friend bool operator==(const PlanePoint&, const PlanePoint&) = default;
};

struct PlaneSegment {
  PlanePoint from;
  PlanePoint to;
};

// The points with a x + b y <= c. Where a and b are both 0 it holds
// everywhere or nowhere, as 0 <= c says.
struct HalfPlane {
  Rational a;
  Rational b;
  Rational c;

  bool Holds(const PlanePoint& p) const { return a * p.x + b * p.y <= c; }
};

// The line a x + b y = c (a and b not both 0).
struct PlaneLine {
  Rational a;
  Rational b;
  Rational c;
};

// The point where two lines meet; nothing where they are parallel.
std::optional<PlanePoint> Intersection(const PlaneLine& p, const PlaneLine& q);

// The convex polygon `polygon` (corners in order) cut down to `h`; repeated
// corners are dropped, so a region shrunk to a segment or a point keeps two
// corners or one.
std::vector<PlanePoint> ClipPolygon(const std::vector<PlanePoint>& polygon, const HalfPlane& h);

// The part of `line` inside every half-plane of `planes`, if any; the planes
// must bound it (a frame does).
std::optional<PlaneSegment> ClipLine(const PlaneLine& line, const std::vector<HalfPlane>& planes);

// The part of the ray from `start` in direction `direction` inside `planes`,
// from `start` on; nothing where `start` lies outside.
std::optional<PlaneSegment> ClipRay(const PlanePoint& start, const PlanePoint& direction,
                                    const std::vector<HalfPlane>& planes);

// The frame [x0, x1] x [y0, y1] as four half-planes and as a polygon.
std::vector<HalfPlane> FramePlanes(const Rational& x0, const Rational& x1, const Rational& y0,
                                   const Rational& y1);
std::vector<PlanePoint> FramePolygon(const Rational& x0, const Rational& x1, const Rational& y0,
                                     const Rational& y1);

}  // namespace pivora
