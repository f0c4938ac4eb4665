// The graphical solution of the problem in a window's grids: read as the
// solve command reads it, solved and judged as it solves, and drawn with the
// path of the run the steps view shows.
#pragma once

#include "plot/graphical_solution.h"
#include "ui/window_operations.h"

namespace pivora {

// Reads a copy of the window's grids (the window itself is left as it is),
// so the picture can follow a solve without touching what was typed. Never
// throws: a faulty cell, more than two variables and a solve that ends with
// an error come back as the outcome.
GraphicalSolution SolveGraphically(WindowOperations& window);

}  // namespace pivora
