#include "solver/enclosure.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <string>

#include "solver/enclosed_run.h"
#include "solver/exact_solve.h"
#include "solver/testing/long_digit_problem.h"
#include "solver/tests/plain_basis.h"

namespace pivora::testing {
namespace {

// -1, 0 or 1 where the enclosure settles the sign, 2 where it does not.
int SettledSign(const Enclosure& e) {
  try {
    return e.Sign();
  } catch (const Undecided&) {
    return 2;
  }
}

// q * 10^e exactly.
Rational TimesTenTo(const Rational& q, int e) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(e < 0 ? -e : e));
  Rational r = q;
  if (e < 0) r /= power;
  else r *= power;
  r.canonicalize();
  return r;
}

// Chains of the four operations on 19-digit decimals, one operand in four
// with an exponent anywhere in -4900..4900: after every step the exact
// result lies in the enclosure (never settled apart from it), and the
// enclosure is narrow enough to settle a difference of 10^-24 of the value.
TEST(Enclosure, HoldsEveryStepsExactResultNarrowly) {
  std::mt19937_64 rng(7);
  const Rational near(1, mpz_class("1000000000000000000000000"));
  const Rational largest = TimesTenTo(Rational(1), 30000);
  const Rational smallest = TimesTenTo(Rational(1), -30000);
  for (int chain = 0; chain < 400; ++chain) {
    Rational exact = LongDigitDecimal(rng, UniformInt(rng, -30, 30));
    Enclosure value(exact);
    for (int step = 0; step < 40; ++step) {
      SCOPED_TRACE(::testing::Message() << "chain " << chain << " step " << step);
      Rational q = TimesTenTo(LongDigitDecimal(rng, 0), Chance(rng, 25)
                                                            ? UniformInt(rng, -4900, 4900)
                                                            : UniformInt(rng, -30, 30));
      if (Chance(rng, 50)) q = -q;
      // Operands exact as doubles, too, whose results carry only the step's
      // own rounding.
      if (Chance(rng, 25)) q = Rational(UniformInt(rng, 1, 99));
      const Enclosure operand(q);
      switch (UniformInt(rng, 0, 3)) {
        case 0:
          exact += q;
          value = value + operand;
          break;
        case 1:
          exact -= q;
          value = value - operand;
          break;
        case 2:
          exact *= q;
          value = value * operand;
          break;
        default:
          exact /= q;
          value = value / operand;
          break;
      }
      if (abs(exact) > largest || abs(exact) < smallest) break;
      ASSERT_EQ(SettledSign(value - Enclosure(exact)), 2);
      const Rational apart = exact * (1 + near);
      ASSERT_EQ(SettledSign(value - Enclosure(apart)), -sgn(exact));
    }
  }
}

// 2^k exactly.
Rational PowerOfTwo(int k) {
  return k >= 0 ? Rational(mpz_class(1) << k) : Rational(mpz_class(1), mpz_class(1) << -k);
}

// A number near 2^e: a 53-bit significand there, and as often as not a tail
// 60 to 250 bits further down, which its enclosure cannot hold exactly.
Rational NearPowerOfTwo(std::mt19937_64& rng, int e) {
  Rational q = Rational(mpz_class(static_cast<unsigned long>(rng() >> 11))) * PowerOfTwo(e - 53);
  if (Chance(rng, 50)) {
    q += Rational(mpz_class(static_cast<unsigned long>(rng() >> 11))) *
         PowerOfTwo(e - 53 - UniformInt(rng, 60, 250));
  }
  if (Chance(rng, 50)) q = -q;
  return q;
}

// floor(log2 |q|) or one less, for q != 0.
int BinaryExponentOf(const Rational& q) {
  return static_cast<int>(mpz_sizeinbase(q.get_num_mpz_t(), 2)) -
         static_cast<int>(mpz_sizeinbase(q.get_den_mpz_t(), 2));
}

