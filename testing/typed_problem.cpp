#include "testing/typed_problem.h"

#include <stdexcept>

#include "files/problem_file.h"
#include "solve/number_format.h"
#include "solve/read_problem.h"
#include "testing/file_cells.h"

namespace pivora::testing {

TypedProblem ReadTypedProblem(const std::string& text) {
  const ProblemFileOutcome file = ReadProblemFile(std::string_view(text));
  if (file.kind != ProblemFileOutcome::Kind::kRead) throw std::runtime_error(file.message);
  FileCells nb;
  FileCells zf;
  EnterProblemCells(file.problem, nb, zf);
  TypedProblem p;
  p.m = file.problem.m;
  p.n = file.problem.n;
  p.integers = file.problem.integers;
  p.digits = file.problem.digits;
  const ReadOutcome read =
      ReadProblem(nb, zf, p.n, p.m, file.problem.maximum, SolveNumberFormat(), p.tableau, *p.typed);
  if (read.kind != ReadOutcome::Kind::kSound) throw std::runtime_error("a faulty cell");
  return p;
}

}  // namespace pivora::testing
