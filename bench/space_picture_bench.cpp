// What the picture in space costs: the polytope of 50 constraints in three
// variables, built exactly (every triple of planes, then the region cut to
// its box and every plane cut to it). Target: within 100 ms, so that the
// picture follows a solve, or a step of the practice, without a wait one
// notices.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "plot/space_solution.h"

namespace pivora {
namespace {

// 50 constraints a . x <= b of short positive decimals (k / 100), a tenth of
// them >=, which bound a polytope with many vertices.
std::unique_ptr<ExactTableau> ManyPlanes(std::uint64_t seed, int m) {
  std::mt19937_64 rng(seed);
  const auto decimal = [&rng](int lo, int hi) {
    return Rational(lo + static_cast<int>(rng() % static_cast<std::uint64_t>(hi - lo + 1)), 100);
  };
  auto t = std::make_unique<ExactTableau>();
  for (int i = 1; i <= m; ++i) {
    for (int j = 1; j <= 3; ++j) (*t)(i, j) = decimal(10, 1000);
    const bool atLeast = i % 10 == 0;
    (*t)(i, 4) = atLeast ? decimal(100, 500) : decimal(2000, 10000);
    (*t)(i, 5) = atLeast ? 1 : -1;
  }
  for (int j = 1; j <= 3; ++j) (*t)(m + 1, j) = decimal(100, 500);
  (*t)(m + 1, 5) = 1;
  return t;
}

void BM_SpacePictureOf50Constraints(benchmark::State& state) {
  constexpr int kConstraints = 50;
  const std::unique_ptr<ExactTableau> problem = ManyPlanes(29, kConstraints);
  std::size_t vertices = 0;
  for (auto _ : state) {
    const GraphicalSolution plot = PlotSolvedSpace(*problem, kConstraints, SolveOutcome::kOptimal,
                                                   {}, StepRecord{}, true, ViewNumbers{});
    vertices = plot.space->region.vertices.size();
    benchmark::DoNotOptimize(vertices);
  }
  state.counters["vertices"] = static_cast<double>(vertices);
}
BENCHMARK(BM_SpacePictureOf50Constraints)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pivora
