// What the extra views cost after a solve: fractions, sensitivity and steps,
// each alone, on dense 50 x 50 problems of short decimals and of 19-digit
// coefficients. Each benchmark runs its seeded problems in turn and reports
// the median and the worst processor time of one problem in milliseconds
// (the thread's, so that other programs on the machine do not count). Targets:
// fractions and sensitivity within 300 ms (short decimals) and 500 ms (19
// digits) worst; the steps bounded by ShownStepLimit.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/time_each.h"
#include "solve/report_agreement.h"
#include "solve/views_report.h"
#include "solver/checked_solve.h"
#include "solver/testing/long_digit_problem.h"
#include "solver/testing/random_problem.h"

namespace pivora {
namespace {

constexpr int kProblems = 6;
constexpr int kSize = 50;

// Short decimals (mostly "<="), the same with 19-digit coefficients, and
// short decimals of mixed signs and relations, whose runs take hundreds to
// thousands of exchanges; and two badly scaled 19-digit families, whose
// exact results the plain runs seldom reach: degenerate, and of mixed
// relations and exponents. Targets on these two: fractions with ranges
// within 500 ms, the steps within 1 s, worst.
enum Family { kShortDecimals, kLongDecimals, kMixedDecimals, kLongDegenerate, kLongMixedExponents };

struct Solved {
  testing::RandomProblem p;
  std::unique_ptr<ExactTableau> exact = std::make_unique<ExactTableau>();
  std::unique_ptr<SolutionTable> solutions = std::make_unique<SolutionTable>();
  CheckedSolve checked;
};

// 19 significant digits, d.ddd...d times 10^-1..10^1, as typed.
Rational LongDecimal(std::mt19937_64& rng) {
  mpz_class digits = 1 + static_cast<long>(rng() % 9);
  for (int k = 0; k < 18; ++k) digits = digits * 10 + static_cast<long>(rng() % 10);
  const long e = static_cast<long>(rng() % 3) - 1;  // the value's exponent
  Rational q(digits, 1);
  mpz_class scale;
  mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(18 - e));
  q /= Rational(scale);
  return q;
}

// The long family has the short family's shape: "<=" rows with right-hand
// sides 100..999 and a fifth ">=" rows with small ones, maximised.
std::unique_ptr<Solved> Problem(Family family, std::uint64_t seed) {
  auto s = std::make_unique<Solved>();
  if (family == kLongDegenerate || family == kLongMixedExponents) {
    s->p = testing::MakeLongDigitProblem(seed,
                                         family == kLongDegenerate
                                             ? testing::LongDigitFamily::kDegenerate
                                             : testing::LongDigitFamily::kMixedExponents,
                                         kSize, *s->exact);
    s->solutions->ClearRows(2 * kSize);
    s->checked = SolveChecked(s->p.tableau, *s->exact, kSize, kSize,
                              SameReport(s->p.tableau, kSize, kSize, {}), *s->solutions);
    return s;
  }
  s->p =
      family == kMixedDecimals
          ? testing::MakeRandomProblem(seed, testing::RandomProblemShape{kSize, kSize, true, 0, 20})
          : testing::MakeDenseDecimalFeasibleProblem(seed, kSize);
  if (family != kLongDecimals) {
    testing::TypedDecimals(s->p, *s->exact);
  } else {
    testing::TypedDecimals(s->p, *s->exact);
    std::mt19937_64 rng(seed);
    for (int i = 1; i <= kSize + 1; ++i) {
      for (int j = 1; j <= kSize; ++j) {
        (*s->exact)(i, j) = LongDecimal(rng);
        s->p.tableau(i, j) = NearestExtended((*s->exact)(i, j));
      }
    }
  }
  s->solutions->ClearRows(2 * kSize);
  s->checked = SolveChecked(s->p.tableau, *s->exact, kSize, kSize,
                            SameReport(s->p.tableau, kSize, kSize, {}), *s->solutions);
  return s;
}

void BM_View(benchmark::State& state, Family family, ReportViews views) {
  std::vector<std::unique_ptr<Solved>> problems;
  for (int k = 1; k <= kProblems; ++k)
    problems.push_back(Problem(family, static_cast<std::uint64_t>(k)));
  std::vector<double> ms;
  std::size_t k = 0;
  std::size_t lines = 0;
  for (auto _ : state) {
    const Solved& s = *problems[k++ % kProblems];
    const SolvedProblem problem{s.p.tableau,
                                kSize,
                                kSize,
                                *s.solutions,
                                s.checked.result,
                                s.checked.exact,
                                s.exact.get(),
                                &s.checked.judgeBasis,
                                s.checked.replayed ? &s.checked.searchExchanges : nullptr,
                                s.checked.values.get(),
                                s.checked.stopped ? &s.checked.stopBasis : nullptr};
    const double start = bench::ThreadSeconds();
    const std::vector<std::string> text = WriteViews(problem, views, {}).lines;
    const double took = bench::ThreadSeconds() - start;
    lines = std::max(lines, text.size());
    state.SetIterationTime(took);
    ms.push_back(took * 1e3);
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["worst_ms"] = ms.back();
  state.counters["lines"] = static_cast<double>(lines);
}

const ReportViews kFractions{false, true, false};
const ReportViews kRanges{false, false, true};
const ReportViews kSteps{true, false, false};
const ReportViews kFractionSteps{true, true, false};
const ReportViews kFractionsRanges{false, true, true};

BENCHMARK_CAPTURE(BM_View, fractions_short, kShortDecimals, kFractions)
    ->UseManualTime()
    ->Iterations(12);
BENCHMARK_CAPTURE(BM_View, ranges_short, kShortDecimals, kRanges)->UseManualTime()->Iterations(12);
BENCHMARK_CAPTURE(BM_View, steps_short, kShortDecimals, kSteps)->UseManualTime()->Iterations(6);
BENCHMARK_CAPTURE(BM_View, fraction_steps_short, kShortDecimals, kFractionSteps)
    ->UseManualTime()
    ->Iterations(6);
BENCHMARK_CAPTURE(BM_View, steps_mixed, kMixedDecimals, kSteps)->UseManualTime()->Iterations(6);
BENCHMARK_CAPTURE(BM_View, fraction_steps_mixed, kMixedDecimals, kFractionSteps)
    ->UseManualTime()
    ->Iterations(6);
BENCHMARK_CAPTURE(BM_View, fractions_19_digits, kLongDecimals, kFractions)
    ->UseManualTime()
    ->Iterations(12);
BENCHMARK_CAPTURE(BM_View, ranges_19_digits, kLongDecimals, kRanges)
    ->UseManualTime()
    ->Iterations(12);
BENCHMARK_CAPTURE(BM_View, steps_19_digits, kLongDecimals, kSteps)->UseManualTime()->Iterations(6);
BENCHMARK_CAPTURE(BM_View, fractions_ranges_degenerate, kLongDegenerate, kFractionsRanges)
    ->UseManualTime()
    ->Iterations(6);
BENCHMARK_CAPTURE(BM_View, steps_degenerate, kLongDegenerate, kSteps)
    ->UseManualTime()
    ->Iterations(6);
BENCHMARK_CAPTURE(BM_View, fractions_ranges_mixed_exponents, kLongMixedExponents, kFractionsRanges)
    ->UseManualTime()
    ->Iterations(6);
BENCHMARK_CAPTURE(BM_View, steps_mixed_exponents, kLongMixedExponents, kSteps)
    ->UseManualTime()
    ->Iterations(6);
BENCHMARK_CAPTURE(BM_View, fraction_steps_19_digits, kLongDecimals, kFractionSteps)
    ->UseManualTime()
    ->Iterations(6);

}  // namespace
}  // namespace pivora
