// The extra views through the solve command: the steps of the worked example
// as a student writes them, and fractions of the decimals as typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "solve/view_numbers.h"
#include "solver/testing/klee_minty.h"
#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

using Lines = std::vector<std::string>;

void FillRow(CellStore& grid, int row, const Lines& texts) {
  for (std::size_t k = 0; k < texts.size(); ++k)
    grid.SetText(static_cast<int>(k) + 1, row, texts[k]);
}

bool Contains(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// One exchange: pivot -1 in row 1, column 1, worked by hand; then the
// report, whose lines are the plain report's.
TEST(Views, StepsOfTheWorkedExampleThenThePlainReport) {
  PlainWindow window;
  FormActivate(window, &window);
  FillRow(window.NB(), 1, {"1", "1", "<=", "4"});
  FillRow(window.NB(), 2, {"1", "3", "<=", "6"});
  FillRow(window.ZF(), 1, {"3", "2"});
  SolveClick(window, &window);
  const Lines plain = window.SolLines();

  window.SetViews(ReportViews{true, false, false});
  SolveClick(window, &window);
  Lines expected{
      "Rechenschritte: 1 Austausch",
      "",
      "Schritt 1 (Optimierung): x1 kommt in die Basis, y1 verl\xE4sst sie; Pivotelement -1 in "
      "Zeile 1, Spalte 1.",
      "Grund: gr\xF6\xDF"
      "ter positiver Eintrag der Zielzeile, kleinster Quotient.",
      "     x1*   x2    1",
      "y1*  [-1]   -1    4",
      "y2    -1    -3    6",
      "Z      3     2    0",
      "",
      "Endtableau:",
      "    y1    x2     1",
      "x1   -1    -1     4",
      "y2    1    -2     2",
      "Z    -3    -1    12",
      ""};
  expected.insert(expected.end(), plain.begin(), plain.end());
  EXPECT_EQ(window.SolLines(), expected);
}

// 0.1 and 0.2 are no binary fractions: the typed decimals give 3/50 exactly,
// and the line above the report says which values the fractions are of.
TEST(Views, FractionsOfTheTypedDecimalsWithRanges) {
  PlainWindow window;
  FormActivate(window, &window);
  SpinNConsTo(window, 1);
  FillRow(window.NB(), 1, {"1", "1", "<=", "0.3"});
  FillRow(window.ZF(), 1, {"0.1", "0.2"});
  window.SetViews(ReportViews{false, true, true});
  SolveClick(window, &window);
  const Lines& lines = window.SolLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0],
            "Br\xFC"
            "che: exakte Werte der eingegebenen Dezimalzahlen.");
  EXPECT_TRUE(Contains(lines, "Optimum: Zmax = 3/50"));
  EXPECT_TRUE(Contains(lines,
                       "ZF:   x1 = 0 [\xB1"
                       "1/10]   x2 = 3/10"));
  // x1's coefficient may rise to 1/5 before x1 pays; y1's price is 1/5.
  EXPECT_TRUE(Contains(lines,
                       "x1        Nichtbasis     0              -1/10             1/10  "
                       "-unendlich          1/5"));
  EXPECT_TRUE(Contains(lines,
                       "y1              Nichtbasis            1/5          3/10           "
                       "0   +unendlich"));
}

// A degenerate optimum that two bases share: the run from the start ends at
// the other one, with other brackets. The fractions are those of the
// reported vertex and basis, bracket for bracket the plain report's.
TEST(Views, FractionsAreThoseOfTheReportedBasis) {
  PlainWindow window;
  FormActivate(window, &window);
  SpinNVarsTo(window, 7);
  SpinNConsTo(window, 6);
  window.SetMaximumChecked(false);
  FillRow(window.NB(), 1, {"3", "2", "5", "2.25", "-1", "5", "1.5", ">=", "3"});
  FillRow(window.NB(), 2, {"1.5", "2.25", "5", "-0.5", "4", "-2", "0.5", "<=", "5"});
  FillRow(window.NB(), 3, {"0.5", "1", "2.25", "4", "10", "1.5", "-1", "<=", "3"});
  FillRow(window.NB(), 4, {"-2", "-1", "5", "0", "-2", "5", "2", ">=", "2"});
  FillRow(window.NB(), 5, {"3", "0", "5", "0", "0", "-0.5", "5", ">=", "5"});
  FillRow(window.NB(), 6, {"1", "-2", "0", "2.25", "0", "0", "1.5", "<=", "3"});
  FillRow(window.ZF(), 1, {"-0.5", "4", "3", "0", "0.5", "4", "1.5"});
  SolveClick(window, &window);
  EXPECT_TRUE(Contains(window.SolLines(),
                       "ZF:   x1 = 0 [\xB1"
                       "0.2]   x2 = 0 [\xB1"
                       "4.5]   x3 = 0   x4 = 0.6666666667   x5 = 0 [\xB1"
                       "1.5]   x6 = 0 [\xB1"
                       "1.55]   x7 = 1"));
  window.SetViews(ReportViews{false, true, false});
  SolveClick(window, &window);
  EXPECT_TRUE(Contains(window.SolLines(),
                       "ZF:   x1 = 0 [\xB1"
                       "1/5]   x2 = 0 [\xB1"
                       "9/2]   x3 = 0   x4 = 2/3   x5 = 0 [\xB1"
                       "3/2]   x6 = 0 [\xB1"
                       "31/20]   x7 = 1"));
}

