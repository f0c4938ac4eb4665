#include "solver/branch_and_bound.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "solver/exact_solve.h"
#include "solver/testing/random_problem.h"
#include "solver/testing/temporary_directory.h"
#include "solver/tests/glpsol_oracle.h"
#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

std::unique_ptr<ExactTableau> Exact(const TestProblem& p) {
  auto exact = std::make_unique<ExactTableau>();
  ExactFromExtended(p.tableau, p.m, p.n, *exact);
  return exact;
}

IntegerMarks AllMarked(int n) {
  IntegerMarks marks;
  for (int j = 1; j <= n; ++j) marks.Set(j, true);
  return marks;
}

std::string RowText(const BranchRow& row) {
  std::string text = "x";
  text.append(std::to_string(row.variable));
  text.append(row.side == BoundSide::kUpper ? "<=" : ">=");
  return text.append(row.bound.get_str());
}

// One line per subproblem: number, parent, row, optimum and fate.
std::string TreeText(const IntegerSolve& solve) {
  static const char* const kFates[] = {"branched",   "new best", "as good",  "found before",
                                       "infeasible", "cut off",  "unbounded"};
  std::string text;
  for (const BranchNode& node : solve.nodes) {
    text.append(std::to_string(node.number)).append(" from ").append(std::to_string(node.parent));
    text.append(" ").append(node.parent == 0 ? "root" : RowText(node.row));
    if (node.solved && node.status == LpStatus::kOptimal) {
      text.append(" z=").append(node.objective.get_str());
    }
    text.append(" ").append(kFates[static_cast<int>(node.fate)]);
    if (node.branchVariable != 0) text.append(" on x").append(std::to_string(node.branchVariable));
    text.append("\n");
  }
  return text;
}

// max 5 x1 + 4 x2, x1 + x2 <= 5, 10 x1 + 6 x2 <= 45, both whole: the
// relaxation's optimum (3.75, 1.25) with z = 23.75; worked by hand, the
// search goes up first where the value lies nearer its ceiling, and the
// optimum is (3, 2) with z = 23, alone.
TEST(BranchAndBound, TextbookProblemByHand) {
  const auto p = ParseProblem("max\n5 4\n1 1 <= 5\n10 6 <= 45\n");
  ASSERT_TRUE(p);
  const IntegerSolve solve = SolveInteger(*Exact(*p), p->m, p->n, AllMarked(2), nullptr, 5000);
  EXPECT_EQ(solve.outcome, IntegerOutcome::kOptimal);
  EXPECT_EQ(solve.relaxationBound, Rational(95, 4));
  EXPECT_EQ(TreeText(solve),
            "1 from 0 root z=95/4 branched on x1\n"
            "2 from 1 x1>=4 z=70/3 branched on x2\n"
            "3 from 2 x2>=1 infeasible\n"
            "4 from 2 x2<=0 z=45/2 branched on x1\n"
            "5 from 4 x1<=4 z=20 new best\n"
            "6 from 4 x1>=5 infeasible\n"
            "7 from 1 x1<=3 z=23 new best\n");
  ASSERT_EQ(solve.points->Status(), 1);
  EXPECT_EQ((*solve.points)(0, 1), 23);
  EXPECT_EQ((*solve.points)(1, 1), 3);
  EXPECT_EQ((*solve.points)(2, 1), 2);
  EXPECT_EQ((*solve.points)(3, 1), 0);  // y1
  EXPECT_EQ((*solve.points)(4, 1), 3);  // y2
  EXPECT_EQ(solve.subproblems, 7);
}

// A small problem with every variable bounded by a row x[j] <= 0..4, small
// whole coefficients (a few halves), mixed relations; marks on all
// variables, or on some where `mixed`.
struct SmallProblem {
  std::unique_ptr<ExactTableau> exact = std::make_unique<ExactTableau>();
  int m = 0;
  int n = 0;
  std::vector<int> upper;  // from index 1
  IntegerMarks marks;
};

