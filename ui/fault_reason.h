// Why the solve command marked a cell as faulty, in the user's words: the
// tooltip of a marked cell. Plain C++ on the solve layer's own reading rules.
#pragma once

#include <string>
#include <string_view>

namespace pivora {

enum class CellKind { kNumber, kRelation };

// Whether the solve command can read `text` (Latin-1) as a cell of `kind`;
// an empty cell is read as its default.
bool CellReadable(std::string_view text, CellKind kind);

// A German line naming the typed text and the reason, for example
// "»0,25« – Dezimalpunkt verwenden". `typed` is the cell's Latin-1 text
// before the fault mark; the result is UTF-8.
std::string FaultReason(std::string_view typed, CellKind kind);

}  // namespace pivora