// Two optimal vertices: each has its own fractions, those of the vertex the
// plain report shows in the same place, and the ranges are the first's.
TEST(Views, FractionsOfEveryOptimalVertex) {
  PlainWindow window;
  FormActivate(window, &window);
  FillRow(window.NB(), 1, {"1", "1", "<=", "0.3"});
  FillRow(window.NB(), 2, {"1", "0", "<=", "0.2"});
  FillRow(window.ZF(), 1, {"0.1", "0.1"});
  window.SetViews(ReportViews{false, true, false});
  SolveClick(window, &window);
  const Lines& lines = window.SolLines();
  EXPECT_TRUE(Contains(lines, "ZF:   x1 = 1/5   x2 = 1/10"));
  EXPECT_TRUE(Contains(lines, "ZF:   x1 = 0   x2 = 3/10"));
  EXPECT_TRUE(Contains(lines,
                       "NB:  y1 = 0 [\xB1"
                       "1/10]   y2 = 1/5"));
  // The ranges are the first vertex's, also beside the steps, whose run ends
  // at the second.
  window.SetViews(ReportViews{true, false, true});
  SolveClick(window, &window);
  EXPECT_TRUE(Contains(window.SolLines(),
                       "x2         Basis   0.1                  0              0.1           0   "
                       "       0.1"));
}

// The diet problem's equation: once its zero variable has left the basis,
// its column (whose objective-row entries 2 and 1.5 are positive) is left
// out, so the chosen column holds the largest positive entry shown and the
// end shows none; a line says why the column went.
TEST(Views, StepsLeaveOutAnEquationsZeroColumnOnceItLeft) {
  PlainWindow window;
  FormActivate(window, &window);
  SpinNVarsTo(window, 3);
  SpinNConsTo(window, 3);
  window.SetMaximumChecked(false);
  FillRow(window.NB(), 1, {"2", "4", "1", ">=", "8"});
  FillRow(window.NB(), 2, {"1", "0.5", "2", ">=", "6"});
  FillRow(window.NB(), 3, {"1", "1", "1", "=", "10"});
  FillRow(window.ZF(), 1, {"2", "3", "1.5"});
  window.SetViews(ReportViews{true, false, false});
  SolveClick(window, &window);
  const Lines& lines = window.SolLines();
  const auto step2 = std::find(lines.begin(), lines.end(),
                               "Schritt 2 (Optimierung): x3 kommt in die Basis, x1 verl\xE4sst "
                               "sie; Pivotelement -1 in Zeile 3, Spalte 2.");
  ASSERT_NE(step2, lines.end());
  const Lines shown(step2 + 1, step2 + 8);
  EXPECT_EQ(shown, (Lines{"Grund: gr\xF6\xDF"
                          "ter positiver Eintrag der Zielzeile, kleinster Quotient.",
                          "Die Spalte der Nullvariablen von Gleichung 3 entf\xE4llt: sie hat die "
                          "Basis verlassen und darf nie wieder hinein.",
                          "       x2     x3*     1", "y1       2     -1     12",
                          "y2    -0.5      1      4", "x1*     -1    [-1]    10",
                          "-Z      -1    0.5    -20"}));
  const auto end = std::find(lines.begin(), lines.end(), "Endtableau:");
  ASSERT_NE(end, lines.end());
  EXPECT_EQ(Lines(end + 1, end + 6), (Lines{"      x2      x1      1", "y1      3       1      2",
                                            "y2   -1.5      -1     14", "x3     -1      -1     10",
                                            "-Z   -1.5    -0.5    -15"}));
}