SmallProblem MakeSmallProblem(std::uint64_t seed, bool mixed) {
  std::mt19937_64 rng(seed);
  SmallProblem p;
  p.n = UniformInt(rng, 1, 3);
  const int rows = UniformInt(rng, 1, 3);
  p.m = rows + p.n;
  ExactTableau& t = *p.exact;
  const auto coefficient = [&rng] {
    const int k = UniformInt(rng, -6, 6);
    Rational q(k, Chance(rng, 15) ? 2 : 1);
    q.canonicalize();
    return q;
  };
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= p.n; ++j) t(i, j) = coefficient();
    t(i, p.n + 1) = coefficient() + 3;
    const int pick = UniformInt(rng, 0, 9);
    t(i, p.n + 2) = pick < 2 ? 0 : pick < 6 ? -1 : 1;
  }
  p.upper.resize(static_cast<std::size_t>(p.n + 1));
  for (int j = 1; j <= p.n; ++j) {
    const int i = rows + j;
    t(i, j) = 1;
    p.upper[static_cast<std::size_t>(j)] = UniformInt(rng, 0, 4);
    t(i, p.n + 1) = p.upper[static_cast<std::size_t>(j)];
    t(i, p.n + 2) = -1;
    p.marks.Set(j, !mixed || Chance(rng, 60));
  }
  for (int j = 1; j <= p.n; ++j) t(p.m + 1, j) = Chance(rng, 25) ? Rational(0) : coefficient();
  t(p.m + 1, p.n + 2) = Chance(rng, 50) ? 1 : -1;
  return p;
}

// The exact optimum of `p` with the marked variables fixed at `fixed` (the
// others free), by the exact exchange method; none where infeasible.
std::optional<Rational> OptimumWithFixed(const SmallProblem& p, const std::vector<int>& fixed) {
  auto t = std::make_unique<ExactTableau>();
  int m = p.m;
  for (int i = 1; i <= p.m; ++i) {
    for (int j = 1; j <= p.n + 2; ++j) (*t)(i, j) = (*p.exact)(i, j);
  }
  for (int j = 1; j <= p.n; ++j) {
    if (!p.marks.Of(j)) continue;
    ++m;
    (*t)(m, j) = 1;
    (*t)(m, p.n + 1) = fixed[static_cast<std::size_t>(j)];
    (*t)(m, p.n + 2) = 0;
  }
  for (int j = 1; j <= p.n + 2; ++j) (*t)(m + 1, j) = (*p.exact)(p.m + 1, j);
  auto solutions = std::make_unique<SolutionTable>();
  SolveStatus status = kNoFeasibleSolution;
  ExactSolutions values;
  ContinueExactly(*t, m, p.n, StartingBasis(*t, m, p.n), *solutions, status, nullptr, &values);
  if (!IsOptimal(status)) return std::nullopt;
  return values(0, 1);
}

// Every assignment of the marked variables within their bound rows, each
// checked by an exact solve over the others: the optimum and the set of
// optimal assignments.
struct Enumerated {
  std::optional<Rational> optimum;
  std::set<std::vector<int>> optimal;
};

Enumerated Enumerate(const SmallProblem& p) {
  Enumerated result;
  const int sigma = (*p.exact)(p.m + 1, p.n + 2) > 0 ? 1 : -1;
  std::vector<int> x(static_cast<std::size_t>(p.n + 1), 0);
  for (;;) {
    if (const auto z = OptimumWithFixed(p, x)) {
      std::vector<int> key;
      for (int j = 1; j <= p.n; ++j)
        key.push_back(p.marks.Of(j) ? x[static_cast<std::size_t>(j)] : 0);
      if (!result.optimum || sigma * *z > sigma * *result.optimum) {
        result.optimum = *z;
        result.optimal.clear();
      }
      if (*z == *result.optimum) result.optimal.insert(key);
    }
    int j = 1;
    while (j <= p.n && (!p.marks.Of(j) ||
                        x[static_cast<std::size_t>(j)] == p.upper[static_cast<std::size_t>(j)])) {
      if (p.marks.Of(j)) x[static_cast<std::size_t>(j)] = 0;
      ++j;
    }
    if (j > p.n) return result;
    ++x[static_cast<std::size_t>(j)];
  }
}

