#include "plot/painter/plot_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <map>
#include <utility>

#include "plot/painter/branch_painter.h"
#include "plot/painter/paint_parts.h"
#include "plot/painter/space_painter.h"

namespace pivora {

namespace {

constexpr QRgb kThinRegion = qRgb(70, 130, 200);
constexpr QRgb kGridColour = qRgb(232, 232, 232);

// The notes under the picture: the legend of the path, then the plot's own.
std::vector<QString> NoteLines(const GraphicalSolution& plot, bool thinRegion) {
  std::vector<QString> lines;
  if (plot.path.size() > 1) lines.push_back(PathLegend(plot));
  if (thinRegion) {
    lines.push_back(
        QStringLiteral("Der zulässige Bereich ist schmaler als ein Pixel und breiter gezeichnet."));
  }
  for (const std::string& note : plot.notes) lines.push_back(PlotText(note));
  return lines;
}

// The rectangle of the plane inside `area`, with room for the title, the
// tick labels and the notes.
QRectF PlotRect(const QRectF& area, int noteCount) {
  const double bottom = 44 + kLineHeight * noteCount;
  return area.adjusted(64, 56, -28, -bottom);
}

double Fraction(const Rational& v, const Rational& lo, const Rational& hi) {
  return Rational((v - lo) / (hi - lo)).get_d();
}

class Picture {
 public:
  Picture(QPainter& painter, const GraphicalSolution& plot, const QRectF& area, QRectF rect)
      : p_(painter), plot_(plot), area_(area), rect_(rect) {}

  QPointF At(const PlanePoint& q) const {
    return {rect_.left() + Fraction(q.x, plot_.x0, plot_.x1) * rect_.width(),
            rect_.bottom() - Fraction(q.y, plot_.y0, plot_.y1) * rect_.height()};
  }

  // The screen direction in which a x + b y grows.
  QPointF Rising(const Rational& a, const Rational& b) const {
    // Exact up to one common scale, so that no part overflows a double.
    const Rational u = a * (plot_.x1 - plot_.x0);
    const Rational v = b * (plot_.y1 - plot_.y0);
    const Rational scale = std::max(Rational(abs(u)), Rational(abs(v)));
    if (scale == 0) return {0, 0};
    return Unit(QPointF(Rational(u / scale).get_d() / rect_.width(),
                        -Rational(v / scale).get_d() / rect_.height()));
  }

  void Grid() {
    p_.setPen(QPen(QColor(kGridColour), 1));
    p_.setFont(PlotFont(11));
    const ViewNumbers& numbers = plot_.numbers;
    for (Rational x = plot_.xTicks.first; x <= plot_.xTicks.last; x += plot_.xTicks.step) {
      const double sx = At({x, 0}).x();
      p_.setPen(QPen(QColor(kGridColour), 1));
      p_.drawLine(QPointF(sx, rect_.top()), QPointF(sx, rect_.bottom()));
      p_.setPen(Qt::black);
      p_.drawText(QRectF(sx - 40, rect_.bottom() + 4, 80, 14), Qt::AlignHCenter | Qt::AlignTop,
                  PlotText(numbers.Text(x)));
    }
    if (plot_.n == 2) {
      for (Rational y = plot_.yTicks.first; y <= plot_.yTicks.last; y += plot_.yTicks.step) {
        const double sy = At({0, y}).y();
        p_.setPen(QPen(QColor(kGridColour), 1));
        p_.drawLine(QPointF(rect_.left(), sy), QPointF(rect_.right(), sy));
        p_.setPen(Qt::black);
        p_.drawText(QRectF(rect_.left() - 64, sy - 7, 58, 14), Qt::AlignRight | Qt::AlignVCenter,
                    PlotText(numbers.Text(y)));
      }
    }
    p_.setPen(QPen(QColor(180, 180, 180), 1));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(rect_);
  }

