#include "solve/model_optimum.h"

#include <algorithm>

#include "solve/decimal_text.h"
#include "solve/format_exact.h"

namespace pivora {

std::string ModelOptimumLine(const Rational& gridOptimum, std::string_view constant,
                             bool maximise, const ViewNumbers& numbers) {
  const Rational model = gridOptimum + DecimalValue(constant, numbers.format);
  const std::string value = numbers.fractions ? FractionText(model)
                                              : FormatExact(model, numbers.precision, 2,
                                                            numbers.format);
  return std::string("Optimum des Modells: ") + (maximise ? "Zmax" : "Zmin") + " = " + value +
         " (mit der Konstanten " + std::string(constant) + ")";
}

void InsertAfterOptimum(std::vector<std::string>& lines, std::string line) {
  if (std::find(lines.begin(), lines.end(), line) != lines.end()) return;
  const auto optimum = std::find_if(lines.begin(), lines.end(), [](const std::string& text) {
    return text.starts_with("Optimum: ");
  });
  if (optimum != lines.end()) lines.insert(optimum + 1, std::move(line));
}

}  // namespace pivora