// Against every whole-numbered point, one by one: the same outcome, the same
// optimum, and exactly the optimal points (as many as kMaxSolutions allows),
// none twice and none that is not optimal; on pure and on mixed problems.
TEST(BranchAndBound, EveryOptimalPointOfSmallProblemsAgainstEnumeration) {
  int optimal = 0;
  int several = 0;
  for (std::uint64_t seed = 1; seed <= 400; ++seed) {
    const bool mixed = seed % 3 == 0;
    const SmallProblem p = MakeSmallProblem(seed, mixed);
    SCOPED_TRACE(seed);
    const Enumerated expected = Enumerate(p);
    // A fault that branches without end meets the limit, not the timeout.
    // Every other problem holds no parent's tableau: each subproblem starts
    // from the problem's own with its bound rows.
    const IntegerSolve solve =
        SolveInteger(*p.exact, p.m, p.n, p.marks, nullptr, 5000, seed % 2 == 0 ? 0 : kHeldEntries);
    if (!expected.optimum) {
      EXPECT_TRUE(solve.outcome == IntegerOutcome::kNoIntegerPoint ||
                  solve.outcome == IntegerOutcome::kNoFeasiblePoint);
      EXPECT_EQ(solve.points->Status(), 0);
      continue;
    }
    ++optimal;
    ASSERT_EQ(solve.outcome, IntegerOutcome::kOptimal);
    const int count = solve.points->Status();
    EXPECT_EQ(count, std::min<int>(static_cast<int>(expected.optimal.size()), kMaxSolutions));
    several += count > 1;
    std::set<std::vector<int>> found;
    for (int k = 1; k <= count; ++k) {
      EXPECT_EQ((*solve.points)(0, k), *expected.optimum);
      std::vector<int> key;
      for (int j = 1; j <= p.n; ++j) {
        const Rational& v = (*solve.points)(j, k);
        key.push_back(p.marks.Of(j) ? static_cast<int>(v.get_num().get_si()) : 0);
        if (p.marks.Of(j)) {
          EXPECT_EQ(v.get_den(), 1);
        }
      }
      EXPECT_TRUE(expected.optimal.count(key)) << "not optimal: point " << k;
      EXPECT_TRUE(found.insert(key).second) << "twice: point " << k;
    }
  }
  EXPECT_GT(optimal, 150);
  EXPECT_GT(several, 20);
}

// The rows from the relaxation down to `node`, its own last.
std::vector<BranchRow> PathOf(const IntegerSolve& solve, const BranchNode& node) {
  std::vector<BranchRow> path;
  for (const BranchNode* at = &node; at->parent != 0;
       at = &solve.nodes[static_cast<std::size_t>(at->parent - 1)]) {
    path.insert(path.begin(), at->row);
  }
  return path;
}

// Each subproblem, started from its parent's final tableau with its one new
// row, ends where the same subproblem solved from the problem's own tableau
// ends: the same status and bound (the point may differ where the optimum
// is not a single vertex).
TEST(BranchAndBound, EverySubproblemAsSolvedFromTheStart) {
  long compared = 0;
  for (std::uint64_t seed = 1; seed <= 400; ++seed) {
    const SmallProblem p = MakeSmallProblem(seed, seed % 3 == 0);
    SCOPED_TRACE(seed);
    const IntegerSolve solve = SolveInteger(*p.exact, p.m, p.n, p.marks, nullptr, 5000);
    for (const BranchNode& node : solve.nodes) {
      if (!node.solved || node.parent == 0) continue;
      SCOPED_TRACE(node.number);
      BranchTableau cold(*p.exact, p.m, p.n);
      for (const BranchRow& row : PathOf(solve, node))
        cold.Bound(row.variable, row.side, row.bound);
      ASSERT_EQ(cold.SolveFromStart(nullptr), node.status);
      if (node.status != LpStatus::kOptimal) continue;
      EXPECT_EQ(cold.Objective(), node.objective);
      ++compared;
    }
  }
  EXPECT_GT(compared, 250);
}

