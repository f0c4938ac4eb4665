// Everything the window's undo steps put back: the two counts, the texts of
// every data cell of both grids (the hidden ones included), the report lines
// and the settings. Cells are kept sparsely: only non-empty texts.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "solver/integer_marks.h"

namespace pivora {

class TForm1;

struct SnapshotCell {
  int column = 0;
  int row = 0;
  std::string text;
  friend bool operator==(const SnapshotCell&, const SnapshotCell&) = default;
};

struct WindowSnapshot {
  int n = 2;
  int m = 2;
  std::vector<SnapshotCell> nb;  // data cells, row by row
  std::vector<SnapshotCell> zf;
  QStringList memo;
  IntegerMarks integers;
  bool maximum = true;
  bool details = true;
  int digits = 10;

  // The counts, the cells, the marks and the report; the settings are not
  // compared.
  bool SameContent(const WindowSnapshot& other) const {
    return n == other.n && m == other.m && nb == other.nb && zf == other.zf &&
           integers == other.integers && memo == other.memo;
  }
  // The text of a data cell, empty when the snapshot holds none.
  std::string Text(bool objective, int column, int row) const;
  // Sets one cell's text, keeping the cells in order.
  void SetText(bool objective, int column, int row, const std::string& text);
};

// The report lines only `withMemo`; a long report costs a copy of its text.
WindowSnapshot CaptureWindow(TForm1& form, bool withMemo = true);

// Steps NVars and NCons one value at a time to the snapshot's counts (their
// handlers run, as for the user's clicks), then writes every data cell of
// both grids and the report; the settings too when `withSettings`.
void ApplyToWindow(TForm1& form, const WindowSnapshot& snapshot, bool withSettings);

}  // namespace pivora
