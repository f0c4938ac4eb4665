// Reading what the programs are given: a problem file (or standard input),
// or an LP or MPS model, told apart by the file name's ending.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/model_file.h"
#include "files/problem_file.h"

namespace pivora {

struct LoadedProblem {
  ProblemFile problem;
  std::optional<ModelLegend> legend;  // for a model: what x[j] and y[i] are
};

// The problem in `path` ("-" for standard input, read as a problem file).
// On failure writes "PROGRAM: NAME[:LINE]: message" on standard error and
// gives nothing; that is a file-format error for the exit status.
std::optional<LoadedProblem> LoadProblem(std::string_view program, const std::string& path);

}  // namespace pivora
