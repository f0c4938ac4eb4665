// The steps view's tableaux as LaTeX, for exercise sheets: one array per
// exchange step and one for the final tableau, the pivot element boxed
// (\boxed and \dfrac need amsmath), rows stretched by half, each headed by
// the step's line as a comment.
#pragma once

#include <string>
#include <vector>

namespace pivora {

// Reads the report's lines (UTF-8) as the steps view writes them, or a
// practice sheet: a line "Schritt K (...): ...", "Endtableau:" or
// "Aktuelles Tableau:", the lines of the reason and the
// notes, then the tableau's lines (from its heading, which starts with a
// blank) up to the next empty line. Labels become
// subscripted (x_{1}), fractions \frac, "1.5E+20" 1.5 \cdot 10^{20}. Empty
// when the lines hold no step.
std::string StepsAsLatex(const std::vector<std::string>& lines);

}  // namespace pivora
