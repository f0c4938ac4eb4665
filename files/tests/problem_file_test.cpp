#include "files/problem_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pivora {
namespace {

using Cells = std::vector<std::string>;

TEST(ProblemFile, WorkedExampleWithCommentsBlankLinesTabsAndCrLf) {
  const ProblemFileOutcome outcome = ReadProblemFile(
      "\xEF\xBB\xBF# a comment\r\n\r\n  MaX\r\n3\t 2\r\n   # indented comment\n"
      "1 1 <= 4\r\n\t1  3\t<=\t6");
  ASSERT_EQ(outcome.kind, ProblemFileOutcome::Kind::kRead) << outcome.message;
  const ProblemFile& problem = outcome.problem;
  EXPECT_TRUE(problem.maximum);
  EXPECT_EQ(problem.n, 2);
  EXPECT_EQ(problem.m, 2);
  EXPECT_EQ(problem.objective, (Cells{"3", "2"}));
  EXPECT_EQ(problem.constraints[0], (Cells{"1", "1", "<=", "4"}));
  EXPECT_EQ(problem.constraints[1], (Cells{"1", "3", "<=", "6"}));
  EXPECT_EQ(problem.objectiveLine, 4);
  EXPECT_EQ(problem.constraintLines, (std::vector<int>{6, 7}));
}

TEST(ProblemFile, CellTextsKeepEveryOtherByte) {
  using namespace std::string_literals;
  const ProblemFileOutcome second = ReadProblemFile("min\n1\0x\n\xE4 =< 1,5\x01\r\n"s);
  ASSERT_EQ(second.kind, ProblemFileOutcome::Kind::kRead) << second.message;
  EXPECT_FALSE(second.problem.maximum);
  EXPECT_EQ(second.problem.objective, (Cells{std::string("1\0x", 3)}));
  EXPECT_EQ(second.problem.constraints[0], (Cells{"\xE4", "=<", "1,5\x01"}));
}

TEST(ProblemFile, OldMacLineEndingsEndLinesToo) {
  const ProblemFileOutcome outcome = ReadProblemFile("max\r3 2\r1 1 <= 4\r\r1 3 <= 6\r");
  ASSERT_EQ(outcome.kind, ProblemFileOutcome::Kind::kRead) << outcome.message;
  EXPECT_EQ(outcome.problem.constraints[1], (Cells{"1", "3", "<=", "6"}));
  EXPECT_EQ(outcome.problem.constraintLines, (std::vector<int>{3, 5}));
}

TEST(ProblemFile, ShapeErrorsNameTheLine) {
  struct Case {
    const char* name;
    std::string content;
    int line;
  };
  std::string fiftyOne = "max\n";
  for (int j = 0; j < 51; ++j) fiftyOne += "1 ";
  std::string tooManyRows = "max\n1\n";
  for (int p = 0; p < 51; ++p) tooManyRows += "1 <= 1\n";
  const Case cases[] = {
      {"empty", "", 1},
      {"only comments", "# one\n\n# two\n", 4},
      {"maximize", "maximize\n1\n1 <= 1\n", 1},
      {"max with a cell", "\nmax 3\n1\n1 <= 1\n", 2},
      {"no objective", "min\n# nothing else\n", 3},
      {"no constraint", "min\n1 2\n", 3},
      {"row with n + 1 cells", "max\n1 2\n1 1 <= 4\n1 1 1 <= 4\n", 4},
      {"row with n + 3 cells", "max\n1 2\n1 1 <= 4 5\n", 3},
      {"51 variables", fiftyOne, 2},
      {"51 constraints", tooManyRows, 53},
      {"comment after the objective", "max\n3 2 # profit\n1 1 <= 4\n", 2},
      {"comment after a row", "max\n3 2\n1 1 <= 4 # wood\n", 3},
      {"no-break space in the objective",
       "max\n3\xC2\xA0"
       "2\n1 1 <= 4\n",
       2},
  };
  for (const Case& c : cases) {
    const ProblemFileOutcome outcome = ReadProblemFile(c.content);
    EXPECT_EQ(outcome.kind, ProblemFileOutcome::Kind::kMalformed) << c.name;
    EXPECT_EQ(outcome.line, c.line) << c.name << ": " << outcome.message;
    EXPECT_FALSE(outcome.message.empty()) << c.name;
  }
}

TEST(ProblemFile, TenMegabyteLinesAreAnsweredWithoutStoringTheirCells) {
  std::string manyCells = "max\n";
  for (int k = 0; k < 5'000'000; ++k) manyCells += "1 ";
  const ProblemFileOutcome outcome = ReadProblemFile(manyCells);
  EXPECT_EQ(outcome.kind, ProblemFileOutcome::Kind::kMalformed);
  EXPECT_EQ(outcome.line, 2);
  EXPECT_NE(outcome.message.find("5000000 cells"), std::string::npos) << outcome.message;

  const std::string longCell = "max\n" + std::string(10'000'000, '7') + "\n1 <= 1\n";
  const ProblemFileOutcome read = ReadProblemFile(longCell);
  ASSERT_EQ(read.kind, ProblemFileOutcome::Kind::kRead);
  EXPECT_EQ(read.problem.objective[0].size(), 10'000'000u);
}

TEST(ProblemFile, QuotedCellsAndSettingsComeBackAsWritten) {
  ProblemFile problem;
  problem.maximum = false;
  problem.n = 1;
  problem.m = 2;
  problem.digits = 4;
  problem.details = false;
  problem.objective = {""};
  problem.constraints = {{"#1", "a\"b", "1 0"}, {"\"x\"", "\t", "9"}};
  const ProblemFileOutcome read = ReadProblemFile(WriteProblemFile(problem));
  ASSERT_EQ(read.kind, ProblemFileOutcome::Kind::kRead) << read.message;
  EXPECT_FALSE(read.problem.maximum);
  EXPECT_EQ(read.problem.objective, problem.objective);
  EXPECT_EQ(read.problem.constraints, problem.constraints);
  EXPECT_EQ(read.problem.digits, 4);
  EXPECT_EQ(read.problem.details, false);

  const ProblemFileOutcome unclosed = ReadProblemFile("max\n1\n\"1 <= 2\n");
  EXPECT_EQ(unclosed.kind, ProblemFileOutcome::Kind::kMalformed);
  EXPECT_EQ(unclosed.line, 3);
  const ProblemFileOutcome glued = ReadProblemFile("max\n\"1\"2\n1 <= 2\n");
  EXPECT_EQ(glued.line, 2);
  const ProblemFileOutcome setting = ReadProblemFile("max digits=x\n1\n1 <= 2\n");
  EXPECT_EQ(setting.line, 1);
  // An integer of any length is a setting, as --digits takes it, not an error.
  const ProblemFileOutcome many = ReadProblemFile("max digits=99999999999999999999\n1\n1 <= 2\n");
  ASSERT_EQ(many.kind, ProblemFileOutcome::Kind::kRead) << many.message;
  EXPECT_GE(many.problem.digits, 15);
}

// The integer line after the objective row: read in any case, written last,
// and a mark beyond the variables, or a second line, is an error with its
// line. A file without it reads and writes as before.
TEST(ProblemFile, TheIntegerLineMarksVariables) {
  const ProblemFileOutcome read = ReadProblemFile("max\n3 2 1\nINTEGER X3 x1\n1 1 1 <= 4\n");
  ASSERT_EQ(read.kind, ProblemFileOutcome::Kind::kRead) << read.message;
  EXPECT_EQ(read.problem.m, 1);
  EXPECT_TRUE(read.problem.integers.Of(1));
  EXPECT_FALSE(read.problem.integers.Of(2));
  EXPECT_TRUE(read.problem.integers.Of(3));
  EXPECT_EQ(WriteProblemFile(read.problem), "max\n3 2 1\n1 1 1 <= 4\ninteger x1 x3\n");

  const ProblemFileOutcome beyond = ReadProblemFile("max\n3 2\n1 1 <= 4\ninteger x3\n");
  EXPECT_EQ(beyond.kind, ProblemFileOutcome::Kind::kMalformed);
  EXPECT_EQ(beyond.line, 4);
  EXPECT_EQ(beyond.germanMessage, "integer: \"x3\" ist keine der Variablen x1..x2");
  const ProblemFileOutcome twice = ReadProblemFile("max\n3 2\ninteger x1\n1 1 <= 4\ninteger x2\n");
  EXPECT_EQ(twice.line, 5);
  EXPECT_EQ(ReadProblemFile("max\n3 2\ninteger x0\n1 1 <= 4\n").line, 3);

  const std::string plain = "max\n3 2\n1 1 <= 4\n";
  EXPECT_EQ(WriteProblemFile(ReadProblemFile(plain).problem), plain);
}

}  // namespace
}  // namespace pivora
