#include "solver/sensitivity.h"

#include <cstddef>
#include <memory>

namespace pivora {

namespace {

const Rational kOne(1);

// The range of a step delta while its conditions are read: each end the
// tightest limit so far as an unreduced quotient p / q (q > 0), compared with
// the next by cross products. Forming each limit as a reduced fraction took
// two gcds of the tableau's long numbers apiece; only the ends are reduced.
class Limits {
 public:
  // Narrows the range by bs * base + delta * rs * rate >= 0 (bs, rs: +1 or -1).
  void KeepNonNegative(int bs, const Rational& base, int rs, const Rational& rate) {
    const int rateSign = rs * sgn(rate);
    if (rateSign == 0) return;
    // -(bs base) / (rs rate), over the positive q.
    mpz_class p = base.get_num() * rate.get_den();
    mpz_class q = base.get_den() * abs(rate.get_num());
    if (bs * rateSign > 0) p = -p;
    End& end = rateSign > 0 ? lower_ : upper_;
    const int order = end.finite ? sgn(p * end.q - end.p * q) : 0;
    if (!end.finite || (rateSign > 0 ? order > 0 : order < 0)) end = End{true, p, q};
  }

  SensitivityRange Range() const { return {Reduced(lower_), Reduced(upper_)}; }

 private:
  struct End {
    bool finite = false;
    mpz_class p;
    mpz_class q;
  };
  static RangeEnd Reduced(const End& end) {
    if (!end.finite) return {};
    Rational value(end.p, end.q);
    value.canonicalize();
    return {true, value};
  }

  End lower_;
  End upper_;
};

void Shift(SensitivityRange& range, const Rational& by) {
  if (range.lower.finite) range.lower.value += by;
  if (range.upper.finite) range.upper.value += by;
}

// The exact work tableau at the basis, with where each variable stands.
// Variables are numbered 1..n for x[j] and n+i for y[i].
class BasisTableau {
 public:
  BasisTableau(const TableauSnapshot& t, const BasisLabels& basis) : t_(t), n_(t.n) {
    const int m = t.m;
    row_.assign(static_cast<std::size_t>(n_ + m + 1), 0);
    column_.assign(static_cast<std::size_t>(n_ + m + 1), 0);
    for (int i = 1; i <= m; ++i) row_[Variable(basis.row[static_cast<std::size_t>(i)], 0)] = i;
    for (int j = 1; j <= n_; ++j) {
      const int label = basis.column[static_cast<std::size_t>(j)];
      const int equation = basis.zeroColumnEquation[static_cast<std::size_t>(j)];
      column_[Variable(label, equation)] = j;
    }
  }

  const Rational& At(int i, int j) const { return t_.At(i, j); }
  // The row where variable k is basic, or 0; the column where it is not, or 0.
  int RowOf(int k) const { return row_[static_cast<std::size_t>(k)]; }
  int ColumnOf(int k) const { return column_[static_cast<std::size_t>(k)]; }
  // The variable basic in row i.
  int BasicIn(int i) const {
    for (std::size_t k = 1; k < row_.size(); ++k) {
      if (row_[k] == i) return static_cast<int>(k);
    }
    return 0;
  }

 private:
  std::size_t Variable(int label, int equation) const {
    return static_cast<std::size_t>(label > 0 ? label : n_ + (label < 0 ? -label : equation));
  }

  const TableauSnapshot& t_;
  int n_;
  std::vector<int> row_;
  std::vector<int> column_;
};

}  // namespace

Sensitivity AnalyseSensitivity(const ExactTableau& problem, int m, int n,
                               const BasisLabels& basis) {
  auto built = std::make_unique<BasicWorkTableau<FractionFree>>();
  if (!BuildBasisTableau(IntegerRows(problem, m, n), basis, *built)) return {};
  return AnalyseSensitivity(problem, m, n, basis, SnapshotOf(*built, m, n));
}

Sensitivity AnalyseSensitivity(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                               const TableauSnapshot& atBasis, ExchangeObserver* observer) {
  Sensitivity result;
  const BasisTableau w(atBasis, basis);
  const int objective = m + 1;
  const int constant = n + 1;
  const int sigma = problem(objective, n + 2) > 0 ? 1 : -1;
  const auto equation = [&](int k) { return k > n && problem(k - n, n + 2) == 0; };
  // The columns the optimality test reads: all but the equations' zero
  // variables.
  std::vector<bool> free(static_cast<std::size_t>(n + 1), false);
  for (int k = 1; k <= n + m; ++k) {
    if (w.ColumnOf(k) != 0) free[static_cast<std::size_t>(w.ColumnOf(k))] = !equation(k);
  }

  for (int i = 1; i <= m; ++i) {
    ThrowIfCancelled(observer);
    ConstraintSensitivity c;
    const int k = n + i;
    c.basic = w.RowOf(k) != 0;
    c.rightHandSide = problem(i, constant);
    Limits range;
    // b(i) + delta moves y[i] by delta (less-or-equal, equation) or by
    // -delta (greater-or-equal); with y[i] non-basic that is its column
    // taken at -delta or +delta.
    const int along = problem(i, n + 2) > 0 ? 1 : -1;
    if (c.basic) {
      const Rational& value = w.At(w.RowOf(k), constant);
      range.KeepNonNegative(1, value, -along, kOne);
      if (equation(k)) range.KeepNonNegative(-1, value, along, kOne);
    } else {
      const int col = w.ColumnOf(k);
      c.shadowPrice = sigma * along * w.At(objective, col);
      for (int p = 1; p <= m; ++p) {
        range.KeepNonNegative(1, w.At(p, constant), along, w.At(p, col));
        if (equation(w.BasicIn(p)))
          range.KeepNonNegative(-1, w.At(p, constant), -along, w.At(p, col));
      }
    }
    c.rightHandSideRange = range.Range();
    Shift(c.rightHandSideRange, c.rightHandSide);
    result.constraints.push_back(std::move(c));
  }

  for (int j = 1; j <= n; ++j) {
    ThrowIfCancelled(observer);
    VariableSensitivity v;
    v.basic = w.RowOf(j) != 0;
    v.cost = problem(objective, j);
    Limits range;
    if (v.basic) {
      const int p = w.RowOf(j);
      v.value = w.At(p, constant);
      // c(j) + delta adds sigma * delta * (row p) to the objective row; every
      // free non-basic entry there must stay at most 0.
      for (int col = 1; col <= n; ++col) {
        if (free[static_cast<std::size_t>(col)])
          range.KeepNonNegative(-1, w.At(objective, col), -sigma, w.At(p, col));
      }
    } else {
      const int col = w.ColumnOf(j);
      v.reducedCost = sigma * w.At(objective, col);
      range.KeepNonNegative(-1, w.At(objective, col), -sigma, kOne);
    }
    v.costRange = range.Range();
    Shift(v.costRange, v.cost);
    result.variables.push_back(std::move(v));
  }
  result.available = true;
  return result;
}

}  // namespace pivora
