// The resizing handlers: NVarsChange and NConsChange set the grids' counts
// and keep every row's relation sign and right-hand side behind its
// coefficients, whatever the number of variables.
#include "ui/handlers.h"
#include "ui/headings.h"

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
