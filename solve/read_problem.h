// Reading a problem from the constraint grid NB and the objective grid ZF into
// a Tableau, cell by cell, with defaults for empty cells and a stop at the
// first faulty cell.
#pragma once

#include <string_view>

#include "solve/grid_cells.h"
#include "solve/number_format.h"
#include "solver/exact_problem.h"
#include "solver/tables.h"

namespace pivora {

// What an empty cell becomes: "0" in a number cell, "<=" in a relation cell.
inline constexpr std::string_view kNumberDefault = "0";
inline constexpr std::string_view kRelationDefault = "<=";

enum class ProblemGrid { kConstraints, kObjective };  // NB, ZF

// A cell of NB or ZF, (column, row) counted from 0 as the grids count.
struct CellAddress {
  ProblemGrid grid = ProblemGrid::kConstraints;
  int column = 0;
  int row = 0;
  friend bool operator==(const CellAddress&, const CellAddress&) = default;
};

struct ReadOutcome {
  enum class Kind {
    kSound,   // every cell read; the Tableau holds the problem
    kFaulty,  // `fault` is the first faulty cell in visiting order
  };
  Kind kind = Kind::kSound;
  CellAddress fault;
};

// The relation code of a relation cell's text, compared byte for byte with
// "<", "<=", ">", ">=", "=", "==" in this order; false for any other text.
bool RelationCode(std::string_view text, Extended& code);

// Visits the constraint rows p = 1..m of NB (coefficients 1..n, relation
// sign n+1, right-hand side n+2), then ZF (1..n, 1). An empty cell gets its
// default text first; then its text is converted with ParseNumber and the
// error sentinel as the default, and a value equal to the sentinel makes the
// cell faulty. Reading stops at the first faulty cell: cells after it are
// neither read nor defaulted. The Tableau starts all zero; on success row m+1
// holds the objective and the Max/Min flag (+1 for `maximum`, -1 otherwise).
// Writes no fault mark: that is the caller's. n and m lie in 1..50.
ReadOutcome ReadProblem(GridCells& nb, GridCells& zf, int n, int m, bool maximum,
                        const NumberFormat& format, Tableau& tableau);

// The same, also keeping the problem as typed: on success `exact` holds the
// exact value of every number cell read (DecimalValue of its text), the
// relation codes and the Max/Min flag, and 0 elsewhere; after a fault its
// contents are left as they happen to be.
ReadOutcome ReadProblem(GridCells& nb, GridCells& zf, int n, int m, bool maximum,
                        const NumberFormat& format, Tableau& tableau, ExactTableau& exact);

}  // namespace pivora
