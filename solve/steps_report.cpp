#include "solve/steps_report.h"

#include "solve/aligned_table.h"

namespace pivora {

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

namespace {

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

}  // namespace

std::string StepReason(const ShownStep& step) {
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

int ShownColumn(const TableauSnapshot& t, int s) {
  int shown = 0;
  for (int j = 1; j <= s; ++j) {
    if (t.ColumnLabel(j) != 0) ++shown;
  }
  return shown;
}

int WorkColumn(const TableauSnapshot& t, int shown) {
  for (int j = 1; j <= t.n; ++j) {
    if (t.ColumnLabel(j) != 0 && --shown == 0) return j;
  }
  return 0;
}

std::string ZeroColumnNote(int equation) {
  return WordAndNumber("Die Spalte der Nullvariablen von Gleichung ", equation) +
         " entf\xE4llt: sie hat die Basis verlassen und darf nie wieder hinein.";
}

namespace {

int ZeroColumns(const TableauSnapshot& t) {
  int zero = 0;
  for (int j = 1; j <= t.n; ++j) {
    if (t.ColumnLabel(j) == 0) ++zero;
  }
  return zero;
}

}  // namespace

std::string RedundantEquationNote(int i) {
  return WordAndNumber("Gleichung ", i) +
         " ist \xFC"
         "berfl\xFC"
         "ssig (in ihrer Zeile nur Nullen): ihre Nullvariable bleibt als " +
         LabelName(-i) + " mit Wert 0 in der Basis.";
}

std::string LabelName(int label) {
  if (label > 0) return WordAndNumber("x", label);
  if (label < 0) return WordAndNumber("y", -label);
  return "0";
}

StepsView::StepsView(bool maximise, std::vector<bool> equation, const ViewNumbers& numbers)
    : maximise_(maximise), equation_(std::move(equation)), numbers_(numbers) {
  const int m = static_cast<int>(equation_.size()) - 1;
  for (int i = 1; i <= m; ++i)
    rowLabels_.push_back(equation_[static_cast<std::size_t>(i)] ? 0 : -i);
}

void StepsView::AddNotes(const TableauSnapshot& t) {
  if (ZeroColumns(t) > zeroColumns_ && equalityRow_ != 0) {
    lines_.push_back(ZeroColumnNote(equalityRow_));
  }
  for (int i = 1; i <= t.m; ++i) {
    if (rowLabels_[static_cast<std::size_t>(i - 1)] == 0 && t.RowLabel(i) == -i) {
      lines_.push_back(RedundantEquationNote(i));
    }
  }
  zeroColumns_ = ZeroColumns(t);
  rowLabels_ = t.rowLabels;
}

// The tableau with its labels; with a pivot (r, s) its row and column are
// starred and the pivot element bracketed. Every other number stands between
// blanks so that the digits stay aligned with the brackets.
std::vector<std::string> TableauLines(const TableauSnapshot& t, bool maximise, int r, int s,
                                      ShortViewNumbers& numbers, bool keepZeroColumns) {
  const auto shown = [&t, keepZeroColumns](int j) {
    return j > t.n || keepZeroColumns || t.ColumnLabel(j) != 0;
  };
  AlignedTable table;
  AlignedTable::Row header{""};
  for (int j = 1; j <= t.n; ++j) {
    if (shown(j)) header.push_back(LabelName(t.ColumnLabel(j)) + (j == s ? "* " : "  "));
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
      if (!shown(j)) continue;
      const std::string text = numbers.Text(t.At(i, j));
      row.push_back(i == r && j == s ? "[" + text + "]" : " " + text + " ");
    }
    table.Add(std::move(row));
  }
  return table.Lines();
}

std::string StepLine(long number, const ShownStep& step, int column, ShortViewNumbers& numbers) {
  const TableauSnapshot& t = step.before;
  const ExchangePick& pick = step.pick;
  const int leaving = t.RowLabel(pick.row);
  return WordAndNumber("Schritt ", number) + " (" + PhaseName(pick.phase) +
         "): " + LabelName(t.ColumnLabel(pick.column)) + " kommt in die Basis, " +
         (leaving == 0 ? std::string("die Nullvariable der Gleichung") : LabelName(leaving)) +
         " verl\xE4sst sie; Pivotelement " + numbers.Text(t.At(pick.row, pick.column)) +
         WordAndNumber(" in Zeile ", pick.row) + WordAndNumber(", Spalte ", column) + ".";
}

void StepsView::AddTableau(const TableauSnapshot& t, int r, int s) {
  for (std::string& line : TableauLines(t, maximise_, r, s, numbers_)) {
    lines_.push_back(std::move(line));
  }
}

void StepsView::Shown(const ShownStep& step) {
  const TableauSnapshot& t = step.before;
  const ExchangePick& pick = step.pick;
  lines_.emplace_back();
  lines_.push_back(StepLine(++steps_, step, ShownColumn(t, pick.column), numbers_));
  lines_.push_back("Grund: " + StepReason(step) + ".");
  AddNotes(t);
  AddTableau(t, pick.row, pick.column);
  equalityRow_ = pick.phase == ExchangePhase::kEquality ? pick.row : 0;
}

std::vector<std::string> StepsView::Finish(const StepRecord& record, bool exact,
                                           const TableauSnapshot* resultEnd) {
  std::vector<std::string> head;
  const char* run = exact ? "Rechenschritte der exakten Rechnung: " : "Rechenschritte: ";
  if (record.complete) {
    head.push_back(WordAndNumber(run, record.exchanges) + " Austausch" +
                   (record.exchanges == 1 ? "" : "e"));
  } else {
    head.push_back(WordAndNumber(run, static_cast<long>(record.shown)) +
                   " Austausche gezeigt, die Rechnung geht weiter");
  }
  if (record.complete && record.exchanges > static_cast<long>(record.shown)) {
    lines_.emplace_back();
    lines_.push_back(WordAndNumber("(nur die ersten ", static_cast<long>(record.shown)) +
                     " Schritte gezeigt)");
  }
  lines_.emplace_back();
  const TableauSnapshot* end = record.complete ? &record.last : resultEnd;
  if (end != nullptr && end->m > 0) {
    lines_.emplace_back(record.complete ? "Endtableau:" : "Endtableau des Ergebnisses:");
    if (record.complete) {
      // Past steps not shown, the last shown pivot says nothing of the end.
      if (record.exchanges > static_cast<long>(record.shown)) equalityRow_ = 0;
      AddNotes(*end);
    }
    AddTableau(*end, 0, 0);
  }
  if (numbers_.Shortened()) head.emplace_back(kShortenedLine);
  std::vector<std::string> lines = std::move(head);
  lines.reserve(lines.size() + lines_.size());
  for (std::string& line : lines_) lines.push_back(std::move(line));
  lines_.clear();
  return lines;
}

}  // namespace pivora
