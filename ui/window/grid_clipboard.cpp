#include "ui/window/grid_clipboard.h"

#include <QMessageBox>
#include <QRegularExpression>
#include <algorithm>

#include "ui/messages.h"
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

const QRegularExpression& CommaNumber() {
  static const QRegularExpression pattern(
      QStringLiteral("^[+-]?([0-9]{1,3}(\\.[0-9]{3})+|[0-9]*),[0-9]*([eE][+-]?[0-9]+)?$"));
  return pattern;
}

const QRegularExpression& GroupedInteger() {
  static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]{1,3}(\\.[0-9]{3})+$"));
  return pattern;
}

}  // namespace

bool HasDecimalComma(const QString& cell) {
  return cell.contains(QRegularExpression(QStringLiteral("[0-9]"))) &&
         CommaNumber().match(cell).hasMatch();
}

TextBlock WithDecimalPoints(TextBlock block) {
  for (QStringList& row : block) {
    for (QString& cell : row) {
      if (HasDecimalComma(cell) || GroupedInteger().match(cell).hasMatch()) {
        cell.remove(u'.').replace(u',', u'.');
      }
    }
  }
  return block;
}

TextBlock ParseTextBlock(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  QStringList rows = lines.split(u'\n');
  if (rows.size() > 1 && rows.last().isEmpty()) rows.removeLast();
  TextBlock block;
  for (const QString& row : rows) block.append(row.split(u'\t'));
  return block;
}

void PasteBlock(TForm1& form, EditHistory& history, StringGrid* grid, const TextBlock& pasted) {
  if (pasted.isEmpty()) return;
  TextBlock block = pasted;
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
    QMessageBox::warning(&form, QStringLiteral("Pivora"),
                         QString::fromUtf8(messages::BlockDoesNotFit(
                                               height, width, column, row, objective,
                                               form.NVars()->maximum(), form.NCons()->maximum())
                                               .c_str()));
    form.activateWindow();
    return;
  }
  const bool commas = std::any_of(block.cbegin(), block.cend(), [](const QStringList& cells) {
    return std::any_of(cells.cbegin(), cells.cend(), HasDecimalComma);
  });
  if (commas) {
    const QMessageBox::StandardButton answer = QMessageBox::question(
        &form, QStringLiteral("Pivora"), QString::fromUtf8(messages::kDecimalCommaQuestion),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    form.activateWindow();
    if (answer == QMessageBox::Yes) block = WithDecimalPoints(std::move(block));
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
