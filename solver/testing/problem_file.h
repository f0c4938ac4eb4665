// The problem files of the test data, read as the command and the window read
// them: the file's shape by the problem-file reader, every cell by the solve
// command's own ReadProblem (ParseNumber, the relation signs, the defaults of
// empty cells), so a test solves exactly the problem a user would.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "files/problem_file.h"
#include "solve/number_format.h"
#include "solve/read_problem.h"
#include "solver/tables.h"

namespace pivora::testing {

struct ProblemFile {
  Tableau tableau;
  int m = 0;
  int n = 0;
};

// The cells of one grid by (column, row), for ReadProblem.
class FileCells final : public GridCells {
 public:
  std::string_view Text(int column, int row) const override {
    const auto cell = cells_.find({column, row});
    return cell == cells_.end() ? std::string_view() : std::string_view(cell->second);
  }
  void SetText(int column, int row, std::string_view text) override {
    cells_[{column, row}] = std::string(text);
  }

 private:
  std::map<std::pair<int, int>, std::string> cells_;
};

// The problem in `text`, or nothing if its shape is wrong or a cell is faulty.
inline std::optional<ProblemFile> ParseProblem(const std::string& text) {
  const ProblemFileOutcome file = ::pivora::ReadProblemFile(std::string_view(text));
  if (file.kind != ProblemFileOutcome::Kind::kRead) return std::nullopt;
  const ::pivora::ProblemFile& cells = file.problem;
  FileCells nb;
  FileCells zf;
  for (int p = 1; p <= cells.m; ++p) {
    const auto& row = cells.constraints[static_cast<std::size_t>(p - 1)];
    for (int j = 1; j <= cells.n + 2; ++j) nb.SetText(j, p, row[static_cast<std::size_t>(j - 1)]);
  }
  for (int j = 1; j <= cells.n; ++j)
    zf.SetText(j, 1, cells.objective[static_cast<std::size_t>(j - 1)]);
  ProblemFile p;
  p.m = cells.m;
  p.n = cells.n;
  const ReadOutcome read =
      ReadProblem(nb, zf, p.n, p.m, cells.maximum, SolveNumberFormat(), p.tableau);
  if (read.kind != ReadOutcome::Kind::kSound) return std::nullopt;
  return p;
}

inline std::optional<ProblemFile> ReadProblemFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  std::stringstream text;
  text << in.rdbuf();
  return ParseProblem(text.str());
}

// The shortest decimal text that strtold reads back as exactly `value`.
inline std::string NumberText(Extended value) {
  char buffer[64];
  for (int digits = 1; digits <= 21; ++digits) {
    std::snprintf(buffer, sizeof buffer, "%.*Lg", digits, value);
    if (std::strtold(buffer, nullptr) == value) break;
  }
  return buffer;
}

// The problem in the file format, without comment lines.
inline std::string FormatProblem(const Tableau& t, int m, int n) {
  std::string text = t(m + 1, n + 2) > 0 ? "max\n" : "min\n";
  for (int j = 1; j <= n; ++j) text += NumberText(t(m + 1, j)) + (j < n ? " " : "\n");
  for (int i = 1; i <= m; ++i) {
    for (int j = 1; j <= n; ++j) text += NumberText(t(i, j)) + " ";
    const Extended code = t(i, n + 2);
    text += code > 0 ? ">= " : code == 0 ? "= " : "<= ";
    text += NumberText(t(i, n + 1)) + "\n";
  }
  return text;
}

// One line of an EXPECTED file: "file outcome optimum", outcome "optimal",
// "infeasible" or "unbounded", optimum "-" unless optimal.
struct ExpectedOutcome {
  std::string file;
  std::string outcome;
  long double optimum = 0.0L;
};

inline std::vector<ExpectedOutcome> ReadExpectedOutcomes(const std::string& path) {
  std::vector<ExpectedOutcome> outcomes;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    ExpectedOutcome e;
    std::string optimum;
    if (!(words >> e.file >> e.outcome >> optimum) || e.file[0] == '#') continue;
    if (e.outcome == "optimal") e.optimum = std::strtold(optimum.c_str(), nullptr);
    outcomes.push_back(e);
  }
  return outcomes;
}

}  // namespace pivora::testing
