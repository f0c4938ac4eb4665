#include "plot/space_geometry.h"

#include <algorithm>
#include <map>
#include <utility>

namespace pivora {

namespace {

using IntegerVector = std::array<mpz_class, 3>;

// a . x <= b over the integers: the half-space times the least common
// multiple of its denominators.
struct IntegerPlane {
  IntegerVector a;
  mpz_class b;
};

IntegerPlane Scaled(const HalfSpace& h) {
  mpz_class scale = h.b.get_den();
  for (const Rational& q : h.a) mpz_lcm(scale.get_mpz_t(), scale.get_mpz_t(), q.get_den_mpz_t());
  IntegerPlane p;
  for (int k = 0; k < 3; ++k) {
    p.a[k] = h.a[k].get_num() * (scale / h.a[k].get_den());
  }
  p.b = h.b.get_num() * (scale / h.b.get_den());
  return p;
}

IntegerVector CrossOf(const IntegerVector& p, const IntegerVector& q) {
  return {p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2], p[0] * q[1] - p[1] * q[0]};
}

mpz_class DotOf(const IntegerVector& p, const IntegerVector& q) {
  return p[0] * q[0] + p[1] * q[1] + p[2] * q[2];
}

bool Lexicographic(const SpacePoint& p, const SpacePoint& q) {
  for (int k = 0; k < 3; ++k) {
    if (p[k] != q[k]) return p[k] < q[k];
  }
  return false;
}

bool IsZero(const SpacePoint& p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

// Whether the points `indices` of `points` span a plane (not all on a line).
bool SpanAPlane(const std::vector<SpacePoint>& points, const std::vector<int>& indices) {
  const SpacePoint& p0 = points[static_cast<std::size_t>(indices[0])];
  std::size_t k = 1;
  while (k < indices.size() && points[static_cast<std::size_t>(indices[k])] == p0) ++k;
  if (k == indices.size()) return false;
  const SpacePoint d = Minus(points[static_cast<std::size_t>(indices[k])], p0);
  for (std::size_t j = k + 1; j < indices.size(); ++j) {
    if (!IsZero(Cross(d, Minus(points[static_cast<std::size_t>(indices[j])], p0)))) return true;
  }
  return false;
}

int Dimension(const std::vector<SpacePoint>& v) {
  if (v.empty()) return -1;
  std::size_t k = 1;
  while (k < v.size() && v[k] == v[0]) ++k;
  if (k == v.size()) return 0;
  const SpacePoint d = Minus(v[k], v[0]);
  std::size_t j = k + 1;
  SpacePoint normal{};
  for (; j < v.size() && IsZero(normal); ++j) normal = Cross(d, Minus(v[j], v[0]));
  if (IsZero(normal)) return 1;
  for (; j < v.size(); ++j) {
    if (Dot(normal, Minus(v[j], v[0])) != 0) return 3;
  }
  return 2;
}

}  // namespace

Rational Dot(const SpacePoint& p, const SpacePoint& q) {
  return p[0] * q[0] + p[1] * q[1] + p[2] * q[2];
}

SpacePoint Cross(const SpacePoint& p, const SpacePoint& q) {
  return {p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2], p[0] * q[1] - p[1] * q[0]};
}

SpacePoint Minus(const SpacePoint& p, const SpacePoint& q) {
  return {p[0] - q[0], p[1] - q[1], p[2] - q[2]};
}

std::optional<SpacePoint> Meet(const HalfSpace& p, const HalfSpace& q, const HalfSpace& r) {
  const SpacePoint qr = Cross(q.a, r.a);
  const Rational d = Dot(p.a, qr);
  if (d == 0) return std::nullopt;
  const SpacePoint rp = Cross(r.a, p.a);
  const SpacePoint pq = Cross(p.a, q.a);
  SpacePoint x;
  for (int c = 0; c < 3; ++c) x[c] = (p.b * qr[c] + q.b * rp[c] + r.b * pq[c]) / d;
  return x;
}

