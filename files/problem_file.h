// The problem file of the window and the command-line programs: a max/min
// line, the objective row and one line per constraint, cells separated by
// blanks or tabs. Only the file's shape is checked here; the cell texts go
// into the grids unconverted, and the solve command reads them as it reads
// typed ones.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solve/grid_cells.h"
#include "solver/integer_marks.h"

namespace pivora {

struct ProblemFile {
  bool maximum = true;
  int n = 0;                                          // variables, 1..50
  int m = 0;                                          // constraints, 1..50
  std::vector<std::string> objective;                 // n cells: ZF (1..n, 1)
  std::vector<std::vector<std::string>> constraints;  // m rows of n + 2 cells
  int objectiveLine = 0;                              // line numbers, from 1
  std::vector<int> constraintLines;
  // The report settings, when the max/min line gives them.
  std::optional<int> digits;
  std::optional<bool> details;
  // The whole-numbered variables, from a line "integer x1 x3" after the
  // objective row (its line number, 0 without it).
  IntegerMarks integers;
  int integersLine = 0;
};

struct ProblemFileOutcome {
  enum class Kind {
    kRead,       // `problem` holds the file's cells
    kMalformed,  // the shape is wrong at `line`, described by `message`
  };
  Kind kind = Kind::kRead;
  ProblemFile problem;
  int line = 0;
  std::string message;        // for the programs' standard error
  std::string germanMessage;  // the same for the window, UTF-8
};

// The max/min line may go on with "digits=N" (an integer) and "details=on"
// or "details=off". One line after the objective row may name the
// whole-numbered variables: "integer" and x1..xn, in any case. A cell that starts with '"' is
// quoted: it runs to the closing '"', blanks and tabs included, and "" inside stands for one '"';
// so "" is an empty cell and "1 000" a text with a blank.
// Blank lines and lines whose first non-blank character is '#' are skipped.
// Lines end with LF, CR LF or a CR alone; a UTF-8 byte order mark at the
// very start is skipped. Every byte other than blank, tab, CR and LF belongs
// to some cell text, NUL and bytes above 127 included. Each line is scanned
// twice, once to count its cells and once to keep them, so lines of any
// length are handled without storing more cells than the largest problem
// has. A row whose cell count is off because of a '#' after its cells or a
// no-break space is blamed on the line that holds them, with that reason.
ProblemFileOutcome ReadProblemFile(std::string_view content);

// The file text of `problem` (its cells, Max/Min and the settings it has),
// which ReadProblemFile reads back cell for cell, byte for byte: cells that
// are empty, hold a blank or a tab, start with '"', or start a line with
// '#' are quoted; the integer line, where a variable is marked, comes last.
// Lines end with LF. A cell text cannot hold a line break.
std::string WriteProblemFile(const ProblemFile& problem);

// Writes every cell of `problem` into the grids as the user would type it,
// empty cells as empty texts: NB (1..n+2, 1..m) and ZF (1..n, 1). The counts,
// Max/Min and the settings are the caller's.
void EnterProblemCells(const ProblemFile& problem, GridCells& nb, GridCells& zf);

}  // namespace pivora
