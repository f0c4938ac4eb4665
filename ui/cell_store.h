// The texts of one grid by (column, row), independent of the column and row
// counts, with the counts and the current cell. Plain C++: the Qt model is a
// thin adapter over it, and handlers and tests use it without any window.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "solve/grid_cells.h"
#include "solver/tables.h"

namespace pivora {

// Told about every change, so a view can show it. All calls come after the
// change has been made, except AboutToMoveCurrent.
class CellStoreObserver {
 public:
  virtual ~CellStoreObserver() = default;
  virtual void CellChanged(int column, int row) = 0;
  virtual void CountsChanged() = 0;
  // The in-place editor stores its text into the current cell here.
  virtual void AboutToMoveCurrent() = 0;
  virtual void CurrentMoved() = 0;
};

class CellStore final : public GridCells {
 public:
  // Columns 0..n+2 and rows 0..m at the largest n and m: the headings, the
  // coefficients, the relation and the right-hand side of each row.
  static constexpr int kColumns = kMaxVariables + 3;
  static constexpr int kRows = kMaxConstraints + 1;

  CellStore(int columnCount, int rowCount);

  // Any cell inside the range, inside or outside the counts; a cell never
  // written reads as the empty text. Cells outside the range read as empty
  // and ignore writes.
  std::string_view Text(int column, int row) const override;
  void SetText(int column, int row, std::string_view text) override;

  int ColumnCount() const { return columnCount_; }
  int RowCount() const { return rowCount_; }
  // k below 1 counts as 1; the present count changes nothing; no cell text
  // ever changes. A current cell outside the new count moves to its last
  // column (row).
  void SetColumnCount(int k);
  void SetRowCount(int k);

  // The fault mark the solve command writes over a faulty cell keeps the
  // text it covers: TypedText gives that text for a marked cell, and the
  // cell's text otherwise. Any later change of the cell's text forgets it.
  // MarkFault leaves a cell that already holds `mark` (and what it keeps)
  // as it is; KeepBehindMark tells a cell that holds the mark again (after
  // an undo step) what it covers.
  void MarkFault(int column, int row, std::string_view mark);
  void KeepBehindMark(int column, int row, std::string typed);
  std::string_view TypedText(int column, int row) const;

  int CurrentColumn() const { return currentColumn_; }
  int CurrentRow() const { return currentRow_; }
  // Nothing happens when already current; otherwise the editor stores its
  // text, then the current cell moves.
  void MakeColumnCurrent(int column);
  void MakeRowCurrent(int row);
  // Both at once, as one move.
  void MakeCurrent(int column, int row);

  void SetObserver(CellStoreObserver* observer) { observer_ = observer; }

  friend bool operator==(const CellStore& a, const CellStore& b);

 private:
  static bool InRange(int column, int row);
  void MoveCurrent(int column, int row);

  // A row's kColumns texts are made when a cell of it is first written: a
  // new window's two stores held 2 x 2,703 strings otherwise, 170 KiB of
  // pages touched at start-up for a problem of a few cells.
  std::array<std::vector<std::string>, kRows> rows_{};
  int columnCount_;
  int rowCount_;
  std::map<std::size_t, std::string> typedBehindMark_;  // by cell index
  int currentColumn_ = 1;
  int currentRow_ = 1;
  CellStoreObserver* observer_ = nullptr;
};

}  // namespace pivora