// glpsol's branch and bound on a CPLEX LP file with a General section.
std::optional<long double> GlpsolMipOptimum(const Tableau& t, int m, int n) {
  const TemporaryDirectory directory;
  std::string lp = CplexLp(t, m, n);
  lp.resize(lp.size() - 4);  // "End\n"
  lp += "General\n";
  for (int j = 1; j <= n; ++j) lp += " x" + std::to_string(j);
  lp += "\nEnd\n";
  const std::string lpPath = directory.Write("mip.lp", lp);
  const std::string solutionPath = directory.File("mip.sol");
  const std::string command = "glpsol --lp " + lpPath + " -w " + solutionPath + " >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return std::nullopt;
  std::ifstream in(solutionPath);
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string s, mip, rows, columns, status, objective;
    if (!(words >> s >> mip >> rows >> columns >> status >> objective) || s != "s") continue;
    if (status != "o") return std::nullopt;
    return std::strtold(objective.c_str(), nullptr);
  }
  return std::nullopt;
}

// Larger random problems (3..8 variables, whole coefficients, every
// variable at most 10): the same optimum as glpsol's own search.
TEST(BranchAndBound, OptimumOfRandomProblemsAgainstGlpsol) {
  if (!GlpsolAvailable()) GTEST_SKIP() << "glpsol not installed";
  int compared = 0;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    RandomProblemShape shape;
    shape.minSize = 3;
    shape.maxSize = 8;
    shape.equalPercent = 10;
    const RandomProblem drawn = MakeRandomProblem(seed, shape);
    // Its rows, a row x[j] <= 10 for every variable, its objective.
    RandomProblem p;
    p.n = drawn.n;
    p.m = drawn.m + drawn.n;
    for (int i = 1; i <= drawn.m; ++i) {
      for (int j = 1; j <= p.n + 2; ++j) p.tableau(i, j) = drawn.tableau(i, j);
    }
    for (int j = 1; j <= p.n; ++j) {
      p.tableau(drawn.m + j, j) = 1;
      p.tableau(drawn.m + j, p.n + 1) = 10;
      p.tableau(drawn.m + j, p.n + 2) = kRelationLessEqual;
    }
    for (int j = 1; j <= p.n + 2; ++j) p.tableau(p.m + 1, j) = drawn.tableau(drawn.m + 1, j);
    SCOPED_TRACE(seed);
    auto exact = std::make_unique<ExactTableau>();
    ExactFromExtended(p.tableau, p.m, p.n, *exact);
    const IntegerSolve solve = SolveInteger(*exact, p.m, p.n, AllMarked(p.n), nullptr, 20000);
    const auto oracle = GlpsolMipOptimum(p.tableau, p.m, p.n);
    if (!oracle) {
      EXPECT_NE(solve.outcome, IntegerOutcome::kOptimal);
      continue;
    }
    ASSERT_EQ(solve.outcome, IntegerOutcome::kOptimal);
    EXPECT_NEAR(static_cast<double>(NearestExtended((*solve.points)(0, 1))),
                static_cast<double>(*oracle), 1e-9 * (1 + std::fabs(static_cast<double>(*oracle))));
    ++compared;
  }
  EXPECT_GT(compared, 15);
}

