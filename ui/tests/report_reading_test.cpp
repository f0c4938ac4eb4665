// The report explains itself: the tips over its words name the problem's
// own numbers, with the signs a shadow price and a reduced cost really have.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/handlers.h"
#include "ui/messages_reading.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

struct Solved {
  std::vector<std::string> lines;
  ReportProblem problem;
};

// max 40 x1 + 30 x2, x1 + x2 <= 12, 2 x1 + x2 <= 16, x1 <= 7 (or >= 7), or Min.
Solved Solve(bool maximise, const std::string& third) {
  PlainWindow window;
  SpinNConsTo(window, 3);
  const std::vector<std::vector<std::string>> rows{
      {"1", "1", "<=", "12"}, {"2", "1", "<=", "16"}, {"1", "0", third, "7"}};
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 4; ++j) window.NB().SetText(j, i, rows[i - 1][j - 1]);
  }
  window.ZF().SetText(1, 1, "40");
  window.ZF().SetText(2, 1, "30");
  window.SetMaximumChecked(maximise);
  SolveClick(window, &window);
  return {window.SolLines(), {2, 3, maximise, rows, {"40", "30"}}};
}

// The tip for the first word of `lines` that starts with `word`.
std::string TipAt(const Solved& s, const std::string& word) {
  for (std::size_t k = 0; k < s.lines.size(); ++k) {
    const std::size_t at = s.lines[k].find(word);
    if (at != std::string::npos) {
      return ExplainReportWord(s.lines, static_cast<int>(k), static_cast<int>(at) + 1, s.problem);
    }
  }
  return "not found: " + word;
}

TEST(ReportReading, ASlackAndABracketSayWhatTheyAreWithTheProblemsNumbers) {
  const Solved max = Solve(true, "<=");
  EXPECT_EQ(TipAt(max, "y2 ="), "y2: Schlupf von NB 2: 16 \u2212 (2\u00b7x1 + 1\u00b7x2) (\u2265 0)");
  EXPECT_EQ(TipAt(max, "[\xB1" "20]"),
            "Schattenpreis von NB 1: dz/db = +20. Erh\u00f6ht man die rechte Seite 12 um 1, "
            "steigt Zmax um 20, solange diese Basis optimal bleibt. (Die Bedingung ist "
            "bindend: y1 = 0.)");

  // Min: the binding x1 >= 7 costs; raising its right-hand side raises Zmin.
  const Solved min = Solve(false, ">=");
  ASSERT_NE(TipAt(min, "y3 = 0 [\xB1"), "");
  EXPECT_EQ(TipAt(min, "y3 ="), "y3: Schlupf von NB 3: (1\u00b7x1) \u2212 7 (\u2265 0)");
  const std::string bracket = TipAt(min, "[\xB1" "40]");
  EXPECT_EQ(bracket.substr(0, bracket.find('.')), "Schattenpreis von NB 3: dz/db = +40");
  EXPECT_NE(bracket.find("steigt Zmin um 40"), std::string::npos) << bracket;
  // x2 stays 0 at the Min optimum: forcing it in raises Zmin.
  EXPECT_EQ(TipAt(min, "[\xB1" "30]").substr(0, 52),
            "Reduzierte Kosten von x2: dz/dx2 = +30. x2 ist 0 (Ni");
}

// Every other word the report explains, on the worked example's report and
// tableau as F1 shows them, with an equation for NB 1: the tip at
// (line, column) of each.
TEST(ReportReading, EveryOtherWordHasItsOwnTip) {
  const std::vector<std::string> lines{"     x1*   x2    1",
                                       "y1*  [-1]   -1    4",
                                       "0     -1    -3    6",
                                       "Z      3     2    0",
                                       "-Z     3     2    0",
                                       "2  L\xD6SUNGEN:",
                                       "Optimum: Zmax = 12",
                                       "ZF:   x1 = 4   x2 = 0 [\xB1" "1]",
                                       "NB:  y1 = 0 [\xB1" "3]   y2 = 2",
                                       "ZF:   x1 = 0   x2 = 6"};
  const ReportProblem p{2, 2, true, {{"1", "1", "=", "4"}, {"1", "3", "<=", "6"}}, {"3", "2"}};
  const auto tip = [&](int line, int column) { return ExplainReportWord(lines, line, column, p); };
  EXPECT_EQ(tip(1, 0),
            "y1: Schlupf von NB 1, einer Gleichung: 4 \u2212 (1\u00b7x1 + 1\u00b7x2), "
            "immer 0");
  EXPECT_EQ(tip(0, 12), "x2: Variable, Zielkoeffizient 2");
  EXPECT_EQ(tip(7, 24),
            "Reduzierte Kosten von x2: dz/dx2 = \u22121. x2 ist 0 (Nichtbasis); jede "
            "Einheit x2, die man erzwingt, senkt Zmax um 1.");
  EXPECT_EQ(tip(1, 6),
            "Pivotelement: seine Zeile und Spalte sind mit * markiert. Die "
            "Basisvariable der Zeile verl\u00e4sst die Basis, die Nichtbasisvariable "
            "der Spalte kommt hinein; das n\u00e4chste Tableau entsteht durch den "
            "Austausch.");
  EXPECT_EQ(tip(3, 0),
            "Zielzeile: ihre Eintr\u00e4ge sind die \u00c4nderung von Z je Einheit "
            "der Spaltenvariablen, ganz rechts der Wert von Z.");
  EXPECT_EQ(tip(4, 0),
            "Zielzeile von \u2212Z: bei Min maximiert das Verfahren \u2212Z; ganz "
            "rechts steht \u2212Z, also Zmin mit umgekehrtem Vorzeichen.");
  EXPECT_EQ(tip(2, 0),
            "Nullvariable einer Gleichung: ihr Wert muss 0 sein. Sie verl\u00e4sst die "
            "Basis zuerst (Gleichungsphase); danach entf\u00e4llt ihre Spalte.");
  EXPECT_EQ(tip(6, 10),
            "Der gr\u00f6\u00dfte Wert der Zielfunktion 3\u00b7x1 + 2\u00b7x2 unter "
            "allen Bedingungen, mit x \u2265 0.");
  EXPECT_EQ(tip(5, 4),
            "2 optimale Ecken: jeder Punkt auf der Strecke (bei mehr als zwei: in der "
            "Fl\u00e4che) zwischen ihnen ist ebenso optimal, mit demselben Wert.\n"
            "1. L\u00f6sung: x1 = 4   x2 = 0 [\u00b11]\n2. L\u00f6sung: x1 = 0   x2 = 6");
  EXPECT_EQ(tip(7, 0),
            "Die Werte der Variablen; [\u00b1\u2026] nach einer 0: die reduzierten "
            "Kosten.");
  EXPECT_EQ(tip(8, 0),
            "Die Schlupfwerte der Nebenbedingungen; [\u00b1\u2026] nach einer 0: der "
            "Schattenpreis.");

  // The words that differ under Min.
  const ReportProblem min{2, 2, false, p.constraints, p.objective};
  EXPECT_EQ(ExplainReportWord(lines, 7, 24, min),
            "Reduzierte Kosten von x2: dz/dx2 = +1. x2 ist 0 (Nichtbasis); jede Einheit x2, die "
            "man erzwingt, erh\u00f6ht Zmin um 1.");
  EXPECT_EQ(ExplainReportWord(lines, 6, 10, min),
            "Der kleinste Wert der Zielfunktion 3\u00b7x1 + 2\u00b7x2 unter allen Bedingungen, "
            "mit x \u2265 0.");
}

}  // namespace
}  // namespace pivora
