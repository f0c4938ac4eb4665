#include "solver/sensitivity.h"

#include <cstddef>

namespace pivora {

namespace {

using Matrix = std::vector<std::vector<Rational>>;

// Variables are numbered 1..n for x[j] and n+i for y[i].
class BasisModel {
 public:
  BasisModel(const ProblemEntry& problem, int m, int n) : m_(m), n_(n) {
    const int objective = m + 1;
    maximise_ = problem(objective, n + 2) > 0;
    a_.assign(static_cast<std::size_t>(m), std::vector<Rational>(static_cast<std::size_t>(n)));
    for (int i = 1; i <= m; ++i) {
      for (int j = 1; j <= n; ++j) A(i, j) = problem(i, j);
      b_.push_back(problem(i, n + 1));
      const Rational code = problem(i, n + 2);
      slackSign_.push_back(code > 0 ? -1 : 1);
      equation_.push_back(code == 0);
    }
    for (int j = 1; j <= n; ++j) c_.push_back(problem(objective, j));
  }

  int m() const { return m_; }
  int n() const { return n_; }
  bool Maximise() const { return maximise_; }
  Rational& A(int i, int j) { return a_[Index(i)][Index(j)]; }
  const Rational& B(int i) const { return b_[Index(i)]; }
  Rational Cost(int k) const { return k <= n_ ? c_[Index(k)] : Rational(0); }
  bool Fixed(int k) const { return k > n_ && equation_[Index(k - n_)]; }
  // Entry of row i (1..m) in the column of variable k.
  Rational Column(int k, int i) const {
    if (k <= n_) return a_[Index(i)][Index(k)];
    return k - n_ == i ? Rational(slackSign_[Index(i)]) : Rational(0);
  }

  static std::size_t Index(int oneBased) { return static_cast<std::size_t>(oneBased - 1); }

