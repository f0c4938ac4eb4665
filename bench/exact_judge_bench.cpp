// What the exact judge of every solve costs, the whole solve command around
// it, and the exact path when the judge disagrees. Each benchmark runs its
// seeded problems in turn and reports the median and the worst processor
// time of one problem in milliseconds. Targets on dense decimal 50 x 50 problems: judge
// median at most 5 ms, the whole solve command under 16 ms, the exact path
// at most 50 ms median and 200 ms worst (10 ms at 25 x 25). On dense 50 x 50
// problems of 19-digit decimals (equations, mixed relations, mixed
// exponents): the judge at most 20 ms worst, the whole checked solve at most
// 0.2 s worst.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "bench/time_each.h"
#include "solve/report_agreement.h"
#include "solver/basis_tableau.h"
#include "solver/checked_solve.h"
#include "solver/exact_solve.h"
#include "solver/simplex.h"
#include "solver/testing/long_digit_problem.h"
#include "solver/testing/random_problem.h"
#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

using bench::kProblems;
using bench::OnePassOfEach;
using bench::TimeEach;

constexpr int kLongDigitSize = 50;

struct Typed {
  testing::RandomProblem p;
  std::unique_ptr<ExactTableau> exact = std::make_unique<ExactTableau>();
};

// The extended run of each problem, as the judge receives it.
struct PlainRun {
  SolutionTable s;
  SolveStatus status = 0;
  SimplexRecord record;
};

std::vector<std::unique_ptr<PlainRun>> PlainRuns(const std::vector<Typed>& problems) {
  std::vector<std::unique_ptr<PlainRun>> runs;
  for (const Typed& t : problems) {
    auto& run = *runs.emplace_back(std::make_unique<PlainRun>());
    RunSimplex(t.p.tableau, t.p.m, t.p.n, run.s, run.status, run.record);
  }
  return runs;
}

enum Family { kMixed, kFeasible };

// Mixed: short decimals, mixed relations and signs (mostly infeasible at
// 50 x 50). Feasible: short positive decimals, bounded, mostly "<=" rows.
std::vector<Typed> Problems(Family family, int size) {
  std::vector<Typed> problems(kProblems);
  for (int k = 0; k < kProblems; ++k) {
    const auto seed = static_cast<std::uint64_t>(k + 1);
    problems[static_cast<std::size_t>(k)].p =
        family == kMixed
            ? testing::MakeRandomProblem(seed, testing::RandomProblemShape{size, size, true, 0, 20})
            : testing::MakeDenseDecimalFeasibleProblem(seed, size);
    testing::TypedDecimals(problems[static_cast<std::size_t>(k)].p,
                           *problems[static_cast<std::size_t>(k)].exact);
  }
  return problems;
}

// The judge alone, as the checked solve runs it after the extended run: the
// stop row of an infeasible end, or the exact work tableau of the extended
// run's last basis and the exact phases and search from there.
void BM_Judge(benchmark::State& state, Family family) {
  const auto problems = Problems(family, static_cast<int>(state.range(0)));
  const auto runs = PlainRuns(problems);
  const auto before = std::make_unique<SolutionTable>();
  auto s = std::make_unique<SolutionTable>();
  TimeEach(state, [&](std::size_t k) {
    const Typed& t = problems[k];
    *s = runs[k]->s;
    SolveStatus status = runs[k]->status;
    JudgeExactly(*t.exact, t.p.m, t.p.n, runs[k]->record, *before,
                 SameReport(t.p.tableau, t.p.m, t.p.n, {}), *s, status);
  });
}
BENCHMARK_CAPTURE(BM_Judge, mixed, kMixed)->Arg(25)->Arg(50)->UseManualTime();
BENCHMARK_CAPTURE(BM_Judge, feasible, kFeasible)->Arg(25)->Arg(50)->UseManualTime();

