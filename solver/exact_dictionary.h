// The exact work tableau of one basis, entry by entry as they are asked
// for, from the exchange method's starting tableau: with k basic x, a
// column costs one product with the inverse of a k x k block and each entry
// k products more, where the whole tableau of a basis built from the scaled
// integer rows costs seconds on numbers far beyond the extended range. The
// guided run settles the choices its bounds leave open on these entries.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "solver/basis_tableau.h"
#include "solver/enclosure.h"
#include "solver/rational_arithmetic.h"
#include "solver/tables.h"

namespace pivora {

using RationalTableau = BasicWorkTableau<Rational>;

// The exchange method's starting tableau of `problem` (SetUp), exactly.
std::shared_ptr<const RationalTableau> ExactStartingTableau(const ExactTableau& problem, int m, int n);

class ExactDictionary : public std::enable_shared_from_this<ExactDictionary> {
 public:
  // The tableau of `basis` from `start`; null where the labels name no
  // basis, its block is singular, or it has more than `largest` basic x.
  // Every operation on its numbers is counted against `effort`, which
  // throws where it is spent or cancelled.
  static std::shared_ptr<ExactDictionary> Make(std::shared_ptr<const RationalTableau> start, int m,
                                               int n, const BasisLabels& basis, int largest,
                                               ExactEffort& effort);

  // Entry (i, j) of rows 1..m+1 and columns 1..n+1, kept once computed.
  const Rational& Entry(int i, int j);
  bool Computed(int i, int j) const { return cells_[Cell(i, j)].has_value(); }
  // Entry (i, j), computed when first asked for.
  std::shared_ptr<const LazyExact> Lazy(int i, int j);
  ExactEffort* Effort() const { return &effort_; }

 private:
  ExactDictionary(std::shared_ptr<const RationalTableau> start, int m, int n, ExactEffort& effort);
  bool Read(const BasisLabels& basis, int largest);
  bool Invert();
  const std::vector<Rational>& Solved(int j);
  std::size_t Cell(int i, int j) const { return static_cast<std::size_t>((i - 1) * (n_ + 1) + j - 1); }

  std::shared_ptr<const RationalTableau> start_;
  int m_;
  int n_;
  ExactEffort& effort_;
  // The starting tableau's rows whose y is not basic, and its columns whose
  // x is basic, in the order of the block S = start(p, q).
  std::vector<int> p_;
  std::vector<int> q_;
  std::vector<int> rowX_;      // per row: its x's place in q_, or -1 for a y
  std::vector<int> rowY_;      // per row: the starting row of its y
  std::vector<int> columnY_;   // per column: its y's place in p_, or -1 for an x
  std::vector<int> columnX_;   // per column: the starting column of its x (n+1: the constants)
  std::vector<Rational> inverse_;  // S^-1, k x k row by row
  std::vector<std::optional<std::vector<Rational>>> solved_;  // per column: S^-1 times its start
  std::vector<std::optional<Rational>> cells_;
};

}  // namespace pivora
