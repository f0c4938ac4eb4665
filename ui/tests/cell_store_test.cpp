#include "ui/cell_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pivora {
namespace {

struct Recorder : CellStoreObserver {
  std::vector<std::string> events;
  void CellChanged(int c, int r) override {
    events.push_back("cell " + std::to_string(c) + "," + std::to_string(r));
  }
  void CountsChanged() override { events.push_back("counts"); }
  void AboutToMoveCurrent() override { events.push_back("commit"); }
  void CurrentMoved() override { events.push_back("moved"); }
};

TEST(CellStore, TextsDoNotDependOnTheCounts) {
  CellStore store(4, 3);
  EXPECT_EQ(store.Text(2, 2), "");
  EXPECT_EQ(store.Text(40, 45), "");
  store.SetText(5, 1, "7");
  EXPECT_EQ(store.Text(5, 1), "7");
  store.SetText(4, 1, "a");
  store.SetColumnCount(6);
  store.SetColumnCount(2);
  store.SetColumnCount(6);
  EXPECT_EQ(store.Text(4, 1), "a");
  EXPECT_EQ(store.Text(5, 1), "7");
  store.SetText(5, 1, "");
  EXPECT_EQ(store.Text(5, 1), "");
  EXPECT_EQ(store.Text(4, 1), "a");
  // A row written and emptied again equals a row never written.
  store.SetText(4, 1, "");
  EXPECT_TRUE(store == CellStore(6, 3));
}

TEST(CellStore, WholeRangeIsUsableAndOutsideIsHarmless) {
  CellStore store(5, 3);
  store.SetText(52, 50, "corner");
  EXPECT_EQ(store.Text(52, 50), "corner");
  store.SetText(53, 0, "x");
  store.SetText(0, 51, "x");
  store.SetText(-1, -1, "x");
  EXPECT_EQ(store.Text(53, 0), "");
  EXPECT_EQ(store.Text(-1, -1), "");
}

TEST(CellStore, ShrinkingMovesTheCurrentCellToTheLastColumnOrRow) {
  CellStore store(6, 6);
  store.MakeColumnCurrent(5);
  store.MakeRowCurrent(4);
  store.SetColumnCount(4);
  EXPECT_EQ(store.CurrentColumn(), 3);
  EXPECT_EQ(store.CurrentRow(), 4);
  store.SetRowCount(3);
  EXPECT_EQ(store.CurrentRow(), 2);
  store.SetColumnCount(0);  // counts below 1 count as 1
  EXPECT_EQ(store.ColumnCount(), 1);
}

TEST(CellStore, ObserverSeesCommitBeforeMoveAndNothingForNoChange) {
  CellStore store(5, 3);
  Recorder recorder;
  store.SetObserver(&recorder);
  store.MakeColumnCurrent(1);  // already current
  store.SetColumnCount(5);     // present count
  EXPECT_TRUE(recorder.events.empty());
  store.MakeColumnCurrent(2);
  store.SetText(2, 1, "0");
  store.SetText(2, 1, "0");  // same text: nothing to redraw
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"commit", "moved", "cell 2,1"}));
}

}  // namespace
}  // namespace pivora
