#include <gtest/gtest.h>

#include <string>

#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

bool DataCellsEmpty(const PlainWindow& window) {
  for (int r = 1; r < CellStore::kRows; ++r) {
    for (int c = 1; c < CellStore::kColumns; ++c) {
      if (!window.NB().Text(c, r).empty()) return false;
    }
  }
  for (int c = 1; c < CellStore::kColumns; ++c) {
    if (!window.ZF().Text(c, 1).empty()) return false;
  }
  return true;
}

struct Clearing : ::testing::Test {
  Clearing() {
    FormActivate(window, &window);
    SpinNVarsTo(window, 3);
    for (int r = 1; r <= 2; ++r) {
      for (int c = 1; c <= 5; ++c) window.NB().SetText(c, r, std::to_string(10 * r + c));
    }
    for (int c = 1; c <= 3; ++c) window.ZF().SetText(c, 1, std::to_string(c));
    window.SolAppendLine("report");
  }
  PlainWindow window;
};

TEST_F(Clearing, TabDblClickEmptiesBothGridsAndTheMemoAndKeepsTheRest) {
  window.SetMaximumChecked(false);
  window.SetDigits(4);
  window.NB().MakeColumnCurrent(3);
  window.NB().SetText(52, 50, "far corner");
  window.ZF().SetText(52, 1, "beyond ZF");
  TabDblClick(window, &window.ZF());

  EXPECT_TRUE(DataCellsEmpty(window));
  EXPECT_TRUE(window.SolLines().empty());
  EXPECT_EQ(window.NVarsValue(), 3);
  EXPECT_EQ(window.NConsValue(), 2);
  EXPECT_EQ(window.NB().ColumnCount(), 6);
  EXPECT_FALSE(window.MaximumChecked());
  EXPECT_EQ(window.DigitsValue(), 4);
  EXPECT_EQ(window.NB().Text(3, 0), "       x3");
  EXPECT_EQ(window.NB().Text(0, 2), "     NB 2");
  EXPECT_EQ(window.ZF().Text(0, 1), "       ZF");
  EXPECT_EQ(window.NB().CurrentColumn(), 1);
  EXPECT_EQ(window.NB().CurrentRow(), 1);
}

TEST_F(Clearing, HiddenCellsAreEmptiedTooAndComeBackEmpty) {
  SpinNVarsTo(window, 4);
  SpinNConsTo(window, 3);
  window.NB().SetText(4, 3, "row 3");
  window.ZF().SetText(4, 1, "c4");
  SpinNVarsTo(window, 2);
  SpinNConsTo(window, 1);
  TabDblClick(window, &window.NB());
  SpinNVarsTo(window, 4);
  SpinNConsTo(window, 3);
  EXPECT_TRUE(DataCellsEmpty(window));
}

TEST_F(Clearing, SolDblClickEmptiesOnlyTheMemo) {
  SolDblClick(window, &window);
  EXPECT_TRUE(window.SolLines().empty());
  EXPECT_EQ(window.NB().Text(5, 2), "25");
  EXPECT_EQ(window.ZF().Text(3, 1), "3");
}

}  // namespace
}  // namespace pivora