// What a bound must keep whole, at ordinary exponents and far beyond the
// extended range: a difference whose midpoint is 0 while the numbers it
// encloses are not (2^e + 2^(e-120) + 2^(e-210) less 2^e + 2^(e-120)) stays
// undecided through products, quotients and its own square, never a settled
// 0; and a number added to one far larger and taken away again leaves a
// positive number or an open sign, never 0, however far below it lies.
TEST(Enclosure, KeepsTheWholeBoundAtAnyExponent) {
  for (const int e : {0, -890, 16000, -16000}) {
    SCOPED_TRACE(::testing::Message() << "at 2^" << e);
    const Enclosure a(PowerOfTwo(e) + PowerOfTwo(e - 120) + PowerOfTwo(e - 210));
    const Enclosure b(PowerOfTwo(e) + PowerOfTwo(e - 120));
    const Enclosure d = a - b;
    EXPECT_EQ(SettledSign(d), 2);
    EXPECT_EQ(SettledSign(d * Enclosure(PowerOfTwo(-20))), 2);
    EXPECT_EQ(SettledSign(d / Enclosure(PowerOfTwo(40))), 2);
    EXPECT_EQ(SettledSign(d * d), 2);
    EXPECT_EQ(SettledSign(Enclosure(PowerOfTwo(-20)) * d * d), 2);
    for (const int below : {1, 100, 159, 160, 161, 300, 1100, 5000, 40000}) {
      SCOPED_TRACE(::testing::Message() << below << " places below");
      const Enclosure large(PowerOfTwo(e));
      const Enclosure small(PowerOfTwo(e - below) + PowerOfTwo(e - below - 200));
      const int left = SettledSign((large + small) - large);
      EXPECT_TRUE(left == 1 || left == 2) << left;
      EXPECT_EQ(SettledSign((large + d * Enclosure(PowerOfTwo(-below))) - large), 2);
    }
  }
  const Enclosure one = Enclosure(PowerOfTwo(20000)) * Enclosure(PowerOfTwo(-20000));
  EXPECT_TRUE(one < Enclosure(1 + PowerOfTwo(-90)) && one > Enclosure(1 - PowerOfTwo(-90)));
  EXPECT_TRUE(Enclosure(PowerOfTwo(20000)) > Enclosure(PowerOfTwo(19999)));
}

// Chains of the four operations from numbers near 2^-16000, 1 and 2^16000,
// summands from 300 binary places below the value to 300 above (its own
// leading bits among them) and factors from 2^-20000 to 2^20000: wherever a
// sign is settled it is the exact result's.
TEST(Enclosure, SettlesNoSignWronglyFarApart) {
  std::mt19937_64 rng(25);
  long settled = 0;
  for (int chain = 0; chain < 600; ++chain) {
    Rational exact = NearPowerOfTwo(rng, 16000 * UniformInt(rng, -1, 1));
    try {
      Enclosure value(exact);
      for (int step = 0; step < 40; ++step) {
        SCOPED_TRACE(::testing::Message() << "chain " << chain << " step " << step);
        if (sgn(exact) == 0) break;
        const int top = BinaryExponentOf(exact);
        if (top < -60000 || top > 60000) break;
        switch (UniformInt(rng, 0, 3)) {
          case 0: {
            // Nearly the value itself: its leading 53 to 170 bits.
            const Rational scaled = exact / PowerOfTwo(top - UniformInt(rng, 53, 170));
            mpz_class k;
            mpz_tdiv_q(k.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
            const Rational near = Rational(k) * (exact / scaled);
            exact -= near;
            value = value - Enclosure(near);
            break;
          }
          case 1: {
            const Rational q = NearPowerOfTwo(rng, top + UniformInt(rng, -300, 300));
            exact += q;
            value = value + Enclosure(q);
            break;
          }
          case 2: {
            const Rational q = NearPowerOfTwo(rng, UniformInt(rng, -20000, 20000));
            exact *= q;
            value = value * Enclosure(q);
            break;
          }
          default: {
            const Rational q = NearPowerOfTwo(rng, UniformInt(rng, -20000, 20000));
            exact /= q;
            value = value / Enclosure(q);
            break;
          }
        }
        const int sign = SettledSign(value);
        if (sign != 2) {
          ++settled;
          ASSERT_EQ(sign, sgn(exact));
        }
      }
    } catch (const Undecided&) {
      // The chain divided by what may be 0.
    }
  }
  EXPECT_GT(settled, 4000);
}

// What no enclosure can settle is refused: equal values reached by
// different roundings or not held exactly, a divisor that may be 0.
TEST(Enclosure, RefusesWhatItCannotSettle) {
  const Enclosure third = Enclosure(1) / Enclosure(3);
  EXPECT_THROW((void)(third * Enclosure(3) == Enclosure(1)), Undecided);
  EXPECT_THROW((void)(Enclosure(1) / (third * Enclosure(3) - Enclosure(1))), Undecided);
  EXPECT_THROW((void)(Enclosure(Rational(1, 10)) == Enclosure(Rational(1, 10))), Undecided);
  EXPECT_TRUE(Enclosure(Rational(3, 4)) - Enclosure(Rational(3, 4)) == 0);
  EXPECT_TRUE(third < Enclosure(Rational(1, 3) + Rational(1, mpz_class(1) << 90)));
}

// The run on enclosures takes the exact run's every step where it settles
// them: the same exchanges to the same status and the same basis. On the
// long-digit families it settles the exchanges from wrong plain bases; the
// degenerate family's ties it leaves to the exact run.
TEST(EnclosedRun, TakesTheExactRunsStepsOrLeavesThem) {
  int settled = 0;
  int moved = 0;  // settled with exchanges from the plain basis
  int left = 0;
  for (const auto family : {LongDigitFamily::kMixedExponents, LongDigitFamily::kDegenerate}) {
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
      SCOPED_TRACE(::testing::Message()
                   << "family " << static_cast<int>(family) << " seed " << seed);
      auto exact = std::make_unique<ExactTableau>();
      const RandomProblem p = MakeLongDigitProblem(seed, family, 50, *exact);
      const BasisLabels basis = PlainBasis(p.tableau, p.m, p.n);
      EnclosedRun run;
      if (!RunEnclosed(*exact, p.m, p.n, basis, nullptr, run)) {
        ++left;
        continue;
      }
      ++settled;
      auto s = std::make_unique<SolutionTable>();
      SolveStatus status = 99;
      const ExactSolve e = ContinueExactly(*exact, p.m, p.n, basis, *s, status, nullptr, nullptr,
                                           ExactWork::kResidues);
      ASSERT_EQ(run.status, status);
      EXPECT_EQ(run.exchanges, e.exchanges);
      EXPECT_EQ(run.cycled, e.cycled);
      EXPECT_EQ(run.end.row, e.end.row);
      EXPECT_EQ(run.end.column, e.end.column);
      if (run.exchanges > 0) ++moved;
    }
  }
  EXPECT_GE(settled, 12);
  EXPECT_GE(moved, 2);
  EXPECT_GE(left, 1);
}