// The exact path forced: the checked solve with a comparison that never
// agrees, so the exact result is always the one reported.
void BM_ExactPathForced(benchmark::State& state, Family family) {
  const auto problems = Problems(family, static_cast<int>(state.range(0)));
  auto s = std::make_unique<SolutionTable>();
  const ResultsAgree never = [](SolveStatus, const SolutionTable&, const ExactSolutions&) {
    return false;
  };
  TimeEach(state, [&](std::size_t k) {
    const Typed& t = problems[k];
    SolveChecked(t.p.tableau, *t.exact, t.p.m, t.p.n, never, *s);
  });
}
BENCHMARK_CAPTURE(BM_ExactPathForced, mixed, kMixed)->Arg(25)->Arg(50)->UseManualTime();
BENCHMARK_CAPTURE(BM_ExactPathForced, feasible, kFeasible)->Arg(25)->Arg(50)->UseManualTime();

// The decimal text of k * 10^e as the exact value holds it.
std::string DecimalText(const Rational& q) {
  if (q.get_den() == 1) return q.get_num().get_str();
  mpf_class f(q, 256);
  return std::to_string(static_cast<double>(f.get_d()));
}

// The whole solve command on a window holding the typed problem: reading,
// the extended run, the judge and the report.
void BM_SolveCommand(benchmark::State& state, Family family) {
  const auto problems = Problems(family, static_cast<int>(state.range(0)));
  std::vector<std::unique_ptr<PlainWindow>> windows;
  for (const Typed& t : problems) {
    auto window = std::make_unique<PlainWindow>();
    FormActivate(*window, window.get());
    SpinNVarsTo(*window, t.p.n);
    SpinNConsTo(*window, t.p.m);
    for (int i = 1; i <= t.p.m; ++i) {
      for (int j = 1; j <= t.p.n; ++j) window->NB().SetText(j, i, DecimalText((*t.exact)(i, j)));
      const Rational& code = (*t.exact)(i, t.p.n + 2);
      window->NB().SetText(t.p.n + 1, i, code > 0 ? ">=" : code < 0 ? "<=" : "=");
      window->NB().SetText(t.p.n + 2, i, DecimalText((*t.exact)(i, t.p.n + 1)));
    }
    for (int j = 1; j <= t.p.n; ++j)
      window->ZF().SetText(j, 1, DecimalText((*t.exact)(t.p.m + 1, j)));
    window->SetMaximumChecked((*t.exact)(t.p.m + 1, t.p.n + 2) > 0);
    windows.push_back(std::move(window));
  }
  long exact = 0;
  TimeEach(state, [&](std::size_t k) { exact += SolveClick(*windows[k], windows[k].get()).exact; });
  state.counters["exact"] = static_cast<double>(exact);
}
BENCHMARK_CAPTURE(BM_SolveCommand, mixed, kMixed)->Arg(25)->Arg(50)->UseManualTime();
BENCHMARK_CAPTURE(BM_SolveCommand, feasible, kFeasible)->Arg(25)->Arg(50)->UseManualTime();

// Random sets as a user meets them: sizes 1..50 drawn independently, short
// decimals, mixed relations. Counts the problems whose report is the exact
// run's and the worst checked solve among them.
void BM_RandomSetsExactRuns(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  auto s = std::make_unique<SolutionTable>();
  auto exact = std::make_unique<ExactTableau>();
  long exactRuns = 0;
  double worstExactMs = 0;
  double worstMs = 0;
  for (auto _ : state) {
    for (int seed = 1; seed <= count; ++seed) {
      const auto p = testing::MakeRandomProblem(static_cast<std::uint64_t>(seed) + 1000,
                                                testing::RandomProblemShape{1, 50, true, 20, 20});
      testing::TypedDecimals(p, *exact);
      const auto start = std::chrono::steady_clock::now();
      const CheckedSolve run =
          SolveChecked(p.tableau, *exact, p.m, p.n, SameReport(p.tableau, p.m, p.n, {}), *s);
      const double ms =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() * 1e3;
      worstMs = std::max(worstMs, ms);
      if (run.exact) {
        ++exactRuns;
        worstExactMs = std::max(worstExactMs, ms);
      }
    }
  }
  state.counters["problems"] = count;
  state.counters["exact_runs"] = static_cast<double>(exactRuns);
  state.counters["worst_exact_ms"] = worstExactMs;
  state.counters["worst_ms"] = worstMs;
}
BENCHMARK(BM_RandomSetsExactRuns)->Arg(400)->Iterations(1)->Unit(benchmark::kMillisecond);

