// The fixed texts that FormActivate writes: the footer's credit line and the
// headings of both grids. Blanks are counted exactly; headings are drawn
// left-aligned, so leading blanks move them towards the middle of a column.
#pragma once

#include <string>
#include <string_view>

#include "pivora_version.h"
#include "ui/window_operations.h"

namespace pivora {

inline constexpr std::string_view kFooterText =
    "Pivora v" PIVORA_VERSION "  -  Simplex-Methode in 80-Bit-Arithmetik  -  von den Pivora-Entwicklern";

inline constexpr std::string_view kConstraintCornerHeading = "        A";  // NB (0, 0)
inline constexpr std::string_view kObjectiveCornerHeading = "        c";   // ZF (0, 0)
inline constexpr std::string_view kObjectiveRowHeading = "       ZF";      // ZF (0, 1)
inline constexpr std::string_view kRelationHeading = " <=   >=    =";      // NB (n + 1, 0)
inline constexpr std::string_view kRightHandSideHeading = "        b";     // NB (n + 2, 0)

// "       x" and the numeral of j: the heading of variable column j; a
// whole-numbered one is "    x" and the numeral, then " ganz".
std::string VariableHeading(int j, bool integer = false);
// "     NB " and the numeral of p: the heading of constraint row p.
std::string ConstraintHeading(int p);

// Column 1, then row 1 of NB, then column 1, then row 1 of ZF: each grid's
// editor stores its text first, then stays on (1, 1), which every grid has
// and no rotation moves.
void MakeFirstCellCurrent(WindowOperations& window);

// Writes the headings of the variable columns 1..n of both grids, with the
// window's marks.
void WriteVariableHeadings(WindowOperations& window);

}  // namespace pivora
