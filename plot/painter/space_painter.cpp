#include "plot/painter/space_painter.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <utility>

#include "plot/painter/paint_parts.h"

namespace pivora {

namespace {

using Screen = std::array<double, 3>;

double Dot(const Screen& a, const Screen& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// The area of the picture below the title and above the notes.
QRectF SpaceRect(const QRectF& area, int noteCount) {
  return area.adjusted(24, 56, -24, -(34 + kLineHeight * noteCount));
}

std::vector<QString> NoteLines(const GraphicalSolution& plot) {
  std::vector<QString> lines;
  if (plot.space->path.size() > 1) lines.push_back(PathLegend(plot));
  for (const std::string& note : plot.notes) lines.push_back(PlotText(note));
  return lines;
}

// The box mapped onto the cube [-1, 1]^3, exactly, then turned and scaled
// onto the screen: the same scale on every turn, so that turning never
// changes the size.
class SpaceView {
 public:
  SpaceView(const SpaceSolution& space, const QRectF& rect, const SpaceTurn& turn)
      : centre_(rect.center()),
        scale_(std::min(rect.width(), rect.height()) / (2 * std::sqrt(3.0))) {
    for (std::size_t k = 0; k < 3; ++k) {
      mid_[k] = (space.lo[k] + space.hi[k]) / 2;
      half_[k] = (space.hi[k] - space.lo[k]) / 2;
    }
    const double az = turn.azimuth * M_PI / 180;
    const double el = turn.elevation * M_PI / 180;
    right_ = {-std::sin(az), std::cos(az), 0};
    up_ = {-std::sin(el) * std::cos(az), -std::sin(el) * std::sin(az), std::cos(el)};
    toward_ = {std::cos(el) * std::cos(az), std::cos(el) * std::sin(az), std::sin(el)};
  }

  QPointF At(const SpacePoint& p) const {
    const Screen u = Cube(p);
    return centre_ + QPointF(Dot(u, right_), -Dot(u, up_)) * scale_;
  }
  // Larger is nearer the viewer.
  double Depth(const SpacePoint& p) const { return Dot(Cube(p), toward_); }

  // The screen direction of the displacement d, of length 1 (0 for none).
  QPointF Along(const SpacePoint& d) const {
    const Screen u = Scaled(d, true);
    return Unit(QPointF(Dot(u, right_), -Dot(u, up_)));
  }
  // Whether the side of a face whose outward normal is a looks at the viewer.
  bool Faces(const SpacePoint& a) const { return Dot(Scaled(a, false), toward_) > 0; }

 private:
  Screen Cube(const SpacePoint& p) const {
    Screen u;
    for (std::size_t k = 0; k < 3; ++k) u[k] = Rational((p[k] - mid_[k]) / half_[k]).get_d();
    return u;
  }
  // A displacement (divided by the half widths) or a normal (multiplied by
  // them) in the cube's units, exact up to one common scale so that no part
  // overflows a double.
  Screen Scaled(const SpacePoint& v, bool displacement) const {
    std::array<Rational, 3> w;
    Rational largest = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      w[k] = displacement ? Rational(v[k] / half_[k]) : Rational(v[k] * half_[k]);
      largest = std::max(largest, Rational(abs(w[k])));
    }
    Screen u{0, 0, 0};
    if (largest == 0) return u;
    for (std::size_t k = 0; k < 3; ++k) u[k] = Rational(w[k] / largest).get_d();
    return u;
  }

  QPointF centre_;
  double scale_;
  std::array<Rational, 3> mid_;
  std::array<Rational, 3> half_;
  Screen right_;
  Screen up_;
  Screen toward_;
};

class SpacePicture {
 public:
  SpacePicture(QPainter& painter, const GraphicalSolution& plot, const QRectF& rect,
               const SpaceTurn& turn)
      : p_(painter), plot_(plot), space_(*plot.space), rect_(rect), view_(space_, rect, turn) {
    for (const SpacePoint& v : space_.region.vertices) corners_.push_back(view_.At(v));
  }

  void Box() {
    p_.setPen(QPen(QColor(205, 205, 205), 1));
    for (int a = 0; a < 8; ++a) {
      for (int k = 0; k < 3; ++k) {
        const int b = a | (1 << k);
        if (b != a) p_.drawLine(view_.At(BoxCorner(a)), view_.At(BoxCorner(b)));
      }
    }
  }

