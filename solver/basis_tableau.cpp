#include "solver/basis_tableau.h"

#include <memory>
#include <utility>
#include <vector>

namespace pivora {

namespace {

// The problem with every row scaled to integers: row i (and the objective,
// row m+1) times the least common multiple scale(i) of its denominators.
class IntegerRows {
 public:
  IntegerRows(const ExactTableau& problem, int m, int n)
      : n_(n), cells_(static_cast<std::size_t>((m + 1) * (n + 1))), scales_(m + 2) {
    for (int i = 1; i <= m + 1; ++i) {
      mpz_class& scale = scales_[static_cast<std::size_t>(i)];
      scale = 1;
      const int last = i <= m ? n + 1 : n;
      for (int j = 1; j <= last; ++j) {
        mpz_lcm(scale.get_mpz_t(), scale.get_mpz_t(), problem(i, j).get_den_mpz_t());
      }
      for (int j = 1; j <= last; ++j) {
        const Rational& q = problem(i, j);
        mpz_class& cell = At(i, j);
        mpz_divexact(cell.get_mpz_t(), scale.get_mpz_t(), q.get_den_mpz_t());
        cell *= q.get_num();
      }
    }
  }

  const mpz_class& At(int i, int j) const { return cells_[Index(i, j)]; }
  const mpz_class& Scale(int i) const { return scales_[static_cast<std::size_t>(i)]; }

 private:
  mpz_class& At(int i, int j) { return cells_[Index(i, j)]; }
  std::size_t Index(int i, int j) const {
    return static_cast<std::size_t>((i - 1) * (n_ + 1) + j - 1);
  }

  int n_;
  std::vector<mpz_class> cells_;
  std::vector<mpz_class> scales_;
};

// Where each variable stands: the tight constraints (slack or zero variable
// non-basic) with their columns, the basic x with their rows.
struct BasisPlaces {
  std::vector<int> tightConstraint;  // in column order
  std::vector<int> tightColumn;
  std::vector<int> basicX;  // in row order
  std::vector<int> basicXRow;
  std::vector<int> tightIndex;  // constraint -> index in tightConstraint, or -1
};

bool Equation(const ExactTableau& problem, int i, int n) { return problem(i, n + 2) == 0; }

bool ReadPlaces(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                BasisPlaces& places) {
  std::vector<int> seen(static_cast<std::size_t>(n + m + 1), 0);  // x[j] -> j, y[i] -> n + i
  places.tightIndex.assign(static_cast<std::size_t>(m + 1), -1);
  const auto place = [&](int variable) { return ++seen[static_cast<std::size_t>(variable)] == 1; };
  for (int j = 1; j <= n; ++j) {
    int label = basis.column[static_cast<std::size_t>(j)];
    if (label > n || label < -m) return false;
    if (label == 0) {
      const int e = basis.zeroColumnEquation[static_cast<std::size_t>(j)];
      if (e < 1 || e > m || !Equation(problem, e, n)) return false;
      label = -e;
    }
    if (label > 0) {
      if (!place(label)) return false;
      continue;
    }
    if (!place(n - label)) return false;
    places.tightIndex[static_cast<std::size_t>(-label)] =
        static_cast<int>(places.tightConstraint.size());
    places.tightConstraint.push_back(-label);
    places.tightColumn.push_back(j);
  }
  for (int i = 1; i <= m; ++i) {
    const int label = basis.row[static_cast<std::size_t>(i)];
    if (label > n || label < -m) return false;
    if (label == 0 && !Equation(problem, i, n)) return false;
    if (label > 0) {
      if (!place(label)) return false;
      places.basicX.push_back(label);
      places.basicXRow.push_back(i);
    } else if (!place(label == 0 ? n + i : n - label)) {
      return false;
    }
  }
  return places.basicX.size() == places.tightConstraint.size();
}

// A k x width integer matrix, rows contiguous.
class IntegerMatrix {
 public:
  IntegerMatrix(int rows, int width)
      : width_(width), cells_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(width)) {}
  mpz_class& operator()(int i, int j) {
    return cells_[static_cast<std::size_t>(i) * static_cast<std::size_t>(width_) +
                  static_cast<std::size_t>(j)];
  }
  void SwapRows(int a, int b) {
    for (int j = 0; j < width_; ++j) std::swap((*this)(a, j), (*this)(b, j));
  }
  int Width() const { return width_; }

