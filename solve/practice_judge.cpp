#include "solve/practice_judge.h"

#include "solve/steps_report.h"

namespace pivora {

namespace {

PivotJudgement Refused(const std::string& why) {
  return {PivotVerdict::kRefused, "Nicht erlaubt: " + why};
}

PivotJudgement Allowed(const std::string& why) {
  return {PivotVerdict::kAllowed, why.empty() ? std::string("Erlaubt.") : "Erlaubt. " + why};
}

PivotJudgement ZeroPivot(const TableauSnapshot& t, const PivotPlace& p) {
  return Refused(
      "das Element in " + PlaceName(t, p) +
      " ist 0. Durch 0 l\xE4sst sich nicht teilen, ein Austausch ist damit nicht m\xF6glich.");
}

constexpr const char* kLeastIndexRule =
    "Nach der R\xFC"
    "ckkehr zu einer fr\xFCheren Basis nimmt das Verfahren die Regel des kleinsten "
    "Index: ";

PivotJudgement JudgeEquality(const TableauSnapshot& t, const TableauAssessment& a, PivotPlace p) {
  if (t.RowLabel(p.row) != 0) {
    std::string why = RowName(t, p.row) +
                      " ist keine Gleichung, deren Nullvariable noch in der Basis ist. Zuerst "
                      "verlassen die Nullvariablen der Gleichungen die Basis";
    if (a.rule) why += ", hier die von " + RowName(t, a.rule->row);
    return Refused(why + ".");
  }
  if (t.At(p.row, p.column) == 0) return ZeroPivot(t, p);
  if (!a.rule) return Allowed("");
  return Allowed("Das Verfahren h\xE4tte " + PlaceName(t, *a.rule) +
                 " genommen: die erste Gleichung, deren Nullvariable noch in der Basis ist, und "
                 "darin die erste freie Spalte mit einem Eintrag ungleich 0.");
}

PivotJudgement JudgeFeasibility(const TableauSnapshot& t, const TableauAssessment& a,
                                const PracticeContext& context, PivotPlace p,
                                ShortViewNumbers& numbers) {
  const Rational& b = t.At(p.row, t.n + 1);
  const Rational& entry = t.At(p.row, p.column);
  if (b >= 0) {
    int negative = 1;
    while (negative < t.m && !(t.At(negative, t.n + 1) < 0)) ++negative;
    return Refused("die Konstante von " + RowName(t, p.row) + " ist " + numbers.Text(b) +
                   ", nicht negativ. In dieser Phase ist die Pivotzeile eine Zeile mit negativer "
                   "Konstante, etwa " +
                   RowName(t, negative) + " mit " + numbers.Text(t.At(negative, t.n + 1)) + ".");
  }
  if (entry == 0) return ZeroPivot(t, p);
  if (entry < 0) {
    return Refused("das Pivotelement " + numbers.Text(entry) +
                   " ist negativ: " + LabelName(t.ColumnLabel(p.column)) + " bek\xE4me den Wert " +
                   numbers.Text(-b / entry) + " < 0.");
  }
  if (!a.rule) return Allowed("");
  if (context.leastIndex) return Allowed(kLeastIndexRule + PlaceName(t, *a.rule) + ".");
  return Allowed("Das Verfahren h\xE4tte " + PlaceName(t, *a.rule) +
                 " genommen: die erste Zeile mit negativer Konstante und darin die erste freie "
                 "Spalte mit positivem Eintrag.");
}

// Why the method's rule takes another column than s, whose objective-row
// entry is c.
std::string OtherColumn(const TableauSnapshot& t, const TableauAssessment& a,
                        const PracticeContext& context, const Rational& c,
                        ShortViewNumbers& numbers) {
  const PivotPlace& rule = *a.rule;
  if (a.stage == PracticeStage::kOptimal) {
    return " Das Verfahren h\xE4tte " + ColumnName(t, rule.column) +
           " genommen: die erste andere Spalte mit Eintrag 0 in der Zielzeile.";
  }
  if (context.leastIndex) return std::string(" ") + kLeastIndexRule + PlaceName(t, rule) + ".";
  const Rational& best = t.At(t.m + 1, rule.column);
  return " Das Verfahren h\xE4tte " + ColumnName(t, rule.column) + " genommen: " +
         (best == c
              ? "bei gleichem Eintrag der Zielzeile (" + numbers.Text(c) + ") die erste Spalte."
              : "ihr Eintrag der Zielzeile ist der gr\xF6\xDFte (" + numbers.Text(best) + " > " +
                    numbers.Text(c) + ").");
}

PivotJudgement JudgeOptimisation(const TableauSnapshot& t, const TableauAssessment& a,
                                 const PracticeContext& context, PivotPlace p,
                                 ShortViewNumbers& numbers) {
  const int r = p.row;
  const int s = p.column;
  const bool optimal = a.stage == PracticeStage::kOptimal;
  const Rational& c = t.At(t.m + 1, s);
  const Rational& b = t.At(r, t.n + 1);
  const Rational& entry = t.At(r, s);
  const std::string entering = LabelName(t.ColumnLabel(s));
  if (!optimal && c <= 0) {
    std::string why =
        "in " + ColumnName(t, s) + " ist der Eintrag der Zielzeile " + numbers.Text(c) +
        (c == 0 ? ": Z bliebe bestenfalls gleich." : ", negativ: Z w\xFCrde schlechter.");
    if (a.rule) {
      why += " Das Verfahren nimmt eine Spalte mit positivem Eintrag der Zielzeile, etwa " +
             ColumnName(t, a.rule->column) + " mit " + numbers.Text(t.At(t.m + 1, a.rule->column)) +
             ".";
    }
    return Refused(why);
  }
  if (optimal && c < 0) {
    return Refused("das Optimum ist erreicht, und in " + ColumnName(t, s) +
                   " ist der Eintrag der Zielzeile " + numbers.Text(c) +
                   " negativ: Z w\xFCrde schlechter.");
  }
  if (entry == 0) return ZeroPivot(t, p);
  if (entry > 0) {
    std::string why = "der Eintrag " + numbers.Text(entry) + " in " + RowName(t, r) +
                      " ist positiv: " + LabelName(t.RowLabel(r)) +
                      " w\xE4"
                      "chst mit " +
                      entering +
                      " und setzt ihm keine Grenze; f\xFCr den Quotienten kommen nur Zeilen mit "
                      "negativem Eintrag in Frage.";
    if (b > 0) {
      why +=
          " Als Pivotelement g\xE4"
          "be er " +
          entering + " den Wert " + numbers.Text(-b / entry) + " < 0.";
    }
    return Refused(why);
  }
  const int first = SmallestQuotientRow(t, s);
  const Rational quotient = abs(b / entry);
  const Rational smallest = abs(t.At(first, t.n + 1) / t.At(first, s));
  if (quotient > smallest) {
    const Rational value = t.At(first, s) * quotient + t.At(first, t.n + 1);
    const std::string leaving = LabelName(t.RowLabel(first));
    return Refused(WordAndNumber("Zeile ", first) + " hat den kleineren Quotienten " +
                   numbers.Text(smallest) + " < " + numbers.Text(quotient) +
                   WordAndNumber(": mit Zeile ", r) + " w\xFCrde " + leaving + " negativ (" +
                   leaving + " = " + numbers.Text(value) + ").");
  }
  std::string why =
      optimal ? "Ein Austausch zu einer weiteren optimalen Ecke, Z bleibt gleich." : "";
  if (a.rule && a.rule->column != s) {
    why += OtherColumn(t, a, context, c, numbers);
    if (r != first) {
      why += " In dieser Spalte n\xE4hme es bei gleichem Quotienten (" + numbers.Text(quotient) +
             WordAndNumber(") Zeile ", first) + ".";
    }
  } else if (a.rule && a.rule->row != r) {
    why += WordAndNumber(" Die Quotienten von Zeile ", a.rule->row) +
           WordAndNumber(" und Zeile ", r) + " sind gleich (" + numbers.Text(quotient) + "); " +
           (context.leastIndex
                ? WordAndNumber("die Regel des kleinsten Index nimmt Zeile ", a.rule->row) + "."
                : std::string("das Verfahren nimmt bei Gleichstand die erste Zeile."));
  }
  if (!why.empty() && why.front() == ' ') why.erase(0, 1);
  return Allowed(why);
}

// "x1 = 4, x2 = 0": the decision variables of the tableau's basic solution.
std::string Point(const TableauSnapshot& t, ShortViewNumbers& numbers) {
  std::string text;
  for (int j = 1; j <= t.n; ++j) {
    Rational value = 0;
    for (int i = 1; i <= t.m; ++i) {
      if (t.RowLabel(i) == j) value = t.At(i, t.n + 1);
    }
    if (j > 1) text += ", ";
    text += LabelName(j) + " = " + numbers.Text(value);
  }
  return text;
}

}  // namespace

std::string RowName(const TableauSnapshot& t, int i) {
  const int label = t.RowLabel(i);
  return WordAndNumber("Zeile ", i) + " (" +
         (label == 0 ? WordAndNumber("Gleichung ", i) : LabelName(label)) + ")";
}

std::string ColumnName(const TableauSnapshot& t, int j) {
  return WordAndNumber("Spalte ", ShownColumn(t, j)) + " (" + LabelName(t.ColumnLabel(j)) + ")";
}

std::string PlaceName(const TableauSnapshot& t, const PivotPlace& p) {
  return RowName(t, p.row) + ", " + ColumnName(t, p.column);
}

PivotJudgement JudgePivot(const TableauSnapshot& t, const TableauAssessment& a,
                          const PracticeContext& context, PivotPlace p, ShortViewNumbers& numbers) {
  if (a.stage == PracticeStage::kNoFeasibleSolution || a.stage == PracticeStage::kUnbounded) {
    return Refused(
        std::string("die Rechnung ist schon zu Ende: ") +
        (a.stage == PracticeStage::kUnbounded ? "L\xD6SUNG UNENDLICH!" : "KEINE L\xD6SUNG!"));
  }
  if (t.ColumnLabel(p.column) == 0) {
    return Refused(
        "in der Spalte mit dem Kopf 0 steht die Nullvariable einer Gleichung: sie hat die Basis "
        "verlassen und darf nie wieder hinein.");
  }
  if (a.rule && *a.rule == p) {
    const ShownStep step{ExchangePick{a.phase, context.leastIndex, p.row, p.column}, t};
    return {PivotVerdict::kRuleChoice,
            "Richtig: die Wahl des Verfahrens (" + StepReason(step) + ")."};
  }
  switch (a.stage) {
    case PracticeStage::kEquality:
      return JudgeEquality(t, a, p);
    case PracticeStage::kFeasibility:
      return JudgeFeasibility(t, a, context, p, numbers);
    default:
      return JudgeOptimisation(t, a, context, p, numbers);
  }
}

std::string EndReason(const TableauSnapshot& t, const TableauAssessment& a, bool maximise,
                      ShortViewNumbers& numbers) {
  switch (a.stage) {
    case PracticeStage::kOptimal: {
      const Rational z = maximise ? t.At(t.m + 1, t.n + 1) : Rational(-t.At(t.m + 1, t.n + 1));
      return std::string("Optimum erreicht, kein Eintrag der Zielzeile ist positiv. ") +
             (maximise ? "Zmax = " : "Zmin = ") + numbers.Text(z) + " bei " + Point(t, numbers) +
             ".";
    }
    case PracticeStage::kNoFeasibleSolution: {
      const int i = a.proofRow;
      const Rational& b = t.At(i, t.n + 1);
      if (t.RowLabel(i) == 0) {
        return WordAndNumber("KEINE L\xD6SUNG! Gleichung ", i) +
               " hat in den freien Spalten nur Nullen, aber die Konstante " + numbers.Text(b) +
               ": ihre Nullvariable kann nicht 0 werden.";
      }
      const std::string name = LabelName(t.RowLabel(i));
      return "KEINE L\xD6SUNG! " + RowName(t, i) + " hat die negative Konstante " +
             numbers.Text(b) + " und keinen positiven Eintrag: " + name +
             " bleibt negativ, welche Werte die Nichtbasisvariablen auch haben.";
    }
    case PracticeStage::kUnbounded: {
      const int s = a.proofColumn;
      const std::string name = LabelName(t.ColumnLabel(s));
      return "L\xD6SUNG UNENDLICH! In " + ColumnName(t, s) + " ist der Eintrag der Zielzeile " +
             numbers.Text(t.At(t.m + 1, s)) + " positiv und kein Eintrag negativ: " + name +
             " kann ohne Grenze wachsen, und Z " +
             (maximise ? "w\xE4"
                         "chst"
                       : "f\xE4llt") +
             " mit ihm ohne Grenze.";
    }
    default:
      return "";
  }
}

}  // namespace pivora
