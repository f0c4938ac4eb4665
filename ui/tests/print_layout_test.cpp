// The report on paper: a table wider than the page in column blocks that
// keep every number whole and repeat the row labels; the value lines go on
// after an item; the page is turned where a block would not fit.
#include "ui/print_layout.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace pivora {
namespace {

PrintLine Wide(const std::string& text) { return PrintLine(text.begin(), text.end()); }

std::vector<std::string> Tokens(const PrintLine& line) {
  std::istringstream in(std::string(line.begin(), line.end()));
  std::vector<std::string> tokens;
  for (std::string token; in >> token;) tokens.push_back(token);
  return tokens;
}

// A tableau of `columns` columns of numbers of different widths, its column
// headings first, labels down the side as the steps view writes them.
std::vector<PrintLine> Tableau(int columns) {
  const std::vector<std::string> labels{"", "y1*", "0", "y12", "-Z"};
  std::vector<PrintLine> rows;
  for (std::size_t r = 0; r < labels.size(); ++r) {
    std::string row = labels[r] + std::string(6 - labels[r].size(), ' ');
    for (int c = 1; c <= columns; ++c) {
      std::string cell = std::to_string(-c * static_cast<int>(r) * 37 % 1000);
      if (r == 0) cell = std::string(1, 'x').append(std::to_string(c)).append(c == 3 ? "*" : "");
      if (r == 1 && c == 3) cell = "[-0.25]";
      const std::size_t width = c % 4 == 0 || c == 3 ? 9 : 6;
      row += "  " + std::string(width - cell.size(), ' ') + cell;
    }
    rows.push_back(Wide(row));
  }
  return rows;
}

TEST(PrintLayout, AWideTableGoesInBlocksThatKeepEveryNumberAndRepeatTheLabels) {
  const std::vector<PrintLine> table = Tableau(30);
  std::vector<PrintLine> report{Wide("Schritt 1 (Optimierung): x3 kommt in die Basis.")};
  report.insert(report.end(), table.begin(), table.end());
  const int columns = 70;
  const PrintLayout layout = LayOutForPrint(report, columns);

  ASSERT_GE(layout.groups.size(), 4u);
  EXPECT_EQ(layout.extraBlocks, static_cast<int>(layout.groups.size()) - 1);
  EXPECT_EQ(layout.brokenLines, 0);
  EXPECT_EQ(layout.groups[0].lines[0], report[0]);
  std::vector<std::vector<std::string>> joined(table.size());
  for (std::size_t g = 0; g < layout.groups.size(); ++g) {
    const PrintGroup& group = layout.groups[g];
    const std::size_t first = g == 0 ? 1 : 0;
    ASSERT_EQ(group.lines.size(), first + table.size());
    EXPECT_EQ(group.header, static_cast<int>(first));
    for (std::size_t r = 0; r < table.size(); ++r) {
      const PrintLine& line = group.lines[first + r];
      EXPECT_LE(line.size(), static_cast<std::size_t>(columns));
      // Every block starts with the row's label (the headings' is empty).
      std::vector<std::string> tokens = Tokens(line);
      if (r > 0) {
        ASSERT_FALSE(tokens.empty());
        EXPECT_EQ(tokens.front(), Tokens(table[r]).front());
        tokens.erase(tokens.begin());
      }
      joined[r].insert(joined[r].end(), tokens.begin(), tokens.end());
    }
  }
  for (std::size_t r = 0; r < table.size(); ++r) {
    std::vector<std::string> cells = Tokens(table[r]);
    if (r > 0) cells.erase(cells.begin());
    EXPECT_EQ(joined[r], cells) << "row " << r;
  }
}

TEST(PrintLayout, TextThatFitsStaysAsItIsAndValueLinesGoOnAfterAnItem) {
  const std::vector<PrintLine> report{
      Wide("L\u00d6SUNG:"), Wide(""), Wide("Optimum: Zmax = 12"), Wide(""),
      Wide("ZF:   x1 = 4   x2 = 0 [\u00b11]   x3 = 2.5   x4 = 0 [\u00b10.125]"),
      Wide("NB:  y1 = 0 [\u00b13]   y2 = 2")};
  const PrintLayout fits = LayOutForPrint(report, 80);
  ASSERT_EQ(fits.groups.size(), 3u);
  EXPECT_EQ(fits.groups[2].lines, (std::vector<PrintLine>{report[4], report[5]}));
  EXPECT_TRUE(fits.groups[1].gapBefore);

  const PrintLayout narrow = LayOutForPrint(report, 30);
  EXPECT_EQ(narrow.brokenLines, 0);
  EXPECT_EQ(narrow.groups[2].lines,
            (std::vector<PrintLine>{Wide("ZF:   x1 = 4   x2 = 0 [\u00b11]"),
                                    Wide("      x3 = 2.5"), Wide("      x4 = 0 [\u00b10.125]"),
                                    Wide("NB:  y1 = 0 [\u00b13]   y2 = 2")}));
}

TEST(PrintLayout, AGroupThatDoesNotFitStartsAPageAndALongOneRepeatsItsHeadings) {
  PrintLayout layout;
  layout.groups.push_back({{Wide("a"), Wide("b"), Wide("c")}, -1, false});
  layout.groups.push_back({{Wide("h"), Wide("1"), Wide("2")}, 0, true});
  layout.groups.push_back({{Wide("H"), Wide("1"), Wide("2"), Wide("3"), Wide("4"), Wide("5")},
                           0, true});
  const auto pages = Paginate(layout, 5);
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[0], (std::vector<PrintLine>{Wide("a"), Wide("b"), Wide("c")}));
  EXPECT_EQ(pages[1], (std::vector<PrintLine>{Wide("h"), Wide("1"), Wide("2")}));
  EXPECT_EQ(pages[2], (std::vector<PrintLine>{Wide("H"), Wide("1"), Wide("2"), Wide("3"),
                                              Wide("4")}));
  EXPECT_EQ(pages[3], (std::vector<PrintLine>{Wide("H"), Wide("5")}));
}

TEST(PrintLayout, LandscapeWhereItSavesBlocksAndTheLargestFontThatCostsNothing) {
  // A4 less 20 mm on each side: 114 by 173 characters at 7 pt.
  const PrintArea a4{482, 728};
  const PrintMetrics metrics{0.6, 1.2};
  const PrintPage small = ChoosePrintPage(Tableau(8), a4, metrics);
  EXPECT_FALSE(small.landscape);
  EXPECT_EQ(small.points, 10);
  const PrintPage wide = ChoosePrintPage(Tableau(17), a4, metrics);
  EXPECT_TRUE(wide.landscape);
  EXPECT_GT(LayOutForPrint(Tableau(17), ColumnsAt(482, 0.6, 7)).extraBlocks, 0);
  EXPECT_EQ(LayOutForPrint(Tableau(17), ColumnsAt(728, 0.6, wide.points)).extraBlocks, 0);
  EXPECT_GT(LayOutForPrint(Tableau(17), ColumnsAt(728, 0.6, wide.points + 0.25)).extraBlocks, 0);
}

}  // namespace
}  // namespace pivora
