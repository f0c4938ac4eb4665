// What the pictures in the plane and in space draw alike: their fonts and
// colours, arrows, and the title, status and notes around the picture.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "plot/graphical_solution.h"
#include "plot/painter/plot_painter.h"

namespace pivora {

inline constexpr QRgb kUnboundedColour = qRgb(170, 20, 20);
// The height of one note line under the picture.
inline constexpr double kLineHeight = 16;

// The colour of constraint row k + 1: dark and distinct, in row order.
QColor LineColour(std::size_t k);

QString PlotText(const std::string& latin1);
QFont PlotFont(double pixels, bool bold = false);

// `v` scaled to length 1 (0 stays 0).
QPointF Unit(QPointF v);
// A line from `from` to `to` with a filled head there, in the pen's colour.
void Arrow(QPainter& painter, QPointF from, QPointF to, double head = 10);

// The ray along which Z grows without limit, from a to b, with its words.
void PaintUnboundedRay(QPainter& painter, QPointF a, QPointF b);

// The path through `points` (the start first) as arrows in the path's
// colour, each point's dot, and each place's label (the numbers of every
// visit), which `label` draws at a place with the painter set.
template <class Label>
void PaintPath(QPainter& painter, const std::vector<QPointF>& points, Label label) {
  painter.setPen(QPen(QColor(kPathColour), 2));
  for (std::size_t k = 1; k < points.size(); ++k) {
    const QPointF d = Unit(points[k] - points[k - 1]);
    if (d.isNull()) continue;
    // From the edge of one point's dot to the edge of the next.
    Arrow(painter, points[k - 1] + d * 6, points[k] - d * 7, 9);
  }
  std::map<std::pair<double, double>, QString> labels;
  for (std::size_t k = 0; k < points.size(); ++k) {
    QString& text = labels[{points[k].x(), points[k].y()}];
    text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + QString::number(k);
  }
  painter.setFont(PlotFont(12, true));
  for (const auto& [xy, text] : labels) {
    const QPointF at(xy.first, xy.second);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kPathColour));
    painter.drawEllipse(at, 3.5, 3.5);
    painter.setPen(QColor(kPathColour).darker(130));
    label(at, text);
  }
}

// "Weg der Austauschschritte: 0 = Start, k = nach Schritt k", the legend of
// a path.
QString PathLegend(const GraphicalSolution& plot);

// The title and status above `rect`, inside `area`, and `notes` below it;
// an infeasible problem's status also across `rect`.
void PaintHeadings(QPainter& painter, const GraphicalSolution& plot, const QRectF& area,
                   const QRectF& rect, const std::vector<QString>& notes);

// The hotspots of a picture's points, one per place with all its names: each
// optimum ("1. Lösung"), each point of the path ("Start", "nach Schritt k")
// and each vertex ("Ecke", left out where the place has another name), and
// `text` of the point. `at` gives a point's place on the screen.
template <class Vertex, class At, class Text>
std::vector<PlotHotspot> NamedHotspots(const std::vector<Vertex>& optima,
                                       const std::vector<Vertex>& path,
                                       const std::vector<Vertex>& vertices, At at, Text text) {
  std::vector<std::pair<const Vertex*, QStringList>> spots;
  const auto name = [&spots](const Vertex& v, const QString& what) {
    for (auto& [vertex, names] : spots) {
      if (vertex->at == v.at) {
        names << what;
        return;
      }
    }
    spots.push_back({&v, QStringList{what}});
  };
  int k = 0;
  for (const Vertex& v : optima) name(v, QStringLiteral("%1. Lösung").arg(++k));
  for (std::size_t s = 0; s < path.size(); ++s) {
    name(path[s], s == 0 ? QStringLiteral("Start") : QStringLiteral("nach Schritt %1").arg(s));
  }
  for (const Vertex& v : vertices) name(v, QStringLiteral("Ecke"));
  std::vector<PlotHotspot> hotspots;
  for (const auto& [vertex, names] : spots) {
    QStringList shown = names;
    if (shown.size() > 1) shown.removeAll(QStringLiteral("Ecke"));
    hotspots.push_back(
        {at(vertex->at), shown.join(QStringLiteral(", ")) + QStringLiteral(": ") + text(*vertex)});
  }
  return hotspots;
}

}  // namespace pivora
