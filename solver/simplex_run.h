// The state of one run of the exchange method and the steps its phases share:
// setup and the exchange with its flag test.
#pragma once

#include <algorithm>
#include <type_traits>

#include "solver/exchange_observer.h"
#include "solver/fp_environment.h"
#include "solver/pivot.h"
#include "solver/simplex_record.h"
#include "solver/tables.h"

namespace pivora {

// `Work` is the work tableau: a BasicWorkTableau of Arith's values, or a
// tableau that makes its own exchange step (Exchange(r, s)) and gives each
// entry as such a value when it is read.
template <class Arith, class Work = BasicWorkTableau<typename Arith::Value>>
struct SimplexRun {
  using Value = typename Arith::Value;

  Work& w;
  int m;
  int n;
  int sigma;  // +1 maximise, -1 minimise
  BasicSolutionTable<Value>& solutions;
  SolveStatus& status;
  BasicSimplexRecord<Arith>& record;
  ExchangeObserver* observer = nullptr;  // may be null
  ExchangePhase phase = ExchangePhase::kEquality;
  bool leastIndex = false;  // the phase has gone over to its least-index rule
  // Where the phases end, the work tableau is copied into record.work; a
  // caller that reads only the solutions and that basis spares that, and
  // only the labels are copied.
  bool keepWork = true;

  Value& RowLabel(int i) { return w(i, n + 2); }
  Value& ColumnLabel(int j) { return w(m + 2, j); }
  bool ColumnFree(int j) const { return !(w(m + 2, j) == 0); }
  // The variable's place in the least-index order x[1..n], then y[1..m].
  int OrderOf(const Value& label) const {
    const int l = Arith::ToLabel(label);
    return l > 0 ? l : n - l;
  }

  // The cancel point, the observer told of the choice, Pivot(r, s), counted,
  // then the flag test (no choice is ever taken on a value that overflowed),
  // then the observer is told of the step.
  void Exchange(int r, int s) {
    ThrowIfCancelled(observer);
    if (observer != nullptr) observer->ExchangeChosen();
    if constexpr (requires { w.Exchange(r, s); }) {
      w.Exchange(r, s);
    } else {
      Pivot<Arith>(w, m, n, r, s, observer);
    }
    ++record.exchanges;
    ExposeToFlagTest(w);
    Arith::CheckFlags();
    if (observer != nullptr) Notify(r, s);
  }

 private:
  void Notify(int r, int s) {
    ExchangeStep step{phase, record.exchanges, r, s, m, n, nullptr, leastIndex};
    if constexpr (std::is_same_v<Value, Extended>) step.work = &w;
    observer->Exchanged(step);
  }
};

// -x for a finite extended value x, by its sign bit: the bits of (-1) * x.
inline void FlipSign(Extended& x) { reinterpret_cast<unsigned char*>(&x)[9] ^= 0x80; }

// Builds the work tableau from the problem. Rows with a relation code above 0
// are multiplied by +1, all others (and the objective row when minimising) by
// -1; the constant of a constraint row by the opposite sign. Row i is labelled
// -i (0 for an equation), column j is labelled j. An infinite or NaN entry in
// the problem ends the solve before any arithmetic, as the overflow or the
// invalid operation it stands for. `t` is the Tableau, or a table of exact
// numbers in its layout (the problem as typed) that Arith's values are built
// from. Every entry of rows 1..m+2, columns 1..n+2 is written once (the three
// corners that hold no value get 0), and nothing outside them.
template <class Arith, class Work, class Problem>
void SetUp(SimplexRun<Arith, Work>& run, const Problem& t) {
  using Value = typename Arith::Value;
  constexpr bool kExtendedProblem = std::is_same_v<std::decay_t<decltype(t(1, 1))>, Extended>;
  const auto entry = [&t](int i, int j) {
    if constexpr (kExtendedProblem) {
      return Arith::FromExtended(t(i, j));
    } else {
      return Value(t(i, j));
    }
  };
  const int m = run.m;
  const int n = run.n;
  if constexpr (kExtendedProblem) {
    for (int i = 1; i <= m + 1; ++i) {
      for (int j = 1; j <= n + 2; ++j) RequireFinite(t(i, j));
    }
  }
  run.sigma = t(m + 1, n + 2) > 0 ? 1 : -1;
  for (int i = 1; i <= m + 1; ++i) {
    if constexpr (kExtendedProblem && std::is_same_v<Value, Extended>) {
      // g * T(i, j) is T(i, j) or -T(i, j), exactly: a copy of the row with
      // sign bits flipped gives its bits without the x87 unit.
      const bool negative = !(t(i, n + 2) > 0);
      std::copy_n(&t(i, 1), n + 1, &run.w(i, 1));
      if (negative) {
        for (int j = 1; j <= n; ++j) FlipSign(run.w(i, j));
      }
      if ((i <= m) != negative) FlipSign(run.w(i, n + 1));
      continue;
    }
    const Value g = Arith::FromInt(t(i, n + 2) > 0 ? 1 : -1);
    const Value minusG = -g;
    for (int j = 1; j <= n + 1; ++j) {
      const Value& sign = (i <= m && j == n + 1) ? minusG : g;
      run.w(i, j) = sign * entry(i, j);
    }
  }
  for (int i = 1; i <= m; ++i) run.RowLabel(i) = Arith::FromInt(t(i, n + 2) == 0 ? 0 : -i);
  for (int j = 1; j <= n; ++j) run.ColumnLabel(j) = Arith::FromInt(j);
  StoreZero(run.w(m + 1, n + 2));
  StoreZero(run.w(m + 2, n + 1));
  StoreZero(run.w(m + 2, n + 2));
  ExposeToFlagTest(run.w);
  Arith::CheckFlags();
}

}  // namespace pivora
