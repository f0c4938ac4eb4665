// Reading a model through GLPK's LP and MPS readers, with GLPK silent on
// the terminal, and GLPK's complaints told again in German sentences of
// our own with the line GLPK names.
#pragma once

#include <memory>
#include <string>

#include "files/model_file.h"

struct glp_prob;

namespace pivora {

struct GlpkProblemDeleter {
  void operator()(glp_prob* problem) const;
};
using GlpkProblem = std::unique_ptr<glp_prob, GlpkProblemDeleter>;

// Why a model could not be read: the line GLPK names (0 when none) and
// what went wrong there, in German (UTF-8).
struct ModelReadFailure {
  int line = 0;
  std::string message;
};

// The model in `path`, or null with `failure` filled in. A file that cannot
// be opened is refused before GLPK sees it. An MPS file is read as free MPS,
// and as fixed MPS when that fails; the failure is free MPS's. `mpsFormat`
// (may be null) gets the MPS format that read it, GLP_MPS_FILE or
// GLP_MPS_DECK.
GlpkProblem ReadThroughGlpk(const std::string& path, ModelFormat format, ModelReadFailure& failure,
                            int* mpsFormat = nullptr);

// The MPS model in `path` read again in `mpsFormat`, without its RHS section:
// every right-hand side is 0, so each range row holds its range R exactly as
// GLPK read it, as the bounds 0 and R (R > 0) or R and 0 (R < 0), where the
// model holds rhs and rhs + R. Null where that read fails.
GlpkProblem ReadRangesThroughGlpk(const std::string& path, int mpsFormat);

// GLPK's terminal output of a failed read as a failure: the last line that
// names a line of the file, its message in German.
ModelReadFailure DescribeGlpkFailure(const std::string& output);

}  // namespace pivora
