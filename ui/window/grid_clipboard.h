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

// Pastes `block` into `grid` from its current cell on, as one undoable
// step. The counts grow, one step at a time as the spin edits step, until
// the block fits; a block that does not fit even at 50 variables and 50
// constraints is refused with a message, and nothing changes. Texts go in
// as they are (a decimal comma stays one).
void PasteBlock(TForm1& form, EditHistory& history, StringGrid* grid, const TextBlock& block);

// The current cell's text, for the clipboard.
QString CopyCurrentCell(StringGrid* grid);

}  // namespace pivora