std::vector<SpacePoint> Vertices(const std::vector<HalfSpace>& h) {
  std::vector<IntegerPlane> planes;
  planes.reserve(h.size());
  for (const HalfSpace& s : h) planes.push_back(Scaled(s));
  const std::size_t count = planes.size();
  // The cross products of every pair of normals, each made once.
  std::vector<IntegerVector> cross(count * count);
  for (std::size_t i = 0; i < count; ++i) {
    for (std::size_t j = i + 1; j < count; ++j)
      cross[i * count + j] = CrossOf(planes[i].a, planes[j].a);
  }
  std::vector<SpacePoint> found;
  IntegerVector x;
  mpz_class lhs;
  mpz_class rhs;
  for (std::size_t i = 0; i < count; ++i) {
    for (std::size_t j = i + 1; j < count; ++j) {
      for (std::size_t k = j + 1; k < count; ++k) {
        // Cramer's rule by cross products: D x = b_i (a_j x a_k) +
        // b_j (a_k x a_i) + b_k (a_i x a_j), D = a_i . (a_j x a_k).
        const IntegerVector& jk = cross[j * count + k];
        mpz_class d = DotOf(planes[i].a, jk);
        if (d == 0) continue;
        const IntegerVector& ij = cross[i * count + j];
        const IntegerVector& ik = cross[i * count + k];  // a_k x a_i = -(a_i x a_k)
        for (int c = 0; c < 3; ++c)
          x[c] = planes[i].b * jk[c] - planes[j].b * ik[c] + planes[k].b * ij[c];
        if (d < 0) {
          d = -d;
          for (mpz_class& v : x) v = -v;
        }
        bool inside = true;
        for (std::size_t p = 0; p < count && inside; ++p) {
          lhs = DotOf(planes[p].a, x);
          rhs = planes[p].b * d;
          inside = lhs <= rhs;
        }
        if (!inside) continue;
        SpacePoint point;
        for (int c = 0; c < 3; ++c) {
          point[c] = Rational(x[c], d);
          point[c].canonicalize();
        }
        found.push_back(std::move(point));
      }
    }
  }
  std::sort(found.begin(), found.end(), Lexicographic);
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

std::vector<int> OrderAround(const std::vector<SpacePoint>& points, std::vector<int> indices,
                             const SpacePoint& normal) {
  if (indices.size() < 3) return indices;
  const auto at = [&points](int i) -> const SpacePoint& {
    return points[static_cast<std::size_t>(i)];
  };
  SpacePoint centre{};
  for (const int i : indices) {
    for (int c = 0; c < 3; ++c) centre[c] += at(i)[c];
  }
  for (Rational& c : centre) c /= static_cast<long>(indices.size());
  // Around the centre in the coordinate plane that the normal is least
  // parallel to: by the half of the turn, then by the turn between two.
  int drop = 0;
  for (int c = 1; c < 3; ++c) {
    if (abs(normal[c]) > abs(normal[drop])) drop = c;
  }
  const int u = (drop + 1) % 3;
  const int v = (drop + 2) % 3;
  const auto half = [&](int i) {
    const Rational du = at(i)[u] - centre[u];
    const Rational dv = at(i)[v] - centre[v];
    return dv < 0 || (dv == 0 && du < 0);
  };
  std::sort(indices.begin(), indices.end(), [&](int p, int q) {
    const bool hp = half(p);
    const bool hq = half(q);
    if (hp != hq) return hq;
    const Rational turn = (at(p)[u] - centre[u]) * (at(q)[v] - centre[v]) -
                          (at(p)[v] - centre[v]) * (at(q)[u] - centre[u]);
    return turn > 0;
  });
  // Newell's sum: twice the polygon's area vector, which points to the side
  // from which the order is counter-clockwise.
  SpacePoint area{};
  for (std::size_t k = 0; k < indices.size(); ++k) {
    const SpacePoint c = Cross(at(indices[k]), at(indices[(k + 1) % indices.size()]));
    for (int e = 0; e < 3; ++e) area[e] += c[e];
  }
  if (Dot(area, normal) < 0) std::reverse(indices.begin(), indices.end());
  return indices;
}

SpacePolytope BuildPolytope(const std::vector<HalfSpace>& h) {
  SpacePolytope polytope;
  polytope.vertices = Vertices(h);
  const std::vector<SpacePoint>& v = polytope.vertices;
  polytope.dimension = Dimension(v);
  if (polytope.dimension == 1) {
    polytope.edges.push_back({0, static_cast<int>(v.size()) - 1, {}});
  }
  if (polytope.dimension < 2) return polytope;
  std::vector<std::vector<int>> seen;
  for (std::size_t s = 0; s < h.size(); ++s) {
    std::vector<int> on;
    for (std::size_t i = 0; i < v.size(); ++i) {
      if (Dot(h[s].a, v[i]) == h[s].b) on.push_back(static_cast<int>(i));
    }
    if (on.size() < 3 || !SpanAPlane(v, on)) continue;
    if (std::find(seen.begin(), seen.end(), on) != seen.end()) continue;
    seen.push_back(on);
    polytope.faces.push_back({OrderAround(v, on, h[s].a), static_cast<int>(s)});
  }
  std::map<std::pair<int, int>, std::size_t> edgeOf;
  for (std::size_t f = 0; f < polytope.faces.size(); ++f) {
    const std::vector<int>& corners = polytope.faces[f].corners;
    for (std::size_t k = 0; k < corners.size(); ++k) {
      const int a = corners[k];
      const int b = corners[(k + 1) % corners.size()];
      const std::pair<int, int> key{std::min(a, b), std::max(a, b)};
      auto [it, fresh] = edgeOf.emplace(key, polytope.edges.size());
      if (fresh) polytope.edges.push_back({key.first, key.second, {}});
      polytope.edges[it->second].faces.push_back(static_cast<int>(f));
    }
  }
  return polytope;
}

}  // namespace pivora