// The second equation is twice the first: its row is relabelled y2 without
// an exchange, and the step whose tableau first shows that says why.
TEST(Views, StepsNameARedundantEquation) {
  PlainWindow window;
  FormActivate(window, &window);
  SpinNConsTo(window, 3);
  FillRow(window.NB(), 1, {"1", "1", "=", "2"});
  FillRow(window.NB(), 2, {"2", "2", "=", "4"});
  FillRow(window.NB(), 3, {"1", "0", "<=", "1"});
  FillRow(window.ZF(), 1, {"1", "1"});
  window.SetViews(ReportViews{true, false, false});
  SolveClick(window, &window);
  const Lines& lines = window.SolLines();
  const auto note = std::find(lines.begin(), lines.end(),
                              "Gleichung 2 ist \xFC"
                              "berfl\xFC"
                              "ssig (in ihrer Zeile nur Nullen): ihre Nullvariable bleibt als y2 "
                              "mit Wert 0 in der Basis.");
  ASSERT_NE(note, lines.end());
  EXPECT_EQ(*(note - 3),
            "Schritt 2 (Zul\xE4ssigkeit): x2 kommt in die Basis, y3 verl\xE4sst sie; "
            "Pivotelement 1 in Zeile 3, Spalte 1.");
  EXPECT_EQ(*(note + 3), "y2     0     0");
}

// The Klee-Minty cube of 15 variables takes 32,767 exchanges; its 16 x 16
// tableaus allow 976 of them within the view's 250,000 entries.
TEST(Views, StepsStopAtTheBoundOnEntries) {
  PlainWindow window;
  FormActivate(window, &window);
  SpinNVarsTo(window, 15);
  SpinNConsTo(window, 15);
  const testing::RandomProblem cube = testing::MakeKleeMinty(15);
  const auto text = [](Extended v) { return std::to_string(static_cast<long long>(v)); };
  for (int i = 1; i <= 15; ++i) {
    for (int j = 1; j <= 15; ++j) window.NB().SetText(j, i, text(cube.tableau(i, j)));
    window.NB().SetText(16, i, "<=");
    window.NB().SetText(17, i, text(cube.tableau(i, 16)));
    window.ZF().SetText(i, 1, text(cube.tableau(16, i)));
  }
  window.SetViews(ReportViews{true, false, false});
  SolveClick(window, &window);
  const Lines& lines = window.SolLines();
  const auto steps = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.rfind("Schritt ", 0) == 0;
  });
  EXPECT_EQ(steps, 976);
  EXPECT_EQ(lines.front(), "Rechenschritte: 32767 Austausche");
  EXPECT_TRUE(Contains(lines, "(nur die ersten 976 Schritte gezeigt)"));
}

// 19-digit coefficients: the fractions of the steps soon outgrow the view,
// and each such one is written as its rounded value behind "~".
TEST(Views, LongFractionsOfTheStepsAreShortened) {
  PlainWindow window;
  FormActivate(window, &window);
  SpinNVarsTo(window, 3);
  SpinNConsTo(window, 3);
  FillRow(window.NB(), 1,
          {"1.234567890123456789", "2.345678901234567891", "3.456789012345678912", "<=", "10"});
  FillRow(window.NB(), 2,
          {"4.567890123456789123", "5.678901234567891234", "6.789012345678912345", "<=", "20"});
  FillRow(window.NB(), 3,
          {"7.890123456789123456", "8.901234567891234567", "9.012345678912345678", "<=", "30"});
  FillRow(window.ZF(), 1, {"1.111111111111111111", "2.222222222222222222", "3.333333333333333333"});
  window.SetViews(ReportViews{true, true, false});
  SolveClick(window, &window);
  const Lines& lines = window.SolLines();
  ASSERT_GT(lines.size(), 3u);
  EXPECT_EQ(lines[2], kShortenedLine);
  bool shortened = false;
  for (const std::string& line : lines) {
    if (line.rfind("Schritt ", 0) == 0 || line.rfind("Grund", 0) == 0) continue;
    if (line.rfind("L\xD6SUNG", 0) == 0) break;
    std::size_t start = 0;
    while (start < line.size()) {
      const std::size_t end = std::min(line.find(' ', start), line.size());
      const std::string word = line.substr(start, end - start);
      shortened = shortened || word.find('~') != std::string::npos;
      EXPECT_LE(word.size(), kMaxFractionChars + 2) << word;  // with the pivot's brackets
      start = end + 1;
    }
  }
  EXPECT_TRUE(shortened);
}


