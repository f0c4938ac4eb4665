// A model GLPK has read, turned into the grids' problem: every variable
// non-negative, each number exactly the decimal the model means.
#pragma once

#include "files/model_file.h"
#include "files/model_size.h"

struct glp_prob;

namespace pivora {

// The grid variables (2 when split, else 1) and bound rows (0 to 2) of a
// column GLPK holds with the column type `type` (GLP_FR ... GLP_FX) and the
// bounds `lb` and `ub`, whole-numbered where `integer`.
ModelGridSize ColumnGridSize(int type, double lb, double ub, bool integer);

// The grids `model` needs, from GLPK's counts and bounds alone, before any
// row is built.
ModelGridSize GridSizeOf(glp_prob* model);

// Fills `outcome.problem` and `outcome.legend` from `model`, which fits.
// Each double GLPK holds is taken as the shortest decimal that reads back to
// it; shifts, splits and range rows are computed exactly from those. A range
// row's second bound is its right-hand side plus its range, both from
// `ranges` (ReadRangesThroughGlpk; may be null, then the bound GLPK summed
// in binary stands).
void TranslateModel(glp_prob* model, glp_prob* ranges, ModelFileOutcome& outcome);

}  // namespace pivora