// Dense 50 x 50 problems of 19-digit decimals, the typed values and their
// extended values.
std::vector<Typed> LongDigitProblems(testing::LongDigitFamily family) {
  std::vector<Typed> problems(kProblems);
  for (int k = 0; k < kProblems; ++k) {
    Typed& t = problems[static_cast<std::size_t>(k)];
    t.p = testing::MakeLongDigitProblem(static_cast<std::uint64_t>(k + 1), family, kLongDigitSize,
                                        *t.exact);
  }
  return problems;
}

// The judge alone on the long-digit families, after the extended run, with
// the report's comparison: one pass over the eight problems.
void BM_JudgeLongDigits(benchmark::State& state, testing::LongDigitFamily family) {
  const auto problems = LongDigitProblems(family);
  const auto runs = PlainRuns(problems);
  const auto before = std::make_unique<SolutionTable>();
  auto s = std::make_unique<SolutionTable>();
  long exact = 0;
  TimeEach(state, [&](std::size_t k) {
    const Typed& t = problems[k];
    *s = runs[k]->s;
    SolveStatus status = runs[k]->status;
    exact += JudgeExactly(*t.exact, t.p.m, t.p.n, runs[k]->record, *before,
                          SameReport(t.p.tableau, t.p.m, t.p.n, {}), *s, status)
                 .exact;
  });
  state.counters["exact"] = static_cast<double>(exact);
}

// The whole checked solve on the same problems: the extended run and the
// judge.
void BM_CheckedSolveLongDigits(benchmark::State& state, testing::LongDigitFamily family) {
  const auto problems = LongDigitProblems(family);
  auto s = std::make_unique<SolutionTable>();
  long exact = 0;
  TimeEach(state, [&](std::size_t k) {
    const Typed& t = problems[k];
    exact += SolveChecked(t.p.tableau, *t.exact, t.p.m, t.p.n,
                          SameReport(t.p.tableau, t.p.m, t.p.n, {}), *s)
                 .exact;
  });
  state.counters["exact"] = static_cast<double>(exact);
}

#define PIVORA_LONG_DIGIT_BENCHMARKS(bm)                                                        \
  BENCHMARK_CAPTURE(bm, equations, testing::LongDigitFamily::kEquations)->Apply(OnePassOfEach); \
  BENCHMARK_CAPTURE(bm, mixed_relations, testing::LongDigitFamily::kMixedRelations)             \
      ->Apply(OnePassOfEach);                                                                   \
  BENCHMARK_CAPTURE(bm, mixed_exponents, testing::LongDigitFamily::kMixedExponents)             \
      ->Apply(OnePassOfEach);                                                                   \
  BENCHMARK_CAPTURE(bm, degenerate, testing::LongDigitFamily::kDegenerate)->Apply(OnePassOfEach)
PIVORA_LONG_DIGIT_BENCHMARKS(BM_JudgeLongDigits);
PIVORA_LONG_DIGIT_BENCHMARKS(BM_CheckedSolveLongDigits);

// The exact run from the extended run's last basis (ContinueExactly) on its
// three roads side by side: guided by enclosures (then the optimum replayed
// exactly), on residues, and on exact values. Where the extended basis is
// wrong, this run is what the judge pays for.
void BM_ExactRunWork(benchmark::State& state, testing::LongDigitFamily family, ExactWork work) {
  const auto problems = LongDigitProblems(family);
  const auto runs = PlainRuns(problems);
  std::vector<BasisLabels> bases;
  for (const auto& run : runs) {
    bases.push_back(LabelsOf(run->record.work, kLongDigitSize, kLongDigitSize,
                             run->record.zeroColumnEquation,
                             [](Extended label) { return static_cast<int>(label); }));
  }
  auto s = std::make_unique<SolutionTable>();
  long exchanges = 0;
  TimeEach(state, [&](std::size_t k) {
    SolveStatus status = 0;
    exchanges += ContinueExactly(*problems[k].exact, kLongDigitSize, kLongDigitSize, bases[k], *s,
                                 status, nullptr, nullptr, work)
                     .exchanges;
  });
  state.counters["exchanges"] = static_cast<double>(exchanges);
}

