// The window's problem as a problem file and back: what a save writes, what
// an open puts into the window, and when two problems count as the same for
// the question about unsaved changes.
#pragma once

#include "files/problem_file.h"
#include "ui/window/window_snapshot.h"

namespace pivora {

class TForm1;

// The cells within the counts, exactly as typed (a marked cell's typed
// text), Max/Min, the integer marks of x1..xn, Details and Digits.
ProblemFile WindowProblem(TForm1& form);

// The problem with every empty cell as the solve command reads it.
ProblemFile WithDefaults(ProblemFile problem);

// Same settings, cells and marks of x1..xn; the hidden columns' marks do
// not belong to the problem.
bool SameProblem(const ProblemFile& a, const ProblemFile& b);

// The snapshot that puts `problem` into the window: its cells, every other
// cell empty, no report, and the settings the file gives (the window's
// `current` ones where it gives none).
WindowSnapshot SnapshotOf(const ProblemFile& problem, const WindowSnapshot& current);

}  // namespace pivora
