// A model GLPK has read, turned into the grids' problem: every variable
// non-negative, each number exactly the decimal the model means.
#pragma once

#include "files/model_file.h"

struct glp_prob;

namespace pivora {

// The grids a model needs, from GLPK's counts and bounds alone, before any
// row is built: `variables` counts the split columns twice, `rows` counts
// the range rows twice and adds the bound rows; free rows count nothing.
struct ModelGridSize {
  int variables = 0;
  int rows = 0;
};
ModelGridSize GridSizeOf(glp_prob* model);

// The refusal of a model whose grids are `size`: none when it fits (at least
// one and at most 50 variables and rows), else a German message with the
// model's size and the grids'.
std::optional<std::string> TooLargeMessage(glp_prob* model, const ModelGridSize& size);

// Fills `outcome.problem` and `outcome.legend` from `model`, which fits.
// Each double GLPK holds is taken as the shortest decimal that reads back to
// it; shifts, splits and range rows are computed exactly from those. A range
// row's second bound is its right-hand side plus its range, both from
// `ranges` (ReadRangesThroughGlpk; may be null, then the bound GLPK summed
// in binary stands).
void TranslateModel(glp_prob* model, glp_prob* ranges, ModelFileOutcome& outcome);

}  // namespace pivora
