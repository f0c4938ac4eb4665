#include "solve/read_problem.h"

#include <array>
#include <utility>

#include "solve/decimal_text.h"
#include "solve/parse_number.h"

namespace pivora {
namespace {

// The text of (column, row), after writing `fallback` into it if it was empty.
std::string_view TextWithDefault(GridCells& grid, int column, int row, std::string_view fallback) {
  if (grid.Text(column, row).empty()) grid.SetText(column, row, fallback);
  return grid.Text(column, row);
}

// False when the cell is faulty: its value is the error sentinel, whether the
// text did not parse or spelled the sentinel itself. Where `exact` is given,
// the exact value of an accepted text goes there.
bool ReadNumberCell(GridCells& grid, int column, int row, const NumberFormat& format,
                    Extended& value, Rational* exact) {
  const Extended sentinel = ErrorSentinel();
  const std::string_view text = TextWithDefault(grid, column, row, kNumberDefault);
  value = ParseNumber(text, format, sentinel);
  if (value == sentinel) return false;
  if (exact != nullptr) *exact = DecimalValue(text, format);
  return true;
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

namespace {

// Sets every entry to 0, storing only where one is not 0 already: a new
// table, which the solve command reads into, costs a test an entry instead
// of 2,704 stores (about 8 % of the worked example's whole run, callgrind).
void ClearExact(ExactTableau& exact) {
  for (int i = ExactTableau::kFirstRow; i < ExactTableau::kFirstRow + ExactTableau::kRows; ++i) {
    for (int j = ExactTableau::kFirstCol; j < ExactTableau::kFirstCol + ExactTableau::kCols; ++j) {
      mpq_srcptr q = exact(i, j).get_mpq_t();
      if (mpz_sgn(mpq_numref(q)) != 0 || mpz_cmp_ui(mpq_denref(q), 1) != 0) exact(i, j) = 0;
    }
  }
}

// Fills `exact` too where it is given.
ReadOutcome ReadCells(GridCells& nb, GridCells& zf, int n, int m, bool maximum,
                      const NumberFormat& format, Tableau& tableau, ExactTableau* exact) {
  tableau.Fill(0.0L);
  if (exact != nullptr) ClearExact(*exact);
  const auto cell = [exact](int i, int j) { return exact != nullptr ? &(*exact)(i, j) : nullptr; };
  Extended value = 0.0L;
  for (int p = 1; p <= m; ++p) {
    for (int j = 1; j <= n; ++j) {
      if (!ReadNumberCell(nb, j, p, format, value, cell(p, j)))
        return Faulty(ProblemGrid::kConstraints, j, p);
      tableau(p, j) = value;
    }
    if (!RelationCode(TextWithDefault(nb, n + 1, p, kRelationDefault), value))
      return Faulty(ProblemGrid::kConstraints, n + 1, p);
    tableau(p, n + 2) = value;
    if (exact != nullptr) (*exact)(p, n + 2) = static_cast<int>(value);
    if (!ReadNumberCell(nb, n + 2, p, format, value, cell(p, n + 1)))
      return Faulty(ProblemGrid::kConstraints, n + 2, p);
    tableau(p, n + 1) = value;
  }
  for (int j = 1; j <= n; ++j) {
    if (!ReadNumberCell(zf, j, 1, format, value, cell(m + 1, j)))
      return Faulty(ProblemGrid::kObjective, j, 1);
    tableau(m + 1, j) = value;
  }
  tableau(m + 1, n + 2) = maximum ? kMaximise : kMinimise;
  if (exact != nullptr) (*exact)(m + 1, n + 2) = maximum ? 1 : -1;
  return ReadOutcome{};
}

}  // namespace

ReadOutcome ReadProblem(GridCells& nb, GridCells& zf, int n, int m, bool maximum,
                        const NumberFormat& format, Tableau& tableau) {
  return ReadCells(nb, zf, n, m, maximum, format, tableau, nullptr);
}

ReadOutcome ReadProblem(GridCells& nb, GridCells& zf, int n, int m, bool maximum,
                        const NumberFormat& format, Tableau& tableau, ExactTableau& exact) {
  return ReadCells(nb, zf, n, m, maximum, format, tableau, &exact);
}

}  // namespace pivora
