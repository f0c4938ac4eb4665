#include "plot/painter/branch_painter.h"

#include <QBrush>
#include <QPen>
#include <map>
#include <utility>

#include "plot/painter/paint_parts.h"

namespace pivora {

namespace {

constexpr QRgb kStripColour = qRgb(120, 120, 120);
constexpr QRgb kLatticeColour = qRgb(40, 40, 40);
constexpr QRgb kNodeColour = qRgb(110, 60, 160);

}  // namespace

void PaintStrips(QPainter& painter, const PlotBranching& branching, int n, const ScreenOf& at) {
  QColor fill(kStripColour);
  fill.setAlpha(60);
  painter.setPen(QPen(QColor(kStripColour), 1, Qt::DotLine));
  painter.setBrush(QBrush(fill, Qt::BDiagPattern));
  for (const PlotBranching::Strip& strip : branching.strips) {
    const Rational to = strip.from + 1;
    // x1 strip: from < x1 < to across x2 in [lo, hi]; an x2 strip the other
    // way round. With one variable the strip spans the picture's height.
    const PlanePoint a =
        strip.variable == 1 ? PlanePoint{strip.from, strip.lo} : PlanePoint{strip.lo, strip.from};
    const PlanePoint b = strip.variable == 1 ? PlanePoint{to, strip.hi} : PlanePoint{strip.hi, to};
    if (n == 1 && strip.variable != 1) continue;
    painter.drawRect(QRectF(at(a), at(b)).normalized());
  }
  painter.setBrush(Qt::NoBrush);
}

void PaintLatticeAndNodes(QPainter& painter, const PlotBranching& branching, const ScreenOf& at) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(kLatticeColour));
  for (const PlanePoint& p : branching.lattice) painter.drawEllipse(at(p), 2.2, 2.2);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(kNodeColour), 1.6));
  for (const PlotBranching::Node& node : branching.nodes) painter.drawEllipse(at(node.at), 4, 4);
  if (branching.relaxation) {
    const QPointF p = at(*branching.relaxation);
    painter.setPen(QPen(QColor(kNodeColour), 2.2));
    painter.drawRect(QRectF(p.x() - 5.5, p.y() - 5.5, 11, 11));
    painter.setFont(PlotFont(12, true));
    painter.drawText(QRectF(p.x() + 8, p.y() - 22, 120, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("LP-Optimum"));
  }
}

std::vector<PlotHotspot> BranchHotspots(const PlotBranching& branching, const ScreenOf& at) {
  std::map<std::pair<double, double>, QStringList> names;
  std::vector<std::pair<double, double>> order;
  for (const PlotBranching::Node& node : branching.nodes) {
    const QPointF p = at(node.at);
    const std::pair<double, double> key{p.x(), p.y()};
    if (names.find(key) == names.end()) order.push_back(key);
    names[key] << PlotText(node.text);
  }
  std::vector<PlotHotspot> hotspots;
  for (const auto& key : order) {
    hotspots.push_back({QPointF(key.first, key.second), names[key].join(QStringLiteral("; "))});
  }
  return hotspots;
}

}  // namespace pivora