  void Axes() {
    static const char* const kNames[] = {"x1", "x2", "x3"};
    for (std::size_t k = 0; k < 3; ++k) {
      SpacePoint from{0, 0, 0};
      SpacePoint to{0, 0, 0};
      from[k] = space_.lo[k];
      to[k] = space_.hi[k];
      const QPointF a = view_.At(from);
      const QPointF b = view_.At(to);
      p_.setPen(QPen(Qt::black, 1.2));
      Arrow(p_, a, b, 8);
      p_.setFont(PlotFont(13, true));
      const QPointF d = Unit(b - a);
      p_.drawText(QRectF(b.x() + d.x() * 14 - 15, b.y() + d.y() * 14 - 9, 30, 18), Qt::AlignCenter,
                  QString::fromLatin1(kNames[k]));
      // The ticks: a short stroke across the axis and the value beside it.
      const QPointF side(-d.y(), d.x());
      p_.setFont(PlotFont(10));
      const AxisTicks& ticks = space_.ticks[k];
      for (Rational t = ticks.first; t <= ticks.last; t += ticks.step) {
        if (t == 0) continue;
        SpacePoint at{0, 0, 0};
        at[k] = t;
        const QPointF q = view_.At(at);
        p_.setPen(QPen(Qt::black, 1));
        p_.drawLine(q - side * 3, q + side * 3);
        p_.setPen(QColor(90, 90, 90));
        const QPointF spot = q + side * 12;
        p_.drawText(QRectF(spot.x() - 30, spot.y() - 7, 60, 14), Qt::AlignCenter,
                    PlotText(plot_.numbers.Text(t)));
      }
    }
  }

  // The planes, farthest first, each a veil in its row's colour.
  void Planes() {
    std::vector<const SpaceConstraint*> order;
    for (const SpaceConstraint& c : space_.constraints) {
      if (c.shown.size() >= 3) order.push_back(&c);
    }
    std::sort(order.begin(), order.end(),
              [this](const SpaceConstraint* a, const SpaceConstraint* b) {
                return MeanDepth(a->shown) < MeanDepth(b->shown);
              });
    p_.setFont(PlotFont(12, true));
    for (const SpaceConstraint* c : order) {
      QColor colour = LineColour(static_cast<std::size_t>(c->row - 1));
      QPolygonF polygon;
      for (const SpacePoint& q : c->shown) polygon << view_.At(q);
      QColor fill = colour;
      fill.setAlpha(26);
      QColor edge = colour;
      edge.setAlpha(150);
      p_.setBrush(fill);
      p_.setPen(QPen(edge, c->relation == 0 ? 2.2 : 1));
      p_.drawPolygon(polygon);
      // The label inside the plane's topmost corner.
      const QPointF top = *std::min_element(polygon.begin(), polygon.end(),
                                            [](QPointF a, QPointF b) { return a.y() < b.y(); });
      const QPointF centre = std::accumulate(polygon.begin(), polygon.end(), QPointF(0, 0)) /
                             static_cast<double>(polygon.size());
      const QPointF spot = top + (centre - top) * 0.18;
      p_.setPen(colour);
      p_.drawText(QRectF(spot.x() - 30, spot.y() - 8, 60, 16), Qt::AlignCenter,
                  QStringLiteral("NB %1").arg(c->row));
    }
  }

  // The faces away from the viewer, then those towards it, then the edges:
  // hidden ones dashed, those on the box dotted.
  void Region() {
    const SpacePolytope& region = space_.region;
    if (region.dimension < 2) {
      QColor colour = QColor(kRegionFill).darker(130);
      p_.setPen(QPen(colour, 8, Qt::SolidLine, Qt::RoundCap));
      if (region.dimension == 0) p_.drawPoint(corners_.front());
      if (region.dimension == 1) p_.drawLine(corners_.front(), corners_.back());
      return;
    }
    std::vector<bool> front(region.faces.size());
    for (std::size_t f = 0; f < region.faces.size(); ++f) {
      front[f] = region.dimension == 2 || view_.Faces(FaceNormal(f));
    }
    for (const bool towards : {false, true}) {
      for (std::size_t f = 0; f < region.faces.size(); ++f) {
        if (front[f] != towards) continue;
        QColor fill(kRegionFill);
        fill.setAlpha(space_.faceCut[f] ? 70 : towards ? 150 : 110);
        p_.setPen(Qt::NoPen);
        p_.setBrush(fill);
        p_.drawPolygon(Polygon(region.faces[f].corners));
      }
    }
    const QColor edgeColour = QColor(kRegionFill).darker(210);
    for (const SpacePolytope::Edge& e : region.edges) {
      bool seen = e.faces.empty();
      bool cut = false;
      for (const int f : e.faces) {
        seen = seen || front[static_cast<std::size_t>(f)];
        cut = cut || space_.faceCut[static_cast<std::size_t>(f)];
      }
      // An edge of a face on the box is where the box cuts the region.
      const Qt::PenStyle style = cut ? Qt::DotLine : seen ? Qt::SolidLine : Qt::DashLine;
      p_.setPen(QPen(seen ? edgeColour : edgeColour.lighter(150), seen ? 1.6 : 1, style));
      p_.drawLine(corners_[static_cast<std::size_t>(e.from)],
                  corners_[static_cast<std::size_t>(e.to)]);
    }
  }

  void OptimalSet() {
    const std::vector<SpacePoint>& set = space_.optimalSet;
    if (set.size() < 2) return;
    QColor colour(kOptimumMarker);
    if (set.size() == 2) {
      colour.setAlpha(200);
      p_.setPen(QPen(colour, 7, Qt::SolidLine, Qt::RoundCap));
      p_.drawLine(view_.At(set[0]), view_.At(set[1]));
      return;
    }
    QPolygonF polygon;
    for (const SpacePoint& q : set) polygon << view_.At(q);
    QColor fill = colour;
    fill.setAlpha(80);
    p_.setBrush(fill);
    p_.setPen(QPen(colour, 2.4));
    p_.drawPolygon(polygon);
  }

