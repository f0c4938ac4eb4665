// The graphical solution of the problem in a window's grids, read as the
// solve command reads it: the picture the graph window and
// pivora-solve --plot draw.
#pragma once

#include "plot/graphical_solution.h"
#include "ui/window_operations.h"

namespace pivora {

// Reads a copy of the window's grids (the window itself is left as it is),
// so the picture can follow a solve without touching what was typed, and
// solves it graphically under the window's Details, Digits and views. Never
// throws: more than three variables, a faulty cell and a solve that ends
// with an error come back as the outcome, in this order.
GraphicalSolution PlotWindowProblem(WindowOperations& window);

}  // namespace pivora
