// GLPK's complaints about a model told again in German sentences of our own,
// with the line GLPK names.
#pragma once

#include <string>

#include "files/model_file.h"

namespace pivora {

// Why a model could not be read: the line GLPK names (0 when none) and
// what went wrong there, in German (UTF-8).
struct ModelReadFailure {
  int line = 0;
  std::string message;
};

// GLPK's terminal output of a failed read as a failure: the last line that
// names a line of the file, its message in German.
ModelReadFailure DescribeGlpkFailure(const std::string& output);

// The failure of a read of `path` that one of GLPK's own checks ended:
// where the check is the one that an MPS file's repeated bound fails, the
// line of that bound; else that GLPK names none.
ModelReadFailure FailedGlpkCheck(const std::string& path, ModelFormat format);

}  // namespace pivora
