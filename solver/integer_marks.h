// Which variables of a problem are to take whole values. A problem with none
// marked is a linear programme; one with marks is solved by branch and bound.
#pragma once

#include <bitset>
#include <cstddef>

#include "solver/tables.h"

namespace pivora {

// Marks of x[1..50], kept for every column whatever the number of variables,
// as the grids keep their hidden cells; only x[1..n] count for a problem.
class IntegerMarks {
 public:
  bool Of(int j) const { return marks_.test(Bit(j)); }
  void Set(int j, bool integer) { marks_.set(Bit(j), integer); }
  void Clear() { marks_.reset(); }

  // Whether any of x[1..n] is marked.
  bool Any(int n) const {
    for (int j = 1; j <= n; ++j) {
      if (Of(j)) return true;
    }
    return false;
  }
  // Whether all of x[1..n] are marked.
  bool All(int n) const {
    for (int j = 1; j <= n; ++j) {
      if (!Of(j)) return false;
    }
    return true;
  }

  friend bool operator==(const IntegerMarks&, const IntegerMarks&) = default;

 private:
  static std::size_t Bit(int j) { return static_cast<std::size_t>(j - 1); }
  std::bitset<kMaxVariables> marks_;
};

}  // namespace pivora
