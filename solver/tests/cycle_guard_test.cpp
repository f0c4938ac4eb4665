// Brent's detection on the labels: a repeat is seen soon after a cycle
// closes, never before, and only bases reached after a restart count.
#include "solver/cycle_guard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace pivora {
namespace {

// Moves the labels of a 3 x 3 work tableau through `lead` distinct bases and
// then around a cycle of `length` bases, one exchange per step.
class LabelWalk {
 public:
  LabelWalk(int lead, int length) : lead_(lead), length_(length) { Place(0); }
  const WorkTableau& w() const { return w_; }
  void Step() { Place(++step_); }

 private:
  // Basis number k: distinct for every k below lead + length, periodic after.
  void Place(int step) {
    const int k = step < lead_ ? step : lead_ + (step - lead_) % length_;
    for (int i = 1; i <= 3; ++i) w_(i, 5) = -(k * 3 + i);
    for (int j = 1; j <= 3; ++j) w_(5, j) = j;
  }
  WorkTableau w_;
  int lead_;
  int length_;
  int step_ = 0;
};

// The smallest power of two not below k.
int PowerOfTwoAtLeast(int k) {
  int p = 1;
  while (p < k) p *= 2;
  return p;
}

// The saved basis is renewed after 1, 2, 4, 8, ... steps. Once a renewal
// falls inside the cycle with a window P of at least its length L, the
// repeat comes within L steps: so within 2 P + L - 2 steps, where P is the
// first power of two not below the lead + 1 and the length. A growth factor
// other than 2 leaves this bound on some of the walks below.
TEST(CycleGuard, SeesARepeatWithinThriceLeadPlusCycleAndNeverEarlier) {
  for (int lead = 0; lead <= 20; ++lead) {
    for (int length = 1; length <= 20; ++length) {
      LabelWalk walk(lead, length);
      CycleGuard<Extended> guard(walk.w(), 3, 3);
      int steps = 0;
      bool seen = false;
      while (!seen && steps < 1000) {
        walk.Step();
        ++steps;
        seen = guard.Repeated();
      }
      ASSERT_TRUE(seen) << lead << " " << length;
      EXPECT_GE(steps, lead + length) << lead << " " << length;
      EXPECT_LE(steps, 3 * (lead + length) + 2) << lead << " " << length;
      EXPECT_LE(steps, 2 * PowerOfTwoAtLeast(std::max(lead + 1, length)) + length - 2)
          << lead << " " << length;
    }
  }
}

TEST(CycleGuard, ColumnOrderIsPartOfTheBasis) {
  WorkTableau w;
  for (int j = 1; j <= 2; ++j) w(3, j) = j;
  w(1, 4) = -1;
  CycleGuard<Extended> guard(w, 1, 2);
  std::swap(w(3, 1), w(3, 2));
  EXPECT_FALSE(guard.Repeated());  // saves the swapped order
  std::swap(w(3, 1), w(3, 2));
  EXPECT_FALSE(guard.Repeated());  // same row labels, other column order
  std::swap(w(3, 1), w(3, 2));
  EXPECT_TRUE(guard.Repeated());
}

TEST(CycleGuard, RestartForgetsEarlierBases) {
  for (const bool restart : {false, true}) {
    WorkTableau w;
    w(3, 1) = 1;
    w(3, 2) = 2;
    w(1, 4) = -1;
    CycleGuard<Extended> guard(w, 1, 2);
    std::swap(w(1, 4), w(3, 1));     // basis B
    EXPECT_FALSE(guard.Repeated());  // B is saved
    std::swap(w(1, 4), w(3, 1));     // back to the first basis
    if (restart) guard.Restart();
    std::swap(w(1, 4), w(3, 1));  // B again
    EXPECT_EQ(guard.Repeated(), !restart);
  }
}

}  // namespace
}  // namespace pivora
