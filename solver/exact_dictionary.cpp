#include "solver/exact_dictionary.h"

#include <utility>

#include "solver/exchange_method.h"

namespace pivora {

namespace {

class LazyEntry final : public LazyExact {
 public:
  LazyEntry(std::shared_ptr<ExactDictionary> dictionary, int i, int j)
      : dictionary_(std::move(dictionary)), i_(i), j_(j) {}

 private:
  Rational Compute() const override { return dictionary_->Entry(i_, j_); }
  ExactEffort* Effort() const override { return dictionary_->Effort(); }
  std::shared_ptr<ExactDictionary> dictionary_;
  int i_;
  int j_;
};

}  // namespace

std::shared_ptr<const RationalTableau> ExactStartingTableau(const ExactTableau& problem, int m, int n) {
  auto start = std::make_shared<RationalTableau>();
  auto solutions = std::make_unique<BasicSolutionTable<Rational>>();
  auto record = std::make_unique<BasicSimplexRecord<RationalArithmetic>>();
  SolveStatus status = kNoFeasibleSolution;
  SimplexRun<RationalArithmetic> run{*start, m, n, 1, *solutions, status, *record, nullptr};
  SetUp(run, problem);
  return start;
}

ExactDictionary::ExactDictionary(std::shared_ptr<const RationalTableau> start, int m, int n,
                                 ExactEffort& effort)
    : start_(std::move(start)),
      m_(m),
      n_(n),
      effort_(effort),
      rowX_(static_cast<std::size_t>(m + 2), -1),
      rowY_(static_cast<std::size_t>(m + 2), 0),
      columnY_(static_cast<std::size_t>(n + 2), -1),
      columnX_(static_cast<std::size_t>(n + 2), 0),
      solved_(static_cast<std::size_t>(n + 2)),
      cells_(static_cast<std::size_t>((m + 1) * (n + 1))) {}

std::shared_ptr<ExactDictionary> ExactDictionary::Make(std::shared_ptr<const RationalTableau> start,
                                                       int m, int n, const BasisLabels& basis,
                                                       int largest, ExactEffort& effort) {
  std::shared_ptr<ExactDictionary> d(new ExactDictionary(std::move(start), m, n, effort));
  if (!d->Read(basis, largest) || !d->Invert()) return nullptr;
  return d;
}

// Row i's variable is x[l] for a label l > 0, else y[-l], or y[i] for 0 (an
// equation not yet exchanged); column j's x[l] or y[-l], or for 0 the y of
// the equation that left it. The objective row and the constants' column
// are the starting tableau's own.
bool ExactDictionary::Read(const BasisLabels& basis, int largest) {
  for (int j = 1; j <= n_; ++j) {
    const int label = basis.column[static_cast<std::size_t>(j)];
    if (label > 0) {
      columnX_[static_cast<std::size_t>(j)] = label;
      continue;
    }
    const int p = label < 0 ? -label : basis.zeroColumnEquation[static_cast<std::size_t>(j)];
    if (p < 1 || p > m_) return false;
    columnY_[static_cast<std::size_t>(j)] = static_cast<int>(p_.size());
    p_.push_back(p);
  }
  columnX_[static_cast<std::size_t>(n_ + 1)] = n_ + 1;
  for (int i = 1; i <= m_; ++i) {
    const int label = basis.row[static_cast<std::size_t>(i)];
    if (label > 0) {
      if (label > n_) return false;
      rowX_[static_cast<std::size_t>(i)] = static_cast<int>(q_.size());
      q_.push_back(label);
    } else {
      rowY_[static_cast<std::size_t>(i)] = label < 0 ? -label : i;
    }
  }
  rowY_[static_cast<std::size_t>(m_ + 1)] = m_ + 1;
  return p_.size() == q_.size() && static_cast<int>(q_.size()) <= largest;
}

// S^-1 by Gauss-Jordan elimination on [S | I]; false where S is singular.
bool ExactDictionary::Invert() {
  const int k = static_cast<int>(p_.size());
  const auto at = [k](std::vector<Rational>& a, int r, int c) -> Rational& {
    return a[static_cast<std::size_t>(r * 2 * k + c)];
  };
  std::vector<Rational> a(static_cast<std::size_t>(2 * k * k));
  for (int r = 0; r < k; ++r) {
    for (int c = 0; c < k; ++c)
      at(a, r, c) = (*start_)(p_[static_cast<std::size_t>(r)], q_[static_cast<std::size_t>(c)]);
    at(a, r, k + r) = 1;
  }
  for (int c = 0; c < k; ++c) {
    int pivot = c;
    while (pivot < k && sgn(at(a, pivot, c)) == 0) ++pivot;
    if (pivot == k) return false;
    for (int t = 0; t < 2 * k; ++t) std::swap(at(a, c, t), at(a, pivot, t));
    const Rational inverse = 1 / at(a, c, c);
    for (int t = 0; t < 2 * k; ++t) {
      effort_.Spend(at(a, c, t), inverse);
      at(a, c, t) *= inverse;
    }
    for (int r = 0; r < k; ++r) {
      if (r == c || sgn(at(a, r, c)) == 0) continue;
      const Rational factor = at(a, r, c);
      for (int t = 0; t < 2 * k; ++t) {
        effort_.Spend(factor, at(a, c, t));
        at(a, r, t) -= factor * at(a, c, t);
      }
    }
  }
  inverse_.resize(static_cast<std::size_t>(k * k));
  for (int r = 0; r < k; ++r) {
    for (int c = 0; c < k; ++c) inverse_[static_cast<std::size_t>(r * k + c)] = at(a, r, k + c);
  }
  return true;
}

// z = S^-1 times column j's starting entries in the rows of S: for an x, its
// starting column; for y[p[a]], the unit vector a.
const std::vector<Rational>& ExactDictionary::Solved(int j) {
  std::optional<std::vector<Rational>>& z = solved_[static_cast<std::size_t>(j)];
  if (z) return *z;
  const int k = static_cast<int>(p_.size());
  z.emplace(static_cast<std::size_t>(k));
  const int y = columnY_[static_cast<std::size_t>(j)];
  for (int r = 0; r < k; ++r) {
    Rational& sum = (*z)[static_cast<std::size_t>(r)];
    if (y >= 0) {
      sum = inverse_[static_cast<std::size_t>(r * k + y)];
      continue;
    }
    const int column = columnX_[static_cast<std::size_t>(j)];
    for (int c = 0; c < k; ++c) {
      const Rational& a = inverse_[static_cast<std::size_t>(r * k + c)];
      const Rational& b = (*start_)(p_[static_cast<std::size_t>(c)], column);
      effort_.Spend(a, b);
      sum += a * b;
    }
  }
  return *z;
}

// A basic x[q[b]] is z[b] in the column of a y, -z[b] in that of an x (or
// the constants); a basic y[u] (or the objective) is start(u, q) z in the
// column of a y, start(u, j) - start(u, q) z in that of an x.
const Rational& ExactDictionary::Entry(int i, int j) {
  std::optional<Rational>& cell = cells_[Cell(i, j)];
  if (cell) return *cell;
  const std::vector<Rational>& z = Solved(j);
  const bool yColumn = columnY_[static_cast<std::size_t>(j)] >= 0;
  const int x = i <= m_ ? rowX_[static_cast<std::size_t>(i)] : -1;
  if (x >= 0) {
    cell = yColumn ? z[static_cast<std::size_t>(x)] : Rational(-z[static_cast<std::size_t>(x)]);
    return *cell;
  }
  const int u = rowY_[static_cast<std::size_t>(i)];
  Rational sum;
  for (std::size_t b = 0; b < q_.size(); ++b) {
    effort_.Spend((*start_)(u, q_[b]), z[b]);
    sum += (*start_)(u, q_[b]) * z[b];
  }
  cell = yColumn ? sum : Rational((*start_)(u, columnX_[static_cast<std::size_t>(j)]) - sum);
  return *cell;
}

std::shared_ptr<const LazyExact> ExactDictionary::Lazy(int i, int j) {
  return std::make_shared<const LazyEntry>(shared_from_this(), i, j);
}

}  // namespace pivora
