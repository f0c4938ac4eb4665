#include "plot/plane.h"

namespace pivora {

namespace {

PlanePoint At(const PlanePoint& p, const PlanePoint& d, const Rational& t) {
  return {p.x + t * d.x, p.y + t * d.y};
}

// Cuts the parameter range [lo, hi] of p + t d down to `planes`; an unset end
// is unbounded. False where nothing is left.
bool CutRange(const PlanePoint& p, const PlanePoint& d, const std::vector<HalfPlane>& planes,
              std::optional<Rational>& lo, std::optional<Rational>& hi) {
  for (const HalfPlane& h : planes) {
    const Rational k = h.a * d.x + h.b * d.y;
    const Rational r = h.c - h.a * p.x - h.b * p.y;
    if (k == 0) {
      if (r < 0) return false;
      continue;
    }
    const Rational t = r / k;
    if (k > 0) {
      if (!hi || t < *hi) hi = t;
    } else if (!lo || t > *lo) {
      lo = t;
    }
  }
  return !(lo && hi && *lo > *hi);
}

}  // namespace

std::optional<PlanePoint> Intersection(const PlaneLine& p, const PlaneLine& q) {
  const Rational det = p.a * q.b - p.b * q.a;
  if (det == 0) return std::nullopt;
  return PlanePoint{(p.c * q.b - p.b * q.c) / det, (p.a * q.c - p.c * q.a) / det};
}

std::vector<PlanePoint> ClipPolygon(const std::vector<PlanePoint>& polygon, const HalfPlane& h) {
  std::vector<PlanePoint> out;
  const auto add = [&out](PlanePoint p) {
    if (out.empty() || !(out.back() == p)) out.push_back(std::move(p));
  };
  const std::size_t count = polygon.size();
  for (std::size_t k = 0; k < count; ++k) {
    const PlanePoint& p = polygon[k];
    const PlanePoint& q = polygon[(k + 1) % count];
    const Rational fp = h.a * p.x + h.b * p.y - h.c;
    const Rational fq = h.a * q.x + h.b * q.y - h.c;
    if (fp <= 0) add(p);
    if ((fp < 0 && fq > 0) || (fp > 0 && fq < 0)) {
      const Rational t = fp / (fp - fq);
      add(At(p, PlanePoint{q.x - p.x, q.y - p.y}, t));
    }
  }
  while (out.size() > 1 && out.front() == out.back()) out.pop_back();
  return out;
}

std::optional<PlaneSegment> ClipLine(const PlaneLine& line, const std::vector<HalfPlane>& planes) {
  // A point of the line, and its direction.
  const PlanePoint p =
      line.a != 0 ? PlanePoint{line.c / line.a, 0} : PlanePoint{0, line.c / line.b};
  const PlanePoint d{-line.b, line.a};
  std::optional<Rational> lo;
  std::optional<Rational> hi;
  if (!CutRange(p, d, planes, lo, hi) || !lo || !hi) return std::nullopt;
  return PlaneSegment{At(p, d, *lo), At(p, d, *hi)};
}

std::optional<PlaneSegment> ClipRay(const PlanePoint& start, const PlanePoint& direction,
                                    const std::vector<HalfPlane>& planes) {
  std::optional<Rational> lo = Rational(0);
  std::optional<Rational> hi;
  if (!CutRange(start, direction, planes, lo, hi) || !hi || *lo != 0) return std::nullopt;
  return PlaneSegment{start, At(start, direction, *hi)};
}

std::vector<HalfPlane> FramePlanes(const Rational& x0, const Rational& x1, const Rational& y0,
                                   const Rational& y1) {
  return {{-1, 0, -x0}, {1, 0, x1}, {0, -1, -y0}, {0, 1, y1}};
}

std::vector<PlanePoint> FramePolygon(const Rational& x0, const Rational& x1, const Rational& y0,
                                     const Rational& y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

}  // namespace pivora
