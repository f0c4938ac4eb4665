#include "ui/window/window_snapshot.h"

#include <QCheckBox>
#include <QRadioButton>
#include <algorithm>

#include "ui/window/grid_model.h"
#include "ui/window/report_memo.h"
#include "ui/window/spin_edit.h"
#include "ui/window/string_grid.h"
#include "ui/window/tform1.h"

namespace pivora {
namespace {

void CaptureCells(const CellStore& store, int lastRow, std::vector<SnapshotCell>& cells) {
  for (int r = 1; r <= lastRow; ++r) {
    for (int c = 1; c < CellStore::kColumns; ++c) {
      const std::string_view text = store.Text(c, r);
      if (!text.empty()) cells.push_back({c, r, std::string(text)});
    }
  }
}

void ApplyCells(CellStore& store, int lastRow, const std::vector<SnapshotCell>& cells) {
  auto next = cells.begin();
  for (int r = 1; r <= lastRow; ++r) {
    for (int c = 1; c < CellStore::kColumns; ++c) {
      if (next != cells.end() && next->column == c && next->row == r) {
        store.SetText(c, r, next->text);
        ++next;
      } else {
        store.SetText(c, r, "");
      }
    }
  }
}

void StepTo(SpinEdit* spin, int target) {
  while (spin->value() != target) spin->setValue(spin->value() + (spin->value() < target ? 1 : -1));
}

}  // namespace

// The first cell at or after (column, row) in row-major order.
template <typename Cells>
auto CellAt(Cells& cells, int column, int row) {
  return std::lower_bound(cells.begin(), cells.end(), std::pair(row, column),
                          [](const SnapshotCell& cell, const std::pair<int, int>& key) {
                            return std::pair(cell.row, cell.column) < key;
                          });
}

std::string WindowSnapshot::Text(bool objective, int column, int row) const {
  const std::vector<SnapshotCell>& cells = objective ? zf : nb;
  const auto at = CellAt(cells, column, row);
  const bool found = at != cells.end() && at->column == column && at->row == row;
  return found ? at->text : std::string();
}

void WindowSnapshot::SetText(bool objective, int column, int row, const std::string& text) {
  std::vector<SnapshotCell>& cells = objective ? zf : nb;
  const auto at = CellAt(cells, column, row);
  const bool found = at != cells.end() && at->column == column && at->row == row;
  if (text.empty()) {
    if (found) cells.erase(at);
  } else if (found) {
    at->text = text;
  } else {
    cells.insert(at, {column, row, text});
  }
}

WindowSnapshot CaptureWindow(TForm1& form, bool withMemo) {
  WindowSnapshot snapshot;
  snapshot.n = form.NVars()->value();
  snapshot.m = form.NCons()->value();
  CaptureCells(form.NB(), CellStore::kRows - 1, snapshot.nb);
  CaptureCells(form.ZF(), 1, snapshot.zf);
  if (withMemo) snapshot.memo = form.Sol()->Lines();
  snapshot.integers = form.Integers();
  snapshot.maximum = form.Maximum()->isChecked();
  snapshot.details = form.Details()->isChecked();
  snapshot.digits = form.Digits()->value();
  return snapshot;
}

void ApplyToWindow(TForm1& form, const WindowSnapshot& snapshot, bool withSettings) {
  StepTo(form.NVars(), snapshot.n);
  StepTo(form.NCons(), snapshot.m);
  GridModel& nb = form.NBGrid()->Model();
  GridModel& zf = form.ZFGrid()->Model();
  nb.BeginBatch();
  zf.BeginBatch();
  ApplyCells(form.NB(), CellStore::kRows - 1, snapshot.nb);
  ApplyCells(form.ZF(), 1, snapshot.zf);
  if (form.Integers() != snapshot.integers) MarkIntegers(form, snapshot.integers);
  nb.EndBatch();
  zf.EndBatch();
  if (form.Sol()->Lines() != snapshot.memo) {
    form.Sol()->Clear();
    for (const QString& line : snapshot.memo) {
      const QByteArray bytes = line.toLatin1();
      form.Sol()->AppendLine(
          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
  }
  if (withSettings) {
    (snapshot.maximum ? form.Maximum() : form.Minimum())->setChecked(true);
    form.Details()->setChecked(snapshot.details);
    form.Digits()->setValue(snapshot.digits);
  }
}

}  // namespace pivora
