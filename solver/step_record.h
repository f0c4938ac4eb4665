// The exchange steps of one run as the steps view shows them: every tableau
// before its exchange, with the pivot and the rule that chose it, and the
// tableau the run ended with, all as exact rationals.
#pragma once

#include <cstddef>
#include <vector>

#include "solver/exchange_observer.h"
#include "solver/fraction_free.h"
#include "solver/rational_arithmetic.h"

namespace pivora {

// Rows 1..m+1 and columns 1..n+1 of a work tableau, and its labels.
struct TableauSnapshot {
  int m = 0;
  int n = 0;
  std::vector<Rational> entries;  // row-major, (m + 1) x (n + 1)
  std::vector<int> rowLabels;     // rows 1..m
  std::vector<int> columnLabels;  // columns 1..n

  const Rational& At(int i, int j) const {
    return entries[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(n + 1) +
                   static_cast<std::size_t>(j - 1)];
  }
  int RowLabel(int i) const { return rowLabels[static_cast<std::size_t>(i - 1)]; }
  int ColumnLabel(int j) const { return columnLabels[static_cast<std::size_t>(j - 1)]; }
};

// An exchange as the observer saw it: its stage, rule and pivot.
struct ExchangePick {
  ExchangePhase phase = ExchangePhase::kEquality;
  bool leastIndex = false;
  int row = 0;     // pivot row r
  int column = 0;  // pivot column s
};

struct ShownStep {
  ExchangePick pick;
  TableauSnapshot before;  // the tableau the rule chose the pivot on
};

// A run that goes on longer than this shows its first steps only.
inline constexpr std::size_t kMaxShownSteps = 1000;
// And its shown tableaus hold at most this many entries together, so that a
// 50 x 50 run shows its first 96 steps: the view's time and text stay small.
inline constexpr std::size_t kMaxShownEntries = 250000;

// An exact run's shown tableaus hold at most about this many bits of
// numerators and denominators together: its numbers grow with every
// exchange, and with them the time to reduce and write them.
inline constexpr std::size_t kMaxShownBits = std::size_t{1} << 24;

// The steps a run of m constraints and n variables shows at most.
inline std::size_t ShownStepLimit(int m, int n) {
  const auto entries = static_cast<std::size_t>(m + 1) * static_cast<std::size_t>(n + 1);
  const std::size_t byEntries = kMaxShownEntries / entries;
  return byEntries < kMaxShownSteps ? byEntries : kMaxShownSteps;
}

// Takes each shown step as the run makes it, so that no run holds its
// tableaus: the steps view writes a step's lines and lets it go.
class StepSink {
 public:
  virtual void Shown(const ShownStep& step) = 0;

 protected:
  StepSink() = default;
  StepSink(const StepSink&) = default;
  StepSink& operator=(const StepSink&) = default;
  ~StepSink() = default;
};

struct StepRecord {
  std::vector<ShownStep> steps;  // the shown steps, where no sink took them
  std::size_t shown = 0;         // steps shown
  long exchanges = 0;            // all exchanges of the run, where complete
  bool complete = true;          // the run went to its end
  TableauSnapshot last;          // the tableau the run ended with, where complete
};

// Collects the picks of a run through the shared exchange hook.
class PickCollector final : public ExchangeObserver {
 public:
  void Exchanged(const ExchangeStep& step) override {
    picks.push_back(ExchangePick{step.phase, step.leastIndex, step.r, step.s});
  }
  std::vector<ExchangePick> picks;
};

inline Rational RationalOf(Extended x) { return ExactRational(x); }
inline Rational RationalOf(const Rational& q) { return q; }
inline Rational RationalOf(const FractionFree& v) { return v.ToRational(); }

// `w` is a BasicWorkTableau, or any work tableau (SimplexRun's Work). Asks
// `observer` (may be null) whether to stop before each row: a row of long
// exact values takes a gcd per entry.
template <class Work>
TableauSnapshot SnapshotOf(const Work& w, int m, int n, ExchangeObserver* observer = nullptr) {
  TableauSnapshot s;
  s.m = m;
  s.n = n;
  s.entries.reserve(static_cast<std::size_t>((m + 1) * (n + 1)));
  for (int i = 1; i <= m + 1; ++i) {
    ThrowIfCancelled(observer);
    for (int j = 1; j <= n + 1; ++j) s.entries.push_back(RationalOf(w(i, j)));
  }
  for (int i = 1; i <= m; ++i) {
    s.rowLabels.push_back(static_cast<int>(RationalOf(w(i, n + 2)).get_num().get_si()));
  }
  for (int j = 1; j <= n; ++j) {
    s.columnLabels.push_back(static_cast<int>(RationalOf(w(m + 2, j)).get_num().get_si()));
  }
  return s;
}

}  // namespace pivora
