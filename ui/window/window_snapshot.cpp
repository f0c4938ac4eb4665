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

std::string WindowSnapshot::Text(bool objective, int column, int row) const {
  const std::vector<SnapshotCell>& cells = objective ? zf : nb;
  const auto found = std::find_if(cells.begin(), cells.end(), [column, row](const SnapshotCell& c) {
    return c.column == column && c.row == row;
  });
  return found == cells.end() ? std::string() : found->text;
}

WindowSnapshot CaptureWindow(TForm1& form) {
  WindowSnapshot snapshot;
  snapshot.n = form.NVars->value();
  snapshot.m = form.NCons->value();
  CaptureCells(form.NB(), CellStore::kRows - 1, snapshot.nb);
  CaptureCells(form.ZF(), 1, snapshot.zf);
  snapshot.memo = form.Sol->Lines();
  snapshot.maximum = form.Maximum->isChecked();
  snapshot.details = form.Details->isChecked();
  snapshot.digits = form.Digits->value();
  return snapshot;
}

void ApplyToWindow(TForm1& form, const WindowSnapshot& snapshot, bool withSettings) {
  StepTo(form.NVars, snapshot.n);
  StepTo(form.NCons, snapshot.m);
  GridModel& nb = form.NBGrid->Model();
  GridModel& zf = form.ZFGrid->Model();
  nb.BeginBatch();
  zf.BeginBatch();
  ApplyCells(form.NB(), CellStore::kRows - 1, snapshot.nb);
  ApplyCells(form.ZF(), 1, snapshot.zf);
  nb.EndBatch();
  zf.EndBatch();
  if (form.Sol->Lines() != snapshot.memo) {
    form.Sol->Clear();
    for (const QString& line : snapshot.memo) {
      const QByteArray bytes = line.toLatin1();
      form.Sol->AppendLine(
          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
  }
  if (withSettings) {
    (snapshot.maximum ? form.Maximum : form.Minimum)->setChecked(true);
    form.Details->setChecked(snapshot.details);
    form.Digits->setValue(snapshot.digits);
  }
}

}  // namespace pivora
