// The problem as the user typed it, exactly: the rational value of every cell
// the solve reads, beside the extended Tableau the plain run solves.
#pragma once

#include "solver/rational_arithmetic.h"
#include "solver/tables.h"

namespace pivora {

// The Tableau's layout with exact entries: rows 1..m the constraints
// (coefficients, right-hand side in column n+1, relation code -1, 0 or +1 in
// column n+2), row m+1 the objective (coefficients, 0, the Max/Min flag +1 or
// -1). Zero outside the problem. Large (about 90 KB): keep it on the heap.
using ExactTableau = Table<Rational, kMaxConstraints + 2, kMaxVariables + 2, 1, 1>;

// The exact values of a tableau's finite entries, for problems that exist
// only as extended values (every extended value is a binary fraction).
void ExactFromExtended(const Tableau& tableau, int m, int n, ExactTableau& exact);

}  // namespace pivora
