// What the pictures in the plane and in space draw alike: their fonts and
// colours, arrows, and the title, status and notes around the picture.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "plot/graphical_solution.h"

class QPainter;

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

// "Weg der Austauschschritte: 0 = Start, k = nach Schritt k", the legend of
// a path.
QString PathLegend(const GraphicalSolution& plot);

// The title and status above `rect`, inside `area`, and `notes` below it;
// an infeasible problem's status also across `rect`.
void PaintHeadings(QPainter& painter, const GraphicalSolution& plot, const QRectF& area,
                   const QRectF& rect, const std::vector<QString>& notes);

}  // namespace pivora
