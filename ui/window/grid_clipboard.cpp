#include "ui/window/grid_clipboard.h"

#include <QMessageBox>
#include <QRegularExpression>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "solve/report.h"
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

const QRegularExpression& ManyGroups() {
  static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]{1,3}(\\.[0-9]{3}){2,}$"));
  return pattern;
}

// One point, three digits after it, and a first group that a thousands
// point could follow (not "0.125").
const QRegularExpression& OneGroup() {
  static const QRegularExpression pattern(QStringLiteral("^[+-]?[1-9][0-9]{0,2}\\.[0-9]{3}$"));
  return pattern;
}

}  // namespace

bool HasDecimalComma(const QString& cell) {
  return cell.contains(QRegularExpression(QStringLiteral("[0-9]"))) &&
         CommaNumber().match(cell).hasMatch();
}

CommaReading ReadWithDecimalComma(const QString& cell) {
  if (HasDecimalComma(cell) || ManyGroups().match(cell).hasMatch()) {
    return {CommaReading::Kind::kConverted, QString(cell).remove(u'.').replace(u',', u'.')};
  }
  if (OneGroup().match(cell).hasMatch()) return {CommaReading::Kind::kAmbiguous, {}};
  return {};
}

namespace {

// Asks whether to read `block` by ReadWithDecimalComma, with the rule and
// the first cells it would change or mark.
bool AskDecimalCommas(TForm1& form, const TextBlock& block) {
  constexpr std::size_t kShown = 4;
  std::vector<std::pair<std::string, std::string>> converted;
  std::vector<std::string> ambiguous;
  for (const QStringList& cells : block) {
    for (const QString& cell : cells) {
      const CommaReading reading = ReadWithDecimalComma(cell);
      if (reading.kind == CommaReading::Kind::kConverted && converted.size() < kShown) {
        converted.emplace_back(cell.toStdString(), reading.text.toStdString());
      } else if (reading.kind == CommaReading::Kind::kAmbiguous && ambiguous.size() < kShown) {
        ambiguous.push_back(cell.toStdString());
      }
    }
  }
  QMessageBox box(QMessageBox::Question, QStringLiteral("Pivora"),
                  QString::fromUtf8(messages::kDecimalCommaQuestion),
                  QMessageBox::Yes | QMessageBox::No, &form);
  box.setDefaultButton(QMessageBox::Yes);
  box.setInformativeText(
      QString::fromUtf8(messages::DecimalCommaRule(converted, ambiguous).c_str()));
  const bool yes = box.exec() == QMessageBox::Yes;
  form.activateWindow();
  return yes;
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
  const bool convert = commas && AskDecimalCommas(form, block);
  history.Record(
      [&] {
        StepTo(form.NVars(), n);
        StepTo(form.NCons(), m);
        GridModel& model = grid->Model();
        model.BeginBatch();
        std::vector<std::pair<int, int>> marked;
        for (int r = 0; r < height; ++r) {
          const QStringList& cells = block[r];
          for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            const CommaReading reading =
                convert ? ReadWithDecimalComma(cells[c]) : CommaReading{};
            const QByteArray bytes =
                (reading.kind == CommaReading::Kind::kConverted ? reading.text : cells[c])
                    .toLatin1();
            store.SetText(
                column + c, row + r,
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            if (reading.kind == CommaReading::Kind::kAmbiguous) {
              store.MarkFault(column + c, row + r, kFaultMark);
              marked.emplace_back(column + c, row + r);
            }
          }
        }
        model.EndBatch();
        // After the batch, whose changes clear the cells' notes.
        for (const auto& [c, r] : marked) {
          const std::string typed(store.TypedText(c, r));
          model.SetFaultNote(c, r, QString::fromUtf8(messages::AmbiguousPoint(typed).c_str()));
        }

      },
      false);
}

QString CopyCurrentCell(StringGrid* grid) {
  CellStore& store = grid->Model().Store();
  const std::string_view text = store.Text(store.CurrentColumn(), store.CurrentRow());
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pivora
