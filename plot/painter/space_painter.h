// Draws a picture in space (three variables) onto a QPainter, turned as the
// viewer chooses: the box with the axes and their ticks, the constraint
// planes cut to the box, the feasible polytope (faces towards the viewer
// over those away from it, hidden edges dashed), the optimal edge or face,
// the path, the optima and the direction in which Z improves. The exact
// coordinates become screen units here and nowhere earlier.
#pragma once

#include "plot/painter/plot_painter.h"
#include "plot/space_solution.h"

namespace pivora {

// `plot.space` must be set.
PaintedPlot PaintSpacePlot(QPainter& painter, const GraphicalSolution& plot, const QRectF& area,
                           const SpaceTurn& turn);

// Where a point of space lands in `area` for `plot` turned by `turn`.
QPointF SpaceScreenPoint(const GraphicalSolution& plot, const QRectF& area, const SpaceTurn& turn,
                         const SpacePoint& p);

}  // namespace pivora