// The dual of a Min problem with one row of each kind: relations <= (Min),
// u1 >= 0 for the >= row, u2 <= 0 for the <= row, u3 free for the
// equation; its solution is the shadow prices dz/db, checked by hand
// against the dual rows (u1 + u2 = 2, u1 - u2 + u3 = 3, u1 + 2 u3 = 1) and
// against GLPK's marginals (3, -1, -1); every product is 0.
TEST(Views, TheDualOfAMixedMinProblemIsSolvedByItsShadowPrices) {
  PlainWindow window;
  SpinNVarsTo(window, 3);
  SpinNConsTo(window, 3);
  FillRow(window.NB(), 1, {"1", "1", "1", ">=", "4"});
  FillRow(window.NB(), 2, {"1", "-1", "0", "<=", "1"});
  FillRow(window.NB(), 3, {"0", "1", "2", "=", "3"});
  FillRow(window.ZF(), 1, {"2", "3", "1"});
  window.SetMaximumChecked(false);
  ReportViews views;
  views.dual = true;
  window.SetViews(views);
  SolveClick(window, &window);
  const Lines& lines = window.SolLines();
  const auto dual = std::find(lines.begin(), lines.end(),
                              "Duales Problem: Wmax = 4\xB7u1 + 1\xB7u2 + 3\xB7u3");
  ASSERT_NE(dual, lines.end());
  const Lines expected{
      "  x1:  1\xB7u1 + 1\xB7u2 <= 2",
      "  x2:  1\xB7u1 - 1\xB7u2 + 1\xB7u3 <= 3",
      "  x3:  1\xB7u1 + 2\xB7u3 <= 1",
      "  u1 >= 0,  u2 <= 0,  u3 frei",
      "",
      "Optimum des dualen Problems: Wmax = 8 = Zmin",
      "u1 = 3   u2 = -1   u3 = -1",
      "",
      "Komplement\xE4rer Schlupf (jedes Produkt ist 0):",
      "primal  Wert  dual  Wert  Produkt",
      "y1         0    u1     3        0",
      "y2         0    u2    -1        0",
      "y3         0    u3    -1        0",
      "x1         2    v1     0        0",
      "x2         1    v2     0        0",
      "x3         1    v3     0        0",
      "v(j): Schlupf der dualen Bedingung von xj."};
  EXPECT_EQ(Lines(dual + 1, lines.end()), expected);

  // Max, the worked example: x2 stays 0 and its dual row has slack 1.
  PlainWindow worked;
  FormActivate(worked, &worked);
  FillRow(worked.NB(), 1, {"1", "1", "<=", "4"});
  FillRow(worked.NB(), 2, {"1", "3", "<=", "6"});
  FillRow(worked.ZF(), 1, {"3", "2"});
  worked.SetViews(views);
  SolveClick(worked, &worked);
  EXPECT_TRUE(Contains(worked.SolLines(), "  x2:  1\xB7u1 + 3\xB7u2 >= 2"));
  EXPECT_TRUE(Contains(worked.SolLines(), "  u1 >= 0,  u2 >= 0"));
  EXPECT_TRUE(Contains(worked.SolLines(), "x2         0    v2     1        0"));
}

// max x1 with x1 <= -1: no feasible point; the problem with b = 0 is
// bounded, so the dual min -u1, u1 >= 1, u1 >= 0 has points and no minimum.
TEST(Views, TheDualOfAnInfeasibleProblemIsUnboundedWhereItHasPoints) {
  PlainWindow window;
  SpinNVarsTo(window, 1);
  SpinNConsTo(window, 1);
  FillRow(window.NB(), 1, {"1", "<=", "-1"});
  FillRow(window.ZF(), 1, {"1"});
  ReportViews views;
  views.dual = true;
  window.SetViews(views);
  SolveClick(window, &window);
  EXPECT_EQ(window.SolLines().back(),
            "Das Problem hat keine zul\xE4ssige L\xF6sung, das duale Problem hat welche: seine "
            "Zielfunktion ist unbeschr\xE4nkt.");
}

}  // namespace
}  // namespace pivora
