#include "solver/branch_tableau.h"

#include <cassert>
#include <utility>

namespace pivora {

namespace {

// The positive factor that turns entries (i, 1..last) of `problem` into
// coprime integers: the least common multiple of their denominators over
// the greatest common divisor of their numerators; 1 for a row of zeros.
Rational IntegerScale(const ExactTableau& problem, int i, int last) {
  mpz_class denominators = 1;
  mpz_class numerators = 0;
  for (int j = 1; j <= last; ++j) {
    const Rational& q = problem(i, j);
    if (q == 0) continue;
    mpz_lcm(denominators.get_mpz_t(), denominators.get_mpz_t(), q.get_den_mpz_t());
    mpz_gcd(numerators.get_mpz_t(), numerators.get_mpz_t(), q.get_num_mpz_t());
  }
  if (numerators == 0) return Rational(1);
  Rational scale(denominators, numerators);
  scale.canonicalize();
  return scale;
}

// g * q * scale, which the scale makes a whole number.
FlintInteger Scaled(int g, const Rational& q, const Rational& scale) {
  const Rational product = g * q * scale;
  assert(product.get_den() == 1);
  return FlintInteger(product.get_num());
}

}  // namespace

struct BranchTableau::Scales {
  int sigma = 1;
  std::vector<Rational> row;  // 0 the objective, 1..m the constraints
};

BranchTableau::BranchTableau(const ExactTableau& problem, int m, int n, bool zeroObjective)
    : m_(m),
      n_(n),
      rows_(m),
      a_(static_cast<std::size_t>(m) * static_cast<std::size_t>(n + 1)),
      z_(static_cast<std::size_t>(n + 1)),
      rowLabel_(static_cast<std::size_t>(m)),
      columnLabel_(static_cast<std::size_t>(n)),
      upper_(static_cast<std::size_t>(n + 1)),
      lower_(static_cast<std::size_t>(n + 1)) {
  auto scales = std::make_shared<Scales>();
  scales->sigma = problem(m + 1, n + 2) > 0 ? 1 : -1;
  scales->row.resize(static_cast<std::size_t>(m + 1));
  for (int i = 1; i <= m; ++i) {
    const Rational scale = IntegerScale(problem, i, n + 1);
    const int g = problem(i, n + 2) > 0 ? 1 : -1;
    for (int j = 1; j <= n; ++j) At(i - 1, j - 1) = Scaled(g, problem(i, j), scale);
    At(i - 1, n) = Scaled(-g, problem(i, n + 1), scale);
    rowLabel_[static_cast<std::size_t>(i - 1)] = problem(i, n + 2) == 0 ? 0 : -i;
    scales->row[static_cast<std::size_t>(i)] = scale;
  }
  scales->row[0] = zeroObjective ? Rational(1) : IntegerScale(problem, m + 1, n);
  for (int j = 1; j <= n; ++j) {
    if (!zeroObjective) {
      z_[static_cast<std::size_t>(j - 1)] =
          Scaled(scales->sigma, problem(m + 1, j), scales->row[0]);
    }
    columnLabel_[static_cast<std::size_t>(j - 1)] = j;
  }
  scales_ = std::move(scales);
  fmpz_one(d_.get());
  fmpz_one(objectiveDenominator_.get());
  e_.resize(static_cast<std::size_t>(m));
  for (FlintInteger& e : e_) fmpz_one(e.get());
}

int BranchTableau::RowOf(int label) const {
  for (int i = 0; i < rows_; ++i) {
    if (rowLabel_[static_cast<std::size_t>(i)] == label) return i;
  }
  return -1;
}

int BranchTableau::ColumnOf(int label) const {
  for (int c = 0; c < n_; ++c) {
    if (columnLabel_[static_cast<std::size_t>(c)] == label) return c;
  }
  return -1;
}

// Puts `row` over d, the denominator of the rows the last exchange wrote:
// its values times d are whole, so the division is exact.
void BranchTableau::BringUpToDate(int row) {
  FlintInteger& e = Denominator(row);
  if (fmpz_equal(e.get(), d_.get())) return;
  for (int c = 0; c <= n_; ++c) {
    fmpz* entry = Cell(row, c).get();
    fmpz_mul(entry, entry, d_.get());
    fmpz_divexact(entry, entry, e.get());
  }
  e = d_;
}

// Bareiss's step in the exchange method's signs, row by row. With the pivot
// row over d, p = N(r, s), sp its sign and q(c) = sp N(r, c), a row i with
// denominator e and f = N(i, s) != 0 becomes, over |p|,
//   (N(i, c) |p| - f q(c)) / e    for c != s (exact: a minor of the new basis),
//   sp f d / e                     in the pivot column,
// the pivot row -q(c), and sp d at the pivot. A row with f = 0 keeps its
// values, so it is left as it is, over its own denominator.
void BranchTableau::Exchange(int r, int s, ExchangeObserver* observer) {
  ThrowIfCancelled(observer);
  BringUpToDate(r);
  const int sp = At(r, s).Sign();
  assert(sp != 0);
  FlintInteger p;
  fmpz_abs(p.get(), At(r, s).get());
  for (int c = 0; c <= n_ && sp < 0; ++c) {
    if (c != s) fmpz_neg(At(r, c).get(), At(r, c).get());
  }
  FlintInteger t;
  for (int i = 0; i <= rows_; ++i) {
    FlintInteger& f = Cell(i, s);
    if (i == r || f.IsZero()) continue;
    FlintInteger& e = Denominator(i);
    const bool whole = fmpz_is_one(e.get()) != 0;
    for (int c = 0; c <= n_; ++c) {
      if (c == s) continue;
      fmpz* entry = Cell(i, c).get();
      fmpz_mul(t.get(), entry, p.get());
      fmpz_submul(t.get(), f.get(), At(r, c).get());
      if (whole) {
        fmpz_swap(entry, t.get());
      } else {
        assert(fmpz_divisible(t.get(), e.get()));
        fmpz_divexact(entry, t.get(), e.get());
      }
    }
    fmpz_mul(t.get(), f.get(), d_.get());
    fmpz_divexact(f.get(), t.get(), e.get());
    if (sp < 0) fmpz_neg(f.get(), f.get());
    e = p;
  }
  for (int c = 0; c <= n_; ++c) {
    if (c != s) fmpz_neg(At(r, c).get(), At(r, c).get());
  }
  fmpz_mul_si(At(r, s).get(), d_.get(), sp);
  Denominator(r) = p;
  d_ = std::move(p);
  std::swap(rowLabel_[static_cast<std::size_t>(r)], columnLabel_[static_cast<std::size_t>(s)]);
  ++exchanges_;
  if (observer != nullptr) {
    observer->Exchanged(ExchangeStep{phase_, exchanges_, r + 1, s + 1, rows_, n_, nullptr, false});
  }
}

const std::optional<mpz_class>& BranchTableau::BoundOf(int j, BoundSide side) const {
  return (side == BoundSide::kUpper ? upper_ : lower_)[static_cast<std::size_t>(j)];
}

// The slack of x[j] <= k is k - x[j], that of x[j] >= k is x[j] - k: a
// tighter bound lowers it by the difference. Basic, its row's constant
// drops; non-basic in column c, slack = new slack + difference moves every
// constant by the difference times column c.
void BranchTableau::Bound(int j, BoundSide side, const mpz_class& k) {
  assert(j >= 1 && j <= n_);
  std::optional<mpz_class>& held =
      (side == BoundSide::kUpper ? upper_ : lower_)[static_cast<std::size_t>(j)];
  const int label = side == BoundSide::kUpper ? -(m_ + j) : -(m_ + n_ + j);
  if (held) {
    const FlintInteger difference(side == BoundSide::kUpper ? mpz_class(*held - k)
                                                            : mpz_class(k - *held));
    if (difference.Sign() <= 0) return;
    held = k;
    if (const int r = RowOf(label); r >= 0) {
      fmpz_submul(At(r, n_).get(), difference.get(), Denominator(r).get());
      return;
    }
    const int c = ColumnOf(label);
    assert(c >= 0);
    for (int i = 0; i <= rows_; ++i)
      fmpz_addmul(Cell(i, n_).get(), Cell(i, c).get(), difference.get());
    return;
  }
  held = k;
  // The slack is sign * (x[j] - k): x[j] from its row, or the non-basic
  // x[j] itself.
  const bool upper = side == BoundSide::kUpper;
  std::vector<FlintInteger> row(static_cast<std::size_t>(n_ + 1));
  FlintInteger e;
  fmpz_one(e.get());
  if (const int r = RowOf(j); r >= 0) {
    for (int c = 0; c <= n_; ++c) row[static_cast<std::size_t>(c)] = At(r, c);
    e = Denominator(r);
  } else {
    fmpz_one(row[static_cast<std::size_t>(ColumnOf(j))].get());
  }
  fmpz_submul(row[static_cast<std::size_t>(n_)].get(), FlintInteger(k).get(), e.get());
  for (FlintInteger& entry : row) {
    if (upper) fmpz_neg(entry.get(), entry.get());
    a_.push_back(std::move(entry));
  }
  e_.push_back(std::move(e));
  rowLabel_.push_back(label);
  ++rows_;
}

Rational BranchTableau::ConstantValue(int row) const {
  Rational q(Constant(row).ToMpz(), Denominator(row).ToMpz());
  q.canonicalize();
  return q;
}

Rational BranchTableau::Objective() const {
  return scales_->sigma * ConstantValue(rows_) / scales_->row[0];
}

Rational BranchTableau::Value(int j) const {
  const int r = RowOf(j);
  return r < 0 ? Rational(0) : ConstantValue(r);
}

Rational BranchTableau::Slack(int i) const {
  const int r = RowOf(-i);
  return r < 0 ? Rational(0) : ConstantValue(r) / scales_->row[static_cast<std::size_t>(i)];
}

bool BranchTableau::VariesOnOptimalFace(int j) const {
  const auto onFace = [this](int c) { return Free(c) && Cost(c).IsZero(); };
  if (const int c = ColumnOf(j); c >= 0) return onFace(c);
  const int r = RowOf(j);
  for (int c = 0; c < n_; ++c) {
    if (onFace(c) && !At(r, c).IsZero()) return true;
  }
  return false;
}

}  // namespace pivora
