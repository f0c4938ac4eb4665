#include "solve/sensitivity_report.h"

#include "solve/aligned_table.h"

namespace pivora {

namespace {

constexpr const char* kBasic = "Basis";
constexpr const char* kNonBasic = "Nichtbasis";

std::string EndText(const RangeEnd& end, const char* infinite, const ViewNumbers& numbers) {
  return end.finite ? numbers.Text(end.value) : infinite;
}

void AppendTable(std::vector<std::string>& lines, const AlignedTable& table) {
  for (std::string& line : table.Lines()) lines.push_back(std::move(line));
}

}  // namespace

std::vector<std::string> SensitivityLines(const Sensitivity& sensitivity,
                                          const ViewNumbers& numbers) {
  std::vector<std::string> lines{""};
  if (!sensitivity.available) {
    lines.emplace_back(kNoSensitivityLine);
    return lines;
  }
  lines.emplace_back(kSensitivityHeading);
  lines.emplace_back();

  AlignedTable constraints;
  constraints.Add(
      {"Nebenbedingung", "Schlupf", "Schattenpreis", "rechte Seite", "optimal ab", "optimal bis"});
  int i = 1;
  for (const ConstraintSensitivity& c : sensitivity.constraints) {
    constraints.Add({WordAndNumber("y", i++), c.basic ? kBasic : kNonBasic,
                     numbers.Text(c.shadowPrice), numbers.Text(c.rightHandSide),
                     EndText(c.rightHandSideRange.lower, kMinusInfinityText, numbers),
                     EndText(c.rightHandSideRange.upper, kPlusInfinityText, numbers)});
  }
  AppendTable(lines, constraints);
  lines.emplace_back();

  AlignedTable variables;
  variables.Add({"Variable", "Status", "Wert", "reduzierte Kosten", "Zielkoeffizient", "optimal ab",
                 "optimal bis"});
  int j = 1;
  for (const VariableSensitivity& v : sensitivity.variables) {
    variables.Add({WordAndNumber("x", j++), v.basic ? kBasic : kNonBasic, numbers.Text(v.value),
                   numbers.Text(v.reducedCost), numbers.Text(v.cost),
                   EndText(v.costRange.lower, kMinusInfinityText, numbers),
                   EndText(v.costRange.upper, kPlusInfinityText, numbers)});
  }
  AppendTable(lines, variables);
  return lines;
}

}  // namespace pivora
