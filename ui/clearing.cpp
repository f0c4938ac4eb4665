#include "ui/handlers.h"

namespace pivora {

// The ranges come from the spin edits' maxima, not the current counts, so
// the cells that wait beyond a lowered count are emptied as well.
void TabDblClick(WindowOperations& window, Sender sender) {
  const int lastRow = window.NConsMaximum();
  const int lastColumn = window.NVarsMaximum() + 2;
  CellStore& nb = window.NB();
  for (int r = 1; r <= lastRow; ++r) {
    for (int c = 1; c <= lastColumn; ++c) nb.SetText(c, r, "");
  }
  CellStore& zf = window.ZF();
  for (int c = 1; c <= lastColumn; ++c) zf.SetText(c, 1, "");
  window.SolClear();
  FormActivate(window, sender);
}

void SolDblClick(WindowOperations& window, Sender /*sender*/) { window.SolClear(); }

}  // namespace pivora
