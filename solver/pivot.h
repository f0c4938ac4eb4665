// One exchange step of the work tableau.
#pragma once

#include <array>
#include <cassert>
#include <type_traits>
#include <utility>

#include "solver/exchange_observer.h"
#include "solver/tables.h"

namespace pivora {

class Enclosure;

// Values whose arithmetic is exact, and so costs with their length: not
// the extended values, nor the enclosures of a guided run.
template <class V>
inline constexpr bool kExact = !std::is_same_v<V, Extended> && !std::is_same_v<V, Enclosure>;

namespace pivot_detail {

// Step 3 for rows `a`, `b` and `c` (their entries from column 1 on) at once,
// so each pivot-row entry is loaded once for three rows. `entryA`.. are the
// rows' pivot-column entries from before the step; `columns` lists the
// 0-based columns whose new pivot-row entry is non-zero.
template <class Arith, class V>
inline void UpdateThreeRows(V* a, V* b, V* c, const V& entryA, const V& entryB, const V& entryC,
                            const V* pivotRow, const int* columns, int count) {
  const V fa = entryA;
  const V fb = entryB;
  const V fc = entryC;
  for (int k = 0; k < count; ++k) {
    const int j = columns[k];
    const V rj = pivotRow[j];
    const V oldA = a[j];
    a[j] = Arith::Snap(oldA, fa * rj + oldA);
    const V oldB = b[j];
    b[j] = Arith::Snap(oldB, fb * rj + oldB);
    const V oldC = c[j];
    c[j] = Arith::Snap(oldC, fc * rj + oldC);
  }
}

// The same for two rows, and for one.
template <class Arith, class V>
inline void UpdateTwoRows(V* a, V* b, const V& entryA, const V& entryB, const V* pivotRow,
                          const int* columns, int count) {
  const V fa = entryA;
  const V fb = entryB;
  for (int k = 0; k < count; ++k) {
    const int j = columns[k];
    const V rj = pivotRow[j];
    const V oldA = a[j];
    const V oldB = b[j];
    a[j] = Arith::Snap(oldA, fa * rj + oldA);
    b[j] = Arith::Snap(oldB, fb * rj + oldB);
  }
}

template <class Arith, class V>
inline void UpdateRow(V* a, const V& entryA, const V* pivotRow, const int* columns, int count) {
  const V fa = entryA;
  for (int k = 0; k < count; ++k) {
    const int j = columns[k];
    const V oldA = a[j];
    a[j] = Arith::Snap(oldA, fa * pivotRow[j] + oldA);
  }
}

// The same on exact values, asking `observer` before every entry: one entry
// of numbers thousands of digits long can take milliseconds.
template <class Arith, class V>
inline void UpdateRowWatched(V* a, const V& entryA, const V* pivotRow, const int* columns,
                             int count, ExchangeObserver* observer) {
  const V fa = entryA;
  for (int k = 0; k < count; ++k) {
    ThrowIfCancelled(observer);
    const int j = columns[k];
    const V oldA = a[j];
    a[j] = Arith::Snap(oldA, fa * pivotRow[j] + oldA);
  }
}

}  // namespace pivot_detail

// Exchanges the basic variable of row r (1..m) with the non-basic variable of
// column s (1..n); W(r, s) must not be 0. In order:
//   1. p := W(r, s);
//   2. pivot row: W(r, j) := (-W(r, j)) / p for j = 1..n+1;
//   3. every other entry of rows 1..m+1, columns 1..n+1:
//      W(i, j) := Snap(old, W(i, s) * W(r, j) + old), product and sum rounded
//      on their own, with the new pivot row and the old pivot column;
//   4. pivot column: W(i, s) := W(i, s) / p for i = 1..m+1;
//   5. W(r, s) := 1 / p;
//   6. the row label W(r, n+2) and the column label W(m+2, s) swap.
// Step 3 leaves out the rows whose pivot-column entry is exactly 0 and the
// columns whose new pivot-row entry is exactly 0: there the formula gives back
// the old value (at most with the other sign of a zero, which no comparison,
// stored value or text can show) and cannot raise a flag.
// On exact values, whose step can take seconds where the numbers are long,
// `observer` (may be null) is asked before each entry of steps 2 to 4 whether to
// stop (ThrowIfCancelled); the tableau is then half changed, and is to be
// dropped.
template <class Arith>
void Pivot(BasicWorkTableau<typename Arith::Value>& w, int m, int n, int r, int s,
           ExchangeObserver* observer = nullptr) {
  using V = typename Arith::Value;
  assert(r >= 1 && r <= m && s >= 1 && s <= n);
  const V p = w(r, s);
  assert(!(p == 0));

  const auto watch = [observer] {
    if constexpr (kExact<V>) {
      ThrowIfCancelled(observer);
    } else {
      (void)observer;  // plain numbers are never cancelled within a step
    }
  };
  V* const pivotRow = &w(r, 1);
  for (int j = 0; j <= n; ++j) {
    watch();
    pivotRow[j] = (-pivotRow[j]) / p;
  }

  std::array<int, kMaxVariables + 1> columns;
  int count = 0;
  for (int j = 0; j <= n; ++j) {
    if (j != s - 1 && !(pivotRow[j] == 0)) columns[static_cast<std::size_t>(count++)] = j;
  }

  std::array<V*, kMaxConstraints + 1> rows;
  int rowCount = 0;
  for (int i = 1; i <= m + 1; ++i) {
    if (i != r && !(w(i, s) == 0)) rows[static_cast<std::size_t>(rowCount++)] = &w(i, 1);
  }
  const int* const cols = columns.data();
  int k = 0;
  if constexpr (kExact<V>) {
    for (; k < rowCount && observer != nullptr; ++k) {
      V* const a = rows[static_cast<std::size_t>(k)];
      pivot_detail::UpdateRowWatched<Arith>(a, a[s - 1], pivotRow, cols, count, observer);
    }
  }
  for (; k + 3 <= rowCount; k += 3) {
    V* const a = rows[static_cast<std::size_t>(k)];
    V* const b = rows[static_cast<std::size_t>(k + 1)];
    V* const c = rows[static_cast<std::size_t>(k + 2)];
    pivot_detail::UpdateThreeRows<Arith>(a, b, c, a[s - 1], b[s - 1], c[s - 1], pivotRow, cols,
                                         count);
  }
  if (k + 2 == rowCount) {
    V* const a = rows[static_cast<std::size_t>(k)];
    V* const b = rows[static_cast<std::size_t>(k + 1)];
    pivot_detail::UpdateTwoRows<Arith>(a, b, a[s - 1], b[s - 1], pivotRow, cols, count);
  } else if (k + 1 == rowCount) {
    V* const a = rows[static_cast<std::size_t>(k)];
    pivot_detail::UpdateRow<Arith>(a, a[s - 1], pivotRow, cols, count);
  }

  for (int i = 1; i <= m + 1; ++i) {
    watch();
    w(i, s) = w(i, s) / p;
  }
  w(r, s) = Arith::FromInt(1) / p;
  std::swap(w(r, n + 2), w(m + 2, s));
}

}  // namespace pivora
