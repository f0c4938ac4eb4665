#include "ui/cell_store.h"

#include <algorithm>

namespace pivora {

CellStore::CellStore(int columnCount, int rowCount)
    : columnCount_(std::max(columnCount, 1)), rowCount_(std::max(rowCount, 1)) {}

bool CellStore::InRange(int column, int row) {
  return column >= 0 && column < kColumns && row >= 0 && row < kRows;
}

std::string_view CellStore::Text(int column, int row) const {
  if (!InRange(column, row) || rows_[static_cast<std::size_t>(row)].empty()) return {};
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void CellStore::SetText(int column, int row, std::string_view text) {
  if (!InRange(column, row) || Text(column, row) == text) return;
  std::vector<std::string>& cells = rows_[static_cast<std::size_t>(row)];
  if (cells.empty()) cells.resize(kColumns);
  std::string& cell = cells[static_cast<std::size_t>(column)];
  cell.assign(text);
  if (!typedBehindMark_.empty()) {
    typedBehindMark_.erase(static_cast<std::size_t>(row) * kColumns +
                           static_cast<std::size_t>(column));
  }
  if (observer_) observer_->CellChanged(column, row);
}

void CellStore::MarkFault(int column, int row, std::string_view mark) {
  if (!InRange(column, row) || Text(column, row) == mark) return;
  std::string typed(Text(column, row));
  SetText(column, row, mark);
  KeepBehindMark(column, row, std::move(typed));
}

void CellStore::KeepBehindMark(int column, int row, std::string typed) {
  if (!InRange(column, row)) return;
  typedBehindMark_[static_cast<std::size_t>(row) * kColumns + static_cast<std::size_t>(column)] =
      std::move(typed);
}

std::string_view CellStore::TypedText(int column, int row) const {
  if (!InRange(column, row)) return {};
  const auto kept = typedBehindMark_.find(static_cast<std::size_t>(row) * kColumns +
                                          static_cast<std::size_t>(column));
  return kept != typedBehindMark_.end() ? std::string_view(kept->second) : Text(column, row);
}

void CellStore::SetColumnCount(int k) {
  k = std::max(k, 1);
  if (k == columnCount_) return;
  columnCount_ = k;
  if (observer_) observer_->CountsChanged();
  if (currentColumn_ > k - 1) MoveCurrent(std::max(k - 1, 1), currentRow_);
}

void CellStore::SetRowCount(int k) {
  k = std::max(k, 1);
  if (k == rowCount_) return;
  rowCount_ = k;
  if (observer_) observer_->CountsChanged();
  if (currentRow_ > k - 1) MoveCurrent(currentColumn_, std::max(k - 1, 1));
}

void CellStore::MakeColumnCurrent(int column) {
  if (column == currentColumn_) return;
  MoveCurrent(column, currentRow_);
}

void CellStore::MakeRowCurrent(int row) {
  if (row == currentRow_) return;
  MoveCurrent(currentColumn_, row);
}

void CellStore::MakeCurrent(int column, int row) {
  if (column == currentColumn_ && row == currentRow_) return;
  MoveCurrent(column, row);
}

void CellStore::MoveCurrent(int column, int row) {
  if (observer_) observer_->AboutToMoveCurrent();
  currentColumn_ = column;
  currentRow_ = row;
  if (observer_) observer_->CurrentMoved();
}

bool operator==(const CellStore& a, const CellStore& b) {
  for (int row = 0; row < CellStore::kRows; ++row) {
    for (int column = 0; column < CellStore::kColumns; ++column) {
      if (a.Text(column, row) != b.Text(column, row)) return false;
    }
  }
  return a.columnCount_ == b.columnCount_ && a.rowCount_ == b.rowCount_ &&
         a.currentColumn_ == b.currentColumn_ && a.currentRow_ == b.currentRow_;
}

}  // namespace pivora
