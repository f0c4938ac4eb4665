// Number text: parsing typical cell texts and formatting typical report values.
// A report of 50 solutions at 100 values each formats 5,000 numbers; the target
// for that is well under 5 ms.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>
#include <vector>

#include "solve/format_number.h"
#include "solve/parse_number.h"

namespace {

using pivora::Extended;

constexpr std::array<std::string_view, 12> kCellTexts = {
    "12",    "0",      "-3.25",  "1.5E3",  "0.001",
    " 7 ",   "100000", "2.5e-7", "-0.125", "3.14159265358979",
    "1e-50", "1.7E308"};

void BM_ParseNumber(benchmark::State& state) {
  const pivora::NumberFormat format = pivora::SolveNumberFormat();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(pivora::ParseNumber(kCellTexts[i], format, pivora::ErrorSentinel()));
    i = (i + 1) % kCellTexts.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseNumber);

// Values like those of a report: objective values, variable values with long
// fractions, whole numbers, zeros and small slacks.
std::vector<Extended> ReportValues(std::size_t count) {
  std::vector<Extended> values;
  values.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const Extended k = static_cast<Extended>(i);
    switch (i % 5) {
      case 0:
        values.push_back(k / 3.0L);
        break;
      case 1:
        values.push_back(k * 1000.25L);
        break;
      case 2:
        values.push_back(0.0L);
        break;
      case 3:
        values.push_back(-k / 7.0L * 1e-6L);
        break;
      default:
        values.push_back(k);
        break;
    }
  }
  return values;
}

void BM_FormatGeneral(benchmark::State& state) {
  const std::vector<Extended> values = ReportValues(1000);
  const pivora::NumberFormat format = pivora::SolveNumberFormat();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(pivora::FormatGeneral(values[i], 10, 2, format));
    i = (i + 1) % values.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatGeneral);

void BM_FormatReportOf5000Numbers(benchmark::State& state) {
  const std::vector<Extended> values = ReportValues(5000);
  const pivora::NumberFormat format = pivora::SolveNumberFormat();
  for (auto _ : state) {
    for (Extended value : values)
      benchmark::DoNotOptimize(pivora::FormatGeneral(value, 10, 2, format));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_FormatReportOf5000Numbers)->Unit(benchmark::kMillisecond);

}  // namespace
