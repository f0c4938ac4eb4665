// The practice mode on problems typed into the window: the rule's own pivots
// work the steps view's sheet to the report's optimum, and wrong pivots are
// refused with their reason in the problem's numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/handlers.h"
#include "ui/plain_window.h"
#include "ui/practice_start.h"

namespace pivora {
namespace {

using Lines = std::vector<std::string>;

void FillRow(CellStore& grid, int row, const Lines& texts) {
  for (std::size_t k = 0; k < texts.size(); ++k)
    grid.SetText(static_cast<int>(k) + 1, row, texts[k]);
}

void TypeWorkedExample(PlainWindow& window) {
  FormActivate(window, &window);
  FillRow(window.NB(), 1, {"1", "1", "<=", "4"});
  FillRow(window.NB(), 2, {"1", "3", "<=", "6"});
  FillRow(window.ZF(), 1, {"3", "2"});
}

// The tableaux and step lines of a sheet, without the lines that say why:
// the steps view's "Grund:" and the practice's judgements.
Lines Tableaux(const Lines& lines) {
  Lines kept;
  for (const std::string& line : lines) {
    const bool why = line.rfind("Grund: ", 0) == 0 || line.rfind("Richtig: ", 0) == 0;
    if (!why) kept.push_back(line);
  }
  return kept;
}

// Taking the hint at every tableau, each pivot is the rule's own; the sheet
// is then the fractions view's steps line for line (numbers, notes and
// tableaux), and its end names the report's optimum. Undo and redo walk the same tableaux back and forth.
TEST(Practice, TheRulesPivotsWorkTheStepsViewsSheetToTheReport) {
  struct Case {
    const char* name;
    void (*type)(PlainWindow&);
    const char* optimum;
  };
  const Case cases[] = {
      {"worked example", TypeWorkedExample, "Optimum: Zmax = 12"},
      {"feasibility first",
       [](PlainWindow& w) {
         FormActivate(w, &w);
         w.SetMaximumChecked(false);
         FillRow(w.NB(), 1, {"1", "2", ">=", "2"});
         FillRow(w.NB(), 2, {"3", "1", ">=", "3"});
         FillRow(w.ZF(), 1, {"1", "1"});
       },
       "Optimum: Zmin = 7/5"},
      // An equation: its zero variable's column leaves the sheet, as it
      // leaves the steps view, and the columns are numbered without it.
      {"diet",
       [](PlainWindow& w) {
         FormActivate(w, &w);
         SpinNVarsTo(w, 3);
         SpinNConsTo(w, 3);
         w.SetMaximumChecked(false);
         FillRow(w.NB(), 1, {"2", "4", "1", ">=", "8"});
         FillRow(w.NB(), 2, {"1", "0.5", "2", ">=", "6"});
         FillRow(w.NB(), 3, {"1", "1", "1", "=", "10"});
         FillRow(w.ZF(), 1, {"2", "3", "1.5"});
       },
       "Optimum: Zmin = 15"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlainWindow window;
    c.type(window);
    window.SetViews(ReportViews{true, true, false});
    PracticeStart start = StartPractice(window);
    ASSERT_TRUE(start.session);
    PracticeSession& practice = *start.session;
    while (const std::optional<PivotPlace> hint = practice.Hint()) {
      EXPECT_EQ(practice.Take(*hint).verdict, PivotVerdict::kRuleChoice);
    }
    ASSERT_TRUE(practice.Ended());
    const Lines sheet = practice.SheetLines();

    SolveClick(window, &window);
    const Lines& report = window.SolLines();
    Lines steps(report.begin() + 2, report.end());  // past the fractions and count lines
    steps.resize(static_cast<std::size_t>(std::find(steps.begin(), steps.end(), "L\xD6SUNG:") -
                                          steps.begin() - 1));
    Lines worked(sheet.begin() + 1, sheet.end() - 2);  // past the count, up to the end line
    EXPECT_EQ(Tableaux(worked), Tableaux(steps));
    const std::string end = sheet.back();
    EXPECT_NE(end.find(std::string(c.optimum).substr(9)), std::string::npos) << end;
    EXPECT_NE(std::find(report.begin(), report.end(), c.optimum), report.end());

    const Lines last = practice.SheetLines();
    while (practice.CanUndo()) practice.Undo();
    EXPECT_EQ(practice.Steps(), 0u);
    while (practice.CanRedo()) practice.Redo();
    EXPECT_EQ(practice.SheetLines(), last);
  }
}

// The worked example's first tableau: x1 (3) is the rule's column and row 1
// its smallest quotient (4 against 6).
TEST(Practice, JudgesEachKindOfPivotInTheProblemsNumbers) {
  PlainWindow window;
  TypeWorkedExample(window);
  PracticeStart start = StartPractice(window);
  ASSERT_TRUE(start.session);
  PracticeSession& practice = *start.session;

  const PivotJudgement wrongRow = practice.Take({2, 1});
  EXPECT_EQ(wrongRow.verdict, PivotVerdict::kRefused);
  EXPECT_EQ(wrongRow.text,
            "Nicht erlaubt: Zeile 1 hat den kleineren Quotienten 4 < 6: mit Zeile 2 w\xFC"
            "rde y1 negativ (y1 = -2).");
  EXPECT_EQ(practice.Steps(), 0u);

  EXPECT_EQ(practice.Judge({1, 2}).text,
            "Nicht erlaubt: Zeile 2 hat den kleineren Quotienten 2 < 4: mit Zeile 1 w\xFC"
            "rde y2 negativ (y2 = -6).");
  EXPECT_EQ(practice.Judge({2, 2}).text,
            "Erlaubt. Das Verfahren h\xE4tte Spalte 1 (x1) genommen: ihr Eintrag der Zielzeile "
            "ist der gr\xF6\xDF"
            "te (3 > 2).");
  EXPECT_EQ(practice.Take({1, 1}).verdict, PivotVerdict::kRuleChoice);
  EXPECT_EQ(practice.Judge({2, 2}).text,
            "Nicht erlaubt: das Optimum ist erreicht, und in Spalte 2 (x2) ist der Eintrag der "
            "Zielzeile -1 negativ: Z w\xFC"
            "rde schlechter.");
}

// max x1 + x2, x1 + x2 = 3, x1 <= 2: the equation's zero variable leaves by
// the first exchange and may never come back.
TEST(Practice, RefusesTheZeroVariableOfAnEquationEnteringAgain) {
  PlainWindow window;
  FormActivate(window, &window);
  FillRow(window.NB(), 1, {"1", "1", "=", "3"});
  FillRow(window.NB(), 2, {"1", "0", "<=", "2"});
  FillRow(window.ZF(), 1, {"1", "1"});
  PracticeStart start = StartPractice(window);
  ASSERT_TRUE(start.session);
  PracticeSession& practice = *start.session;
  EXPECT_EQ(practice.Judge({2, 1}).text,
            "Nicht erlaubt: Zeile 2 (y2) ist keine Gleichung, deren Nullvariable noch in der "
            "Basis ist. Zuerst verlassen die Nullvariablen der Gleichungen die Basis, hier die "
            "von Zeile 1 (Gleichung 1).");
  EXPECT_EQ(practice.Take({1, 1}).verdict, PivotVerdict::kRuleChoice);
  const PivotJudgement again = practice.Take({2, 1});
  EXPECT_EQ(again.verdict, PivotVerdict::kRefused);
  EXPECT_EQ(again.text,
            "Nicht erlaubt: in der Spalte mit dem Kopf 0 steht die Nullvariable einer "
            "Gleichung: sie hat die Basis verlassen und darf nie wieder hinein.");
}

}  // namespace
}  // namespace pivora
