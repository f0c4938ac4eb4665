// The exchange step against bare extended multiply-adds, and whole solves of
// seeded dense feasible problems.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "solver/arithmetic.h"
#include "solver/pivot.h"
#include "solver/simplex.h"
#include "solver/testing/random_problem.h"
#include "solver/testing/test_problem.h"

namespace pivora {
namespace {

// A full 50 x 50 problem in a work tableau: 51 x 51 entries take part.
WorkTableau FullWorkTableau() {
  const auto p = testing::MakeDenseFeasibleProblem(11, 50);
  WorkTableau w;
  for (int i = 1; i <= 51; ++i) {
    for (int j = 1; j <= 51; ++j) w(i, j) = p.tableau(i, j);
  }
  for (int i = 1; i <= 50; ++i) w(i, 52) = -i;
  for (int j = 1; j <= 50; ++j) w(52, j) = j;
  return w;
}

// One Pivot over all 51 x 51 entries. The same exchange twice in a row gives
// the tableau back, so the values stay in range however long it runs.
void BM_PivotFull51x51(benchmark::State& state) {
  WorkTableau w = FullWorkTableau();
  for (auto _ : state) {
    Pivot<ExtendedArithmetic>(w, 50, 50, 17, 23);
    benchmark::ClobberMemory();
  }
  state.counters["entries"] = 51 * 51;
}
BENCHMARK(BM_PivotFull51x51);

// The bare loop an exchange is measured against: (size + 1) x (size + 1)
// multiply-adds on a table of the work tableau's layout,
// w(i, j) := f(i) * g(j) + w(i, j), each entry loaded and stored once. f(0)
// changes sign after each pass, so the values stay in range.
class BareMultiplyAdd {
 public:
  BareMultiplyAdd() {
    for (std::size_t k = 0; k < f_.size(); ++k) {
      f_[k] = (k % 2 == 0 ? 1e-3L : -1e-3L);
      g_[k] = 1.0L / static_cast<Extended>(k + 1);
    }
  }
  void Pass(WorkTableau& w, int size) {
    for (int i = 1; i <= size + 1; ++i) {
      Extended* row = &w(i, 1);
      const Extended fi = f_[static_cast<std::size_t>(i)];
      for (int j = 0; j <= size; ++j) row[j] = fi * g_[static_cast<std::size_t>(j)] + row[j];
    }
    benchmark::ClobberMemory();
    f_[0] = -f_[0];
  }

 private:
  std::array<Extended, 52> f_{};
  std::array<Extended, 52> g_{};
};

// The baseline: one bare pass over 51 x 51 entries.
void BM_BaselineMultiplyAdd51x51(benchmark::State& state) {
  WorkTableau w = FullWorkTableau();
  BareMultiplyAdd bare;
  for (auto _ : state) bare.Pass(w, 50);
  state.counters["entries"] = 51 * 51;
}
BENCHMARK(BM_BaselineMultiplyAdd51x51);

std::vector<testing::RandomProblem> DenseProblems(int size) {
  std::vector<testing::RandomProblem> problems;
  for (std::uint64_t seed = 1; seed <= 8; ++seed) {
    problems.push_back(testing::MakeDenseFeasibleProblem(seed, size));
  }
  return problems;
}

// Solves a fixed seeded set of dense feasible size x size problems in turn;
// "exchanges" is the mean number of Pivot calls per solve.
void BM_RunSimplexDense(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const std::vector<testing::RandomProblem> problems = DenseProblems(size);
  SolutionTable solutions;
  SimplexRecord record;
  long exchanges = 0;
  long solves = 0;
  for (auto _ : state) {
    const auto& p = problems[static_cast<std::size_t>(solves % 8)];
    SolveStatus status = 0;
    RunSimplex(p.tableau, p.m, p.n, solutions, status, record);
    benchmark::DoNotOptimize(status);
    exchanges += record.exchanges;
    ++solves;
  }
  state.counters["exchanges"] = static_cast<double>(exchanges) / static_cast<double>(solves);
}
BENCHMARK(BM_RunSimplexDense)->Arg(10)->Arg(20)->Arg(50)->Unit(benchmark::kMicrosecond);

// The floor for BM_RunSimplexDense: per problem, as many bare passes of
// w(i, j) := f(i) * g(j) + w(i, j) over the used (size + 1) x (size + 1)
// entries as its solve makes exchanges, and nothing else. A solve within
// 1.3 times this costs little beyond its arithmetic.
void BM_BareExchangesDense(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  const std::vector<testing::RandomProblem> problems = DenseProblems(size);
  std::vector<long> exchanges;
  for (const auto& p : problems) {
    SolutionTable solutions;
    SolveStatus status = 0;
    SimplexRecord record;
    RunSimplex(p.tableau, p.m, p.n, solutions, status, record);
    exchanges.push_back(record.exchanges);
  }
  WorkTableau w = FullWorkTableau();
  BareMultiplyAdd bare;
  long solves = 0;
  for (auto _ : state) {
    for (long e = exchanges[static_cast<std::size_t>(solves % 8)]; e > 0; --e) bare.Pass(w, size);
    ++solves;
  }
}
BENCHMARK(BM_BareExchangesDense)->Arg(10)->Arg(20)->Arg(50)->Unit(benchmark::kMicrosecond);

// A real sparse problem (27 constraints, 32 variables), found beside this
// file's source: the exchange step leaves out zero rows and columns.
void BM_RunSimplexAfiro(benchmark::State& state) {
  std::string path = __FILE__;
  path = path.substr(0, path.rfind('/')) + "/../solver/tests/data/lp-instances/afiro.txt";
  const auto problem = testing::ReadTestProblem(path);
  if (!problem) {
    state.SkipWithError("afiro.txt not found");
    return;
  }
  SolutionTable solutions;
  SimplexRecord record;
  for (auto _ : state) {
    SolveStatus status = 0;
    RunSimplex(problem->tableau, problem->m, problem->n, solutions, status, record);
    benchmark::DoNotOptimize(status);
  }
  state.counters["exchanges"] = static_cast<double>(record.exchanges);
}
BENCHMARK(BM_RunSimplexAfiro)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pivora
