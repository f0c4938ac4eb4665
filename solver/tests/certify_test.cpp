#include "solver/certify.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "solver/testing/random_problem.h"

namespace pivora {
namespace {

// Hand-built runs: the work tableau set up from the problem and taken through
// the given exchanges in exact formulas, as a record the checks can read.
struct Row {
  std::vector<Extended> a;
  Extended relation;
  Extended b;
};

struct Problem {
  Tableau t;
  int m = 0;
  int n = 0;
};

Problem MakeProblem(Extended flag, std::vector<Extended> c, std::vector<Row> rows) {
  Problem p;
  p.n = static_cast<int>(c.size());
  p.m = static_cast<int>(rows.size());
  for (int i = 1; i <= p.m; ++i) {
    for (int j = 1; j <= p.n; ++j) p.t(i, j) = rows[i - 1].a[j - 1];
    p.t(i, p.n + 1) = rows[i - 1].b;
    p.t(i, p.n + 2) = rows[i - 1].relation;
  }
  for (int j = 1; j <= p.n; ++j) p.t(p.m + 1, j) = c[j - 1];
  p.t(p.m + 1, p.n + 2) = flag;
  return p;
}

WorkTableau SetUp(const Problem& p) {
  WorkTableau w;
  const int m = p.m;
  const int n = p.n;
  for (int i = 1; i <= m + 1; ++i) {
    const Extended g = p.t(i, n + 2) > 0 ? 1.0L : -1.0L;
    for (int j = 1; j <= n; ++j) w(i, j) = g * p.t(i, j);
    w(i, n + 1) = i <= m ? -g * p.t(i, n + 1) : 0.0L;
  }
  for (int i = 1; i <= m; ++i) w(i, n + 2) = p.t(i, n + 2) == 0 ? 0.0L : -i;
  for (int j = 1; j <= n; ++j) w(m + 2, j) = j;
  return w;
}

void Exchange(WorkTableau& w, int m, int n, int r, int s) {
  const Extended p = w(r, s);
  for (int j = 1; j <= n + 1; ++j) w(r, j) = -w(r, j) / p;
  for (int i = 1; i <= m + 1; ++i) {
    if (i == r) continue;
    for (int j = 1; j <= n + 1; ++j) {
      if (j != s) w(i, j) = w(i, s) * w(r, j) + w(i, j);
    }
  }
  for (int i = 1; i <= m + 1; ++i) w(i, s) = w(i, s) / p;
  w(r, s) = 1 / p;
  std::swap(w(r, n + 2), w(m + 2, s));
}

void StoreSolution(const WorkTableau& w, int m, int n, int sigma, SolutionTable& s, int k) {
  for (int i = 0; i <= n + m; ++i) s(i, k) = 0;
  const auto rowOf = [n](int label) { return label > 0 ? label : n - label; };
  for (int i = 1; i <= m; ++i) s(rowOf(static_cast<int>(w(i, n + 2))), k) = w(i, n + 1);
  for (int j = 1; j <= n; ++j) {
    const int label = static_cast<int>(w(m + 2, j));
    if (label != 0) s(rowOf(label), k) = w(m + 1, j);
  }
  s(0, k) = sigma * w(m + 1, n + 1);
}

struct HandRun {
  Problem p;
  SolveStatus status = 0;
  SolutionTable s;
  SimplexRecord record;

