#include "ui/window/grid_model.h"

#include <QBrush>
#include <QColor>
#include <algorithm>
#include <string>


namespace pivora {

GridModel::GridModel(CellStore& store, QObject* parent)
    : QAbstractTableModel(parent),
      store_(store),
      columns_(store.ColumnCount() - 1),
      rows_(store.RowCount() - 1) {
  store_.SetObserver(this);
}

GridModel::~GridModel() { store_.SetObserver(nullptr); }

CellKind GridModel::KindOf(int column) const {
  return constraintGrid_ && column == columns_ - 1 ? CellKind::kRelation : CellKind::kNumber;
}

bool GridModel::Faulty(int column, int row) const {
  return !CellReadable(store_.Text(column, row), KindOf(column));
}

QModelIndex GridModel::IndexOfCell(int column, int row) const { return index(row - 1, column - 1); }

QModelIndex GridModel::CurrentIndex() const {
  return IndexOfCell(store_.CurrentColumn(), store_.CurrentRow());
}

QString GridModel::CornerText() const {
  const std::string_view text = store_.Text(0, 0);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
    return {};
  }
  const int column = index.column() + 1;
  const int row = index.row() + 1;
  if (role == Qt::ToolTipRole) {
    const QString note = faultNotes_.value(row * CellStore::kColumns + column);
    if (!note.isEmpty() || !Faulty(column, row)) return note;
    return QString::fromUtf8(FaultReason(store_.Text(column, row), KindOf(column)).c_str());
  }
  if (role == Qt::BackgroundRole) {
    return Faulty(column, row) ? QVariant(QBrush(QColor(255, 214, 214))) : QVariant();
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  const std::string_view text = store_.Text(index.column() + 1, index.row() + 1);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters outside Latin-1 become '?', which no number or relation sign
// contains, so the solve command marks such a cell as faulty.
bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole ||
      !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
    return false;
  }
  const QByteArray bytes = value.toString().toLatin1();
  const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  const int column = index.column() + 1;
  const int row = index.row() + 1;
  if (store_.Text(column, row) == text) return true;
  if (listener_) listener_->BeforeUserEdit();
  const std::string before(store_.Text(column, row));
  userEditing_ = true;
  store_.SetText(column, row, text);
  userEditing_ = false;
  if (listener_) listener_->UserEdited(*this, column, row, before);
  return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
    return Qt::NoItemFlags;
  }
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemNeverHasChildren;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::ToolTipRole) {
    return (orientation == Qt::Horizontal ? columnTips_ : rowTips_).value(section);
  }
  if (role != Qt::DisplayRole || section < 0) return {};
  const int count = orientation == Qt::Horizontal ? columns_ : rows_;
  if (section >= count) return {};
  const std::string_view text =
      orientation == Qt::Horizontal ? store_.Text(section + 1, 0) : store_.Text(0, section + 1);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void GridModel::BeginBatch() { ++batchDepth_; }

void GridModel::EndBatch() {
  if (batchDepth_ == 0) return;
  if (--batchDepth_ == 0) ReportPending();
}

void GridModel::SetFaultNote(int column, int row, const QString& note) {
  faultNotes_.insert(row * CellStore::kColumns + column, note);
  if (column >= 1 && row >= 1 && column <= columns_ && row <= rows_) {
    const QModelIndex cell = IndexOfCell(column, row);
    emit dataChanged(cell, cell, {Qt::ToolTipRole});
  }
}

void GridModel::SetHeadingTips(const QStringList& columns, const QStringList& rows) {
  columnTips_ = columns;
  rowTips_ = rows;
}

void GridModel::CellChanged(int column, int row) {
  if (!faultNotes_.isEmpty()) faultNotes_.remove(row * CellStore::kColumns + column);
  if (!userEditing_ && listener_) listener_->ProgramChanged();
  // The current cell is reported at once: its editor must show the new text
  // before anything can make it store its own text again.
  if (batchDepth_ == 0 || (column == store_.CurrentColumn() && row == store_.CurrentRow())) {
    ReportCell(column, row);
    return;
  }
  if (!pending_) {
    pending_ = true;
    pendingFirstColumn_ = pendingLastColumn_ = column;
    pendingFirstRow_ = pendingLastRow_ = row;
    return;
  }
  pendingFirstColumn_ = std::min(pendingFirstColumn_, column);
  pendingLastColumn_ = std::max(pendingLastColumn_, column);
  pendingFirstRow_ = std::min(pendingFirstRow_, row);
  pendingLastRow_ = std::max(pendingLastRow_, row);
}

void GridModel::ReportCell(int column, int row) {
  if (column == 0 && row == 0) {
    emit cornerChanged();
  } else if (row == 0) {
    if (column <= columns_) emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
  } else if (column == 0) {
    if (row <= rows_) emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
  } else if (column <= columns_ && row <= rows_) {
    const QModelIndex changed = IndexOfCell(column, row);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
  }
}

// One report for the whole box: the corner, the heading sections and the
// data cells it covers within the current counts.
void GridModel::ReportPending() {
  if (!pending_) return;
  pending_ = false;
  if (pendingFirstColumn_ == 0 && pendingFirstRow_ == 0) emit cornerChanged();
  const int firstColumn = std::max(pendingFirstColumn_, 1);
  const int lastColumn = std::min(pendingLastColumn_, columns_);
  const int firstRow = std::max(pendingFirstRow_, 1);
  const int lastRow = std::min(pendingLastRow_, rows_);
  if (pendingFirstRow_ == 0 && firstColumn <= lastColumn) {
    emit headerDataChanged(Qt::Horizontal, firstColumn - 1, lastColumn - 1);
  }
  if (pendingFirstColumn_ == 0 && firstRow <= lastRow) {
    emit headerDataChanged(Qt::Vertical, firstRow - 1, lastRow - 1);
  }
  if (firstColumn <= lastColumn && firstRow <= lastRow) {
    emit dataChanged(IndexOfCell(firstColumn, firstRow), IndexOfCell(lastColumn, lastRow),
                     {Qt::DisplayRole, Qt::EditRole});
  }
}

// Heading tooltips name the columns and rows of an opened model as they
// were laid out; a change of the counts moves them, so they go.
void GridModel::CountsChanged() {
  columnTips_.clear();
  rowTips_.clear();
  if (listener_) listener_->ProgramChanged();
  changingCounts_ = true;
  FollowColumnCount();
  FollowRowCount();
  changingCounts_ = false;
}

// The store has already changed its count; the views hear of the columns
// that appeared or vanished at the end.
void GridModel::FollowColumnCount() {
  const int columns = store_.ColumnCount() - 1;
  if (columns > columns_) {
    beginInsertColumns(QModelIndex(), columns_, columns - 1);
    columns_ = columns;
    endInsertColumns();
  } else if (columns < columns_) {
    beginRemoveColumns(QModelIndex(), columns, columns_ - 1);
    columns_ = columns;
    endRemoveColumns();
  }
}

void GridModel::FollowRowCount() {
  const int rows = store_.RowCount() - 1;
  if (rows > rows_) {
    beginInsertRows(QModelIndex(), rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
  } else if (rows < rows_) {
    beginRemoveRows(QModelIndex(), rows, rows_ - 1);
    rows_ = rows;
    endRemoveRows();
  }
}

void GridModel::AboutToMoveCurrent() { emit aboutToMoveCurrent(); }

void GridModel::CurrentMoved() { emit currentMoved(); }

}  // namespace pivora
