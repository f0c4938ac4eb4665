#include "ui/headings.h"

#include "solve/format_number.h"
#include "ui/handlers.h"

namespace pivora {

std::string VariableHeading(int j, bool integer) {
  std::string heading(integer ? "    x" : "       x");
  heading.append(FormatWhole(static_cast<Extended>(j)));
  if (integer) heading.append(" ganz");
  return heading;
}

std::string ConstraintHeading(int p) { return "     NB " + FormatWhole(static_cast<Extended>(p)); }

void MakeFirstCellCurrent(WindowOperations& window) {
  window.NB().MakeColumnCurrent(1);
  window.NB().MakeRowCurrent(1);
  window.ZF().MakeColumnCurrent(1);
  window.ZF().MakeRowCurrent(1);
}

void WriteVariableHeadings(WindowOperations& window) {
  const IntegerMarks marks = window.Integers();
  for (int j = 1; j <= window.NVarsValue(); ++j) {
    const std::string heading = VariableHeading(j, marks.Of(j));
    window.NB().SetText(j, 0, heading);
    window.ZF().SetText(j, 0, heading);
  }
}

void MarkIntegers(WindowOperations& window, const IntegerMarks& marks) {
  window.SetIntegers(marks);
  WriteVariableHeadings(window);
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
  WriteVariableHeadings(window);
  const int m = window.NConsValue();
  for (int p = 1; p <= m; ++p) nb.SetText(0, p, ConstraintHeading(p));
  nb.SetText(n + 1, 0, kRelationHeading);
  nb.SetText(n + 2, 0, kRightHandSideHeading);
}

}  // namespace pivora
