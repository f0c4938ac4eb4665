#include "solver/residue_tableau.h"

#include <flint/ulong_extras.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "solver/exact_solve.h"
#include "solver/pivot.h"
#include "solver/simplex.h"
#include "solver/testing/long_digit_problem.h"
#include "solver/tests/plain_basis.h"
#include "solver/tests/solve_text.h"

namespace pivora::testing {
namespace {

struct Run {
  SolutionTable s;
  SolveStatus status = 99;
  ExactSolutions values;
  ExactSolve run;
};

std::unique_ptr<Run> Continue(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                              ExactWork work) {
  auto r = std::make_unique<Run>();
  r->run = ContinueExactly(problem, m, n, basis, r->s, r->status, nullptr, &r->values, work);
  return r;
}

// The run on residues takes the exact run's every step: the same exchanges
// to the same status and the same exact vertices.
void ExpectSameRun(const ExactTableau& problem, int m, int n, const BasisLabels& basis) {
  const auto residues = Continue(problem, m, n, basis, ExactWork::kResidues);
  const auto values = Continue(problem, m, n, basis, ExactWork::kExactValues);
  ASSERT_EQ(residues->status, values->status);
  EXPECT_EQ(residues->run.exchanges, values->run.exchanges);
  EXPECT_EQ(residues->run.cycled, values->run.cycled);
  EXPECT_EQ(residues->run.fromStart, values->run.fromStart);
  ASSERT_EQ(residues->values.Status(), values->values.Status());
  for (int k = 1; k <= values->status; ++k) {
    for (int i = 0; i <= n + m; ++i)
      ASSERT_EQ(residues->values(i, k), values->values(i, k)) << "row " << i << " vertex " << k;
  }
}

// From the plain run's last basis and from the start, on long digits whose
// plain runs end on wrong bases and come back to earlier ones, and on the
// problems where exact runs cycle and finish by the least-index rules.
TEST(ResidueTableau, ExactRunsOnResiduesTakeTheExactValuesSteps) {
  for (const auto family : {LongDigitFamily::kEquations, LongDigitFamily::kMixedExponents,
                            LongDigitFamily::kDegenerate}) {
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
      SCOPED_TRACE(::testing::Message()
                   << "family " << static_cast<int>(family) << " seed " << seed);
      auto exact = std::make_unique<ExactTableau>();
      const RandomProblem p = MakeLongDigitProblem(seed, family, 12, *exact);
      ExpectSameRun(*exact, p.m, p.n, PlainBasis(p.tableau, p.m, p.n));
      ExpectSameRun(*exact, p.m, p.n, StartingBasis(*exact, p.m, p.n));
    }
  }
  for (const char* name : {"beale.txt", "feasibility-cycle-1.txt", "feasibility-cycle-2.txt",
                           "feasibility-cycle-3.txt", "fifty-alternatives.txt",
                           "snap-false-optimum.txt", "snap-wrong-optimum.txt"}) {
    SCOPED_TRACE(name);
    const auto p = ReadTestProblem(SourcePath(std::string("solver/tests/data/") + name));
    ASSERT_TRUE(p);
    auto exact = std::make_unique<ExactTableau>();
    ExactFromExtended(p->tableau, p->m, p->n, *exact);
    ExpectSameRun(*exact, p->m, p->n, StartingBasis(*exact, p->m, p->n));
  }
}

void ExpectSameTableau(const ResidueTableau& residues, const BasicWorkTableau<FractionFree>& w,
                       int m, int n) {
  for (int i = 1; i <= m + 2; ++i) {
    for (int j = 1; j <= n + 2; ++j)
      ASSERT_EQ(residues(i, j), w(i, j)) << "entry (" << i << ", " << j << ")";
  }
}

// Entry for entry the exact values' tableau, from the start and from the
// plain run's last basis (built without exact elimination), exchange after
// exchange.
TEST(ResidueTableau, HoldsTheExactTableauThroughExchanges) {
  constexpr int kSize = 10;
  auto exact = std::make_unique<ExactTableau>();
  const RandomProblem p = MakeLongDigitProblem(3, LongDigitFamily::kMixedExponents, kSize, *exact);
  for (const BasisLabels& start :
       {StartingBasis(*exact, kSize, kSize), PlainBasis(p.tableau, kSize, kSize)}) {
    std::unique_ptr<ResidueTableau> residues;
    const IntegerRows rows(*exact, kSize, kSize);
    ASSERT_EQ(ResidueTableau::Build(rows, start, nullptr, residues), ResidueTableau::Built::kBuilt);
    auto w = std::make_unique<BasicWorkTableau<FractionFree>>();
    ASSERT_TRUE(BuildBasisTableau(rows, start, *w));
    ExpectSameTableau(*residues, *w, kSize, kSize);
    for (int step = 0; step < 3 * kSize; ++step) {
      SCOPED_TRACE(::testing::Message() << "step " << step);
      const int r = step % kSize + 1;
      int s = 1 + (step * 7) % kSize;
      while ((*w)(r, s) == 0) s = s % kSize + 1;
      residues->Exchange(r, s);
      Pivot<FractionFreeArithmetic>(*w, kSize, kSize, r, s);
      ExpectSameTableau(*residues, *w, kSize, kSize);
    }
  }
}

// The largest primes below 2^62, in falling order: the first primes every
// residue tableau holds.
mp_limb_t WordPrime(int index) {
  mp_limb_t prime = (mp_limb_t{1} << 62) + 1;
  for (int found = -1; found < index;) {
    prime -= 2;
    if (n_is_prime(prime) != 0) ++found;
  }
  return prime;
}

// The 2 x 2 problem "max x1 + x2, x1 + x2 <= 5, x1 + 3 x2 <= 7" with
// coefficient (1, 1) replaced by `a11`.
std::unique_ptr<ExactTableau> SmallProblemWith(const Rational& a11) {
  const auto p = ParseProblem("max\n1 1\n1 1 <= 5\n1 3 <= 7\n");
  auto exact = std::make_unique<ExactTableau>();
  ExactFromExtended(p->tableau, 2, 2, *exact);
  (*exact)(1, 1) = a11;
  return exact;
}

// The tableau on residues against the exact one, from the starting basis,
// through exchanges at (1, 1), (2, 2) and (1, 2).
void ExpectSameExchanges(const ExactTableau& exact) {
  const BasisLabels start = StartingBasis(exact, 2, 2);
  std::unique_ptr<ResidueTableau> residues;
  const IntegerRows rows(exact, 2, 2);
  ASSERT_EQ(ResidueTableau::Build(rows, start, nullptr, residues), ResidueTableau::Built::kBuilt);
  auto w = std::make_unique<BasicWorkTableau<FractionFree>>();
  ASSERT_TRUE(BuildBasisTableau(rows, start, *w));
  ExpectSameTableau(*residues, *w, 2, 2);
  for (const auto [r, s] : {std::array{1, 1}, std::array{2, 2}, std::array{1, 2}}) {
    residues->Exchange(r, s);
    Pivot<FractionFreeArithmetic>(*w, 2, 2, r, s);
    ExpectSameTableau(*residues, *w, 2, 2);
  }
}

// A pivot whose numerator one of the primes divides: that prime cannot
// divide by it, and is renewed from the others. The first prime the tableau
// holds stands in the problem as a coefficient, and the exchanges pivot at
// it and after it.
TEST(ResidueTableau, APrimeDividingThePivotIsRenewed) {
  ExpectSameExchanges(*SmallProblemWith(Rational(mpz_class(WordPrime(0)))));
}

// A prime that divides a row's scale divides D, which the residues are
// divided by: the tableau is built exactly instead and reduced modulo primes
// that do not divide D at the first exchange.
TEST(ResidueTableau, APrimeDividingTheScalesIsNotKept) {
  ExpectSameExchanges(*SmallProblemWith(Rational(mpz_class(1), mpz_class(WordPrime(0)))));
}

// Three primes dividing a pivot leave too few to rebuild the entries from:
// the exchange is refused, and the run goes on with exact values.
TEST(ResidueTableau, APivotThreePrimesDivideIsRefused) {
  mpz_class product = 1;
  for (int k = 0; k < 3; ++k) product *= mpz_class(WordPrime(k));
  const auto exact = SmallProblemWith(Rational(product));
  std::unique_ptr<ResidueTableau> residues;
  ASSERT_EQ(ResidueTableau::Build(IntegerRows(*exact, 2, 2), StartingBasis(*exact, 2, 2), nullptr,
                                  residues),
            ResidueTableau::Built::kBuilt);
  EXPECT_THROW(residues->Exchange(1, 1), ResidueBoundExceeded);
  ExpectSameRun(*exact, 2, 2, StartingBasis(*exact, 2, 2));
}

}  // namespace
}  // namespace pivora::testing
