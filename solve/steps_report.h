// The steps view: every tableau of a run with the exchange made on it, and
// the tableau the run ended with, as aligned German-labelled tables.
#pragma once

#include <string>
#include <vector>

#include "solve/view_numbers.h"
#include "solver/step_record.h"

namespace pivora {

// The lines of the view. `maximise` names the objective row Z (maximising)
// or -Z (minimising: the method maximises -z); `exact` says the run computed
// in exact rationals, which the first line then says.
std::vector<std::string> StepsLines(const StepRecord& record, bool maximise, bool exact,
                                    const ViewNumbers& numbers);

// The name of a variable label: "x3" for 3, "y2" for -2, "0" for the zero
// variable of an equation.
std::string LabelName(int label);

}  // namespace pivora
