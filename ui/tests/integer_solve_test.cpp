#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/handlers.h"
#include "ui/headings.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

using Lines = std::vector<std::string>;

void FillRow(CellStore& grid, int row, const Lines& texts) {
  for (std::size_t k = 0; k < texts.size(); ++k)
    grid.SetText(static_cast<int>(k) + 1, row, texts[k]);
}

// max 5 x1 + 4 x2, x1 + x2 <= 5, 10 x1 + 6 x2 <= 45: the relaxation's
// optimum is 23.75 at (3.75, 1.25), the whole-numbered one 23 at (3, 2).
struct Textbook : ::testing::Test {
  Textbook() {
    FormActivate(window, &window);
    FillRow(window.NB(), 1, {"1", "1", "<=", "5"});
    FillRow(window.NB(), 2, {"10", "6", "<=", "45"});
    FillRow(window.ZF(), 1, {"5", "4"});
  }
  void Mark(std::initializer_list<int> variables) {
    IntegerMarks marks;
    for (const int j : variables) marks.Set(j, true);
    MarkIntegers(window, marks);
  }
  PlainWindow window;
};

// The marks show in both grids' headings, and go with the marking.
TEST_F(Textbook, MarksShowInTheHeadings) {
  Mark({2});
  EXPECT_EQ(window.NB().Text(1, 0), "       x1");
  EXPECT_EQ(window.NB().Text(2, 0), "    x2 ganz");
  EXPECT_EQ(window.ZF().Text(2, 0), "    x2 ganz");
  Mark({});
  EXPECT_EQ(window.ZF().Text(2, 0), "       x2");
}

// The report has the plain report's shape, with what kind of optimum it is,
// the relaxation's bound and the subproblems between its Optimum: line and
// the points; fractions and the sensitivity apply.
TEST_F(Textbook, TheReportSaysItIsTheIntegerOptimum) {
  Mark({1, 2});
  const SolveClickOutcome outcome = SolveClick(window, &window);
  EXPECT_EQ(outcome.kind, SolveClickOutcome::Kind::kReport);
  EXPECT_EQ(outcome.result.solutions, 1);
  EXPECT_EQ(window.SolLines(),
            (Lines{"L\xD6SUNG:", "", "Optimum: Zmax = 23",
                   "Ganzzahliges Optimum (ganzzahlig: alle Variablen).",
                   "Schranke der LP-Relaxation: Zmax = 23.75; 7 Teilprobleme gel\xF6st.", "",
                   "ZF:   x1 = 3   x2 = 2", "NB:  y1 = 0   y2 = 3"}));

  window.SetViews({false, true, true});
  window.SetDetailsChecked(false);
  SolveClick(window, &window);
  EXPECT_EQ(window.SolLines(),
            (Lines{"Br\xFC"
                   "che: exakte Werte der eingegebenen Dezimalzahlen.",
                   "L\xD6SUNG:", "", "Optimum: Zmax = 23",
                   "Ganzzahliges Optimum (ganzzahlig: alle Variablen).",
                   "Schranke der LP-Relaxation: Zmax = 95/4; 7 Teilprobleme gel\xF6st.", "",
                   "ZF:   x1 = 3   x2 = 2", "",
                   "Sensitivit\xE4t: f\xFCr ganzzahlige Variablen sind Schattenpreise und "
                   "reduzierte Kosten nicht definiert."}));
}

// The tree view: every subproblem in the order taken, indented by depth,
// before the report.
TEST_F(Textbook, TheTreeViewComesBeforeTheReport) {
  Mark({1, 2});
  window.SetViews({false, false, false, true});
  SolveClick(window, &window);
  const Lines& lines = window.SolLines();
  ASSERT_GE(lines.size(), 10u);
  EXPECT_EQ(lines[0], "Verzweigungsbaum (Branch and Bound): 7 Teilprobleme, 7 davon gel\xF6st.");
  EXPECT_EQ(lines[1], "1 LP-Relaxation: Zmax = 23.75 bei x1 = 3.75, x2 = 1.25; verzweigt nach x1");
  EXPECT_EQ(lines[4], "    4 (aus 2) x2 <= 0: Zmax = 22.5 bei x1 = 4.5, x2 = 0; verzweigt nach x1");
  EXPECT_EQ(lines[5],
            "      5 (aus 4) x1 <= 4: Zmax = 20 bei x1 = 4, x2 = 0; ganzzahlig: neue "
            "beste L\xF6sung");
  EXPECT_EQ(lines[3], "    3 (aus 2) x2 >= 1: keine zul\xE4ssige L\xF6sung");
  EXPECT_EQ(lines[8], "");
  EXPECT_EQ(lines[9], "L\xD6SUNG:");
}

// Runs the solve with an observer that asks to stop once five subproblems
// are solved, as Abbrechen in the progress dialog does.
class CancelAfterFive final : public SolveRunner, private ExchangeObserver {
 public:
  void Run(const SolveJob& job) override { job(this); }

 private:
  bool CancelRequested() override { return solved_ >= 5; }
  void SubproblemSolved(long subproblems, const Rational*) override { solved_ = subproblems; }
  long solved_ = 0;
};

// A cancelled search reports what it has: the best point so far, the bound
// no point can beat, and that the optimum is not proved.
TEST_F(Textbook, ACancelledSearchSaysWhatItHas) {
  Mark({1, 2});
  CancelAfterFive runner;
  const SolveClickOutcome outcome = SolveClick(window, &window, runner);
  EXPECT_EQ(outcome.kind, SolveClickOutcome::Kind::kReport);
  EXPECT_EQ(window.SolLines(),
            (Lines{"ABGEBROCHEN!",
                   "Die Suche wurde nach 5 Teilproblemen abgebrochen; das ganzzahlige Optimum ist "
                   "nicht bewiesen.",
                   "Beste gefundene ganzzahlige L\xF6sung: Zmax = 20",
                   "Keine ganzzahlige L\xF6sung ist besser als Zmax = 23.75.", "",
                   "ZF:   x1 = 4   x2 = 0", "NB:  y1 = 1   y2 = 5"}));
}

// x2 alone whole: at x2 = 1, 10 x1 <= 39 lets x1 be 3.9 (z = 23.5); at
// x2 = 2, x1 + x2 <= 5 holds it to 3 (z = 23); at x2 = 0, 4.5 (z = 22.5).
TEST_F(Textbook, AMixedProblemKeepsTheOthersContinuous) {
  Mark({2});
  SolveClick(window, &window);
  ASSERT_GE(window.SolLines().size(), 7u);
  EXPECT_EQ(window.SolLines()[2], "Optimum: Zmax = 23.5");
  EXPECT_EQ(window.SolLines()[3], "Ganzzahliges Optimum (ganzzahlig: x2).");
  EXPECT_EQ(window.SolLines()[6], "ZF:   x1 = 3.9   x2 = 1");
}

}  // namespace
}  // namespace pivora
