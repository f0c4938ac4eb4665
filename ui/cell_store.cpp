#include "ui/cell_store.h"

#include <algorithm>

namespace pivora {

CellStore::CellStore(int columnCount, int rowCount)
    : columnCount_(std::max(columnCount, 1)), rowCount_(std::max(rowCount, 1)) {}

bool CellStore::InRange(int column, int row) {
  return column >= 0 && column < kColumns && row >= 0 && row < kRows;
}

std::string_view CellStore::Text(int column, int row) const {
  if (!InRange(column, row)) return {};
  return texts_[static_cast<std::size_t>(row) * kColumns + static_cast<std::size_t>(column)];
}

void CellStore::SetText(int column, int row, std::string_view text) {
  if (!InRange(column, row)) return;
  std::string& cell = texts_[static_cast<std::size_t>(row) * kColumns + static_cast<std::size_t>(column)];
  if (cell == text) return;
  cell.assign(text);
  if (observer_) observer_->CellChanged(column, row);
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

void CellStore::MoveCurrent(int column, int row) {
  if (observer_) observer_->AboutToMoveCurrent();
  currentColumn_ = column;
  currentRow_ = row;
  if (observer_) observer_->CurrentMoved();
}

bool operator==(const CellStore& a, const CellStore& b) {
  return a.texts_ == b.texts_ && a.columnCount_ == b.columnCount_ &&
         a.rowCount_ == b.rowCount_ && a.currentColumn_ == b.currentColumn_ &&
         a.currentRow_ == b.currentRow_;
}

}  // namespace pivora