// The parts of the solve entered.
class PartsEntered final : public ExchangeObserver {
 public:
  void Entered(WorkPhase phase) override { parts.insert(phase); }
  std::set<WorkPhase> parts;
};

// A scaled copy of a small problem, its row i times 10^r[i] and its column j
// times 10^-c[j], r and c up to +-2400: its numbers lie far beyond the
// extended range, and its exact optimum is the small problem's, with x[j]
// times 10^c[j] and y[i] times 10^r[i] (their objective-row entries the
// other way).
struct ScaledCopy {
  static constexpr int kSize = 8;
  std::unique_ptr<ExactTableau> small = std::make_unique<ExactTableau>();
  std::unique_ptr<ExactTableau> scaled = std::make_unique<ExactTableau>();
  std::vector<int> r = std::vector<int>(kSize + 1);
  std::vector<int> c = std::vector<int>(kSize + 1);

  // With `twinRows`, row 2 repeats row 1 before the scaling, with a
  // constant far below the other rows': in every column their ratios tie,
  // exactly and on no enclosure, and limit the first exchange.
  ScaledCopy(std::uint64_t seed, bool twinRows) {
    std::mt19937_64 rng(seed);
    for (int k = 1; k <= kSize; ++k) {
      r[static_cast<std::size_t>(k)] = UniformInt(rng, -2400, 2400);
      c[static_cast<std::size_t>(k)] = UniformInt(rng, -2400, 2400);
    }
    const auto set = [&](int i, int j, int value, int exponent) {
      (*small)(i, j) = value;
      (*scaled)(i, j) = TimesTenTo(Rational(value), exponent);
    };
    for (int i = 1; i <= kSize; ++i) {
      const int ri = r[static_cast<std::size_t>(i)];
      const bool twin = twinRows && i == 2;
      for (int j = 1; j <= kSize + 1; ++j) {
        const int value = twin                      ? mpz_class((*small)(1, j)).get_si()
                          : j <= kSize              ? UniformInt(rng, 100, 999)
                          : twinRows && i == 1      ? UniformInt(rng, 1, 9)
                                                    : UniformInt(rng, 1000, 9999);
        set(i, j, value, ri - (j <= kSize ? c[static_cast<std::size_t>(j)] : 0));
      }
      set(i, kSize + 2, -1, 0);  // "<="
    }
    for (int j = 1; j <= kSize; ++j)
      set(kSize + 1, j, UniformInt(rng, 100, 999), -c[static_cast<std::size_t>(j)]);
    set(kSize + 1, kSize + 2, 1, 0);  // Max
  }

