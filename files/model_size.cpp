#include "files/model_size.h"

#include "solver/tables.h"

namespace pivora {

std::optional<std::string> TooLargeMessage(long modelRows, long modelColumns,
                                           const ModelGridSize& size) {
  const long n = size.variables;
  const long m = size.rows;
  if (n >= 1 && n <= kMaxVariables && m >= 1 && m <= kMaxConstraints) return std::nullopt;
  return "Das Modell hat " + std::to_string(modelRows) + " Zeilen \xC3\x97 " +
         std::to_string(modelColumns) + " Spalten; umgeformt sind das " + std::to_string(m) +
         " Bedingungen \xC3\x97 " + std::to_string(n) +
         " Variablen, ins Gitter passen 1 bis 50 \xC3\x97 1 bis 50.";
}

}  // namespace pivora
