// An MPS model's size from one pass over its file, before GLPK reads it:
// GLPK holds every column and row it reads (some 300 bytes a column), so a
// model far too large for the grids is refused from this count instead.
#pragma once

#include <optional>
#include <string>

#include "files/model_size.h"

namespace pivora {

// The sizes of the MPS model in a file, read as GLPK's free-format reader
// reads it: `rows` its L, G and E rows (GLPK removes the N rows), `columns`
// the runs of records of one column in COLUMNS, and the grids the model
// needs, from the row types, the ranges, the integer markers and the
// bounds. For any file GLPK reads, free or fixed, `rows` and `columns` are
// at most GLPK's counts, so a model they show too large is too large.
struct MpsSize {
  long rows = 0;
  long columns = 0;
  ModelGridSize grid;
};

// The count of the file at `path`; none when it cannot be read. Memory: a
// buffer, the N rows' names, and a little for each integer or bounded
// column.
std::optional<MpsSize> CountMpsModel(const std::string& path);

}  // namespace pivora