  Certification Check() const { return Certify(p.t, p.m, p.n, status, s, record); }
};

// An optimum after `exchanges`; solution 1 stored from the final tableau.
HandRun Optimum(const Problem& p, std::initializer_list<std::pair<int, int>> exchanges) {
  HandRun run;
  run.p = p;
  run.record.work = SetUp(p);
  for (auto [r, s] : exchanges) Exchange(run.record.work, p.m, p.n, r, s);
  run.status = 1;
  StoreSolution(run.record.work, p.m, p.n, p.t(p.m + 1, p.n + 2) > 0 ? 1 : -1, run.s, 1);
  return run;
}

constexpr Extended kLe = kRelationLessEqual;
constexpr Extended kGe = kRelationGreaterEqual;
constexpr Extended kEq = kRelationEqual;

// Maximise x1 + x2 subject to x1 + x2 <= 4 and x1 <= 3: two optimal vertices.
HandRun TwoVertices() {
  HandRun run = Optimum(MakeProblem(kMaximise, {1, 1}, {{{1, 1}, kLe, 4}, {{1, 0}, kLe, 3}}),
                        {{2, 1}, {1, 2}});
  // The search's second vertex: x1 non-basic (entry 0), x2 = 4, y1 entry -1, y2 = 3.
  run.status = 2;
  run.s(0, 2) = 4;
  run.s(1, 2) = 0;
  run.s(2, 2) = 4;
  run.s(3, 2) = -1;
  run.s(4, 2) = 3;
  return run;
}

TEST(Certify, ProvesTheWorkedOptima) {
  EXPECT_EQ(TwoVertices().Check(), Certification::kCertified);
  // Minimise x1 + x2 with x1 + 2 x2 >= 2, 3 x1 + x2 >= 3: z = 7/5.
  const Problem minimise = MakeProblem(kMinimise, {1, 1}, {{{1, 2}, kGe, 2}, {{3, 1}, kGe, 3}});
  const HandRun min = Optimum(minimise, {{1, 1}, {2, 2}});
  EXPECT_NEAR(static_cast<double>(min.s(0, 1)), 1.4, 1e-15);
  EXPECT_EQ(min.Check(), Certification::kCertified);
  // Already optimal at the start: z = 0 with no exchange.
  EXPECT_EQ(Optimum(MakeProblem(kMaximise, {-1, 0}, {{{1, 1}, kLe, 2}}), {}).Check(),
            Certification::kCertified);
}

TEST(Certify, ReadsEquationMultipliersFromTheirZeroColumns) {
  // Maximise x1 subject to x1 + x2 = 3: the zero variable leaves in column 1.
  EXPECT_EQ(Optimum(MakeProblem(kMaximise, {1, 0}, {{{1, 1}, kEq, 3}}), {{1, 1}}).Check(),
            Certification::kCertified);
  // Two equations whose zero variables leave in the order of their rows,
  // then a third row; the multipliers must go to the right equations.
  const Problem twoEquations = MakeProblem(
      kMaximise, {1, 2, 1}, {{{1, 1, 1}, kEq, 4}, {{1, -1, 0}, kLe, 5}, {{0, 1, -1}, kEq, 1}});
  const HandRun run = Optimum(twoEquations, {{1, 1}, {3, 2}, {1, 3}});
  ASSERT_EQ(run.record.work(5, 1), 0.0L);  // columns 1 and 2 hold zero variables
  ASSERT_EQ(run.record.work(5, 2), 0.0L);
  ASSERT_EQ(run.record.work(4, 3), -0.5L);  // x1's entry: optimal at z = 6.5
  ASSERT_EQ(run.s(0, 1), 6.5L);
  EXPECT_EQ(run.Check(), Certification::kCertified);
  // A redundant equation 0 = 0 kept as a slack of value 0.
  HandRun redundant = Optimum(MakeProblem(kMaximise, {1}, {{{0}, kEq, 0}, {{1}, kLe, 2}}), {});
  redundant.record.work(1, 3) = -1;
  Exchange(redundant.record.work, 2, 1, 2, 1);
  StoreSolution(redundant.record.work, 2, 1, 1, redundant.s, 1);
  EXPECT_EQ(redundant.Check(), Certification::kCertified);
}

TEST(Certify, RejectsCorruptedOptima) {
  HandRun run = TwoVertices();
  run.s(1, 1) = 3.5L;  // x1 beyond x1 <= 3
  EXPECT_EQ(run.Check(), Certification::kConstraintViolated);

  run = TwoVertices();
  run.s(0, 2) = 4.0001L;
  EXPECT_EQ(run.Check(), Certification::kObjectiveMismatch);

  run = TwoVertices();
  run.s(4, 1) = 1;  // y2 is 0 at x1 = 3
  EXPECT_EQ(run.Check(), Certification::kSlackMismatch);

  run = TwoVertices();
  run.s(3, 2) = -2;  // y1's entry is -1 in both vertices
  EXPECT_EQ(run.Check(), Certification::kReducedCostMismatch);

  run = TwoVertices();
  run.record.work(3, 1) = -2;  // an objective-row entry that sigma c - lambda A denies
  EXPECT_NE(run.Check(), Certification::kCertified);

  run = TwoVertices();
  run.record.work(4, 1) = 7;  // a label that names no variable
  EXPECT_EQ(run.Check(), Certification::kBadRecord);

  run = TwoVertices();
  run.status = 51;
  EXPECT_EQ(run.Check(), Certification::kBadRecord);
}

TEST(Certify, RejectsAFeasibleVertexThatIsNotOptimal) {
  // After the first exchange only: x1 = 3, x2 = 0, z = 3 is feasible, and
  // every stored number agrees with the problem, but x2 could still rise.
  const Problem p = MakeProblem(kMaximise, {1, 1}, {{{1, 1}, kLe, 4}, {{1, 0}, kLe, 3}});
  EXPECT_EQ(Optimum(p, {{2, 1}}).Check(), Certification::kWrongSign);
  // The optimum with a wrong value: z = 4 in the tableau but the stored
  // vertex is x = (2, 2) with z = 4: feasible and optimal, so it passes;
  // x = (2, 1) with z = 3 does not.
  HandRun run = Optimum(p, {{2, 1}, {1, 2}});
  run.s(1, 1) = 2;
  run.s(2, 1) = 1;
  run.s(0, 1) = 3;
  run.s(3, 1) = 1;
  run.s(4, 1) = 1;
  EXPECT_EQ(run.Check(), Certification::kDualityGap);
}

HandRun Stopped(const Problem& p, std::initializer_list<std::pair<int, int>> exchanges,
                SolveStatus status, int stopRow, int stopColumn) {
  HandRun run;
  run.p = p;
  run.record.work = SetUp(p);
  for (auto [r, s] : exchanges) Exchange(run.record.work, p.m, p.n, r, s);
  run.status = status;
  run.record.stopRow = stopRow;
  run.record.stopColumn = stopColumn;
  return run;
}

TEST(Certify, ProvesInfeasibilityByTheStopRow) {
  // x1 + x2 <= -1: the feasibility phase stops in row 1 at once.
  EXPECT_EQ(Stopped(MakeProblem(kMaximise, {1, 1}, {{{1, 1}, kLe, -1}}), {}, 0, 1, 0).Check(),
            Certification::kCertified);
  // 0 x1 + 0 x2 = 5: the equality phase stops in row 1 at once.
  EXPECT_EQ(Stopped(MakeProblem(kMaximise, {1, 1}, {{{0, 0}, kEq, 5}}), {}, 0, 1, 0).Check(),
            Certification::kCertified);
  EXPECT_EQ(Stopped(MakeProblem(kMaximise, {1, 1}, {{{0, 0}, kEq, -5}}), {}, 0, 1, 0).Check(),
            Certification::kCertified);
  // x1 + x2 >= 3 and x1 + x2 <= 2: one exchange, then row 2 proves it, with
  // multipliers on both rows.
  const Problem clash = MakeProblem(kMaximise, {1, 1}, {{{1, 1}, kGe, 3}, {{1, 1}, kLe, 2}});
  const HandRun run = Stopped(clash, {{1, 1}}, 0, 2, 0);
  ASSERT_LT(run.record.work(2, 3), 0);
  EXPECT_EQ(run.Check(), Certification::kCertified);
  // Equations x1 + x2 = 1 and x1 + x2 = 2: the second equation is left with
  // no free coefficient and the constant 1, proven through the first's
  // zero column.
  const Problem equations = MakeProblem(kMaximise, {1, 1}, {{{1, 1}, kEq, 1}, {{1, 1}, kEq, 2}});
  EXPECT_EQ(Stopped(equations, {{1, 1}}, 0, 2, 0).Check(), Certification::kCertified);
}

TEST(Certify, RejectsAFalseInfeasibility) {
  // x1 + x2 <= 1 is feasible: no row of it proves otherwise.
  const Problem feasible = MakeProblem(kMaximise, {1, 1}, {{{1, 1}, kLe, 1}});
  EXPECT_EQ(Stopped(feasible, {}, 0, 1, 0).Check(), Certification::kNoInfeasibilityProof);
  // A corrupted constant that looks negative.
  HandRun run = Stopped(feasible, {}, 0, 1, 0);
  run.record.work(1, 3) = -1;
  EXPECT_EQ(run.Check(), Certification::kNoInfeasibilityProof);
  EXPECT_EQ(Stopped(feasible, {}, 0, 2, 0).Check(), Certification::kBadRecord);
}

TEST(Certify, ProvesUnboundednessByTheEnteringColumn) {
  // Maximise x1 subject to -x1 + x2 <= 1: column 1 rises without limit.
  const Problem open = MakeProblem(kMaximise, {1, 0}, {{{-1, 1}, kLe, 1}});
  EXPECT_EQ(Stopped(open, {}, -1, 0, 1).Check(), Certification::kCertified);
  // Minimise -x1 - x2 with x1 - x2 = 0 and x1 >= 1: along x1 = x2.
  const Problem diagonal = MakeProblem(kMinimise, {-1, -1}, {{{1, -1}, kEq, 0}, {{1, 0}, kGe, 1}});
  const HandRun run = Stopped(diagonal, {{1, 1}, {2, 2}}, -1, 0, 2);
  ASSERT_GT(run.record.work(3, 2), 0);
  EXPECT_EQ(run.Check(), Certification::kCertified);
}

TEST(Certify, RejectsAFalseUnboundedness) {
  // Maximise x1 subject to x1 + x2 <= 1: column 1 is limited by row 1.
  const Problem closed = MakeProblem(kMaximise, {1, 0}, {{{1, 1}, kLe, 1}});
  HandRun run = Stopped(closed, {}, -1, 0, 1);
  run.record.work(1, 1) = 1;  // the tableau hides the limiting row
  EXPECT_EQ(run.Check(), Certification::kNoUnboundedRay);
  // A column whose objective-row entry does not rise is no ray to report.
  EXPECT_EQ(Stopped(closed, {}, -1, 0, 2).Check(), Certification::kBadRecord);
}

}  // namespace
}  // namespace pivora

