// A solve that runs for long: the Klee-Minty cube of 20 variables solved to
// its end, and how soon a cancel stops it on the worker thread.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "solver/checked_solve.h"
#include "solver/simplex.h"
#include "solver/testing/klee_minty.h"
#include "ui/solve_thread.h"

namespace pivora {
namespace {

constexpr long kCubeExchanges = (1L << 20) - 1;

// Left alone, the cube runs to its optimum, 5^20, after 2^20 - 1 exchanges.
void BM_KleeMinty20ToItsEnd(benchmark::State& state) {
  const auto cube = testing::MakeKleeMinty(20);
  SolutionTable solutions;
  SimplexRecord record;
  SolveStatus status = 0;
  for (auto _ : state) {
    RunSimplex(cube.tableau, cube.m, cube.n, solutions, status, record);
  }
  if (status != 1 || record.exchanges != kCubeExchanges ||
      solutions(0, 1) != cube.tableau(20, 21)) {
    state.SkipWithError("the cube did not end at its optimum after 2^20 - 1 exchanges");
  }
  state.counters["exchanges"] = static_cast<double>(record.exchanges);
}
BENCHMARK(BM_KleeMinty20ToItsEnd)->Iterations(1)->Unit(benchmark::kMillisecond);

// The time from the cancel request to the worker's end, with the cube some
// 20,000 exchanges in: the latency a user waits after "Abbrechen".
void BM_CancelKleeMinty20(benchmark::State& state) {
  const auto cube = testing::MakeKleeMinty(20);
  long cancelledAt = 0;
  for (auto _ : state) {
    SolutionTable solutions;
    SolveThread thread([&](ExchangeObserver* observer) {
      SolveChecked(cube.tableau, cube.m, cube.n, solutions, observer);
    });
    while (thread.Exchanges() < 20000) std::this_thread::yield();
    const auto start = std::chrono::steady_clock::now();
    thread.Cancel();
    thread.Finish();
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    cancelledAt = thread.Exchanges();
  }
  state.counters["exchanges"] = static_cast<double>(cancelledAt);
}
BENCHMARK(BM_CancelKleeMinty20)->UseManualTime()->Iterations(20)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pivora
