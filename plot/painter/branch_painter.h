// The branch and bound in the picture: the strips the branching cut away,
// the whole-numbered points of the region and every subproblem's optimum,
// with what hovering them names.
#pragma once

#include <QPainter>
#include <functional>
#include <vector>

#include "plot/painter/plot_painter.h"

namespace pivora {

using ScreenOf = std::function<QPointF(const PlanePoint&)>;

// The strips, lightly hatched over the region, under the lines.
void PaintStrips(QPainter& painter, const PlotBranching& branching, int n, const ScreenOf& at);
// The lattice points and the subproblems' optima, the relaxation's labelled.
void PaintLatticeAndNodes(QPainter& painter, const PlotBranching& branching, const ScreenOf& at);
// One hotspot per place of a subproblem's optimum, naming every subproblem
// that ended there.
std::vector<PlotHotspot> BranchHotspots(const PlotBranching& branching, const ScreenOf& at);

}  // namespace pivora