// Stops the search once `after` subproblems are solved.
class CancelAfter final : public ExchangeObserver {
 public:
  explicit CancelAfter(long after) : after_(after) {}
  bool CancelRequested() override { return solved_ >= after_; }
  void SubproblemSolved(long subproblems, const Rational*) override { solved_ = subproblems; }

 private:
  long after_;
  long solved_ = 0;
};

// Cancelled after five subproblems of the textbook problem, the search has
// the point (4, 0) with z = 20, and subproblems 6 (under a bound of 22.5)
// and 7 (under the relaxation's 23.75) are still open: the optimum lies in
// 20..23.75, and that is what it says.
TEST(BranchAndBound, CancelledSearchSaysWhatItHas) {
  const auto p = ParseProblem("max\n5 4\n1 1 <= 5\n10 6 <= 45\n");
  ASSERT_TRUE(p);
  CancelAfter observer(5);
  const IntegerSolve solve = SolveInteger(*Exact(*p), p->m, p->n, AllMarked(2), &observer);
  EXPECT_EQ(solve.outcome, IntegerOutcome::kCancelled);
  EXPECT_EQ(solve.subproblems, 5);
  ASSERT_EQ(solve.points->Status(), 1);
  EXPECT_EQ((*solve.points)(0, 1), 20);
  ASSERT_TRUE(solve.bestBound);
  EXPECT_EQ(*solve.bestBound, Rational(95, 4));

  CancelAfter atOnce(0);
  const IntegerSolve none = SolveInteger(*Exact(*p), p->m, p->n, AllMarked(2), &atOnce);
  EXPECT_EQ(none.outcome, IntegerOutcome::kCancelled);
  EXPECT_FALSE(none.relaxationSolved);
  EXPECT_EQ(none.points->Status(), 0);
  EXPECT_FALSE(none.bestBound);
}

struct OutcomeCase {
  const char* name;
  const char* problem;
  IntegerOutcome outcome;
  int points;
};

// The outcomes besides an optimum, and the limit of kMaxSolutions points.
TEST(BranchAndBound, OutcomesAndLimits) {
  const OutcomeCase cases[] = {
      {"unbounded, with the point (0, 0)", "max\n1 1\n1 -1 <= 0.5\n", IntegerOutcome::kUnbounded,
       1},
      {"unbounded relaxation, x2 within 0.2..0.8", "max\n1 0\n0 1 >= 0.2\n0 1 <= 0.8\n",
       IntegerOutcome::kNoIntegerPoint, 0},
      {"no whole point on 2 x1 - 2 x2 = 1 within 0..5", "max\n1 1\n2 -2 = 1\n1 0 <= 5\n",
       IntegerOutcome::kNoIntegerPoint, 0},
      {"infeasible relaxation", "max\n1 1\n1 1 <= -1\n", IntegerOutcome::kNoFeasiblePoint, 0},
      {"100 optimal points, 50 kept", "max\n0 0\n1 0 <= 9\n0 1 <= 9\n", IntegerOutcome::kOptimal,
       kMaxSolutions},
      {"unbounded relaxation, no whole point, no end", "max\n1 1\n2 -2 = 1\n",
       IntegerOutcome::kNodeLimit, 0},
  };
  for (const OutcomeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto p = ParseProblem(c.problem);
    ASSERT_TRUE(p);
    const IntegerSolve solve = SolveInteger(*Exact(*p), p->m, p->n, AllMarked(p->n), nullptr, 300);
    EXPECT_EQ(solve.outcome, c.outcome);
    EXPECT_EQ(solve.points->Status(), c.points);
    if (c.points == kMaxSolutions) {
      EXPECT_TRUE(solve.optimaFull);
      std::set<std::pair<long, long>> distinct;
      for (int k = 1; k <= kMaxSolutions; ++k) {
        distinct.emplace((*solve.points)(1, k).get_num().get_si(),
                         (*solve.points)(2, k).get_num().get_si());
      }
      EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kMaxSolutions));
    }
  }
}

}  // namespace
}  // namespace pivora::testing
