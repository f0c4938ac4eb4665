// The front ends' way into the window: start it up as the program does, then
// enter a problem file as a user would.
#pragma once

#include <string>

#include "files/problem_file.h"
#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {

// On a window whose grids are a new window's: runs FormActivate as at
// start-up, sets NVars and NCons to n and m with the grids and headings
// stepping there would give, types every cell of the file into NB and ZF,
// and chooses Max or Min. Details and Digits stay as they are.
void EnterProblem(PlainWindow& window, const ProblemFile& problem);

// The file line that holds a cell of the grids.
int LineOfCell(const ProblemFile& problem, bool inObjectiveGrid, int row);

// "NAME:LINE: Eingabefehler in der ..., Zelle (c, r): \"TEXT\"", the
// programs' one-line message for a faulty cell of `problem` read from NAME.
std::string InputErrorMessage(const std::string& name, const ProblemFile& problem,
                              bool inObjectiveGrid, int column, int row, std::string_view text);

}  // namespace pivora
