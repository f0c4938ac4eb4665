// The handlers at the largest size on the plain-object window: the work the
// handlers themselves do, without any drawing. Each should stay far below a
// frame (16 ms).
#include <benchmark/benchmark.h>

#include <string>

#include "ui/handlers.h"
#include "ui/plain_window.h"

namespace pivora {
namespace {

// n = m = 50 with every cell filled: a feasible, bounded problem whose
// coefficients vary from cell to cell.
void FillLargest(PlainWindow& window) {
  FormActivate(window, &window);
  SpinNVarsTo(window, 50);
  SpinNConsTo(window, 50);
  for (int p = 1; p <= 50; ++p) {
    for (int j = 1; j <= 50; ++j)
      window.NB().SetText(j, p, std::to_string(1 + (p * 7 + j * 13) % 17) + ".25");
    window.NB().SetText(51, p, "<=");
    window.NB().SetText(52, p, std::to_string(100 + p));
  }
  for (int j = 1; j <= 50; ++j) window.ZF().SetText(j, 1, std::to_string(1 + j % 7));
}

void BM_FormActivate(benchmark::State& state) {
  PlainWindow window;
  FillLargest(window);
  for (auto _ : state) FormActivate(window, &window);
}
BENCHMARK(BM_FormActivate);

// One step down and one step up: two runs of NVarsChange, 100 rotations.
void BM_NVarsChangeDownAndUp(benchmark::State& state) {
  PlainWindow window;
  FillLargest(window);
  for (auto _ : state) {
    SpinNVarsTo(window, 49);
    SpinNVarsTo(window, 50);
  }
}
BENCHMARK(BM_NVarsChangeDownAndUp);

void BM_NConsChangeDownAndUp(benchmark::State& state) {
  PlainWindow window;
  FillLargest(window);
  for (auto _ : state) {
    SpinNConsTo(window, 49);
    SpinNConsTo(window, 50);
  }
}
BENCHMARK(BM_NConsChangeDownAndUp);

void BM_TabDblClickOnFullGrids(benchmark::State& state) {
  PlainWindow window;
  for (auto _ : state) {
    state.PauseTiming();
    FillLargest(window);
    state.ResumeTiming();
    TabDblClick(window, &window.NB());
  }
}
BENCHMARK(BM_TabDblClickOnFullGrids);

void BM_SolveClickLargest(benchmark::State& state) {
  PlainWindow window;
  FillLargest(window);
  for (auto _ : state) benchmark::DoNotOptimize(SolveClick(window, &window));
}
BENCHMARK(BM_SolveClickLargest);

}  // namespace
}  // namespace pivora
