// The problem file of the command-line front ends: a max/min line, the
// objective row and one line per constraint, cells separated by blanks or
// tabs. Only the file's shape is checked here; the cell texts go into the
// grids unconverted, and the solve command reads them as it reads typed ones.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pivora {

struct ProblemFile {
  bool maximum = true;
  int n = 0;                                          // variables, 1..50
  int m = 0;                                          // constraints, 1..50
  std::vector<std::string> objective;                 // n cells: ZF (1..n, 1)
  std::vector<std::vector<std::string>> constraints;  // m rows of n + 2 cells
  int objectiveLine = 0;                              // line numbers, from 1
  std::vector<int> constraintLines;
};

struct ProblemFileOutcome {
  enum class Kind {
    kRead,       // `problem` holds the file's cells
    kMalformed,  // the shape is wrong at `line`, described by `message`
  };
  Kind kind = Kind::kRead;
  ProblemFile problem;
  int line = 0;
  std::string message;
};

// Blank lines and lines whose first non-blank character is '#' are skipped.
// Lines end with LF, CR LF or a CR alone; a UTF-8 byte order mark at the
// very start is skipped. Every byte other than blank, tab, CR and LF belongs
// to some cell text, NUL and bytes above 127 included. Each line is scanned
// twice, once to count its cells and once to keep them, so lines of any
// length are handled without storing more cells than the largest problem
// has. A row whose cell count is off because of a '#' after its cells or a
// no-break space is blamed on the line that holds them, with that reason.
ProblemFileOutcome ReadProblemFile(std::string_view content);

}  // namespace pivora
