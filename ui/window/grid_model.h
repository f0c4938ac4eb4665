// The Qt model of one grid: a thin adapter over its grid cell store. Row 0
// and column 0 of the store are the headings and appear as header data;
// store cell (c, r) with c, r >= 1 is model index (r - 1, c - 1). Texts are
// Latin-1 bytes in the store and converted only here.
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QStringList>
#include <string>

#include "ui/cell_store.h"
#include "ui/fault_reason.h"

namespace pivora {

class GridModel;

// Told who changed a grid: the user through the in-place editor, or a
// program write (a handler, a paste, an undo). Both calls come on the user
// interface thread; BeforeUserEdit comes before the store changes.
class GridEditListener {
 public:
  virtual ~GridEditListener() = default;
  virtual void BeforeUserEdit() = 0;
  virtual void UserEdited(GridModel& grid, int column, int row, const std::string& before) = 0;
  virtual void ProgramChanged() = 0;
};

class GridModel final : public QAbstractTableModel, private CellStoreObserver {
  Q_OBJECT

 public:
  // Observes `store` for as long as the model lives.
  explicit GridModel(CellStore& store, QObject* parent = nullptr);
  ~GridModel() override;

  CellStore& Store() { return store_; }
  QModelIndex IndexOfCell(int column, int row) const;
  QModelIndex CurrentIndex() const;
  // The heading text of cell (0, 0), drawn in the view's corner.
  QString CornerText() const;

  // While a batch is open, changes of cells other than the current one are
  // gathered and reported as one change when the last batch closes, so a
  // handler that rewrites thousands of cells costs one repaint.
  void BeginBatch();
  void EndBatch();

  void SetEditListener(GridEditListener* listener) { listener_ = listener; }

  // The constraint grid: its last column but one holds relation signs.
  // Every data cell that cannot be read is tinted, and its tooltip says
  // why (FaultReason); the window's editor covers the cell being typed in.
  void SetConstraintGrid(bool constraints) { constraintGrid_ = constraints; }
  // The cell (store column, row) cannot be read as the solve reads it.
  bool Faulty(int column, int row) const;

  // The tooltip of a cell that holds the fault mark: what was typed and why
  // it is faulty. It goes as soon as the cell's text changes.
  void SetFaultNote(int column, int row, const QString& note);

  // Tooltips of the heading cells: what the columns and rows stand for in
  // an opened model, until the counts next change. Empty lists take them
  // away.
  void SetHeadingTips(const QStringList& columns, const QStringList& rows);

  // True while the views are told of a change of the column or row count;
  // the current cell they pick meanwhile is not the store's.
  bool ChangingCounts() const { return changingCounts_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 signals:
  void cornerChanged();
  // The in-place editor is to store its text now: the current cell moves.
  void aboutToMoveCurrent();
  void currentMoved();

 private:
  void CellChanged(int column, int row) override;
  void CountsChanged() override;
  void AboutToMoveCurrent() override;
  void CurrentMoved() override;

  CellKind KindOf(int column) const;
  void ReportCell(int column, int row);
  void ReportPending();
  void FollowColumnCount();
  void FollowRowCount();

  CellStore& store_;
  GridEditListener* listener_ = nullptr;
  bool userEditing_ = false;
  bool constraintGrid_ = false;
  QHash<int, QString> faultNotes_;
  QStringList columnTips_;  // by data column, from column 1
  QStringList rowTips_;     // by data row, from row 1  // by row * CellStore::kColumns + column
  // The counts of data columns and rows the views were last told about.
  int columns_;
  int rows_;
  int batchDepth_ = 0;
  bool changingCounts_ = false;
  // The store's cells changed during the open batch: a bounding box.
  bool pending_ = false;
  int pendingFirstColumn_ = 0;
  int pendingLastColumn_ = 0;
  int pendingFirstRow_ = 0;
  int pendingLastRow_ = 0;
};

}  // namespace pivora
