// "Neu" (Strg+N): an empty problem in place of the window's one.
#pragma once

namespace pivora {

class TForm1;

// After the question about unsaved changes: the counts back to 2 and 2,
// every cell of both grids (the hidden ones too) and the report empty, Max
// chosen; Details and Digits stay. One undo step. The problem then belongs
// to no file. False when the user kept the old problem.
bool NewProblem(TForm1& form);

}  // namespace pivora
