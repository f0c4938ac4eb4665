// Reading a model through GLPK's LP and MPS readers, with GLPK silent on the
// terminal. When one of GLPK's own checks fails, GLPK ends the process:
// these reads are for a process that may end so, the one ReadModelFile runs
// them in (separate_process.h), never for the program's own.
#pragma once

#include <memory>
#include <string>

struct glp_prob;

namespace pivora {

struct GlpkProblemDeleter {
  void operator()(glp_prob* problem) const;
};
using GlpkProblem = std::unique_ptr<glp_prob, GlpkProblemDeleter>;

// From now on a failed GLPK check ends this process at once with the exit
// status kGlpkCheckFailed, printing nothing and running nothing of the
// program's own ending (no exit handlers, no buffers flushed).
constexpr int kGlpkCheckFailed = 3;
void EndProcessOnGlpkFailure();

// The model in `path`: glp_read_lp where `mpsFormat` is 0, else glp_read_mps
// in that format (GLP_MPS_FILE or GLP_MPS_DECK). Null where GLPK refuses
// it; `output` gets GLPK's terminal output of the read either way.
GlpkProblem ReadWithGlpk(const std::string& path, int mpsFormat, std::string& output);

// The MPS model in `path` read again in `mpsFormat`, without its RHS section:
// every right-hand side is 0, so each range row holds its range R exactly as
// GLPK read it, as the bounds 0 and R (R > 0) or R and 0 (R < 0), where the
// model holds rhs and rhs + R. Null where that read fails. GLPK reads the
// copy from standard input, which this replaces with a temporary file.
GlpkProblem ReadRangesWithGlpk(const std::string& path, int mpsFormat);

}  // namespace pivora
