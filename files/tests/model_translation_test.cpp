// A model read through GLPK and turned into the grids' cells: shifts, splits,
// range rows and the objective's constant, each in the model's decimals, and
// the legend that says what became of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/model_file.h"
#include "solver/testing/temporary_directory.h"

namespace pivora {
namespace {

using Rows = std::vector<std::vector<std::string>>;

ModelFileOutcome Read(const testing::TemporaryDirectory& files, const char* name,
                      const std::string& text) {
  const std::string path = files.Write(name, text);
  return ReadModelFile(path, *ModelFormatOfPath(path));
}

// x = 0.1 and 3x = 0.3 agree exactly; shifted by the lower bound -0.2 in
// binary doubles they became 0.30000000000000004 and 0.9000000000000001 and
// no longer did. The shift leaves the constant -0.2, which the model's
// optimum has and the grids' has not; a constant of the model's own adds to
// it, and the note's sign is the constant's.
TEST(ModelTranslation, ShiftsAndTheConstantAreTheModelsDecimals) {
  const testing::TemporaryDirectory files;
  const ModelFileOutcome shifted = Read(files, "shifted.lp",
                                        "Maximize\n obj: x\nSubject To\n c1: x = 0.1\n"
                                        " c2: 3 x = 0.3\nBounds\n -0.2 <= x <= 5\nEnd\n");
  ASSERT_EQ(shifted.kind, ModelFileOutcome::Kind::kRead) << shifted.message;
  EXPECT_EQ(shifted.problem.constraints,
            (Rows{{"1", "=", "0.3"}, {"3", "=", "0.9"}, {"1", "<=", "5.2"}}));
  EXPECT_EQ(shifted.legend.variables, std::vector<std::string>{"x1 = x + 0.2"});
  EXPECT_EQ(shifted.legend.objectiveConstant, "-0.2");
  EXPECT_EQ(shifted.legend.notes,
            std::vector<std::string>{"die Konstante -0.2 der Zielfunktion ist weggelassen: "
                                     "Optimum des Modells = berichteter Wert - 0.2"});

  const ModelFileOutcome constant =
      Read(files, "constant.mps",
           "NAME C\nROWS\n N COST\n L C1\nCOLUMNS\n X COST 2 C1 1\nRHS\n RHS C1 4 COST 0.7\n"
           "BOUNDS\n LO BND X -0.3\nENDATA\n");
  ASSERT_EQ(constant.kind, ModelFileOutcome::Kind::kRead) << constant.message;
  EXPECT_EQ(constant.legend.objectiveConstant, "0.1");
  EXPECT_EQ(constant.legend.notes,
            std::vector<std::string>{"die Konstante 0.1 der Zielfunktion ist weggelassen: "
                                     "Optimum des Modells = berichteter Wert + 0.1"});
}

// A range row's second bound is its right-hand side plus its range in
// decimals: GLPK's binary sum made the E row 0.1 with range 0.7 end at
// 0.7999999999999999. The L row 0.8 with range 0.7 starts at 0.1, not at
// 0.10000000000000009, and a negative range on an E row ends at its
// right-hand side; the lower side comes first. The same in fixed MPS,
// whose names may hold a blank.
TEST(ModelTranslation, RangeRowsAreTheModelsDecimalsLowerSideFirst) {
  const testing::TemporaryDirectory files;
  const ModelFileOutcome free =
      Read(files, "ranges.mps",
           "NAME RANGES\nROWS\n N COST\n E R1\n G LIM\n L R2\n E R3\nCOLUMNS\n"
           " X COST 1 R1 1\n X LIM 1 R2 1\n X R3 1\nRHS\n RHS R1 0.1 LIM 0.8\n RHS R2 0.8 R3 0.3\n"
           "RANGES\n RNG R1 0.7 R2 0.7\n RNG R3 -0.1\nENDATA\n");
  ASSERT_EQ(free.kind, ModelFileOutcome::Kind::kRead) << free.message;
  EXPECT_EQ(free.problem.constraints, (Rows{{"1", ">=", "0.1"},
                                            {"1", "<=", "0.8"},
                                            {"1", ">=", "0.8"},
                                            {"1", ">=", "0.1"},
                                            {"1", "<=", "0.8"},
                                            {"1", ">=", "0.2"},
                                            {"1", "<=", "0.3"}}));
  EXPECT_EQ(free.legend.rows[3], "y4: R2 (untere Grenze)");

  const ModelFileOutcome fixed = Read(files, "fixed.mps",
                                      "NAME          RANGES\n"
                                      "ROWS\n"
                                      " N  COST\n"
                                      " E  R 1\n"
                                      " G  LIM\n"
                                      "COLUMNS\n"
                                      "    X         COST      1              R 1       1\n"
                                      "    X         LIM       1\n"
                                      "RHS\n"
                                      "    RHS       R 1       0.1            LIM       0.8\n"
                                      "RANGES\n"
                                      "    RNG       R 1       0.7\n"
                                      "ENDATA\n");
  ASSERT_EQ(fixed.kind, ModelFileOutcome::Kind::kRead) << fixed.message;
  EXPECT_EQ(fixed.problem.constraints,
            (Rows{{"1", ">=", "0.1"}, {"1", "<=", "0.8"}, {"1", ">=", "0.8"}}));
  EXPECT_EQ(fixed.legend.rows, (std::vector<std::string>{"y1: R1 (untere Grenze)",
                                                         "y2: R1 (obere Grenze)", "y3: LIM"}));
}

// min x with x free: its positive part less its negative part, the
// objective's coefficient on each with its sign.
TEST(ModelTranslation, AFreeVariableIsItsPositiveLessItsNegativePart) {
  const testing::TemporaryDirectory files;
  const ModelFileOutcome read =
      Read(files, "free.lp", "Minimize\n obj: x\nSubject To\n c1: x >= -3\nBounds\n x free\nEnd\n");
  ASSERT_EQ(read.kind, ModelFileOutcome::Kind::kRead) << read.message;
  EXPECT_EQ(read.legend.variables,
            (std::vector<std::string>{"x1 = x (positiver Teil)", "x2 = x (negativer Teil)"}));
  EXPECT_EQ(read.problem.objective, (std::vector<std::string>{"1", "-1"}));
  EXPECT_EQ(read.problem.constraints, (Rows{{"1", "-1", ">=", "-3"}}));
}

}  // namespace
}  // namespace pivora