  void Objective() {
    if (space_.optima.empty()) return;
    const QPointF from = view_.At(space_.optima.front().at);
    const QPointF d = view_.Along(space_.improvement);
    if (d.isNull()) return;
    p_.setPen(QPen(QColor(kObjectiveColour), 2.2));
    Arrow(p_, from, from + d * 50);
    p_.setFont(PlotFont(12, true));
    p_.drawText(QRectF(from.x() + d.x() * 62 - 10, from.y() + d.y() * 62 - 8, 20, 16),
                Qt::AlignCenter, QStringLiteral("Z"));
  }

  void Unbounded() {
    if (!space_.unboundedRay) return;
    PaintUnboundedRay(p_, view_.At((*space_.unboundedRay)[0]), view_.At((*space_.unboundedRay)[1]));
  }

  void Path() {
    std::vector<QPointF> points;
    for (const SpaceVertex& v : space_.path) points.push_back(view_.At(v.at));
    PaintPath(p_, points, [this](QPointF at, const QString& text) {
      p_.drawText(QRectF(at.x() - 60, at.y() - 21, 54, 16), Qt::AlignRight | Qt::AlignVCenter,
                  text);
    });
  }

  void Optima() {
    p_.setFont(PlotFont(12, true));
    int k = 0;
    for (const SpaceVertex& v : space_.optima) {
      const QPointF at = view_.At(v.at);
      p_.setPen(QPen(Qt::white, 1.5));
      p_.setBrush(QColor(kOptimumMarker));
      p_.drawEllipse(at, 6.5, 6.5);
      p_.setPen(QColor(kOptimumMarker));
      p_.drawText(QRectF(at.x() + 9, at.y() + 2, 90, 16), Qt::AlignLeft | Qt::AlignVCenter,
                  QStringLiteral("%1. Lösung").arg(++k));
    }
  }

  std::vector<PlotHotspot> Hotspots() const {
    return NamedHotspots(
        space_.optima, space_.path, space_.vertices,
        [this](const SpacePoint& p) { return view_.At(p); },
        [this](const SpaceVertex& v) { return PlotText(SpaceVertexText(plot_, v)); });
  }

 private:
  SpacePoint BoxCorner(int bits) const {
    SpacePoint p;
    for (std::size_t k = 0; k < 3; ++k) p[k] = (bits >> k) & 1 ? space_.hi[k] : space_.lo[k];
    return p;
  }

  double MeanDepth(const std::vector<SpacePoint>& points) const {
    double sum = 0;
    for (const SpacePoint& q : points) sum += view_.Depth(q);
    return sum / static_cast<double>(points.size());
  }

  // The outward normal of region face f, from three of its corners.
  SpacePoint FaceNormal(std::size_t f) const {
    const std::vector<int>& c = space_.region.faces[f].corners;
    const auto at = [this](int i) -> const SpacePoint& {
      return space_.region.vertices[static_cast<std::size_t>(i)];
    };
    return Cross(Minus(at(c[1]), at(c[0])), Minus(at(c[2]), at(c[1])));
  }

  QPolygonF Polygon(const std::vector<int>& corners) const {
    QPolygonF polygon;
    for (const int i : corners) polygon << corners_[static_cast<std::size_t>(i)];
    return polygon;
  }

  QPainter& p_;
  const GraphicalSolution& plot_;
  const SpaceSolution& space_;
  QRectF rect_;
  SpaceView view_;
  std::vector<QPointF> corners_;  // the region's vertices on the screen
};

bool Drawable(const GraphicalSolution& plot) {
  return plot.outcome == PlotOutcome::kOptimum || plot.outcome == PlotOutcome::kUnbounded ||
         plot.outcome == PlotOutcome::kInfeasible;
}

}  // namespace

QPointF SpaceScreenPoint(const GraphicalSolution& plot, const QRectF& area, const SpaceTurn& turn,
                         const SpacePoint& p) {
  const QRectF rect = SpaceRect(area, static_cast<int>(NoteLines(plot).size()));
  return SpaceView(*plot.space, rect, turn).At(p);
}

PaintedPlot PaintSpacePlot(QPainter& painter, const GraphicalSolution& plot, const QRectF& area,
                           const SpaceTurn& turn) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(area, Qt::white);
  const std::vector<QString> notes = NoteLines(plot);
  const QRectF rect = SpaceRect(area, static_cast<int>(notes.size()));
  PaintedPlot painted;
  if (Drawable(plot)) {
    SpacePicture picture(painter, plot, rect, turn);
    painter.save();
    painter.setClipRect(area);
    picture.Box();
    picture.Planes();
    picture.Region();
    picture.Axes();
    picture.OptimalSet();
    picture.Unbounded();
    picture.Path();
    picture.Optima();
    picture.Objective();
    painter.restore();
    painted.hotspots = picture.Hotspots();
  }
  PaintHeadings(painter, plot, area, rect, notes);
  painter.restore();
  return painted;
}

}  // namespace pivora
