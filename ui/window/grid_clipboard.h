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

// A number as a German spreadsheet writes it, with a decimal comma and
// perhaps thousands points: "1,5", "-1.234,5", ",5", "1,5E-3".
bool HasDecimalComma(const QString& cell);
// The block as it reads with "." for the decimal point: every number with a
// decimal comma, and every number with thousands points alone ("1.234",
// which in such a block is 1234), in the window's notation; other cells as
// they are.
TextBlock WithDecimalPoints(TextBlock block);

// Pastes `block` into `grid` from its current cell on, as one undoable
// step. The counts grow, one step at a time as the spin edits step, until
// the block fits; a block that does not fit even at 50 variables and 50
// constraints is refused with a message, and nothing changes. A block with
// decimal commas asks once whether to take them as decimal points; texts go
// in as they are otherwise.
void PasteBlock(TForm1& form, EditHistory& history, StringGrid* grid, const TextBlock& block);

// The current cell's text, for the clipboard.
QString CopyCurrentCell(StringGrid* grid);

}  // namespace pivora
