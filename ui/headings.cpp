#include "ui/headings.h"

#include "solve/format_number.h"
#include "ui/handlers.h"

namespace pivora {

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

}  // namespace pivora
