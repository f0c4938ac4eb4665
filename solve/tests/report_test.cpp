#include "solve/report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace pivora {
namespace {

using Lines = std::vector<std::string>;

// A solved problem as the report receives it: n, m, the Max/Min flag and the
// solution columns, each listing rows 0..n+m.
struct Solved {
  int n = 2;
  int m = 2;
  bool maximum = true;
  Tableau tableau;
  SolutionTable solutions;

  void Column(int k, std::initializer_list<Extended> rows) {
    int r = 0;
    for (Extended v : rows) solutions(r++, k) = v;
  }
  // The memo as the solve command leaves it.
  Lines Memo(SolveStatus status, bool details = true, int precision = 10) {
    tableau(m + 1, n + 2) = maximum ? 1.0L : -1.0L;
    ReportSettings settings;
    settings.details = details;
    settings.precision = precision;
    return WriteReport(tableau, m, n, solutions, status, settings).lines;
  }
};

TEST(Report, WorkedExampleWithAndWithoutDetails) {
  Solved solved;
  solved.Column(1, {12, 4, -1, -3, 2});
  EXPECT_EQ(solved.Memo(1), (Lines{"L\xD6SUNG:", "", "Optimum: Zmax = 12", "",
                                   "ZF:   x1 = 4   x2 = 0 [\xB1"
                                   "1]",
                                   "NB:  y1 = 0 [\xB1"
                                   "3]   y2 = 2"}));
  EXPECT_EQ(solved.Memo(1, /*details=*/false),
            (Lines{"L\xD6SUNG:", "", "Optimum: Zmax = 12", "", "ZF:   x1 = 4   x2 = 0"}));
}

TEST(Report, WorkedExampleMinimised) {
  Solved solved;
  solved.maximum = false;
  solved.Column(1, {0, -3, -2, 4, 6});
  EXPECT_EQ(solved.Memo(1), (Lines{"L\xD6SUNG:", "", "Optimum: Zmin = 0", "",
                                   "ZF:   x1 = 0 [\xB1"
                                   "3]   x2 = 0 [\xB1"
                                   "2]",
                                   "NB:  y1 = 4   y2 = 6"}));
}

TEST(Report, TwoSolutionsElevenLinesOrNineWithoutDetails) {
  Solved solved;
  solved.Column(1, {4, 3, 1, -1, 0});
  solved.Column(2, {4, -0.0L, 4, -1, 3});
  EXPECT_EQ(solved.Memo(2), (Lines{"2  L\xD6SUNGEN:", "", "Optimum: Zmax = 4", "",
                                   "1. L\xF6sung:", "ZF:   x1 = 3   x2 = 1",
                                   "NB:  y1 = 0 [\xB1"
                                   "1]   y2 = 0",
                                   "", "2. L\xF6sung:", "ZF:   x1 = 0   x2 = 4",
                                   "NB:  y1 = 0 [\xB1"
                                   "1]   y2 = 3"}));
  EXPECT_EQ(solved.Memo(2, false), (Lines{"2  L\xD6SUNGEN:", "", "Optimum: Zmax = 4", "",
                                          "1. L\xF6sung:", "ZF:   x1 = 3   x2 = 1", "",
                                          "2. L\xF6sung:", "ZF:   x1 = 0   x2 = 4"}));
}

TEST(Report, ThreeSolutionsAreNumberedAndSeparatedByOneEmptyLine) {
  Solved solved;
  solved.n = 1;
  solved.m = 1;
  solved.Column(1, {-3, 1, 0});
  solved.Column(2, {-3, 2, 0});
  solved.Column(3, {-3, 3, 0});
  solved.maximum = false;
  EXPECT_EQ(solved.Memo(3),
            (Lines{"3  L\xD6SUNGEN:", "", "Optimum: Zmin = -3", "", "1. L\xF6sung:", "ZF:   x1 = 1",
                   "NB:  y1 = 0", "", "2. L\xF6sung:", "ZF:   x1 = 2", "NB:  y1 = 0", "",
                   "3. L\xF6sung:", "ZF:   x1 = 3", "NB:  y1 = 0"}));
}

TEST(Report, NoSolutionAndUnboundedAreSingleLinesWithNothingToDrop) {
  Solved solved;
  for (const auto& [status, line] :
       {std::pair<SolveStatus, std::string_view>{0, kNoSolutionLine}, {-1, kUnboundedLine}}) {
    const Report report = WriteReport(solved.tableau, 2, 2, solved.solutions, status, {});
    EXPECT_EQ(report.lines, Lines{std::string(line)});
  }
  EXPECT_EQ(kNoSolutionLine, "KEINE L\xD6SUNG!");
  EXPECT_EQ(kUnboundedLine, "L\xD6SUNG UNENDLICH!");
}

TEST(Report, EntriesBelowTheThresholdPrintAsZeroWithoutBracket) {
  const Extended threshold = ZeroThreshold();
  EXPECT_EQ(threshold, 5E-10L);
  unsigned char bytes[sizeof(Extended)] = {};
  std::memcpy(bytes, &threshold, 10);
  const unsigned char expected[10] = {0x97, 0xA5, 0xB4, 0x36, 0x41, 0x5F, 0x70, 0x89, 0xE0, 0x3F};
  EXPECT_EQ(std::memcmp(bytes, expected, 10), 0);

  Solved solved;
  solved.n = 3;
  solved.m = 1;
  solved.Column(1, {3E-10L, 3E-10L, -3E-10L, -threshold, -6E-10L});
  EXPECT_EQ(solved.Memo(1)[2], "Optimum: Zmax = 3E-10");  // the optimum is never snapped
  EXPECT_EQ(solved.Memo(1)[4],
            "ZF:   x1 = 0   x2 = 0   x3 = 0 [\xB1"
            "5E-10]");
  EXPECT_EQ(solved.Memo(1)[5],
            "NB:  y1 = 0 [\xB1"
            "6E-10]");
}

TEST(Report, DigitsSetsTheSignificantDigitsOfValuesOnly) {
  Solved solved;
  solved.n = 12;
  solved.m = 1;
  solved.Column(1, {12.3456L, 12.3456L});
  std::string zeros;
  for (int j = 2; j <= 12; ++j) zeros += "   x" + std::to_string(j) + " = 0";
  EXPECT_EQ(solved.Memo(1, false, 3),
            (Lines{"L\xD6SUNG:", "", "Optimum: Zmax = 12.3", "", "ZF:   x1 = 12.3" + zeros}));
  EXPECT_EQ(solved.Memo(1, false, 10)[4], "ZF:   x1 = 12.3456" + zeros);
}

TEST(Report, NoLineEndsInABlank) {
  Solved solved;
  solved.n = 1;
  solved.m = 1;
  solved.Column(1, {1, 1, -2});
  for (const std::string& line : solved.Memo(1)) {
    if (!line.empty()) {
      EXPECT_NE(line.back(), ' ') << line;
    }
  }
}

}  // namespace
}  // namespace pivora