 private:
  int m_;
  int n_;
  bool maximise_ = true;
  Matrix a_;
  std::vector<Rational> b_;
  std::vector<Rational> c_;
  std::vector<int> slackSign_;
  std::vector<bool> equation_;
};

// Gauss-Jordan inversion of a square matrix; false when it is singular.
bool Invert(Matrix& matrix, Matrix& inverse) {
  const std::size_t size = matrix.size();
  inverse.assign(size, std::vector<Rational>(size));
  for (std::size_t i = 0; i < size; ++i) inverse[i][i] = 1;
  for (std::size_t col = 0; col < size; ++col) {
    std::size_t pivot = col;
    while (pivot < size && matrix[pivot][col] == 0) ++pivot;
    if (pivot == size) return false;
    std::swap(matrix[pivot], matrix[col]);
    std::swap(inverse[pivot], inverse[col]);
    const Rational p = matrix[col][col];
    for (std::size_t j = 0; j < size; ++j) {
      matrix[col][j] /= p;
      inverse[col][j] /= p;
    }
    for (std::size_t i = 0; i < size; ++i) {
      if (i == col || matrix[i][col] == 0) continue;
      const Rational f = matrix[i][col];
      for (std::size_t j = 0; j < size; ++j) {
        if (matrix[col][j] != 0) matrix[i][j] -= f * matrix[col][j];
        if (inverse[col][j] != 0) inverse[i][j] -= f * inverse[col][j];
      }
    }
  }
  return true;
}

// Narrows [lower, upper] of a step delta by the condition base + delta * rate >= 0.
void KeepNonNegative(const Rational& base, const Rational& rate, SensitivityRange& range) {
  if (rate == 0) return;
  const Rational limit = -base / rate;
  RangeEnd& end = rate > 0 ? range.lower : range.upper;
  const bool tighter = !end.finite || (rate > 0 ? limit > end.value : limit < end.value);
  if (tighter) end = RangeEnd{true, limit};
}

void Shift(SensitivityRange& range, const Rational& by) {
  if (range.lower.finite) range.lower.value += by;
  if (range.upper.finite) range.upper.value += by;
}

}  // namespace

ProblemEntry ExtendedProblem(const Tableau& tableau) {
  return [&tableau](int row, int column) { return ExactRational(tableau(row, column)); };
}

ProblemEntry TypedProblem(const ExactTableau& problem) {
  return [&problem](int row, int column) { return problem(row, column); };
}

Sensitivity AnalyseSensitivity(const ProblemEntry& problem, int m, int n,
                               const std::vector<int>& rowLabels) {
  Sensitivity result;
  const BasisModel model(problem, m, n);
  const auto index = BasisModel::Index;

  // The basic variable of each basis position, and each variable's position.
  std::vector<int> basic;
  std::vector<int> position(static_cast<std::size_t>(n + m + 1), 0);
  for (int p = 1; p <= m; ++p) {
    const int label = rowLabels[index(p)];
    const int k = label > 0 ? label : n - label;
    if (label == 0 || k > n + m || position[static_cast<std::size_t>(k)] != 0) return result;
    basic.push_back(k);
    position[static_cast<std::size_t>(k)] = p;
  }

  Matrix matrix(static_cast<std::size_t>(m), std::vector<Rational>(static_cast<std::size_t>(m)));
  for (int i = 1; i <= m; ++i) {
    for (int p = 1; p <= m; ++p) matrix[index(i)][index(p)] = model.Column(basic[index(p)], i);
  }
  Matrix inverse;
  if (!Invert(matrix, inverse)) return result;

  // Values of the basic variables, prices pi = c_B B^-1 (the shadow prices,
  // dz/db), and the reduced costs d(k) = c(k) - pi A(k) of every variable.
  std::vector<Rational> value(static_cast<std::size_t>(m));
  std::vector<Rational> price(static_cast<std::size_t>(m));
  for (int p = 1; p <= m; ++p) {
    for (int i = 1; i <= m; ++i) value[index(p)] += inverse[index(p)][index(i)] * model.B(i);
  }
  for (int i = 1; i <= m; ++i) {
    for (int p = 1; p <= m; ++p) {
      price[index(i)] += model.Cost(basic[index(p)]) * inverse[index(p)][index(i)];
    }
  }
  std::vector<Rational> reduced(static_cast<std::size_t>(n + m + 1));
  for (int k = 1; k <= n + m; ++k) {
    if (position[static_cast<std::size_t>(k)] != 0) continue;
    Rational d = model.Cost(k);
    for (int i = 1; i <= m; ++i) d -= price[index(i)] * model.Column(k, i);
    reduced[static_cast<std::size_t>(k)] = d;
  }
  const int sigma = model.Maximise() ? 1 : -1;

  for (int i = 1; i <= m; ++i) {
    ConstraintSensitivity c;
    c.basic = position[static_cast<std::size_t>(n + i)] != 0;
    c.shadowPrice = price[index(i)];
    c.rightHandSide = model.B(i);
    // b(i) + delta keeps B^-1 b + delta B^-1 e(i) non-negative; a basic
    // equation slack must stay 0.
    SensitivityRange& range = c.rightHandSideRange;
    range.lower = range.upper = RangeEnd{};
    for (int p = 1; p <= m; ++p) {
      const Rational& rate = inverse[index(p)][index(i)];
      KeepNonNegative(value[index(p)], rate, range);
      if (model.Fixed(basic[index(p)])) KeepNonNegative(-value[index(p)], -rate, range);
    }
    Shift(range, c.rightHandSide);
    result.constraints.push_back(std::move(c));
  }

  for (int j = 1; j <= n; ++j) {
    VariableSensitivity v;
    const int p = position[static_cast<std::size_t>(j)];
    v.basic = p != 0;
    v.cost = model.Cost(j);
    SensitivityRange& range = v.costRange;
    if (v.basic) {
      v.value = value[index(p)];
      // c(j) + delta changes every d(k) by -delta * (B^-1 A(k))(p); each
      // non-fixed non-basic variable must keep sigma * d(k) <= 0.
      for (int k = 1; k <= n + m; ++k) {
        if (position[static_cast<std::size_t>(k)] != 0 || model.Fixed(k)) continue;
        Rational alpha;
        for (int i = 1; i <= m; ++i) alpha += inverse[index(p)][index(i)] * model.Column(k, i);
        KeepNonNegative(-sigma * reduced[static_cast<std::size_t>(k)], sigma * alpha, range);
      }
    } else {
      v.reducedCost = reduced[static_cast<std::size_t>(j)];
      // Only its own reduced cost moves: sigma * (d(j) + delta) <= 0.
      KeepNonNegative(-sigma * v.reducedCost, Rational(-sigma), range);
    }
    Shift(range, v.cost);
    result.variables.push_back(std::move(v));
  }
  result.available = true;
  return result;
}

}  // namespace pivora
