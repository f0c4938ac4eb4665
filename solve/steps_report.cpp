#include "solve/steps_report.h"

#include "solve/aligned_table.h"

namespace pivora {

namespace {

const char* PhaseName(ExchangePhase phase) {
  switch (phase) {
    case ExchangePhase::kEquality:
      return "Gleichungen";
    case ExchangePhase::kFeasibility:
      return "Zul\xE4ssigkeit";
    case ExchangePhase::kOptimisation:
      return "Optimierung";
    case ExchangePhase::kAlternatives:
      return "weitere Optima";
  }
  return "";
}

// Whether another free column has the same largest objective-row entry.
bool ColumnTie(const TableauSnapshot& t, int s) {
  int equal = 0;
  for (int j = 1; j <= t.n; ++j) {
    if (t.ColumnLabel(j) != 0 && t.At(t.m + 1, j) == t.At(t.m + 1, s)) ++equal;
  }
  return equal > 1;
}

// Whether another row of the ratio test on column s has the same ratio as r.
bool RowTie(const TableauSnapshot& t, int r, int s) {
  const Rational ratio = abs(t.At(r, t.n + 1) / t.At(r, s));
  int equal = 0;
  for (int i = 1; i <= t.m; ++i) {
    if (t.At(i, s) < 0 && abs(t.At(i, t.n + 1) / t.At(i, s)) == ratio) ++equal;
  }
  return equal > 1;
}

std::string Reason(const ShownStep& step) {
  const TableauSnapshot& t = step.before;
  const ExchangePick& pick = step.pick;
  if (pick.leastIndex) return "kleinster Index, weil sich eine Basis wiederholt hat";
  switch (pick.phase) {
    case ExchangePhase::kEquality:
      return "erste Gleichung noch in der Basis, erste freie Spalte mit Eintrag ungleich 0";
    case ExchangePhase::kFeasibility:
      return "erste Zeile mit negativer Konstante, erste freie Spalte mit positivem Eintrag "
             "darin";
    case ExchangePhase::kOptimisation:
    case ExchangePhase::kAlternatives: {
      const bool optimisation = pick.phase == ExchangePhase::kOptimisation;
      std::string reason = optimisation ? "gr\xF6\xDFter positiver Eintrag der Zielzeile"
                                        : "erste andere Spalte mit Eintrag 0 in der Zielzeile";
      if (optimisation && ColumnTie(t, pick.column)) reason += " (erste Spalte bei Gleichstand)";
      reason += ", kleinster Quotient";
      if (RowTie(t, pick.row, pick.column)) reason += " (erste Zeile bei Gleichstand)";
      return reason;
    }
  }
  return "";
}

// The tableau with its labels; with a pivot (r, s) its row and column are
// starred and the pivot element bracketed. Every other number stands between
// blanks so that the digits stay aligned with the brackets.
void AddTableau(std::vector<std::string>& lines, const TableauSnapshot& t, bool maximise,
                const ViewNumbers& numbers, int r, int s) {
  AlignedTable table;
  AlignedTable::Row header{""};
  for (int j = 1; j <= t.n; ++j) {
    header.push_back(LabelName(t.ColumnLabel(j)) + (j == s ? "* " : "  "));
  }
  header.emplace_back("1  ");
  table.Add(std::move(header));
  for (int i = 1; i <= t.m + 1; ++i) {
    AlignedTable::Row row;
    if (i <= t.m) {
      row.push_back(LabelName(t.RowLabel(i)) + (i == r ? "*" : ""));
    } else {
      row.emplace_back(maximise ? "Z" : "-Z");
    }
    for (int j = 1; j <= t.n + 1; ++j) {
      const std::string text = numbers.Text(t.At(i, j));
      row.push_back(i == r && j == s ? "[" + text + "]" : " " + text + " ");
    }
    table.Add(std::move(row));
  }
  for (std::string& line : table.Lines()) lines.push_back(std::move(line));
}

}  // namespace

std::string LabelName(int label) {
  if (label > 0) return Numbered("x", label);
  if (label < 0) return Numbered("y", -label);
  return "0";
}

std::vector<std::string> StepsLines(const StepRecord& record, bool maximise, bool exact,
                                    const ViewNumbers& numbers) {
  std::vector<std::string> lines;
  lines.push_back(Numbered(exact ? "Rechenschritte der exakten Rechnung: " : "Rechenschritte: ",
                           record.exchanges) +
                  " Austausch" + (record.exchanges == 1 ? "" : "e"));
  int k = 0;
  for (const ShownStep& step : record.steps) {
    const TableauSnapshot& t = step.before;
    const ExchangePick& pick = step.pick;
    const int leaving = t.RowLabel(pick.row);
    lines.emplace_back();
    lines.push_back(
        Numbered("Schritt ", ++k) + " (" + PhaseName(pick.phase) +
        "): " + LabelName(t.ColumnLabel(pick.column)) + " kommt in die Basis, " +
        (leaving == 0 ? std::string("die Nullvariable der Gleichung") : LabelName(leaving)) +
        " verl\xE4sst sie; Pivotelement " + numbers.Text(t.At(pick.row, pick.column)) +
        Numbered(" in Zeile ", pick.row) + Numbered(", Spalte ", pick.column) + ".");
    lines.push_back("Grund: " + Reason(step) + ".");
    AddTableau(lines, t, maximise, numbers, pick.row, pick.column);
  }
  if (record.exchanges > static_cast<long>(record.steps.size())) {
    lines.emplace_back();
    lines.push_back(Numbered("(nur die ersten ", static_cast<long>(record.steps.size())) +
                    " Schritte gezeigt)");
  }
  lines.emplace_back();
  lines.emplace_back("Endtableau:");
  AddTableau(lines, record.last, maximise, numbers, 0, 0);
  return lines;
}

}  // namespace pivora