 private:
  int width_;
  std::vector<mpz_class> cells_;
};

// Fraction-free Gauss-Jordan elimination of the k x k left block of `a`:
// every step sets row i to (pivot * row i - a(i, p) * row p) / previous pivot
// for every other row, an exact division (Bareiss, 1968). Afterwards the left
// block is determinant * identity and the right block determinant * (left
// block)^-1 * right block, all integers. False if the left block is singular.
bool EliminateFractionFree(IntegerMatrix& a, int k, mpz_class& determinant,
                           ExchangeObserver* observer) {
  mpz_class previous = 1;
  mpz_class product;
  for (int p = 0; p < k; ++p) {
    ThrowIfCancelled(observer);
    int r = p;
    while (r < k && a(r, p) == 0) ++r;
    if (r == k) return false;
    if (r != p) a.SwapRows(r, p);
    const mpz_class& pivot = a(p, p);
    for (int i = 0; i < k; ++i) {
      if (i == p) continue;
      const mpz_class factor = a(i, p);
      for (int q = p + 1; q < a.Width(); ++q) {
        mpz_mul(product.get_mpz_t(), pivot.get_mpz_t(), a(i, q).get_mpz_t());
        if (factor != 0) mpz_submul(product.get_mpz_t(), factor.get_mpz_t(), a(p, q).get_mpz_t());
        mpz_divexact(a(i, q).get_mpz_t(), product.get_mpz_t(), previous.get_mpz_t());
      }
      a(i, p) = 0;
    }
    for (int i = 0; i < p; ++i) a(i, i) = pivot;
    previous = pivot;
  }
  determinant = previous;
  return true;
}

}  // namespace

bool BuildBasisTableau(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                       BasicWorkTableau<FractionFree>& w, ExchangeObserver* observer) {
  BasisPlaces places;
  if (!ReadPlaces(problem, m, n, basis, places)) return false;
  const IntegerRows rows(problem, m, n);
  const int k = static_cast<int>(places.basicX.size());

  // The tight rows as a system in the basic x: for tight constraint t with
  // slack y(t) = g(t) (a(t) x - b(t)),
  //   a'(t, B) x(B) = b'(t) + scale(t) g(t) y(t) - a'(t, N) x(N),
  // right block column j - 1 for work column j, column n for the constant.
  IntegerMatrix a(k, k + n + 1);
  for (int p = 0; p < k; ++p) {
    const int t = places.tightConstraint[static_cast<std::size_t>(p)];
    for (int q = 0; q < k; ++q) a(p, q) = rows.At(t, places.basicX[static_cast<std::size_t>(q)]);
    a(p, k + n) = rows.At(t, n + 1);
  }
  for (int j = 1; j <= n; ++j) {
    const int label = basis.column[static_cast<std::size_t>(j)];
    if (label > 0) {
      for (int p = 0; p < k; ++p) {
        a(p, k + j - 1) = -rows.At(places.tightConstraint[static_cast<std::size_t>(p)], label);
      }
    } else {
      const int t = label < 0 ? -label : basis.zeroColumnEquation[static_cast<std::size_t>(j)];
      const int p = places.tightIndex[static_cast<std::size_t>(t)];
      a(p, k + j - 1) = problem(t, n + 2) > 0 ? rows.Scale(t) : mpz_class(-rows.Scale(t));
    }
  }
  mpz_class determinant;
  if (!EliminateFractionFree(a, k, determinant, observer)) return false;

  // One common denominator: determinant * lcm of the scales of the rows
  // computed by substitution (basic slacks and the objective).
  mpz_class common = rows.Scale(m + 1);
  for (int i = 1; i <= m; ++i) {
    const int label = basis.row[static_cast<std::size_t>(i)];
    if (label <= 0) {
      const int e = label == 0 ? i : -label;
      mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), rows.Scale(e).get_mpz_t());
    }
  }
  const mpz_class lcmScales = common;
  common *= determinant;
  const int sign = sgn(common);
  mpz_class odd = abs(common);
  const long twos = static_cast<long>(mpz_scan1(odd.get_mpz_t(), 0));
  mpz_tdiv_q_2exp(odd.get_mpz_t(), odd.get_mpz_t(), static_cast<mp_bitcnt_t>(twos));
  const FractionFree::Denominator shared =
      odd == 1 ? nullptr : std::make_shared<const mpz_class>(odd);
  const auto entry = [&](mpz_class numerator) {
    return FractionFree::OverShared(std::move(numerator), sign, shared, twos);
  };

  w.Fill(FractionFree(0));
  // Basic x: determinant * x(B) is the right block.
  for (int q = 0; q < k; ++q) {
    const int i = places.basicXRow[static_cast<std::size_t>(q)];
    for (int j = 1; j <= n + 1; ++j) w(i, j) = entry(lcmScales * a(q, k + j - 1));
  }
  // Row `r` (1..m+1) whose variable is factor / scale(e) * (a'(e) x - b'(e))
  // (the objective: sigma / scale(c) * c' x), by substituting x(B).
  mpz_class sum;
  const auto substitute = [&](int r, int e, int factor, bool constant) {
    const mpz_class multiple = lcmScales / rows.Scale(e);
    for (int j = 1; j <= n + 1; ++j) {
      sum = 0;
      for (int q = 0; q < k; ++q) {
        mpz_addmul(sum.get_mpz_t(),
                   rows.At(e, places.basicX[static_cast<std::size_t>(q)]).get_mpz_t(),
                   a(q, k + j - 1).get_mpz_t());
      }
      const int label = j <= n ? basis.column[static_cast<std::size_t>(j)] : 0;
      if (label > 0)
        mpz_addmul(sum.get_mpz_t(), determinant.get_mpz_t(), rows.At(e, label).get_mpz_t());
      if (j == n + 1 && constant)
        mpz_submul(sum.get_mpz_t(), determinant.get_mpz_t(), rows.At(e, n + 1).get_mpz_t());
      sum *= multiple;
      if (factor < 0) sum = -sum;
      w(r, j) = entry(sum);
    }
  };
  for (int i = 1; i <= m; ++i) {
    const int label = basis.row[static_cast<std::size_t>(i)];
    if (label > 0) continue;
    const int e = label == 0 ? i : -label;
    substitute(i, e, problem(e, n + 2) > 0 ? 1 : -1, true);
  }
  substitute(m + 1, m + 1, problem(m + 1, n + 2) > 0 ? 1 : -1, false);

  for (int i = 1; i <= m; ++i) w(i, n + 2) = FractionFree(basis.row[static_cast<std::size_t>(i)]);
  for (int j = 1; j <= n; ++j)
    w(m + 2, j) = FractionFree(basis.column[static_cast<std::size_t>(j)]);
  return true;
}

