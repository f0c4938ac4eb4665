// Detects that a phase has come back to an earlier basis: Brent's cycle
// detection on the labels, with one saved basis and no allocation.
#pragma once

#include <array>

#include "solver/tables.h"

namespace pivora {

// The basis is the row labels together with the column labels: in exact
// arithmetic they fix every entry of the work tableau, so with deterministic
// choice rules a repeat means the phase would exchange without end.
template <class V, class Work = BasicWorkTableau<V>>
class CycleGuard {
 public:
  CycleGuard(const Work& w, int m, int n) : w_(w), m_(m), n_(n) { Save(); }

  // Forgets the bases seen so far: from here on only a repeat of a basis
  // reached after this call counts.
  void Restart() {
    Save();
    power_ = 1;
    steps_ = 0;
  }

  // Call after every exchange. True when the basis equals the saved one. The
  // saved basis is renewed whenever the steps since the last save reach a
  // power of two, so a cycle of length L entered after S steps is seen within
  // 2 P + L - 2 steps, P the first power of two not below S + 1 and L (so
  // within 3 (S + L) + 2), and never before it has closed once.
  bool Repeated() {
    if (Matches()) return true;
    if (++steps_ == power_) {
      Save();
      power_ *= 2;
      steps_ = 0;
    }
    return false;
  }

 private:
  bool Matches() const {
    for (int i = 1; i <= m_; ++i) {
      if (!(rows_[static_cast<std::size_t>(i - 1)] == w_(i, n_ + 2))) return false;
    }
    for (int j = 1; j <= n_; ++j) {
      if (!(columns_[static_cast<std::size_t>(j - 1)] == w_(m_ + 2, j))) return false;
    }
    return true;
  }
  void Save() {
    for (int i = 1; i <= m_; ++i) rows_[static_cast<std::size_t>(i - 1)] = w_(i, n_ + 2);
    for (int j = 1; j <= n_; ++j) columns_[static_cast<std::size_t>(j - 1)] = w_(m_ + 2, j);
  }

  const Work& w_;
  int m_;
  int n_;
  long power_ = 1;
  long steps_ = 0;
  std::array<V, kMaxConstraints> rows_;   // 0..m-1 in use
  std::array<V, kMaxVariables> columns_;  // 0..n-1 in use
};

}  // namespace pivora
