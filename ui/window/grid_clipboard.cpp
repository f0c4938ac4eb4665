#include "ui/window/grid_clipboard.h"

#include <QMessageBox>
#include <algorithm>

#include "ui/window/edit_history.h"
#include "ui/window/grid_model.h"
#include "ui/window/spin_edit.h"
#include "ui/window/string_grid.h"
#include "ui/window/tform1.h"

namespace pivora {
namespace {

void StepTo(SpinEdit* spin, int target) {
  while (spin->value() < target) spin->setValue(spin->value() + 1);
}

}  // namespace

TextBlock ParseTextBlock(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  QStringList rows = lines.split(u'\n');
  if (rows.size() > 1 && rows.last().isEmpty()) rows.removeLast();
  TextBlock block;
  for (const QString& row : rows) block.append(row.split(u'\t'));
  return block;
}

void PasteBlock(TForm1& form, EditHistory& history, StringGrid* grid, const TextBlock& block) {
  if (block.isEmpty()) return;
  const bool objective = grid == form.ZFGrid();
  CellStore& store = objective ? form.ZF() : form.NB();
  const int column = store.CurrentColumn();
  const int row = store.CurrentRow();
  int width = 0;
  for (const QStringList& cells : block) width = std::max(width, static_cast<int>(cells.size()));
  const int height = static_cast<int>(block.size());
  const int lastColumn = column + width - 1;
  const int lastRow = row + height - 1;

  // The counts the block needs: in NB the relation and the right-hand side
  // follow the last variable, so its columns reach n + 2.
  const int n = std::max(form.NVars()->value(), objective ? lastColumn : lastColumn - 2);
  const int m = objective ? form.NCons()->value() : std::max(form.NCons()->value(), lastRow);
  if (n > form.NVars()->maximum() || m > form.NCons()->maximum() || (objective && height > 1)) {
    QMessageBox::warning(
        &form, QStringLiteral("Pivora"),
        QStringLiteral("Der eingef\u00fcgte Block (%1 \u00d7 %2 Zellen) passt ab Zelle (%3, %4) "
                       "nicht in %5: h\u00f6chstens %6 Variablen und %7 Bedingungen.")
            .arg(height)
            .arg(width)
            .arg(column)
            .arg(row)
            .arg(objective ? QStringLiteral("die Zielfunktion (eine Zeile)")
                           : QStringLiteral("die Bedingungen"))
            .arg(form.NVars()->maximum())
            .arg(form.NCons()->maximum()));
    form.activateWindow();
    return;
  }
  history.Record(
      [&] {
        StepTo(form.NVars(), n);
        StepTo(form.NCons(), m);
        GridModel& model = grid->Model();
        model.BeginBatch();
        for (int r = 0; r < height; ++r) {
          const QStringList& cells = block[r];
          for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            const QByteArray bytes = cells[c].toLatin1();
            store.SetText(
                column + c, row + r,
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
          }
        }
        model.EndBatch();
      },
      false);
}

QString CopyCurrentCell(StringGrid* grid) {
  CellStore& store = grid->Model().Store();
  const std::string_view text = store.Text(store.CurrentColumn(), store.CurrentRow());
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pivora
