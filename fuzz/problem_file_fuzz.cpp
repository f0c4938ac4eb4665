// libFuzzer target for the problem file. The input is read as a file; what
// reads is written and read again, and must come back as the same problem,
// written the same way. A malformed file must name a line and say why, in
// both languages. Any failed check aborts with its reason.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/problem_file.h"

namespace {

using pivora::ProblemFile;
using pivora::ProblemFileOutcome;

[[noreturn]] void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "problem file fuzz: %s: «%.*s»\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

bool SameProblem(const ProblemFile& a, const ProblemFile& b) {
  return a.maximum == b.maximum && a.n == b.n && a.m == b.m && a.objective == b.objective &&
         a.constraints == b.constraints && a.digits == b.digits && a.details == b.details;
}

void CheckShape(const ProblemFile& p, std::string_view text) {
  if (p.n < 1 || p.n > 50 || p.m < 1 || p.m > 50) Fail("a size beyond 1..50", text);
  if (p.objective.size() != static_cast<std::size_t>(p.n))
    Fail("an objective row of n cells", text);
  if (p.constraints.size() != static_cast<std::size_t>(p.m)) Fail("m constraint rows", text);
  for (const auto& row : p.constraints) {
    if (row.size() != static_cast<std::size_t>(p.n + 2)) Fail("a row of n + 2 cells", text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ProblemFileOutcome first = pivora::ReadProblemFile(text);
  if (first.kind == ProblemFileOutcome::Kind::kMalformed) {
    if (first.line < 1) Fail("a malformed file names no line", text);
    if (first.message.empty() || first.germanMessage.empty()) Fail("no reason given", text);
    return 0;
  }
  CheckShape(first.problem, text);
  const std::string written = pivora::WriteProblemFile(first.problem);
  const ProblemFileOutcome second = pivora::ReadProblemFile(written);
  if (second.kind != ProblemFileOutcome::Kind::kRead)
    Fail("the written file does not read", written);
  if (!SameProblem(first.problem, second.problem)) Fail("read again, another problem", written);
  if (pivora::WriteProblemFile(second.problem) != written)
    Fail("written again, another text", written);
  return 0;
}