bool BuildBasisTableauRow(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                          int r, std::vector<Rational>& row, ExchangeObserver* observer) {
  BasisPlaces places;
  if (!ReadPlaces(problem, m, n, basis, places)) return false;
  const IntegerRows rows(problem, m, n);
  const int k = static_cast<int>(places.basicX.size());
  const auto basicX = [&](int q) { return places.basicX[static_cast<std::size_t>(q)]; };
  const auto tight = [&](int p) { return places.tightConstraint[static_cast<std::size_t>(p)]; };

  // Row r is v * x(B) (+ the row's own terms for a slack): v picks the basic
  // x of row r, or holds the constraint's scaled coefficients on the basic x.
  // Then v * x(B) = v * M^-1 * right block = u * right block, M^T u = v.
  const int label = basis.row[static_cast<std::size_t>(r)];
  const int e = label > 0 ? 0 : label == 0 ? r : -label;
  IntegerMatrix a(k, k + 1);
  for (int p = 0; p < k; ++p) {
    for (int q = 0; q < k; ++q) a(p, q) = rows.At(tight(q), basicX(p));
    a(p, k) = e != 0 ? rows.At(e, basicX(p)) : mpz_class(basicX(p) == label ? 1 : 0);
  }
  mpz_class determinant;
  if (!EliminateFractionFree(a, k, determinant, observer)) return false;

  // determinant * entry * (scale(e) g(e) for a slack) for every column.
  row.assign(static_cast<std::size_t>(n + 1), Rational(0));
  mpz_class sum;
  for (int j = 1; j <= n + 1; ++j) {
    sum = 0;
    const int column = j <= n ? basis.column[static_cast<std::size_t>(j)] : 0;
    if (j == n + 1 || column > 0) {
      for (int p = 0; p < k; ++p) {
        const mpz_class& right = j == n + 1 ? rows.At(tight(p), n + 1) : rows.At(tight(p), column);
        if (j == n + 1) {
          mpz_addmul(sum.get_mpz_t(), a(p, k).get_mpz_t(), right.get_mpz_t());
        } else {
          mpz_submul(sum.get_mpz_t(), a(p, k).get_mpz_t(), right.get_mpz_t());
        }
      }
      if (e != 0) {
        const mpz_class& own = rows.At(e, j == n + 1 ? n + 1 : column);
        if (j == n + 1) {
          mpz_submul(sum.get_mpz_t(), determinant.get_mpz_t(), own.get_mpz_t());
        } else {
          mpz_addmul(sum.get_mpz_t(), determinant.get_mpz_t(), own.get_mpz_t());
        }
      }
    } else {
      const int t = column < 0 ? -column : basis.zeroColumnEquation[static_cast<std::size_t>(j)];
      const int p = places.tightIndex[static_cast<std::size_t>(t)];
      sum = a(p, k) * rows.Scale(t);
      if (problem(t, n + 2) <= 0) sum = -sum;
    }
    mpz_class denominator = determinant;
    if (e != 0) {
      denominator *= rows.Scale(e);
      if (problem(e, n + 2) <= 0) denominator = -denominator;
    }
    Rational& entry = row[static_cast<std::size_t>(j - 1)];
    entry = Rational(sum, denominator);
    entry.canonicalize();
  }
  return true;
}

}  // namespace pivora
