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

}  // namespace
}  // namespace pivora
