// RunSimplex against the method run literally: every entry of every exchange
// step, no cycle detection, a cap on the exchanges. Wherever the literal run
// ends, the status and every stored value must be the same, and the run must
// not report cycling; where it does not end, RunSimplex must have cycled.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "solver/arithmetic.h"
#include "solver/simplex.h"
#include "solver/testing/random_problem.h"

namespace pivora::testing {
namespace {

constexpr long kCap = 3000;  // the ending runs here take a few hundred

class LiteralMethod {
 public:
  LiteralMethod(const Tableau& t, int m, int n) : m_(m), n_(n) {
    sigma_ = t(m + 1, n + 2) > 0 ? 1 : -1;
    for (int i = 1; i <= m + 1; ++i) {
      const Extended g = t(i, n + 2) > 0 ? 1.0L : -1.0L;
      for (int j = 1; j <= n + 1; ++j)
        w_(i, j) = (i <= m && j == n + 1) ? (-g) * t(i, j) : g * t(i, j);
    }
    for (int i = 1; i <= m; ++i) w_(i, n + 2) = t(i, n + 2) == 0 ? 0 : -i;
    for (int j = 1; j <= n; ++j) w_(m + 2, j) = j;
  }

  // False if the cap was reached.
  bool Run(SolutionTable& s, SolveStatus& status) {
    status = 0;
    for (;;) {  // equality phase
      int r = 0, c = 0;
      for (int i = m_; i >= 1; --i)
        if (w_(i, n_ + 2) == 0) r = i;
      if (r == 0) break;
      for (int j = n_; j >= 1; --j)
        if (w_(m_ + 2, j) != 0 && w_(r, j) != 0) c = j;
      if (c != 0) {
        if (!Exchange(r, c)) return false;
        continue;
      }
      if (w_(r, n_ + 1) != 0) return true;
      w_(r, n_ + 2) = -r;
    }
    for (;;) {  // feasibility phase
      int r = 0, c = 0;
      for (int i = m_; i >= 1; --i)
        if (w_(i, n_ + 1) < 0) r = i;
      if (r == 0) break;
      for (int j = n_; j >= 1; --j)
        if (w_(m_ + 2, j) != 0 && w_(r, j) > 0) c = j;
      if (c == 0) return true;
      if (!Exchange(r, c)) return false;
    }
    status = -1;
    for (;;) {  // optimisation phase
      Extended t = 0;
      int c = 0;
      for (int j = 1; j <= n_; ++j) {
        if (w_(m_ + 2, j) != 0 && t < w_(m_ + 1, j)) {
          t = w_(m_ + 1, j);
          c = j;
        }
      }
      if (t == 0) break;
      const int r = RatioRow(c);
      if (r == 0) return true;
      if (!Exchange(r, c)) return false;
    }
    status = 1;
    Store(s, 1);
    int previous = 0;
    for (;;) {  // alternative optima
      if (status >= 50) return true;
      int c = 0;
      for (int j = n_; j >= 1; --j)
        if (j != previous && w_(m_ + 2, j) != 0 && w_(m_ + 1, j) == 0) c = j;
      if (c == 0) return true;
      previous = c;
      const int r = RatioRow(c);
      if (r == 0) return true;
      Exchange(r, c);
      Store(s, ++status);
      bool differ = false;
      for (int i = 0; i <= n_ + m_; ++i) {
        if (std::fabs(s(i, 1) - s(i, status)) > kSnapTolerance * std::fabs(s(i, 1))) differ = true;
      }
      if (!differ) {
        --status;
        return true;
      }
    }
  }

 private:
  int RatioRow(int c) {
    Extended q = kRatioSentinel;
    int r = 0;
    for (int i = 1; i <= m_; ++i) {
      if (w_(i, c) < 0) {
        const Extended ratio = std::fabs(w_(i, n_ + 1) / w_(i, c));
        if (q > ratio) {
          q = ratio;
          r = i;
        }
      }
    }
    return q == kRatioSentinel ? 0 : r;
  }
  bool Exchange(int r, int c) {
    const Extended p = w_(r, c);
    for (int j = 1; j <= n_ + 1; ++j) w_(r, j) = (-w_(r, j)) / p;
    for (int i = 1; i <= m_ + 1; ++i) {
      for (int j = 1; j <= n_ + 1; ++j) {
        if (i == r || j == c) continue;
        const Extended old = w_(i, j);
        const Extended fresh = w_(i, c) * w_(r, j) + old;
        w_(i, j) = std::fabs(old) * kSnapTolerance > std::fabs(fresh) ? 0 : fresh;
      }
    }
    for (int i = 1; i <= m_ + 1; ++i) w_(i, c) = w_(i, c) / p;
    w_(r, c) = 1 / p;
    std::swap(w_(r, n_ + 2), w_(m_ + 2, c));
    return ++exchanges_ < kCap;
  }
  void Store(SolutionTable& s, int k) {
    for (int i = 0; i <= n_ + m_; ++i) s(i, k) = 0;
    const auto row = [this](int l) { return l > 0 ? l : n_ - l; };
    for (int i = 1; i <= m_; ++i) s(row(static_cast<int>(w_(i, n_ + 2))), k) = w_(i, n_ + 1);
    for (int j = 1; j <= n_; ++j) {
      const int l = static_cast<int>(w_(m_ + 2, j));
      if (l != 0) s(row(l), k) = w_(m_ + 1, j);
    }
    s(0, k) = static_cast<Extended>(sigma_) * w_(m_ + 1, n_ + 1);
  }

  WorkTableau w_;
  int m_;
  int n_;
  int sigma_;
  long exchanges_ = 0;
};

void CompareWithLiteral(const RandomProblemShape& shape, std::uint64_t seeds, int& cycles) {
  for (std::uint64_t seed = 1; seed <= seeds; ++seed) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const RandomProblem p = MakeRandomProblem(seed, shape);
    auto literalSolutions = std::make_unique<SolutionTable>();
    auto solutions = std::make_unique<SolutionTable>();
    SolveStatus literalStatus = 99;
    SolveStatus status = 99;
    SimplexRecord record;
    RunSimplex(p.tableau, p.m, p.n, *solutions, status, record);
    if (!LiteralMethod(p.tableau, p.m, p.n).Run(*literalSolutions, literalStatus)) {
      EXPECT_TRUE(record.cycled);
      ++cycles;
      continue;
    }
    ASSERT_FALSE(record.cycled);
    ASSERT_EQ(status, literalStatus);
    for (int k = 1; k <= status; ++k) {
      for (int i = 0; i <= p.n + p.m; ++i) {
        ASSERT_EQ((*solutions)(i, k), (*literalSolutions)(i, k))
            << "solution " << k << " row " << i;
      }
    }
  }
}

TEST(LiteralMethod, SmallIntegerProblemsGiveTheSameValues) {
  int cycles = 0;
  CompareWithLiteral(RandomProblemShape{1, 8, false, 30, 20}, 2000, cycles);
}

TEST(LiteralMethod, LargerDecimalProblemsGiveTheSameValuesOrCycle) {
  int cycles = 0;
  CompareWithLiteral(RandomProblemShape{10, 25, true, 40, 20}, 300, cycles);
  EXPECT_GT(cycles, 5);  // the feasibility rule does cycle on such problems
}

}  // namespace
}  // namespace pivora::testing
