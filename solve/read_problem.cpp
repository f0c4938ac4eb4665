#include "solve/read_problem.h"

#include <array>
#include <utility>

#include "solve/parse_number.h"

namespace pivora {
namespace {

// The text of (column, row), after writing `fallback` into it if it was empty.
std::string_view TextWithDefault(GridCells& grid, int column, int row, std::string_view fallback) {
  if (grid.Text(column, row).empty()) grid.SetText(column, row, fallback);
  return grid.Text(column, row);
}

// False when the cell is faulty: its value is the error sentinel, whether the
// text did not parse or spelled the sentinel itself.
bool ReadNumberCell(GridCells& grid, int column, int row, const NumberFormat& format,
                    Extended& value) {
  const Extended sentinel = ErrorSentinel();
  value = ParseNumber(TextWithDefault(grid, column, row, kNumberDefault), format, sentinel);
  return value != sentinel;
}

ReadOutcome Faulty(ProblemGrid grid, int column, int row) {
  ReadOutcome outcome;
  outcome.kind = ReadOutcome::Kind::kFaulty;
  outcome.fault = CellAddress{grid, column, row};
  return outcome;
}

}  // namespace

bool RelationCode(std::string_view text, Extended& code) {
  static constexpr std::array<std::pair<std::string_view, Extended>, 6> kRelations{{
      {"<", kRelationLessEqual},
      {"<=", kRelationLessEqual},
      {">", kRelationGreaterEqual},
      {">=", kRelationGreaterEqual},
      {"=", kRelationEqual},
      {"==", kRelationEqual},
  }};
  for (const auto& [literal, value] : kRelations) {
    if (text == literal) {
      code = value;
      return true;
    }
  }
  return false;
}

ReadOutcome ReadProblem(GridCells& nb, GridCells& zf, int n, int m, bool maximum,
                        const NumberFormat& format, Tableau& tableau) {
  tableau.Fill(0.0L);
  Extended value = 0.0L;
  for (int p = 1; p <= m; ++p) {
    for (int j = 1; j <= n; ++j) {
      if (!ReadNumberCell(nb, j, p, format, value)) return Faulty(ProblemGrid::kConstraints, j, p);
      tableau(p, j) = value;
    }
    if (!RelationCode(TextWithDefault(nb, n + 1, p, kRelationDefault), value))
      return Faulty(ProblemGrid::kConstraints, n + 1, p);
    tableau(p, n + 2) = value;
    if (!ReadNumberCell(nb, n + 2, p, format, value))
      return Faulty(ProblemGrid::kConstraints, n + 2, p);
    tableau(p, n + 1) = value;
  }
  for (int j = 1; j <= n; ++j) {
    if (!ReadNumberCell(zf, j, 1, format, value)) return Faulty(ProblemGrid::kObjective, j, 1);
    tableau(m + 1, j) = value;
  }
  tableau(m + 1, n + 2) = maximum ? kMaximise : kMinimise;
  return ReadOutcome{};
}

}  // namespace pivora