  // Returns whether the region had to be widened to be seen.
  bool Region() {
    const std::vector<PlanePoint>& region = plot_.region;
    if (region.empty()) return false;
    QPolygonF polygon;
    for (const PlanePoint& q : region) polygon << At(q);
    double area = 0;
    double perimeter = 0;
    for (qsizetype k = 0; k < polygon.size(); ++k) {
      const QPointF a = polygon[k];
      const QPointF b = polygon[(k + 1) % polygon.size()];
      area += a.x() * b.y() - b.x() * a.y();
      perimeter += std::hypot(b.x() - a.x(), b.y() - a.y());
    }
    if (polygon.size() < 3) {
      // A segment (an equation, or one variable) or a single point: a band
      // along it.
      p_.setPen(QPen(QColor(kRegionFill), 12, Qt::SolidLine, Qt::RoundCap));
      if (polygon.size() == 1) {
        p_.drawPoint(polygon.front());
      } else {
        p_.drawLine(polygon[0], polygon[1]);
      }
      return false;
    }
    // Twice the area over the perimeter: about the width of a thin region.
    const bool thin = std::abs(area) / std::max(perimeter, 1e-9) < 0.5;
    p_.setPen(Qt::NoPen);
    p_.setBrush(QColor(kRegionFill));
    p_.drawPolygon(polygon);
    if (thin) {
      p_.setPen(QPen(QColor(kThinRegion), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p_.setBrush(Qt::NoBrush);
      p_.drawPolygon(polygon);
    }
    return thin;
  }

  void Axes() {
    p_.setPen(QPen(Qt::black, 1.2));
    p_.setFont(PlotFont(13, true));
    if (plot_.y0 <= 0 && plot_.y1 >= 0) {
      const double sy = At({0, 0}).y();
      Arrow(p_, QPointF(rect_.left(), sy), QPointF(rect_.right() + 12, sy), 8);
      p_.drawText(QPointF(rect_.right() + 2, sy + 20), QStringLiteral("x1"));
    }
    if (plot_.n == 2 && plot_.x0 <= 0 && plot_.x1 >= 0) {
      const double sx = At({0, 0}).x();
      Arrow(p_, QPointF(sx, rect_.bottom()), QPointF(sx, rect_.top() - 12), 8);
      p_.drawText(QPointF(sx + 6, rect_.top() - 2), QStringLiteral("x2"));
    }
  }

  void Constraints() {
    p_.setFont(PlotFont(12, true));
    std::size_t k = 0;
    for (const PlotConstraint& c : plot_.constraints) {
      const QColor colour(LineColour(k++));
      if (!c.shown) continue;
      const QPointF a = At(c.shown->from);
      const QPointF b = At(c.shown->to);
      p_.setPen(QPen(colour, c.relation == 0 ? 2.6 : 1.6));
      p_.drawLine(a, b);
      // Short strokes on the side the constraint allows.
      const QPointF side = Rising(c.line.a, c.line.b) * (c.relation < 0 ? -1.0 : 1.0);
      if (c.relation != 0) {
        p_.setPen(QPen(colour, 1.2));
        for (int s = 1; s <= 9; ++s) {
          const QPointF on = a + (b - a) * (s / 10.0);
          p_.drawLine(on, on + side * 7);
        }
      }
      // The label near the upper end (the right end of a level line), on
      // the side the constraint cuts off.
      const QPointF end = (b.y() < a.y() || (b.y() == a.y() && b.x() > a.x())) ? b : a;
      const QPointF other = end == b ? a : b;
      const QPointF spot = end + (other - end) * 0.1 - side * 14;
      p_.setPen(colour);
      const QString label = QStringLiteral("NB %1").arg(c.row);
      p_.drawText(QRectF(spot.x() - 30, spot.y() - 8, 60, 16), Qt::AlignCenter, label);
    }
  }

  void Objective() {
    if (!plot_.objectiveLine || plot_.optima.empty()) return;
    const QPointF a = At(plot_.objectiveLine->from);
    const QPointF b = At(plot_.objectiveLine->to);
    p_.setPen(QPen(QColor(kObjectiveColour), 1.6, Qt::DashLine));
    p_.drawLine(a, b);
    const QPointF from = At(plot_.optima.front().at);
    const QPointF d = Rising(plot_.improvement.x, plot_.improvement.y);
    p_.setPen(QPen(QColor(kObjectiveColour), 2.2));
    Arrow(p_, from, from + d * 46);
    p_.setFont(PlotFont(12, true));
    const QPointF labelAt = from + d * 52 + QPointF(-20, d.y() < 0 ? -6 : 14);
    p_.drawText(labelAt, QStringLiteral("Z"));
    if (plot_.optimalEdge) {
      p_.setPen(QPen(QColor(kOptimumMarker), 9, Qt::SolidLine, Qt::RoundCap));
      p_.drawLine(At(plot_.optimalEdge->from), At(plot_.optimalEdge->to));
    }
  }

  void Unbounded() {
    if (!plot_.unboundedRay) return;
    PaintUnboundedRay(p_, At(plot_.unboundedRay->from), At(plot_.unboundedRay->to));
  }

  void Path() {
    if (plot_.path.size() < 2) return;
    std::vector<QPointF> points;
    for (const PlotVertex& v : plot_.path) points.push_back(At(v.at));
    PaintPath(p_, points, [this](QPointF at, const QString& text) { DrawLabel(at, text, false); });
  }

  void Optima() {
    p_.setFont(PlotFont(12, true));
    int k = 0;
    for (const PlotVertex& v : plot_.optima) {
      const QPointF at = At(v.at);
      p_.setPen(QPen(Qt::white, 1.5));
      p_.setBrush(QColor(kOptimumMarker));
      p_.drawEllipse(at, 6.5, 6.5);
      p_.setPen(QColor(kOptimumMarker));
      DrawLabel(at, QStringLiteral("%1. Lösung").arg(++k), true);
    }
  }

  void Headings(const std::vector<QString>& notes) {
    PaintHeadings(p_, plot_, area_, rect_, notes);
  }

  // A point's label: below right of it (`below`) or above left, moved to the
  // other side where it would leave the frame.
  void DrawLabel(QPointF at, const QString& text, bool below) {
    const double width = QFontMetricsF(p_.font()).horizontalAdvance(text) + 2;
    const double y = below ? at.y() + 2 : at.y() - 20;
    bool right = below;
    if (right && at.x() + 9 + width > rect_.right()) right = false;
    if (!right && at.x() - 6 - width < rect_.left()) right = true;
    const QRectF box =
        right ? QRectF(at.x() + 9, y, width, 16) : QRectF(at.x() - 6 - width, y, width, 16);
    p_.drawText(box, Qt::AlignCenter, text);
  }

  std::vector<PlotHotspot> Hotspots() const {
    return NamedHotspots(
        plot_.optima, plot_.path, plot_.vertices, [this](const PlanePoint& p) { return At(p); },
        [this](const PlotVertex& v) { return PlotText(VertexText(plot_, v)); });
  }

 private:
  QPainter& p_;
  const GraphicalSolution& plot_;
  QRectF area_;
  QRectF rect_;
};

bool Drawable(const GraphicalSolution& plot) {
  return plot.outcome == PlotOutcome::kOptimum || plot.outcome == PlotOutcome::kUnbounded ||
         plot.outcome == PlotOutcome::kInfeasible;
}

}  // namespace

QPointF ScreenPoint(const GraphicalSolution& plot, const QRectF& area, const PlanePoint& p) {
  const QRectF rect = PlotRect(area, static_cast<int>(NoteLines(plot, false).size()) + 1);
  return {rect.left() + Fraction(p.x, plot.x0, plot.x1) * rect.width(),
          rect.bottom() - Fraction(p.y, plot.y0, plot.y1) * rect.height()};
}

PaintedPlot PaintPlot(QPainter& painter, const GraphicalSolution& plot, const QRectF& area,
                      const SpaceTurn& turn) {
  if (plot.space) return PaintSpacePlot(painter, plot, area, turn);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.fillRect(area, Qt::white);
  // Room for one more note than known, for the thin region's.
  const QRectF rect = PlotRect(area, static_cast<int>(NoteLines(plot, false).size()) + 1);
  Picture picture(painter, plot, area, rect);
  const ScreenOf at = [&picture](const PlanePoint& p) { return picture.At(p); };
  PaintedPlot painted;
  if (Drawable(plot)) {
    picture.Grid();
    painter.save();
    painter.setClipRect(rect.adjusted(-1, -1, 1, 1));
    painted.thinRegion = picture.Region();
    if (plot.branching) PaintStrips(painter, *plot.branching, plot.n, at);
    painter.restore();
    picture.Axes();
    painter.save();
    painter.setClipRect(rect.adjusted(-1, -1, 1, 1));
    picture.Constraints();
    picture.Objective();
    picture.Unbounded();
    picture.Path();
    if (plot.branching) PaintLatticeAndNodes(painter, *plot.branching, at);
    picture.Optima();
    painter.restore();
    painted.hotspots = picture.Hotspots();
    if (plot.branching) {
      for (PlotHotspot& spot : BranchHotspots(*plot.branching, at)) {
        painted.hotspots.push_back(std::move(spot));
      }
    }
  }
  picture.Headings(NoteLines(plot, painted.thinRegion));
  painter.restore();
  return painted;
}

}  // namespace pivora
