#include "ui/headings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

using Texts = std::vector<std::string>;

// The texts of columns `first`..`last` of one row.
Texts Row(const CellStore& grid, int row, int first, int last) {
  Texts texts;
  for (int c = first; c <= last; ++c) texts.emplace_back(grid.Text(c, row));
  return texts;
}

void FillRow(CellStore& grid, int row, const Texts& texts) {
  for (std::size_t k = 0; k < texts.size(); ++k)
    grid.SetText(static_cast<int>(k) + 1, row, texts[k]);
}

struct StartedWindow : ::testing::Test {
  StartedWindow() { FormActivate(window, &window); }
  PlainWindow window;
};

TEST_F(StartedWindow, HeadingsFooterAndCurrentCellAfterStartUp) {
  const CellStore& nb = window.NB();
  const CellStore& zf = window.ZF();
  EXPECT_EQ(Row(nb, 0, 0, 4),
            (Texts{"        A", "       x1", "       x2", " <=   >=    =", "        b"}));
  EXPECT_EQ(nb.Text(0, 1), "     NB 1");
  EXPECT_EQ(nb.Text(0, 2), "     NB 2");
  EXPECT_EQ(nb.Text(0, 3), "");
  EXPECT_EQ(Row(zf, 0, 0, 2), (Texts{"        c", "       x1", "       x2"}));
  EXPECT_EQ(zf.Text(0, 1), "       ZF");
  EXPECT_EQ(window.FooterText(),
            "Pivora v" PIVORA_VERSION "  -  Simplex-Methode in 80-Bit-Arithmetik  -  von den "
            "Pivora-Entwicklern");
  EXPECT_EQ(nb.ColumnCount(), 5);
  EXPECT_EQ(nb.RowCount(), 3);
  EXPECT_EQ(zf.ColumnCount(), 3);
  EXPECT_EQ(zf.RowCount(), 2);
  for (const CellStore* grid : {&nb, &zf}) {
    EXPECT_EQ(grid->CurrentColumn(), 1);
    EXPECT_EQ(grid->CurrentRow(), 1);
  }
  EXPECT_EQ(Row(nb, 1, 1, 4), (Texts{"", "", "", ""}));  // data cells start empty
}

TEST_F(StartedWindow, HeadingsAtFiftyVariablesAndFiftyConstraints) {
  SpinNVarsTo(window, 50);
  SpinNConsTo(window, 50);
  const CellStore& nb = window.NB();
  EXPECT_EQ(nb.ColumnCount(), 53);
  EXPECT_EQ(nb.RowCount(), 51);
  EXPECT_EQ(window.ZF().ColumnCount(), 51);
  EXPECT_EQ(nb.Text(1, 0), "       x1");
  EXPECT_EQ(nb.Text(50, 0), "       x50");
  EXPECT_EQ(window.ZF().Text(50, 0), "       x50");
  EXPECT_EQ(nb.Text(51, 0), " <=   >=    =");
  EXPECT_EQ(nb.Text(52, 0), "        b");
  EXPECT_EQ(nb.Text(0, 50), "     NB 50");
}

TEST_F(StartedWindow, SpinEditsClampAtTheirLimitsAndReportNoChange) {
  SpinNVarsTo(window, 50);
  EXPECT_FALSE(window.StepNVars(+1));
  EXPECT_EQ(window.NVarsValue(), 50);
  SpinNConsTo(window, 1);
  EXPECT_FALSE(window.StepNCons(-1));
  EXPECT_EQ(window.NConsValue(), 1);
  window.SetDigits(99);
  EXPECT_EQ(window.DigitsValue(), 15);
  window.SetDigits(1);
  EXPECT_EQ(window.DigitsValue(), 3);
}

// A variable removed by lowering NVars waits behind the right-hand side and
// returns to its column when NVars is raised again.
TEST_F(StartedWindow, LoweringAndRaisingNVarsRotatesOneCoefficientPerStep) {
  SpinNVarsTo(window, 3);
  CellStore& nb = window.NB();
  FillRow(nb, 1, {"a1", "a2", "a3", "<=", "b"});

  SpinNVarsTo(window, 2);
  EXPECT_EQ(Row(nb, 1, 1, 5), (Texts{"a1", "a2", "<=", "b", "a3"}));
  EXPECT_EQ(nb.ColumnCount(), 5);
  EXPECT_EQ(Row(nb, 0, 3, 4), (Texts{" <=   >=    =", "        b"}));

  SpinNVarsTo(window, 1);
  EXPECT_EQ(Row(nb, 1, 1, 5), (Texts{"a1", "<=", "b", "a2", "a3"}));

  SpinNVarsTo(window, 2);
  EXPECT_EQ(Row(nb, 1, 1, 5), (Texts{"a1", "a2", "<=", "b", "a3"}));
  SpinNVarsTo(window, 3);
  EXPECT_EQ(Row(nb, 1, 1, 5), (Texts{"a1", "a2", "a3", "<=", "b"}));

  SpinNVarsTo(window, 4);  // never used: an empty coefficient comes in
  EXPECT_EQ(Row(nb, 1, 1, 6), (Texts{"a1", "a2", "a3", "", "<=", "b"}));
  EXPECT_EQ(nb.Text(0, 1), "     NB 1");  // the heading column never moves
}