namespace pivora::testing {
namespace {

// Certified runs of the solver, each spoiled in one place by a relative
// 1e-6: the displayed value of a basic variable, or the objective-row entry
// of a non-basic one. Either must fail the check.
TEST(Certify, CatchesSmallFaultsInCertifiedRuns) {
  const RandomProblemShape shape{2, 8, false, 20, 20};
  int spoiled = 0;
  for (std::uint64_t seed = 1; seed <= 600; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const RandomProblem p = MakeRandomProblem(seed, shape);
    auto run = std::make_unique<HandRun>();
    RunSimplex(p.tableau, p.m, p.n, run->s, run->status, run->record);
    if (run->status < 1) continue;
    ASSERT_EQ(Certify(p.tableau, p.m, p.n, run->status, run->s, run->record),
              Certification::kCertified);
    const WorkTableau& w = run->record.work;
    for (int i = 1; i <= p.m; ++i) {
      const int label = static_cast<int>(w(i, p.n + 2));
      if (label <= 0 || !(w(i, p.n + 1) > 0)) continue;
      auto bad = std::make_unique<HandRun>(*run);
      bad->s(label, 1) *= 1 + 1e-6L;
      EXPECT_NE(Certify(p.tableau, p.m, p.n, bad->status, bad->s, bad->record),
                Certification::kCertified);
      ++spoiled;
    }
    for (int j = 1; j <= p.n; ++j) {
      if (!(w(p.m + 1, j) < 0)) continue;
      auto bad = std::make_unique<HandRun>(*run);
      bad->record.work(p.m + 1, j) *= 1 + 1e-6L;
      EXPECT_NE(Certify(p.tableau, p.m, p.n, bad->status, bad->s, bad->record),
                Certification::kCertified);
      ++spoiled;
    }
    if (HasFailure()) return;
  }
  EXPECT_GT(spoiled, 300);
}

}  // namespace
}  // namespace pivora::testing
