#include "ui/read_window_problem.h"

#include "solve/read_problem.h"

namespace pivora {

std::optional<CellFault> ReadWindowProblem(WindowOperations& window, const NumberFormat& format,
                                           Tableau& tableau, ExactTableau* exact) {
  const int n = window.NVarsValue();
  const int m = window.NConsValue();
  const bool maximum = window.MaximumChecked();
  const ReadOutcome read =
      exact != nullptr
          ? ReadProblem(window.NB(), window.ZF(), n, m, maximum, format, tableau, *exact)
          : ReadProblem(window.NB(), window.ZF(), n, m, maximum, format, tableau);
  if (read.kind != ReadOutcome::Kind::kFaulty) return std::nullopt;
  CellFault fault;
  fault.inObjectiveGrid = read.fault.grid == ProblemGrid::kObjective;
  fault.column = read.fault.column;
  fault.row = read.fault.row;
  const CellStore& grid = fault.inObjectiveGrid ? window.ZF() : window.NB();
  fault.text.assign(grid.Text(fault.column, fault.row));
  return fault;
}

}  // namespace pivora
