// The solver's fixed-size tables, indexed as the method states them:
// Tableau and WorkTableau rows and columns from 1, SolutionTable rows from 0
// and columns from 1. Nothing here allocates for Extended entries.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <type_traits>

#include "solver/extended.h"

namespace pivora {

inline constexpr int kMaxVariables = 50;
inline constexpr int kMaxConstraints = 50;
inline constexpr int kMaxSolutions = 50;

// Asks a table to leave its entries as they come (indeterminate for numbers
// of a built-in type): for tables whose users write a region before reading
// it, so that a small problem does not pay for the largest.
struct Uninitialised {};
inline constexpr Uninitialised kUninitialised{};

// Sets `v` to +0. For extended values a store of zero bytes (+0 is all zero
// bits), which spares the x87 unit an 80-bit store and reload per entry.
template <class V>
inline void StoreZero(V& v) {
  if constexpr (std::is_same_v<V, Extended>) {
    std::memset(&v, 0, sizeof v);
  } else {
    v = V(0);
  }
}

// A Rows x Cols table of V addressed (row, column) from FirstRow / FirstCol.
// Rows are contiguous: &t(i, j) + 1 == &t(i, j + 1) within a row.
template <class V, int Rows, int Cols, int FirstRow, int FirstCol>
class Table {
 public:
  using Value = V;
  static constexpr int kRows = Rows;
  static constexpr int kCols = Cols;
  static constexpr int kFirstRow = FirstRow;
  static constexpr int kFirstCol = FirstCol;

  // Every entry V{}: 0 for numbers.
  Table() : cells_{} {}
  explicit Table(Uninitialised) {}

  V& operator()(int row, int col) { return cells_[Index(row, col)]; }
  const V& operator()(int row, int col) const { return cells_[Index(row, col)]; }

  void Fill(const V& value) { cells_.fill(value); }

  // Sets rows FirstRow..lastRow, every column, to 0; the rows after them
  // are neither read nor written.
  void ClearRows(int lastRow) {
    const std::size_t count = static_cast<std::size_t>(lastRow - FirstRow + 1) * Cols;
    if constexpr (std::is_same_v<V, Extended>) {
      std::memset(cells_.data(), 0, count * sizeof(V));  // +0 is all zero bits
    } else {
      std::fill_n(cells_.data(), count, V(0));
    }
  }

  // Copies the region of rows FirstRow..lastRow and columns FirstCol..lastCol
  // only; nothing outside it is read or written.
  void CopyRegion(const Table& from, int lastRow, int lastCol) {
    for (int i = FirstRow; i <= lastRow; ++i) {
      std::copy_n(&from(i, FirstCol), lastCol - FirstCol + 1, &(*this)(i, FirstCol));
    }
  }

  // For floating-point entries compares the bits of the numbers, not their
  // values, so two tables that differ only in the sign of a zero are not equal.
  friend bool operator==(const Table& a, const Table& b) {
    for (std::size_t k = 0; k < a.cells_.size(); ++k) {
      if (!(a.cells_[k] == b.cells_[k])) return false;
      if constexpr (std::is_floating_point_v<V>) {
        if (std::signbit(a.cells_[k]) != std::signbit(b.cells_[k])) return false;
      }
    }
    return true;
  }

 private:
  static std::size_t Index(int row, int col) {
    assert(row >= FirstRow && row < FirstRow + Rows);
    assert(col >= FirstCol && col < FirstCol + Cols);
    return static_cast<std::size_t>(row - FirstRow) * Cols +
           static_cast<std::size_t>(col - FirstCol);
  }
  std::array<V, static_cast<std::size_t>(Rows) * Cols> cells_;
};

template <int Rows, int Cols, int FirstRow, int FirstCol>
using ExtendedTable = Table<Extended, Rows, Cols, FirstRow, FirstCol>;

// RunSimplex's working copy over any number type: row labels in column n+2,
// column labels in row m+2. A run reads and writes rows 1..m+2 and columns
// 1..n+2 only.
template <class V>
using BasicWorkTableau = Table<V, kMaxConstraints + 2, kMaxVariables + 2, 1, 1>;

// Column k is the k-th optimal basic solution: row 0 the objective value,
// rows 1..n the variables x[j], rows n+1..n+m the slacks y[i].
template <class V>
using BasicSolutionTable = Table<V, kMaxVariables + kMaxConstraints + 1, kMaxSolutions, 0, 1>;

// Rows 1..m: coefficients, right-hand side in column n+1, relation code in n+2.
// Row m+1: objective coefficients, constant 0 in n+1, Max/Min flag in n+2.
using Tableau = ExtendedTable<kMaxConstraints + 2, kMaxVariables + 2, 1, 1>;

using WorkTableau = BasicWorkTableau<Extended>;
using SolutionTable = BasicSolutionTable<Extended>;

// The solve's outcome as an integer: kNoFeasibleSolution, kUnbounded, or
// 1..50, the number of optimal basic solutions stored. The values are those
// of the report's contract; kUnbounded is the only negative value set.
using SolveStatus = int;
inline constexpr SolveStatus kNoFeasibleSolution = 0;
inline constexpr SolveStatus kUnbounded = -1;
inline constexpr bool IsOptimal(SolveStatus status) { return status >= 1; }

inline constexpr Extended kRelationLessEqual = -1.0L;
inline constexpr Extended kRelationGreaterEqual = 1.0L;
inline constexpr Extended kRelationEqual = 0.0L;
inline constexpr Extended kMaximise = 1.0L;
inline constexpr Extended kMinimise = -1.0L;

}  // namespace pivora
