// What the checked solve costs next to the plain run, and what the exact run
// from the start costs on dense problems and on the kept failing fixtures.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "solver/checked_solve.h"
#include "solver/exact_solve.h"
#include "solver/simplex.h"
#include "solver/testing/random_problem.h"
#include "solver/testing/test_problem.h"

namespace pivora {
namespace {

constexpr int kProblemsPerSize = 8;

std::vector<testing::RandomProblem> DenseFeasible(int size) {
  std::vector<testing::RandomProblem> problems;
  for (int seed = 1; seed <= kProblemsPerSize; ++seed) {
    problems.push_back(testing::MakeDenseFeasibleProblem(static_cast<std::uint64_t>(seed), size));
  }
  return problems;
}

// Dense problems with short decimals (k * 10^e) and mixed relations: their
// extended values carry full 64-bit significands, the hard case for exact
// arithmetic.
std::vector<testing::RandomProblem> DenseDecimal(int size) {
  std::vector<testing::RandomProblem> problems;
  const testing::RandomProblemShape shape{size, size, true, 0, 20};
  for (int seed = 1; seed <= kProblemsPerSize; ++seed) {
    problems.push_back(testing::MakeRandomProblem(static_cast<std::uint64_t>(seed), shape));
  }
  return problems;
}

struct Solved {
  SolutionTable s;
  SolveStatus status = 0;
  SimplexRecord record;
};

// The baseline the check is measured against: RunSimplex alone.
void BM_RunSimplexDense(benchmark::State& state) {
  const auto problems = DenseFeasible(static_cast<int>(state.range(0)));
  auto solved = std::make_unique<Solved>();
  std::size_t k = 0;
  for (auto _ : state) {
    const auto& p = problems[k++ % problems.size()];
    RunSimplex(p.tableau, p.m, p.n, solved->s, solved->status, solved->record);
    benchmark::DoNotOptimize(solved->status);
  }
}
BENCHMARK(BM_RunSimplexDense)->Arg(50)->Arg(25);

// The whole checked solve on a problem given as extended values: RunSimplex,
// the exact judge and the bookkeeping around them.
void BM_SolveCheckedDense(benchmark::State& state) {
  const auto problems = DenseFeasible(static_cast<int>(state.range(0)));
  auto solved = std::make_unique<Solved>();
  std::size_t k = 0;
  long exact = 0;
  for (auto _ : state) {
    const auto& p = problems[k++ % problems.size()];
    const CheckedSolve checked = SolveChecked(p.tableau, p.m, p.n, solved->s);
    exact += checked.exact;
    benchmark::DoNotOptimize(checked.result.solutions);
  }
  state.counters["exact"] = static_cast<double>(exact);
}
BENCHMARK(BM_SolveCheckedDense)->Arg(50)->Arg(25);

void RunExactly(benchmark::State& state, const std::vector<testing::RandomProblem>& problems) {
  auto solved = std::make_unique<Solved>();
  std::size_t k = 0;
  long exchanges = 0;
  long runs = 0;
  for (auto _ : state) {
    const auto& p = problems[k++ % problems.size()];
    exchanges += SolveExactly(p.tableau, p.m, p.n, solved->s, solved->status).exchanges;
    ++runs;
  }
  state.counters["exchanges"] = static_cast<double>(exchanges) / static_cast<double>(runs);
}

// Targets: under 1 s at 50 x 50, under 50 ms at 25 x 25.
void BM_SolveExactlyDense(benchmark::State& state) {
  RunExactly(state, DenseFeasible(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_SolveExactlyDense)->Arg(10)->Arg(25)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_SolveExactlyDenseDecimal(benchmark::State& state) {
  RunExactly(state, DenseDecimal(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_SolveExactlyDenseDecimal)
    ->Arg(10)
    ->Arg(25)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);
// Hundreds of exchanges: the feasibility rule has no ratio test.
BENCHMARK(BM_SolveExactlyDenseDecimal)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(3);

// The kept problems on which the plain 80-bit run fails.
void BM_SolveExactlyFixture(benchmark::State& state, const std::string& file) {
  const auto data =
      std::filesystem::path(__FILE__).parent_path().parent_path() / "solver/tests/data";
  const auto p = testing::ReadTestProblem((data / file).string());
  if (!p) {
    state.SkipWithError(("cannot read " + file).c_str());
    return;
  }
  RunExactly(state, {testing::RandomProblem{p->tableau, p->m, p->n}});
}
BENCHMARK_CAPTURE(BM_SolveExactlyFixture, snap_false_optimum, "snap-false-optimum.txt")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SolveExactlyFixture, snap_wrong_optimum, "snap-wrong-optimum.txt")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SolveExactlyFixture, beale, "beale.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SolveExactlyFixture, false_unbounded, "certify/false-unbounded.txt")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SolveExactlyFixture, feasibility_cycle_2, "feasibility-cycle-2.txt")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pivora
