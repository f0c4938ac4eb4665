// Copy and paste between the grids and other programs, as tab- and
// newline-separated text (what spreadsheets put on the clipboard).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace pivora {

class EditHistory;
class StringGrid;
class TForm1;

// A block of cell texts, row by row; rows may differ in length.
using TextBlock = QList<QStringList>;

// Rows end with LF, CR LF or CR; a last empty row (the line break at the
// end of most copied blocks) is dropped; cells are separated by tabs.
TextBlock ParseTextBlock(const QString& text);

// How a cell reads in a block that holds decimal commas, where a point
// groups thousands as German spreadsheets write them:
// - a number with a decimal comma, and thousands points before it only in
//   groups of three ("1,5", "-1.234,5", ",5", "1,5E-3"): the comma becomes
//   the decimal point and the points go ("1.5", "-1234.5");
// - a whole number with two or more thousands points ("1.234.567"): the
//   points go;
// - a whole number with one point and three digits after it ("12.345",
//   "-1.000"): 12345 or 12.345, it cannot tell; kept as it is, ambiguous;
// - anything else, a number with a decimal point that groups nothing
//   ("0.125", "2.5") among them: kept as it is.
struct CommaReading {
  enum class Kind { kKept, kConverted, kAmbiguous };
  Kind kind = Kind::kKept;
  QString text;  // the converted text, for kConverted
};
CommaReading ReadWithDecimalComma(const QString& cell);
// The cell is a number with a decimal comma.
bool HasDecimalComma(const QString& cell);

// Pastes `block` into `grid` from its current cell on, as one undoable
// step. The counts grow, one step at a time as the spin edits step, until
// the block fits; a block that does not fit even at 50 variables and 50
// constraints is refused with a message, and nothing changes. A block with
// decimal commas asks once whether to read it by ReadWithDecimalComma,
// stating the rule with the first cells it would change; on yes an
// ambiguous cell goes in as it is under the fault mark, its tooltip saying
// why. Texts go in as they are otherwise.
void PasteBlock(TForm1& form, EditHistory& history, StringGrid* grid, const TextBlock& block);

// The current cell's text, for the clipboard.
QString CopyCurrentCell(StringGrid* grid);

}  // namespace pivora