  // The exact optimum of the scaled copy in `values` is the small problem's.
  void ExpectTheSmallOptimum(const ExactSolutions& values) const {
    auto s = std::make_unique<SolutionTable>();
    SolveStatus status = 99;
    ExactSolutions expected;
    ContinueExactly(*small, kSize, kSize, StartingBasis(*small, kSize, kSize), *s, status, nullptr,
                    &expected, ExactWork::kExactValues);
    ASSERT_EQ(status, 1);
    ASSERT_EQ(values.Status(), 1);
    EXPECT_EQ(values(0, 1), expected(0, 1));
    // A negative entry is the size of an objective-row entry, which scales
    // the other way.
    const auto scaledBy = [](const Rational& q, int e) {
      return TimesTenTo(q, sgn(q) < 0 ? -e : e);
    };
    for (int j = 1; j <= kSize; ++j)
      EXPECT_EQ(values(j, 1), scaledBy(expected(j, 1), c[static_cast<std::size_t>(j)])) << j;
    for (int i = 1; i <= kSize; ++i) {
      EXPECT_EQ(values(kSize + i, 1),
                scaledBy(expected(kSize + i, 1), r[static_cast<std::size_t>(i)]))
          << i;
    }
  }
};

// The guided run settles every step of a scaled copy to its optimum,
// leaving no exact run to residues or exact values.
TEST(EnclosedRun, SettlesAScaledCopyFarBeyondTheExtendedRange) {
  const ScaledCopy copy(11, false);
  constexpr int kSize = ScaledCopy::kSize;
  auto s = std::make_unique<SolutionTable>();
  SolveStatus status = 99;
  PartsEntered parts;
  ExactSolutions values;
  ContinueExactly(*copy.scaled, kSize, kSize, StartingBasis(*copy.scaled, kSize, kSize), *s,
                  status, &parts, &values, ExactWork::kGuided);
  copy.ExpectTheSmallOptimum(values);
  EXPECT_TRUE(parts.parts.contains(WorkPhase::kGuidedRun));
  EXPECT_FALSE(parts.parts.contains(WorkPhase::kExactRun));
}

// A copy whose first row asks for more than the others allow ends with no
// feasible solution on the guided run alone, as the exact run does.
TEST(EnclosedRun, SettlesNoFeasibleSolutionFarBeyondTheExtendedRange) {
  ScaledCopy copy(11, false);
  constexpr int kSize = ScaledCopy::kSize;
  (*copy.scaled)(1, kSize + 1) = TimesTenTo(Rational(10'000'000), copy.r[1]);
  (*copy.scaled)(1, kSize + 2) = 1;  // ">="
  const BasisLabels start = StartingBasis(*copy.scaled, kSize, kSize);
  auto s = std::make_unique<SolutionTable>();
  SolveStatus status = 99;
  ExactSolutions values;
  ContinueExactly(*copy.scaled, kSize, kSize, start, *s, status, nullptr, &values,
                  ExactWork::kResidues);
  ASSERT_EQ(status, kNoFeasibleSolution);
  PartsEntered parts;
  status = 99;
  ContinueExactly(*copy.scaled, kSize, kSize, start, *s, status, &parts, &values,
                  ExactWork::kGuided);
  EXPECT_EQ(status, kNoFeasibleSolution);
  EXPECT_EQ(values.Status(), kNoFeasibleSolution);
  EXPECT_FALSE(parts.parts.contains(WorkPhase::kExactRun));
}

// Ties far beyond the extended range: the guided run settles each one on
// the exact tableau of the basis where it arises and goes on on enclosures,
// taking the exact run's steps (the first row on ties) to the small
// problem's optimum, with no exact run.
TEST(EnclosedRun, SettlesTiesOnTheExactTableauAndGoesOn) {
  for (const std::uint64_t seed : {11, 12, 13}) {
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    const ScaledCopy copy(seed, true);
    constexpr int kSize = ScaledCopy::kSize;
    const BasisLabels start = StartingBasis(*copy.scaled, kSize, kSize);
    EnclosedRun run;
    ASSERT_TRUE(RunEnclosed(*copy.scaled, kSize, kSize, start, nullptr, run));
    auto s = std::make_unique<SolutionTable>();
    SolveStatus status = 99;
    ExactSolutions values;
    const ExactSolve e = ContinueExactly(*copy.scaled, kSize, kSize, start, *s, status, nullptr,
                                         &values, ExactWork::kResidues);
    EXPECT_EQ(run.status, status);
    EXPECT_EQ(run.exchanges, e.exchanges);
    EXPECT_EQ(run.end.row, e.end.row);
    EXPECT_EQ(run.end.column, e.end.column);
    copy.ExpectTheSmallOptimum(values);

    PartsEntered parts;
    ExactSolutions guided;
    ContinueExactly(*copy.scaled, kSize, kSize, start, *s, status, &parts, &guided,
                    ExactWork::kGuided);
    EXPECT_FALSE(parts.parts.contains(WorkPhase::kExactRun));
    copy.ExpectTheSmallOptimum(guided);
  }
}

}  // namespace
}  // namespace pivora::testing
