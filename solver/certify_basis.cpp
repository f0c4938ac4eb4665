#include "solver/certify_basis.h"

#include <cmath>

namespace pivora::certify_detail {

int VariableOf(Extended label, int m, int n) {
  if (!(std::fabs(label) <= kMaxVariableIndex) || label != std::trunc(label)) return -1;
  const int l = static_cast<int>(label);
  if (l > n || l < -m) return -1;
  return l > 0 ? l : l < 0 ? n - l : 0;
}

namespace {

// Moving the zero variable of column k by +1 changes x by the basic
// x-entries of column k; the equation e it belongs to is the one whose
// left-hand side drops by 1 (y(e) = b(e) - a(e) x rises by 1) while the other
// eliminated equations stay. A weighted sum of those equations names e in
// one pass per column.
bool MapZeroColumns(const Problem& p, const WorkTableau& w, Basis& basis,
                    const std::array<int, kMaxVariables + 1>& zeroColumns, int zeroCount) {
  std::array<int, kMaxConstraints + 1> candidates{};
  int count = 0;
  for (int i = 1; i <= p.m; ++i) {
    const int v = p.n + i;
    if (p.Equation(i) && basis.row[v] == 0 && basis.column[v] == 0 && !basis.zeroBasic[i]) {
      candidates[++count] = i;
    }
  }
  if (count != zeroCount) return false;
  if (count == 0) return true;
  std::array<Extended, kMaxVariables + 1> weighted{};
  for (int k = 1; k <= count; ++k) {
    for (int j = 1; j <= p.n; ++j) weighted[j] -= static_cast<Extended>(k) * p.a(candidates[k], j);
  }
  std::array<bool, kMaxConstraints + 1> taken{};
  for (int z = 1; z <= zeroCount; ++z) {
    const int col = zeroColumns[z];
    Extended sum = 0;
    for (int j = 1; j <= p.n; ++j) {
      if (basis.row[j] != 0) sum += weighted[j] * w(basis.row[j], col);
    }
    const Extended k = std::nearbyint(sum);
    if (!(std::fabs(sum - k) <= 0.25L) || k < 1 || k > count) return false;
    const int e = candidates[static_cast<int>(k)];
    if (taken[e]) return false;
    taken[e] = true;
    basis.equationOfColumn[col] = e;
  }
  return true;
}

}  // namespace

bool ReadBasis(const Problem& p, const WorkTableau& w, bool allowZeroRows, Basis& basis) {
  std::array<int, kMaxVariables + 1> zeroColumns{};
  int zeroCount = 0;
  for (int i = 1; i <= p.m; ++i) {
    const int v = VariableOf(w(i, p.n + 2), p.m, p.n);
    if (v < 0) return false;
    if (v == 0) {
      if (!allowZeroRows || !p.Equation(i)) return false;
      basis.zeroBasic[i] = true;
    } else {
      if (basis.row[v] != 0) return false;
      basis.row[v] = i;
    }
  }
  for (int j = 1; j <= p.n; ++j) {
    const int v = VariableOf(w(p.m + 2, j), p.m, p.n);
    if (v < 0) return false;
    if (v == 0) {
      zeroColumns[++zeroCount] = j;
    } else {
      if (basis.row[v] != 0 || basis.column[v] != 0) return false;
      basis.column[v] = j;
    }
  }
  for (int v = 1; v <= p.n + p.m; ++v) {
    const bool placed = basis.row[v] != 0 || basis.column[v] != 0;
    if (v <= p.n && !placed) return false;
    if (v > p.n && !placed && !p.Equation(v - p.n)) return false;
  }
  return MapZeroColumns(p, w, basis, zeroColumns, zeroCount);
}

}  // namespace pivora::certify_detail