#define PIVORA_EXACT_RUN_WORK(family, name)                                                \
  BENCHMARK_CAPTURE(BM_ExactRunWork, name##_guided, family, ExactWork::kGuided)            \
      ->Apply(OnePassOfEach);                                                              \
  BENCHMARK_CAPTURE(BM_ExactRunWork, name##_residues, family, ExactWork::kResidues)        \
      ->Apply(OnePassOfEach);                                                              \
  BENCHMARK_CAPTURE(BM_ExactRunWork, name##_exact_values, family, ExactWork::kExactValues) \
      ->Apply(OnePassOfEach)
PIVORA_EXACT_RUN_WORK(testing::LongDigitFamily::kMixedExponents, mixed_exponents);
PIVORA_EXACT_RUN_WORK(testing::LongDigitFamily::kDegenerate, degenerate);

// The two roads of the exact basis solve (ExactRoad), side by side, at the
// basis where the extended run's phases ended: the constants column, the
// objective row (each one solve with one right-hand side), and the whole
// work tableau (every column a right-hand side). Arguments: size, what
// (0 column, 1 row, 2 tableau), road (0 lifting, 1 fraction-free).
enum BasisFamily { kShortDecimals, kLongDigits };

void BM_BasisSolveRoad(benchmark::State& state, BasisFamily family) {
  const int size = static_cast<int>(state.range(0));
  const auto what = state.range(1);
  const ExactRoad road = state.range(2) == 0 ? ExactRoad::kLifting : ExactRoad::kFractionFree;
  std::vector<Typed> problems(kProblems);
  std::vector<BasisLabels> bases;
  auto record = std::make_unique<SimplexRecord>();
  auto s = std::make_unique<SolutionTable>();
  for (int k = 0; k < kProblems; ++k) {
    Typed& t = problems[static_cast<std::size_t>(k)];
    const auto seed = static_cast<std::uint64_t>(k + 1);
    if (family == kLongDigits) {
      t.p =
          testing::MakeLongDigitProblem(seed, testing::LongDigitFamily::kEquations, size, *t.exact);
    } else {
      t.p = testing::MakeDenseDecimalFeasibleProblem(seed, size);
      testing::TypedDecimals(t.p, *t.exact);
    }
    SolveStatus status = 0;
    RunSimplex(t.p.tableau, t.p.m, t.p.n, *s, status, *record);
    bases.push_back(LabelsOf(record->work, t.p.m, t.p.n, record->zeroColumnEquation,
                             [](Extended label) { return static_cast<int>(label); }));
  }
  auto w = std::make_unique<BasicWorkTableau<FractionFree>>();
  std::vector<Rational> line;
  TimeEach(state, [&](std::size_t k) {
    const Typed& t = problems[k];
    const int m = t.p.m;
    const int n = t.p.n;
    const IntegerRows rows(*t.exact, m, n);
    if (what == 0) BuildBasisTableauColumn(rows, bases[k], n + 1, line, nullptr, road);
    if (what == 1) BuildBasisTableauRow(rows, bases[k], m + 1, line, nullptr, road);
    if (what == 2) BuildBasisTableau(rows, bases[k], *w, nullptr, road);
  });
}
BENCHMARK_CAPTURE(BM_BasisSolveRoad, short_decimals, kShortDecimals)
    ->ArgsProduct({{5, 8, 12, 25, 50}, {0, 1, 2}, {0, 1}})
    ->Apply(OnePassOfEach);
BENCHMARK_CAPTURE(BM_BasisSolveRoad, long_digits, kLongDigits)
    ->ArgsProduct({{5, 8, 12, 25, 50}, {0, 1, 2}, {0, 1}})
    ->Apply(OnePassOfEach);

}  // namespace
}  // namespace pivora
