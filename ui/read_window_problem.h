// Reading the problem from the window's grids, as the solve command does it:
// the one path that SolveClick and pivora-bench's timing share.
#pragma once

#include <optional>
#include <string>

#include "solve/number_format.h"
#include "solver/exact_problem.h"
#include "solver/tables.h"
#include "ui/window_operations.h"

namespace pivora {

// The first faulty cell of a problem, with the text it held.
struct CellFault {
  bool inObjectiveGrid = false;
  int column = 0;
  int row = 0;
  std::string text;
};

// Reads NB and ZF at the window's counts and Max/Min into `tableau` (and the
// typed values into `exact`, unless it is null), writing the defaults of
// empty cells as it goes. Gives the first faulty cell, if any; marks nothing.
std::optional<CellFault> ReadWindowProblem(WindowOperations& window, const NumberFormat& format,
                                           Tableau& tableau, ExactTableau* exact);

// The same on a copy of the window's counts, Max/Min and cells: the defaults
// of empty cells go into the copy, and the grids stay as typed. For what
// follows the grids without being a solve (the picture, the practice).
std::optional<CellFault> ReadWindowProblemCopy(WindowOperations& window, const NumberFormat& format,
                                               Tableau& tableau, ExactTableau* exact);

}  // namespace pivora
