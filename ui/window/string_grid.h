// A string grid over one grid cell store: the fixed heading row and column,
// an in-place editor always open on the current cell, single-cell selection,
// Tab and Shift+Tab wrapping over the data cells, and one double-click
// signal for every part of the grid.
#pragma once

#include <QTableView>

namespace pivora {

class GridModel;

class StringGrid final : public QTableView {
  Q_OBJECT

 public:
  // A data cell is 64 × 20 pixels; the 1-pixel grid line comes on top.
  static constexpr int kCellWidth = 64;
  static constexpr int kCellHeight = 20;
  static constexpr int kGridLine = 1;

  StringGrid(GridModel& model, QWidget* parent);

  GridModel& Model() { return model_; }
  // The in-place editor on the current cell.
  QWidget* Editor() const;
  // Scrolls the current cell into view.
  void ShowCurrentCell();

 signals:
  // A double click anywhere on the grid: a data cell, its editor, a heading
  // cell or the corner.
  void gridDoubleClicked();

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void focusInEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StoreEditorText();
  void FollowStoreCurrent();
  void PaintCorner();

  GridModel& model_;
  QWidget* corner_ = nullptr;
  // Set while the view follows a move of the store's current cell, and while
  // the store follows a move made in the view, so neither echoes the other.
  bool followingStore_ = false;
  bool updatingStore_ = false;
};

}  // namespace pivora
