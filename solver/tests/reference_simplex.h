// An independent check for the tests: a dense two-phase simplex in double
// with artificial variables and Bland's rule, on the textbook standard form.
// Good for small, well-scaled problems only.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "solver/tables.h"

namespace pivora::testing {

enum class ReferenceStatus { kInfeasible, kUnbounded, kOptimal, kGaveUp };

struct ReferenceResult {
  ReferenceStatus status = ReferenceStatus::kGaveUp;
  double objective = 0.0;  // z of the problem as stated (max or min)
};

class ReferenceSimplex {
 public:
  ReferenceSimplex(const Tableau& t, int m, int n);
  ReferenceResult Solve();

 private:
  static constexpr double kEps = 1e-9;
  bool Optimise(const std::vector<double>& cost, int allowed, bool& unbounded);
  void PivotAt(int row, int col);

  int m_;
  int columns_;  // structural + slack + artificial
  int artificialStart_;
  int n_;
  double sign_;
  std::vector<std::vector<double>> a_;  // m rows, columns_ + 1 (right-hand side last)
  std::vector<int> basis_;
  std::vector<double> objective_;  // c of x, for the final z
};

inline ReferenceSimplex::ReferenceSimplex(const Tableau& t, int m, int n)
    : m_(m), n_(n), sign_(t(m + 1, n + 2) > 0 ? 1.0 : -1.0) {
  int slacks = 0;
  for (int i = 1; i <= m; ++i) slacks += t(i, n + 2) == 0 ? 0 : 1;
  artificialStart_ = n + slacks;
  columns_ = artificialStart_ + m;
  a_.assign(static_cast<std::size_t>(m),
            std::vector<double>(static_cast<std::size_t>(columns_ + 1), 0.0));
  basis_.resize(static_cast<std::size_t>(m));
  int slack = n;
  for (int i = 0; i < m; ++i) {
    auto& row = a_[static_cast<std::size_t>(i)];
    for (int j = 0; j < n; ++j)
      row[static_cast<std::size_t>(j)] = static_cast<double>(t(i + 1, j + 1));
    const Extended code = t(i + 1, n + 2);
    if (code != 0) row[static_cast<std::size_t>(slack++)] = code > 0 ? -1.0 : 1.0;
    row[static_cast<std::size_t>(columns_)] = static_cast<double>(t(i + 1, n + 1));
    if (row[static_cast<std::size_t>(columns_)] < 0) {
      for (double& v : row) v = -v;
    }
    row[static_cast<std::size_t>(artificialStart_ + i)] = 1.0;
    basis_[static_cast<std::size_t>(i)] = artificialStart_ + i;
  }
  for (int j = 1; j <= n; ++j) objective_.push_back(static_cast<double>(t(m + 1, j)));
}

inline void ReferenceSimplex::PivotAt(int row, int col) {
  auto& pr = a_[static_cast<std::size_t>(row)];
  const double p = pr[static_cast<std::size_t>(col)];
  for (double& v : pr) v /= p;
  for (int i = 0; i < m_; ++i) {
    if (i == row) continue;
    auto& r = a_[static_cast<std::size_t>(i)];
    const double f = r[static_cast<std::size_t>(col)];
    if (f == 0) continue;
    for (int j = 0; j <= columns_; ++j)
      r[static_cast<std::size_t>(j)] -= f * pr[static_cast<std::size_t>(j)];
  }
  basis_[static_cast<std::size_t>(row)] = col;
}

// Minimises cost over columns 0..allowed-1 from the current basis by Bland's
// rule. False if it gave up.
inline bool ReferenceSimplex::Optimise(const std::vector<double>& cost, int allowed,
                                       bool& unbounded) {
  unbounded = false;
  for (int pass = 0; pass < 10000; ++pass) {
    int entering = -1;
    for (int j = 0; j < allowed && entering < 0; ++j) {
      double reduced = cost[static_cast<std::size_t>(j)];
      for (int i = 0; i < m_; ++i) {
        reduced -= cost[static_cast<std::size_t>(basis_[static_cast<std::size_t>(i)])] *
                   a_[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
      }
      if (reduced < -kEps) entering = j;
    }
    if (entering < 0) return true;
    int leaving = -1;
    double best = 0.0;
    for (int i = 0; i < m_; ++i) {
      const double e = a_[static_cast<std::size_t>(i)][static_cast<std::size_t>(entering)];
      if (e <= kEps) continue;
      const double ratio = a_[static_cast<std::size_t>(i)][static_cast<std::size_t>(columns_)] / e;
      if (leaving < 0 || ratio < best - 1e-12 ||
          (ratio <= best + 1e-12 &&
           basis_[static_cast<std::size_t>(i)] < basis_[static_cast<std::size_t>(leaving)])) {
        leaving = i;
        best = ratio;
      }
    }
    if (leaving < 0) {
      unbounded = true;
      return true;
    }
    PivotAt(leaving, entering);
  }
  return false;
}

inline ReferenceResult ReferenceSimplex::Solve() {
  ReferenceResult result;
  std::vector<double> cost(static_cast<std::size_t>(columns_), 0.0);
  for (int j = artificialStart_; j < columns_; ++j) cost[static_cast<std::size_t>(j)] = 1.0;
  bool unbounded = false;
  if (!Optimise(cost, columns_, unbounded)) return result;
  double infeasibility = 0.0;
  for (int i = 0; i < m_; ++i) {
    if (basis_[static_cast<std::size_t>(i)] >= artificialStart_)
      infeasibility += a_[static_cast<std::size_t>(i)][static_cast<std::size_t>(columns_)];
  }
  if (infeasibility > 1e-7) {
    result.status = ReferenceStatus::kInfeasible;
    return result;
  }
  // Drive the artificials out of the basis where a structural entry allows.
  for (int i = 0; i < m_; ++i) {
    if (basis_[static_cast<std::size_t>(i)] < artificialStart_) continue;
    for (int j = 0; j < artificialStart_; ++j) {
      if (std::fabs(a_[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]) > 1e-7) {
        PivotAt(i, j);
        break;
      }
    }
  }
  std::fill(cost.begin(), cost.end(), 0.0);
  for (int j = 0; j < n_; ++j)
    cost[static_cast<std::size_t>(j)] = -sign_ * objective_[static_cast<std::size_t>(j)];
  if (!Optimise(cost, artificialStart_, unbounded)) return result;
  if (unbounded) {
    result.status = ReferenceStatus::kUnbounded;
    return result;
  }
  double z = 0.0;
  for (int i = 0; i < m_; ++i) {
    const int b = basis_[static_cast<std::size_t>(i)];
    if (b < n_)
      z += objective_[static_cast<std::size_t>(b)] *
           a_[static_cast<std::size_t>(i)][static_cast<std::size_t>(columns_)];
  }
  result.status = ReferenceStatus::kOptimal;
  result.objective = z;
  return result;
}

}  // namespace pivora::testing
