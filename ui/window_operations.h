// The operations through which every handler reaches the window's widgets.
// The Qt window implements them; PlainWindow implements them on plain state
// for tests and the command-line front end.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "solve/report_views.h"
#include "solver/integer_marks.h"
#include "ui/cell_store.h"

namespace pivora {

class WindowOperations {
 public:
  virtual ~WindowOperations() = default;

  // NVars and NCons: the current value (1..50) and the configured maximum.
  virtual int NVarsValue() const = 0;
  virtual int NVarsMaximum() const = 0;
  virtual int NConsValue() const = 0;
  virtual int NConsMaximum() const = 0;

  // The integer that Digits' text spells; 3 when it spells none.
  virtual int DigitsValue() const = 0;

  virtual bool MaximumChecked() const = 0;
  virtual bool DetailsChecked() const = 0;

  // The variables marked whole-numbered: x1..x50, the hidden columns' too.
  // Only a handler that also writes the headings sets them (MarkIntegers).
  virtual IntegerMarks Integers() const = 0;
  virtual void SetIntegers(const IntegerMarks& marks) = 0;

  // The extra views the memo's context menu has checked: none by default.
  virtual ReportViews Views() const { return {}; }

  // The constant of the objective of the opened LP or MPS model the grids
  // hold, as decimal text; empty where there is none.
  virtual std::string ObjectiveConstant() const { return {}; }

  // The grid cell stores of the constraint grid and the objective grid.
  virtual CellStore& NB() = 0;
  virtual CellStore& ZF() = 0;

  // The report memo Sol. Lines are Latin-1 byte strings.
  virtual void SolClear() = 0;
  virtual void SolAppendLine(std::string_view line) = 0;
  // The same for many lines; a window lays them out once, not once a line.
  virtual void SolAppendLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) SolAppendLine(line);
  }
  virtual void SolTakeFocus() = 0;

  virtual void SetFooterText(std::string_view text) = 0;
};

}  // namespace pivora
