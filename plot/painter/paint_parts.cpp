#include "plot/painter/paint_parts.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <iterator>

namespace pivora {

namespace {

constexpr QRgb kLineColours[] = {qRgb(31, 78, 160), qRgb(120, 60, 160), qRgb(140, 86, 75),
                                 qRgb(0, 120, 140), qRgb(90, 90, 90),   qRgb(160, 40, 120),
                                 qRgb(60, 100, 40), qRgb(30, 30, 110)};

}  // namespace

QColor LineColour(std::size_t k) { return QColor(kLineColours[k % std::size(kLineColours)]); }

QString PlotText(const std::string& latin1) { return QString::fromLatin1(latin1); }

QFont PlotFont(double pixels, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(bold);
  return font;
}

QPointF Unit(QPointF v) {
  const double length = std::hypot(v.x(), v.y());
  return length > 0 ? v / length : QPointF(0, 0);
}

void Arrow(QPainter& painter, QPointF from, QPointF to, double head) {
  painter.drawLine(from, to);
  const QPointF d = Unit(to - from);
  if (d.isNull()) return;
  const QPointF side(-d.y(), d.x());
  const QPolygonF tip{to, to - d * head + side * head * 0.45, to - d * head - side * head * 0.45};
  painter.save();
  painter.setBrush(painter.pen().color());
  painter.setPen(Qt::NoPen);
  painter.drawPolygon(tip);
  painter.restore();
}

void PaintUnboundedRay(QPainter& painter, QPointF a, QPointF b) {
  painter.setPen(QPen(QColor(kUnboundedColour), 3));
  Arrow(painter, a, b, 14);
  painter.setFont(PlotFont(12, true));
  const QPointF d = Unit(b - a);
  const QPointF spot = a + (b - a) * 0.55 + QPointF(-d.y(), d.x()) * 14;
  painter.drawText(QRectF(spot.x() - 80, spot.y() - 8, 160, 16), Qt::AlignCenter,
                   QStringLiteral("Z wächst unbegrenzt"));
}

QString PathLegend(const GraphicalSolution& plot) {
  return QStringLiteral("Weg der Austauschschritte%1: 0 = Start, k = nach Schritt k")
      .arg(plot.exactSteps ? QStringLiteral(" (exakte Rechnung)") : QString());
}

void PaintHeadings(QPainter& painter, const GraphicalSolution& plot, const QRectF& area,
                   const QRectF& rect, const std::vector<QString>& notes) {
  painter.setPen(Qt::black);
  painter.setFont(PlotFont(16, true));
  painter.drawText(QRectF(area.left() + 12, area.top() + 6, area.width() - 24, 22),
                   Qt::AlignLeft | Qt::AlignVCenter, PlotText(PlotTitle()));
  const std::string status = PlotStatusLine(plot);
  const bool alarm = plot.outcome != PlotOutcome::kOptimum;
  painter.setPen(alarm ? QColor(kUnboundedColour) : QColor(Qt::black));
  painter.setFont(PlotFont(13, alarm));
  painter.drawText(QRectF(area.left() + 12, area.top() + 28, area.width() - 24, 18),
                   Qt::AlignLeft | Qt::AlignVCenter, PlotText(status));
  if (plot.outcome == PlotOutcome::kInfeasible) {
    painter.setFont(PlotFont(26, true));
    painter.drawText(rect, Qt::AlignCenter, PlotText(status));
  }
  painter.setPen(QColor(60, 60, 60));
  painter.setFont(PlotFont(12));
  double y = rect.bottom() + 26;
  for (const QString& line : notes) {
    painter.drawText(QRectF(area.left() + 12, y, area.width() - 24, kLineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, line);
    y += kLineHeight;
  }
}

}  // namespace pivora
