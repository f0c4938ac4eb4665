#include "solve/read_problem.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "solve/decimal_text.h"
#include "solve/parse_number.h"

namespace pivora {
namespace {

// A grid as the reader sees it: texts by (column, row), empty when unwritten.
class Grid final : public GridCells {
 public:
  std::string_view Text(int column, int row) const override {
    auto it = texts_.find({column, row});
    return it == texts_.end() ? std::string_view() : std::string_view(it->second);
  }
  void SetText(int column, int row, std::string_view text) override {
    texts_[{column, row}] = std::string(text);
  }
  void Row(int row, std::initializer_list<std::string> texts) {
    int column = 1;
    for (const std::string& text : texts) SetText(column++, row, text);
  }

 private:
  std::map<std::pair<int, int>, std::string> texts_;
};

struct Reading : ::testing::Test {
  ReadOutcome Read(int n, int m, bool maximum = true) {
    return ReadProblem(nb, zf, n, m, maximum, NumberFormat{}, tableau);
  }
  Grid nb;
  Grid zf;
  Tableau tableau;
};

TEST_F(Reading, EmptyCellsGetTheirDefaultsAndGiveAnAllZeroProblem) {
  tableau.Fill(9.0L);  // the reader starts from zero whatever it is given
  ASSERT_EQ(Read(2, 2).kind, ReadOutcome::Kind::kSound);
  for (int p = 1; p <= 2; ++p) {
    EXPECT_EQ(nb.Text(1, p), "0");
    EXPECT_EQ(nb.Text(2, p), "0");
    EXPECT_EQ(nb.Text(3, p), "<=");
    EXPECT_EQ(nb.Text(4, p), "0");
  }
  EXPECT_EQ(zf.Text(1, 1), "0");
  EXPECT_EQ(zf.Text(2, 1), "0");
  Tableau expected;
  expected(1, 4) = -1.0L;
  expected(2, 4) = -1.0L;
  expected(3, 4) = 1.0L;
  EXPECT_EQ(tableau, expected);
}

TEST_F(Reading, RightHandSideAndRelationSwapColumnsInTheTableau) {
  nb.Row(1, {"1", "2", ">=", "4"});
  nb.Row(2, {"-3", "0.5", "==", "6"});
  zf.Row(1, {"3", "2"});
  ASSERT_EQ(Read(2, 2, /*maximum=*/false).kind, ReadOutcome::Kind::kSound);
  EXPECT_EQ(tableau(1, 1), 1.0L);
  EXPECT_EQ(tableau(1, 2), 2.0L);
  EXPECT_EQ(tableau(1, 3), 4.0L);
  EXPECT_EQ(tableau(1, 4), 1.0L);
  EXPECT_EQ(tableau(2, 1), -3.0L);
  EXPECT_EQ(tableau(2, 3), 6.0L);
  EXPECT_EQ(tableau(2, 4), 0.0L);
  EXPECT_EQ(tableau(3, 1), 3.0L);
  EXPECT_EQ(tableau(3, 3), 0.0L);  // the objective constant stays 0
  EXPECT_EQ(tableau(3, 4), -1.0L);
}

// The exact tableau holds the typed decimals where the extended one holds
// their nearest binary values, in the same places, empty cells as 0.
TEST_F(Reading, TheExactTableauKeepsTheTypedDecimals) {
  nb.Row(1, {"0.3", "", ">=", "0.9"});
  nb.Row(2, {"-3", "1E-2500", "=", "6"});
  zf.Row(1, {"0.1", "2"});
  auto exact = std::make_unique<ExactTableau>();
  ASSERT_EQ(ReadProblem(nb, zf, 2, 2, true, NumberFormat{}, tableau, *exact).kind,
            ReadOutcome::Kind::kSound);
  EXPECT_EQ((*exact)(1, 1), Rational(3, 10));
  EXPECT_EQ((*exact)(1, 2), 0);
  EXPECT_EQ((*exact)(1, 3), Rational(9, 10));
  EXPECT_EQ((*exact)(1, 4), 1);
  EXPECT_EQ((*exact)(2, 3), 6);
  EXPECT_EQ((*exact)(2, 4), 0);
  EXPECT_EQ((*exact)(2, 2) * DecimalValue("1E2500", NumberFormat{}), 1);
  EXPECT_EQ((*exact)(3, 1), Rational(1, 10));
  EXPECT_EQ((*exact)(3, 4), 1);
  EXPECT_NE(ExactRational(tableau(1, 1)), (*exact)(1, 1));
  EXPECT_EQ(tableau(1, 1), 0.3L);

  // A table read into before, every entry taken, comes out as a new one
  // does: nothing of the old values stays outside the problem, nor a zero
  // over a denominator other than 1.
  auto used = std::make_unique<ExactTableau>();
  used->Fill(Rational(7, 3));
  mpz_set_ui(mpq_denref((*used)(52, 52).get_mpq_t()), 5);
  mpz_set_ui(mpq_numref((*used)(52, 52).get_mpq_t()), 0);
  ASSERT_EQ(ReadProblem(nb, zf, 2, 2, true, NumberFormat{}, tableau, *used).kind,
            ReadOutcome::Kind::kSound);
  EXPECT_TRUE(*used == *exact);
  EXPECT_EQ(mpz_cmp_ui(mpq_denref((*used)(52, 52).get_mpq_t()), 1), 0);
}

TEST(RelationCode, OnlyTheSixLiteralsByteForByte) {
  const std::pair<std::string, Extended> accepted[] = {{"<", -1.0L}, {"<=", -1.0L}, {">", 1.0L},
                                                       {">=", 1.0L}, {"=", 0.0L},   {"==", 0.0L}};
  for (const auto& [text, code] : accepted) {
    Extended value = 7.0L;
    EXPECT_TRUE(RelationCode(text, value)) << text;
    EXPECT_EQ(value, code) << text;
  }
  const std::string refused[] = {
      " <=", "<= ", "=<", "\xE2\x89\xA4", "le", "", "<==", std::string("<=\0", 3), "=>"};
  for (const std::string& text : refused) {
    Extended value = 7.0L;
    EXPECT_FALSE(RelationCode(text, value)) << text;
  }
}

TEST_F(Reading, FaultStopsTheVisitBeforeLaterCellsAreDefaulted) {
  nb.Row(2, {"1,5"});
  const ReadOutcome outcome = Read(2, 3);
  ASSERT_EQ(outcome.kind, ReadOutcome::Kind::kFaulty);
  EXPECT_EQ(outcome.fault, (CellAddress{ProblemGrid::kConstraints, 1, 2}));
  EXPECT_EQ(nb.Text(1, 1), "0");  // constraint 1 was visited and defaulted
  EXPECT_EQ(nb.Text(3, 1), "<=");
  EXPECT_EQ(nb.Text(4, 1), "0");
  EXPECT_EQ(nb.Text(1, 2), "1,5");  // the reader writes no fault mark
  EXPECT_EQ(nb.Text(2, 2), "");
  EXPECT_EQ(nb.Text(3, 2), "");
  EXPECT_EQ(nb.Text(4, 2), "");
  EXPECT_EQ(nb.Text(1, 3), "");
  EXPECT_EQ(zf.Text(1, 1), "");  // ZF is not read at all
}

TEST_F(Reading, FaultyCellsOfEveryKindAndPlace) {
  struct Case {
    const char* name;
    std::string relation;
    std::string rhs;
    std::string objective;
    CellAddress fault;
  };
  const Case cases[] = {
      {"reversed relation", "=<", "1", "1", {ProblemGrid::kConstraints, 2, 1}},
      {"blanks only", "<=", "  ", "1", {ProblemGrid::kConstraints, 3, 1}},
      {"the sentinel itself", "<=", "1.7E308", "1", {ProblemGrid::kConstraints, 3, 1}},
      {"NUL byte", "<=", std::string("1\0", 2), "1", {ProblemGrid::kConstraints, 3, 1}},
      {"Latin-1 letter", "<=", "1", "\xE4", {ProblemGrid::kObjective, 1, 1}},
      {"fault mark", "<=", "1", "  FEHLER!", {ProblemGrid::kObjective, 1, 1}},
  };
  for (const Case& c : cases) {
    Grid constraints;
    Grid objective;
    constraints.Row(1, {"1", c.relation, c.rhs});
    objective.Row(1, {c.objective});
    const ReadOutcome outcome =
        ReadProblem(constraints, objective, 1, 1, true, NumberFormat{}, tableau);
    EXPECT_EQ(outcome.kind, ReadOutcome::Kind::kFaulty) << c.name;
    EXPECT_EQ(outcome.fault, c.fault) << c.name;
  }
}

TEST_F(Reading, AFiftyByFiftyProblemFillsTheWholeTableau) {
  for (int p = 1; p <= 50; ++p) {
    for (int j = 1; j <= 50; ++j) nb.SetText(j, p, std::to_string(p + j));
    nb.SetText(51, p, "<");
    nb.SetText(52, p, std::to_string(p));
  }
  ASSERT_EQ(Read(50, 50).kind, ReadOutcome::Kind::kSound);
  EXPECT_EQ(tableau(50, 50), 100.0L);
  EXPECT_EQ(tableau(50, 51), 50.0L);
  EXPECT_EQ(tableau(50, 52), -1.0L);
  EXPECT_EQ(tableau(51, 52), 1.0L);
  EXPECT_EQ(zf.Text(50, 1), "0");
}

}  // namespace
}  // namespace pivora
