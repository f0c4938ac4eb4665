#include "ui/headings.h"

#include "solve/format_number.h"
#include "ui/handlers.h"

namespace pivora {
namespace {

// The three cells (c - 3, r), (c - 2, r), (c - 1, r) one place to the left:
// the coefficient in front of the relation sign and the right-hand side goes
// behind them.
void RotateLeft(CellStore& grid, int c, int r) {
  const std::string first(grid.Text(c - 3, r));
  grid.SetText(c - 3, r, std::string(grid.Text(c - 2, r)));
  grid.SetText(c - 2, r, std::string(grid.Text(c - 1, r)));
  grid.SetText(c - 1, r, first);
}

// The inverse: the cell behind the right-hand side comes back in front of
// the relation sign.
void RotateRight(CellStore& grid, int c, int r) {
  const std::string last(grid.Text(c - 1, r));
  grid.SetText(c - 1, r, std::string(grid.Text(c - 2, r)));
  grid.SetText(c - 2, r, std::string(grid.Text(c - 3, r)));
  grid.SetText(c - 3, r, last);
}

}  // namespace

std::string VariableHeading(int j) { return "       x" + FormatWhole(static_cast<Extended>(j)); }

std::string ConstraintHeading(int p) { return "     NB " + FormatWhole(static_cast<Extended>(p)); }

void MakeFirstCellCurrent(WindowOperations& window) {
  window.NB().MakeColumnCurrent(1);
  window.NB().MakeRowCurrent(1);
  window.ZF().MakeColumnCurrent(1);
  window.ZF().MakeRowCurrent(1);
}

void FormActivate(WindowOperations& window, Sender /*sender*/) {
  window.SetFooterText(kFooterText);
  MakeFirstCellCurrent(window);
  CellStore& nb = window.NB();
  CellStore& zf = window.ZF();
  nb.SetText(0, 0, kConstraintCornerHeading);
  zf.SetText(0, 0, kObjectiveCornerHeading);
  zf.SetText(0, 1, kObjectiveRowHeading);
  const int n = window.NVarsValue();
  for (int j = 1; j <= n; ++j) {
    const std::string heading = VariableHeading(j);
    nb.SetText(j, 0, heading);
    zf.SetText(j, 0, heading);
  }
  const int m = window.NConsValue();
  for (int p = 1; p <= m; ++p) nb.SetText(0, p, ConstraintHeading(p));
  nb.SetText(n + 1, 0, kRelationHeading);
  nb.SetText(n + 2, 0, kRightHandSideHeading);
}

void NVarsChange(WindowOperations& window, Sender sender) {
  MakeFirstCellCurrent(window);
  CellStore& nb = window.NB();
  const int n = window.NVarsValue();
  const int oldCount = nb.ColumnCount();
  const int rows = window.NConsMaximum();
  if (n + 3 < oldCount) {
    for (int r = 1; r <= rows; ++r) RotateLeft(nb, oldCount, r);
  }
  nb.SetColumnCount(n + 3);
  window.ZF().SetColumnCount(n + 1);
  if (n + 3 > oldCount) {
    const int newCount = nb.ColumnCount();
    for (int r = 1; r <= rows; ++r) RotateRight(nb, newCount, r);
  }
  FormActivate(window, sender);
}

void NConsChange(WindowOperations& window, Sender sender) {
  MakeFirstCellCurrent(window);
  window.NB().SetRowCount(window.NConsValue() + 1);
  FormActivate(window, sender);
}

}  // namespace pivora
