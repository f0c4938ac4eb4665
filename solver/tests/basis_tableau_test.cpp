#include "solver/basis_tableau.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "solver/exchange_method.h"
#include "solver/testing/random_problem.h"

namespace pivora::testing {
namespace {

struct ExactRun {
  BasicSolutionTable<FractionFree> s;
  SolveStatus status = 0;
  BasicSimplexRecord<FractionFreeArithmetic> record;
  ExactTableau problem;
  BasicWorkTableau<FractionFree> built;
};

// The exact run pivots its way to the tableau where the phases end; building
// the tableau of that basis directly, or one of its rows or columns, by
// either road, must give every entry the same value, the equations' zero
// columns and the objective row included.
TEST(BuildBasisTableau, EqualsTheTableauTheExactRunPivotedTo) {
  int built = 0;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    SCOPED_TRACE(seed);
    const RandomProblem p =
        MakeRandomProblem(seed, RandomProblemShape{1, 12, seed % 2 == 0, 20, 30});
    auto run = std::make_unique<ExactRun>();
    RunSimplexWith<FractionFreeArithmetic>(p.tableau, p.m, p.n, run->s, run->status, run->record);
    ExactFromExtended(p.tableau, p.m, p.n, run->problem);
    const BasicWorkTableau<FractionFree>& w = run->record.work;
    const BasisLabels labels = LabelsOf(w, p.m, p.n, run->record.zeroColumnEquation,
                                        [](const FractionFree& v) { return v.ToInt(); });
    const ExactRoad road = seed % 3 == 0 ? ExactRoad::kFractionFree : ExactRoad::kLifting;
    const IntegerRows rows(run->problem, p.m, p.n);
    ASSERT_TRUE(BuildBasisTableau(rows, labels, run->built, nullptr, road));
    ++built;
    for (int i = 1; i <= p.m + 2; ++i) {
      for (int j = 1; j <= p.n + 2; ++j) {
        ASSERT_EQ(run->built(i, j).ToRational(), w(i, j).ToRational()) << i << ", " << j;
      }
    }
    // One row alone gives the same values, and one column.
    const int r = 1 + static_cast<int>(seed % static_cast<std::uint64_t>(p.m + 1));
    std::vector<Rational> line;
    ASSERT_TRUE(BuildBasisTableauRow(rows, labels, r, line, nullptr, road));
    for (int j = 1; j <= p.n + 1; ++j)
      ASSERT_EQ(line[static_cast<std::size_t>(j - 1)], w(r, j).ToRational()) << r << ", " << j;
    const int s = 1 + static_cast<int>(seed % static_cast<std::uint64_t>(p.n + 1));
    ASSERT_TRUE(BuildBasisTableauColumn(rows, labels, s, line, nullptr, road));
    for (int i = 1; i <= p.m + 1; ++i)
      ASSERT_EQ(line[static_cast<std::size_t>(i - 1)], w(i, s).ToRational()) << i << ", " << s;
  }
  EXPECT_EQ(built, 300);
}

TEST(BuildBasisTableau, RefusesWhatIsNoBasis) {
  const RandomProblem p = MakeDenseFeasibleProblem(7, 3);
  auto problem = std::make_unique<ExactTableau>();
  ExactFromExtended(p.tableau, p.m, p.n, *problem);
  auto w = std::make_unique<BasicWorkTableau<FractionFree>>();
  BasisLabels basis;
  basis.row = {0, -1, -2, -3};
  basis.column = {0, 1, 2, 3};
  const IntegerRows rows(*problem, p.m, p.n);
  EXPECT_TRUE(BuildBasisTableau(rows, basis, *w));
  basis.column = {0, 1, 1, 3};  // x1 twice, x2 missing
  EXPECT_FALSE(BuildBasisTableau(rows, basis, *w));
  basis.column = {0, 1, 2, 0};  // a zero column for an inequality
  basis.zeroColumnEquation = {0, 0, 0, 1};
  EXPECT_FALSE(BuildBasisTableau(rows, basis, *w));

  // x1 and x2 basic in rows 1 and 2 of a problem whose rows 1 and 2 are
  // proportional in x1 and x2: singular.
  for (int j = 1; j <= 3; ++j) (*problem)(2, j) = 2 * (*problem)(1, j);
  (*problem)(1, 3) = 0;
  (*problem)(2, 3) = 0;
  basis.row = {0, 1, 2, -3};
  basis.column = {0, -1, -2, 3};
  basis.zeroColumnEquation = {};
  const IntegerRows singular(*problem, p.m, p.n);
  std::vector<Rational> line;
  for (const ExactRoad road : {ExactRoad::kLifting, ExactRoad::kFractionFree}) {
    EXPECT_FALSE(BuildBasisTableau(singular, basis, *w, nullptr, road));
    EXPECT_FALSE(BuildBasisTableauRow(singular, basis, 4, line, nullptr, road));
    EXPECT_FALSE(BuildBasisTableauColumn(singular, basis, 4, line, nullptr, road));
  }
}

}  // namespace
}  // namespace pivora::testing
