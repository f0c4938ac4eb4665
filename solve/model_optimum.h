// The optimum of the model an opened LP or MPS file means, beside the
// grids': the grids leave the objective's constant out, so the model's
// optimum is the grids' plus that constant.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "solve/view_numbers.h"
#include "solver/rational_arithmetic.h"

namespace pivora {

// "Optimum des Modells: Zmax = 26.1 (mit der Konstanten -3)": `gridOptimum`
// exactly, `constant` the decimal text of the model's constant, the sum
// rounded once to the digits, or a fraction in the fractions view.
std::string ModelOptimumLine(const Rational& gridOptimum, std::string_view constant,
                             bool maximise, const ViewNumbers& numbers);

// Puts `line` right after the report's optimum line; nowhere where the
// lines hold none, or hold `line` already (the views' lines).
void InsertAfterOptimum(std::vector<std::string>& lines, std::string line);

}  // namespace pivora