TEST_F(StartedWindow, RoundTripFromFiveToOneRestoresEveryCellHiddenRowsIncluded) {
  SpinNVarsTo(window, 5);
  SpinNConsTo(window, 3);
  const Texts rows[3] = {{"1", "2", "3", "4", "5", "<=", "10"},
                         {"6", "7", "8", "9", "0", ">=", "20"},
                         {"-1", "-2", "-3", "-4", "-5", "=", "30"}};
  for (int r = 0; r < 3; ++r) FillRow(window.NB(), r + 1, rows[r]);
  FillRow(window.ZF(), 1, {"c1", "c2", "c3", "c4", "c5"});

  SpinNConsTo(window, 1);  // rows 2 and 3 are hidden while the rotation runs
  SpinNVarsTo(window, 1);
  EXPECT_EQ(Row(window.NB(), 1, 1, 3), (Texts{"1", "<=", "10"}));
  EXPECT_EQ(window.ZF().ColumnCount(), 2);

  SpinNVarsTo(window, 3);
  SpinNConsTo(window, 3);  // the hidden rows return in the layout of n = 3
  EXPECT_EQ(Row(window.NB(), 2, 1, 5), (Texts{"6", "7", "8", ">=", "20"}));
  EXPECT_EQ(Row(window.NB(), 3, 1, 5), (Texts{"-1", "-2", "-3", "=", "30"}));

  SpinNVarsTo(window, 5);
  for (int r = 0; r < 3; ++r) EXPECT_EQ(Row(window.NB(), r + 1, 1, 7), rows[r]);
  EXPECT_EQ(Row(window.ZF(), 1, 1, 5), (Texts{"c1", "c2", "c3", "c4", "c5"}));
}

TEST_F(StartedWindow, NConsHidesAndShowsRowsUnchanged) {
  SpinNConsTo(window, 3);
  FillRow(window.NB(), 2, {"x", "y", "<", "z"});
  FillRow(window.NB(), 3, {"u", "v", ">", "w"});
  SpinNConsTo(window, 1);
  EXPECT_EQ(window.NB().RowCount(), 2);
  EXPECT_EQ(window.NB().Text(0, 2), "     NB 2");  // hidden headings keep their text
  SpinNConsTo(window, 3);
  EXPECT_EQ(window.NB().RowCount(), 4);
  EXPECT_EQ(Row(window.NB(), 2, 1, 4), (Texts{"x", "y", "<", "z"}));
  EXPECT_EQ(Row(window.NB(), 3, 1, 4), (Texts{"u", "v", ">", "w"}));
  EXPECT_EQ(window.NB().Text(0, 3), "     NB 3");
}

// Records the order in which a view would see the grid change.
struct Events : CellStoreObserver {
  std::vector<std::string> seen;
  void CellChanged(int c, int r) override {
    seen.push_back(std::to_string(c) + "," + std::to_string(r));
  }
  void CountsChanged() override { seen.emplace_back("counts"); }
  void AboutToMoveCurrent() override { seen.emplace_back("commit"); }
  void CurrentMoved() override { seen.emplace_back("moved"); }
};

TEST_F(StartedWindow, EditorCommitsBeforeAnyTextMovesAndEndsOnTheFirstCell) {
  CellStore& nb = window.NB();
  nb.MakeColumnCurrent(4);
  nb.MakeRowCurrent(2);
  window.ZF().MakeColumnCurrent(2);
  nb.SetText(4, 2, "typed");
  Events events;
  nb.SetObserver(&events);
  SpinNVarsTo(window, 1);
  nb.SetObserver(nullptr);

  ASSERT_GE(events.seen.size(), 4u);
  EXPECT_EQ(events.seen[0], "commit");  // column 1, then row 1: one move each
  EXPECT_EQ(events.seen[1], "moved");
  EXPECT_EQ(events.seen[2], "commit");
  EXPECT_EQ(events.seen[3], "moved");
  EXPECT_EQ(nb.Text(3, 2), "typed");  // the right-hand side moved with its column
  for (const CellStore* grid : {&window.NB(), &window.ZF()}) {
    EXPECT_EQ(grid->CurrentColumn(), 1);
    EXPECT_EQ(grid->CurrentRow(), 1);
  }
}

}  // namespace
}  // namespace pivora
