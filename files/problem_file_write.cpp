// Problem files written, and problems entered into the grids cell by cell.
#include "files/problem_file.h"

#include <string>

namespace pivora {
namespace {

void WriteCell(std::string& out, std::string_view cell, bool startsLine) {
  const bool quote = cell.empty() || cell.find_first_of(" \t") != std::string_view::npos ||
                     cell[0] == '"' || (startsLine && cell[0] == '#');
  if (!quote) {
    out += cell;
    return;
  }
  out += '"';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void WriteRow(std::string& out, const std::vector<std::string>& cells) {
  for (std::size_t k = 0; k < cells.size(); ++k) {
    if (k > 0) out += ' ';
    WriteCell(out, cells[k], k == 0);
  }
  out += '\n';
}

}  // namespace

std::string WriteProblemFile(const ProblemFile& problem) {
  std::string out = problem.maximum ? "max" : "min";
  if (problem.digits) out += " digits=" + std::to_string(*problem.digits);
  if (problem.details) out += *problem.details ? " details=on" : " details=off";
  out += '\n';
  WriteRow(out, problem.objective);
  for (const std::vector<std::string>& row : problem.constraints) WriteRow(out, row);
  if (problem.integers.Any(problem.n)) {
    out += "integer";
    for (int j = 1; j <= problem.n; ++j) {
      if (problem.integers.Of(j)) out += " x" + std::to_string(j);
    }
    out += '\n';
  }
  return out;
}

void EnterProblemCells(const ProblemFile& problem, GridCells& nb, GridCells& zf) {
  for (int r = 1; r <= problem.m; ++r) {
    const std::vector<std::string>& row = problem.constraints[static_cast<std::size_t>(r - 1)];
    for (std::size_t c = 0; c < row.size(); ++c) nb.SetText(static_cast<int>(c) + 1, r, row[c]);
  }
  for (std::size_t c = 0; c < problem.objective.size(); ++c)
    zf.SetText(static_cast<int>(c) + 1, 1, problem.objective[c]);
}

}  // namespace pivora
