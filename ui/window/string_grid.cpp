#include "ui/window/string_grid.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QPainter>

#include "ui/window/cell_delegate.h"
#include "ui/window/grid_header.h"
#include "ui/window/grid_model.h"

namespace pivora {

StringGrid::StringGrid(GridModel& model, QWidget* parent) : QTableView(parent), model_(model) {
  constexpr int kColumnPitch = kCellWidth + kGridLine;
  constexpr int kRowPitch = kCellHeight + kGridLine;
  setHorizontalHeader(new GridHeader(Qt::Horizontal, kColumnPitch, kRowPitch, this));
  setVerticalHeader(new GridHeader(Qt::Vertical, kRowPitch, kColumnPitch, this));
  setItemDelegate(new CellDelegate(this));
  setModel(&model_);

  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(true);
  setDragEnabled(false);
  setWordWrap(false);
  setShowGrid(true);
  setGridStyle(Qt::SolidLine);
  setCornerButtonEnabled(false);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);

  corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (corner_) corner_->installEventFilter(this);
  viewport()->installEventFilter(this);
  horizontalHeader()->viewport()->installEventFilter(this);
  verticalHeader()->viewport()->installEventFilter(this);

  connect(&model_, &GridModel::aboutToMoveCurrent, this, &StringGrid::StoreEditorText);
  connect(&model_, &GridModel::currentMoved, this, &StringGrid::FollowStoreCurrent);
  connect(&model_, &GridModel::cornerChanged, this, [this] {
    if (corner_) corner_->update();
  });
  FollowStoreCurrent();
}

QWidget* StringGrid::Editor() const { return indexWidget(currentIndex()); }

void StringGrid::ShowCurrentCell() {
  if (currentIndex().isValid()) scrollTo(currentIndex());
}

void StringGrid::StoreEditorText() {
  if (QWidget* editor = indexWidget(model_.CurrentIndex())) commitData(editor);
}

void StringGrid::FollowStoreCurrent() {
  if (updatingStore_) return;
  followingStore_ = true;
  selectionModel()->setCurrentIndex(model_.CurrentIndex(), QItemSelectionModel::ClearAndSelect);
  followingStore_ = false;
}

// The editor moves with the current cell and takes the focus with it when
// the grid had it. The editor opens only after the base class has handled
// the move, so a move made by program never pulls the focus into the grid.
void StringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  if (!followingStore_ && !model_.ChangingCounts() && current.isValid()) {
    updatingStore_ = true;
    model_.Store().MakeColumnCurrent(current.column() + 1);
    model_.Store().MakeRowCurrent(current.row() + 1);
    updatingStore_ = false;
  }
  QWidget* oldEditor = previous.isValid() ? indexWidget(previous) : nullptr;
  const bool hadFocus = hasFocus() || (oldEditor && oldEditor->hasFocus());
  if (hadFocus && oldEditor && oldEditor->hasFocus()) setFocus(Qt::OtherFocusReason);
  QTableView::currentChanged(current, previous);
  if (previous.isValid() && isPersistentEditorOpen(previous)) closePersistentEditor(previous);
  if (!current.isValid()) return;
  openPersistentEditor(current);
  if (QWidget* editor = indexWidget(current)) {
    editor->installEventFilter(this);
    if (hadFocus) editor->setFocus(Qt::OtherFocusReason);
  }
}

void StringGrid::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  if (event->reason() == Qt::OtherFocusReason) return;
  if (QWidget* editor = Editor()) editor->setFocus(event->reason());
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    emit gridDoubleClicked();
    return true;
  }
  // The corner above the row headings draws itself and takes no clicks.
  if (watched == corner_) {
    switch (event->type()) {
      case QEvent::Paint:
        PaintCorner();
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
        return true;
      default:
        break;
    }
  }
  return QTableView::eventFilter(watched, event);
}

void StringGrid::PaintCorner() {
  QPainter painter(corner_);
  painter.setFont(font());
  GridHeader::DrawHeadingCell(&painter, corner_->rect(), model_.CornerText(), palette(),
                              GridHeader::GridLineColour(this));
}

}  // namespace pivora
