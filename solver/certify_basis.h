// What the certification reads from a run: the original problem with its
// slack convention, and where each variable stands in the final work tableau.
#pragma once

#include <array>

#include "solver/tables.h"

namespace pivora::certify_detail {

// Variables are numbered x[j] -> j, y[i] -> n + i, as the solution table rows.
inline constexpr int kMaxVariableIndex = kMaxVariables + kMaxConstraints;

// The original problem: constraint i reads a(i) x <= b(i), >= b(i) or = b(i);
// its slack is y(i) = sign(i) * (b(i) - a(i) x), sign -1 for >= and +1 for
// the others (the slack of an equation is its zero variable).
struct Problem {
  const Tableau& t;
  int m;
  int n;
  int sigma;  // +1 maximise, -1 minimise

  Extended a(int i, int j) const { return t(i, j); }
  Extended b(int i) const { return t(i, n + 1); }
  Extended c(int j) const { return t(m + 1, j); }
  bool Equation(int i) const { return t(i, n + 2) == 0; }
  bool GreaterEqual(int i) const { return t(i, n + 2) > 0; }
  Extended SlackSign(int i) const { return GreaterEqual(i) ? -1.0L : 1.0L; }
};

// Where each variable stands in the work tableau, read from its labels.
struct Basis {
  std::array<int, kMaxVariableIndex + 1> row{};     // basic in this row, else 0
  std::array<int, kMaxVariableIndex + 1> column{};  // non-basic in this column, else 0
  // Eliminated zero variables: the equation whose zero variable stands in a
  // column labelled 0, and the equations whose zero variable is still basic
  // (a row labelled 0, which keeps its own row).
  std::array<int, kMaxVariables + 1> equationOfColumn{};
  std::array<bool, kMaxConstraints + 1> zeroBasic{};
};

// The label as a variable number, 0 for a zero variable, -1 if it is no label.
int VariableOf(Extended label, int m, int n);

// Reads the labels of `w`; false unless every variable stands exactly once
// and the zero variables match the equations. Rows labelled 0 (equations not
// yet eliminated) only where `allowZeroRows`.
bool ReadBasis(const Problem& p, const WorkTableau& w, bool allowZeroRows, Basis& basis);

}  // namespace pivora::certify_detail
