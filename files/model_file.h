// LP and MPS models (CPLEX LP, free and fixed MPS) read by GLPK's readers
// and turned into a problem of the grids: every variable non-negative, at
// most 50 × 50. A lower bound above zero and every upper bound become
// constraint rows; a variable with a negative lower bound is shifted by it;
// a free variable, or one bounded only above, is split into a positive and a
// negative part; a range row becomes two rows. Every number is the shortest
// decimal that reads back to GLPK's double, and shifts, splits and range
// rows are computed from those decimals exactly. The legend says which grid
// variable and which row stands for what in the model.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/problem_file.h"

namespace pivora {

enum class ModelFormat { kLp, kMps };

// By the file name's ending: ".lp" or ".mps" in any case; none otherwise.
std::optional<ModelFormat> ModelFormatOfPath(std::string_view path);

// What the grid's x[j] and rows stand for, in German, Latin-1 like the
// report: "x3 = COL05 (positiver Teil)", "y6: Schranke COL01 >= 2.5".
struct ModelLegend {
  std::vector<std::string> variables;  // x1..xn
  std::vector<std::string> rows;       // y1..ym
  // What the grids cannot hold or what was left out: the objective's
  // constant, integer markings, free rows.
  std::vector<std::string> notes;
  // The objective's constant as decimal text ("-3", "2.5"); empty where the
  // model has none. The model's optimum is the grids' plus this.
  std::string objectiveConstant;
  // The legend as report lines: a heading, the variables, the rows, the notes.
  std::vector<std::string> Lines() const;
};

struct ModelFileOutcome {
  enum class Kind {
    kRead,      // `problem` and `legend` hold the model
    kFailed,    // unreadable or malformed: `message`, at `line` when known
    kTooLarge,  // does not fit 50 × 50: `message` gives its size; judged
                // from GLPK's counts and bounds before any row is built
  };
  Kind kind = Kind::kRead;
  ProblemFile problem;
  ModelLegend legend;
  int line = 0;         // 0 when GLPK names no line
  std::string message;  // German, UTF-8: "Zeile 6: »zz« ist keine Zahl."
};

// Reads the model in `path`. GLPK prints nothing on the terminal meanwhile.
// An MPS file is read as free MPS, and as fixed MPS when that fails.
ModelFileOutcome ReadModelFile(const std::string& path, ModelFormat format);

}  // namespace pivora
