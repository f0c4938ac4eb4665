// libFuzzer target for the model reader. GLPK's readers take a path, so the
// input goes into a file of a directory of its own (removed at exit) and is
// read as a CPLEX LP file and as an MPS file (free, then fixed), exactly as
// the window and pivora-solve read a model. GLPK reports a malformed model
// through the reader's return value, and the reader keeps GLPK's terminal
// output for the message; GLPK's reads run in a process of their own, so a
// failed check of GLPK's ends only that one. A model that reads must fit the grids, come
// with a legend line for every variable and row, and go through the problem
// file unchanged; one that does not must say why. Any failed check aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "files/model_file.h"
#include "files/problem_file.h"
#include "solver/testing/temporary_directory.h"

namespace {

using pivora::ModelFileOutcome;
using pivora::ModelFormat;

[[noreturn]] void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "model file fuzz: %s: «%.*s»\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

void Check(const std::string& path, ModelFormat format, std::string_view text) {
  const ModelFileOutcome outcome = pivora::ReadModelFile(path, format);
  if (outcome.kind != ModelFileOutcome::Kind::kRead) {
    if (outcome.message.empty()) Fail("a refused model with no reason", text);
    return;
  }
  const pivora::ProblemFile& p = outcome.problem;
  if (p.n < 1 || p.n > 50 || p.m < 1 || p.m > 50) Fail("a problem beyond the grids", text);
  if (outcome.legend.variables.size() != static_cast<std::size_t>(p.n) ||
      outcome.legend.rows.size() != static_cast<std::size_t>(p.m)) {
    Fail("a legend that misses a variable or a row", text);
  }
  const pivora::ProblemFileOutcome read =
      pivora::ReadProblemFile(pivora::WriteProblemFile(outcome.problem));
  if (read.kind != pivora::ProblemFileOutcome::Kind::kRead ||
      read.problem.objective != p.objective || read.problem.constraints != p.constraints) {
    Fail("the model's problem does not go through the problem file", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const pivora::testing::TemporaryDirectory directory;
  static const std::string path = directory.File("model");
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file) Fail("the model could not be written to", path);
  }
  Check(path, ModelFormat::kLp, text);
  Check(path, ModelFormat::kMps, text);
  return 0;
}
