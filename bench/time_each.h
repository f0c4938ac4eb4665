// Timing of seeded problems run in turn, by the thread's processor time: on
// a shared machine the wall clock also counts the time other programs ran.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace pivora::bench {

// Problems of a family, each run once per pass.
inline constexpr int kProblems = 8;

// The processor time of this thread in seconds.
inline double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Times `body` (called with 0..kProblems-1 in turn) once per iteration, for
// the median and the worst of one call.
template <class Body>
void TimeEach(benchmark::State& state, Body body) {
  std::vector<double> ms;
  std::size_t k = 0;
  for (auto _ : state) {
    const double start = ThreadSeconds();
    body(k++ % kProblems);
    const double took = ThreadSeconds() - start;
    state.SetIterationTime(took);
    ms.push_back(took * 1e3);
  }
  std::sort(ms.begin(), ms.end());
  state.counters["median_ms"] = ms[ms.size() / 2];
  state.counters["worst_ms"] = ms.back();
}

// Each problem once, in processor time per problem (TimeEach), in milliseconds.
inline void OnePassOfEach(benchmark::internal::Benchmark* b) {
  b->Iterations(kProblems)->UseManualTime()->Unit(benchmark::kMillisecond);
}

}  // namespace pivora::bench
