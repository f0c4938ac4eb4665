// The test support that reads problem files as the command and the window read
// them: the file's shape by the problem-file reader, every cell by the solve
// command's own ReadProblem. It stands above files/ and solve/, so the
// solver's tests use it through solver/testing/test_problem.h and include
// nothing but the solver.
#include "solver/testing/test_problem.h"

#include <fstream>
#include <sstream>

#include "files/exact_decimal.h"
#include "files/problem_file.h"
#include "solve/number_format.h"
#include "solve/read_problem.h"
#include "testing/file_cells.h"

namespace pivora::testing {

std::optional<TestProblem> ParseProblem(const std::string& text) {
  const ProblemFileOutcome file = ::pivora::ReadProblemFile(std::string_view(text));
  if (file.kind != ProblemFileOutcome::Kind::kRead) return std::nullopt;
  const ::pivora::ProblemFile& cells = file.problem;
  FileCells nb;
  FileCells zf;
  EnterProblemCells(cells, nb, zf);
  TestProblem p;
  p.m = cells.m;
  p.n = cells.n;
  const ReadOutcome read =
      ReadProblem(nb, zf, p.n, p.m, cells.maximum, SolveNumberFormat(), p.tableau);
  if (read.kind != ReadOutcome::Kind::kSound) return std::nullopt;
  return p;
}

std::string FormatProblem(const Tableau& t, int m, int n) {
  const auto number = [](Extended value) { return ExactDecimal::FromExtended(value).Text(); };
  std::string text = t(m + 1, n + 2) > 0 ? "max\n" : "min\n";
  for (int j = 1; j <= n; ++j) text += number(t(m + 1, j)) + (j < n ? " " : "\n");
  for (int i = 1; i <= m; ++i) {
    for (int j = 1; j <= n; ++j) text += number(t(i, j)) + " ";
    const Extended code = t(i, n + 2);
    text += code > 0 ? ">= " : code == 0 ? "= " : "<= ";
    text += number(t(i, n + 1)) + "\n";
  }
  return text;
}

std::optional<TestProblem> ReadTestProblem(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  std::stringstream text;
  text << in.rdbuf();
  return ParseProblem(text.str());
}

}  // namespace pivora::testing
