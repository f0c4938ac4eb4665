#include "solver/exact_replay.h"

#include <memory>
#include <utility>
#include <vector>

#include "solver/basis_tableau.h"
#include "solver/exact_tables.h"

namespace pivora {

namespace {

// The part of the work tableau a replay reads: the labels, the constants and
// the objective row. A column is built from the problem where an exchange
// needs it, by one solve of the basis system; the rest of the tableau is
// never built. Each value is exact, so the replay decides as an exact run on
// the whole tableau would.
class ReplayTableau {
 public:
  ReplayTableau(const IntegerRows& rows, const BasisLabels& basis, ExchangeObserver* observer)
      : rows_(rows), m_(rows.M()), n_(rows.N()), basis_(basis), observer_(observer) {}

  // The constants, then the objective row at the basis; false where the
  // labels name no basis or a singular one.
  bool BuildConstants() {
    return BuildBasisTableauColumn(rows_, basis_, n_ + 1, constants_, observer_);
  }
  bool BuildObjective() {
    return BuildBasisTableauRow(rows_, basis_, m_ + 1, objective_, observer_);
  }

  const Rational& Constant(int i) const { return constants_[static_cast<std::size_t>(i - 1)]; }
  const Rational& Objective(int j) const { return objective_[static_cast<std::size_t>(j - 1)]; }
  int RowLabel(int i) const { return basis_.row[static_cast<std::size_t>(i)]; }
  bool ColumnFree(int j) const { return basis_.column[static_cast<std::size_t>(j)] != 0; }

  // Column s at the current basis, rows 1..m+1 into column[0..m].
  bool Column(int s, std::vector<Rational>& column) const {
    return BuildBasisTableauColumn(rows_, basis_, s, column, observer_);
  }

  // The exchange of row r and column s, whose column at the current basis is
  // `column` and whose objective entry is 0: the constants change as Pivot
  // changes them, the objective row keeps its values (0 stays in column s),
  // and the labels swap. Shown to the observer as an exact run's step.
  void Exchange(int r, int s, const std::vector<Rational>& column) {
    ThrowIfCancelled(observer_);
    const Rational& p = column[static_cast<std::size_t>(r - 1)];
    const Rational pivotConstant = -Constant(r) / p;
    for (int i = 1; i <= m_ + 1; ++i) {
      if (i != r)
        constants_[static_cast<std::size_t>(i - 1)] +=
            column[static_cast<std::size_t>(i - 1)] * pivotConstant;
    }
    constants_[static_cast<std::size_t>(r - 1)] = pivotConstant;
    std::swap(basis_.row[static_cast<std::size_t>(r)], basis_.column[static_cast<std::size_t>(s)]);
    ++exchanges_;
    if (observer_ != nullptr) {
      observer_->Exchanged(ExchangeStep{ExchangePhase::kAlternatives, exchanges_, r, s, m_, n_});
    }
  }

  // Writes column k of `solutions` as StoreSolution does from the whole
  // tableau.
  void Store(BasicSolutionTable<Rational>& solutions, int k, int sigma) const {
    const auto rowOf = [this](int label) { return label > 0 ? label : n_ - label; };
    for (int i = 0; i <= n_ + m_; ++i) solutions(i, k) = 0;
    for (int i = 1; i <= m_; ++i) solutions(rowOf(RowLabel(i)), k) = Constant(i);
    for (int j = 1; j <= n_; ++j) {
      const int label = basis_.column[static_cast<std::size_t>(j)];
      if (label != 0) solutions(rowOf(label), k) = Objective(j);
    }
    solutions(0, k) = sigma * Constant(m_ + 1);
  }

  long Exchanges() const { return exchanges_; }

 private:
  const IntegerRows& rows_;
  int m_;
  int n_;
  BasisLabels basis_;
  ExchangeObserver* observer_;
  std::vector<Rational> constants_;  // column n+1, rows 1..m+1
  std::vector<Rational> objective_;  // row m+1, columns 1..n+1
  long exchanges_ = 0;
};

bool ConstantsNonNegative(const ReplayTableau& t, int m) {
  for (int i = 1; i <= m; ++i) {
    if (t.Constant(i) < 0) return false;
  }
  return true;
}

bool Feasible(const ReplayTableau& t, int m) {
  for (int i = 1; i <= m; ++i) {
    if (t.RowLabel(i) == 0) return false;
  }
  return ConstantsNonNegative(t, m);
}

bool Optimal(const ReplayTableau& t, int n) {
  for (int j = 1; j <= n; ++j) {
    if (t.ColumnFree(j) && t.Objective(j) > 0) return false;
  }
  return true;
}

// The search's own entering column: the first free column other than
// `previous` whose objective entry is 0; 0 if none.
int SearchColumn(const ReplayTableau& t, int n, int previous) {
  for (int j = 1; j <= n; ++j) {
    if (j != previous && t.ColumnFree(j) && t.Objective(j) == 0) return j;
  }
  return 0;
}

// ChooseRatioRow on `column`: the row of the smallest |constant / entry|
// among the negative entries, the first row on ties; 0 if none.
int RatioRow(const ReplayTableau& t, int m, const std::vector<Rational>& column) {
  int r = 0;
  Rational best;
  for (int i = 1; i <= m; ++i) {
    const Rational& entry = column[static_cast<std::size_t>(i - 1)];
    if (!(entry < 0)) continue;
    Rational ratio = abs(t.Constant(i) / entry);
    if (r == 0 || best > ratio) {
      best = std::move(ratio);
      r = i;
    }
  }
  return r;
}

bool DiffersFromFirst(const BasicSolutionTable<Rational>& solutions, int k, int m, int n) {
  for (int i = 0; i <= n + m; ++i) {
    if (solutions(i, 1) != solutions(i, k)) return true;
  }
  return false;
}

}  // namespace

bool ReplayOptimum(const IntegerRows& rows, const BasisLabels& start,
                   std::span<const std::array<int, 2>> search, SolveStatus runStatus,
                   SolutionTable& solutions, SolveStatus& status, long& exchanges,
                   ExchangeObserver* observer, bool* exactRunsOwn, ExactSolutions* values) {
  const WorkScope part(observer, WorkPhase::kReplay);
  const int m = rows.M();
  const int n = rows.N();
  ReplayTableau t(rows, start, observer);
  // The objective row is built only for a feasible basis.
  if (!t.BuildConstants() || !Feasible(t, m) || !t.BuildObjective() || !Optimal(t, n)) return false;
  const int sigma = rows.RowSign(m + 1);
  auto exact = std::make_unique<BasicSolutionTable<Rational>>();
  SolveStatus exactStatus = 1;
  t.Store(*exact, 1, sigma);

  bool own = true;
  const int count = static_cast<int>(search.size());
  // One exchange per kept vertex; one more where the last was dropped.
  const bool droppedLast = runStatus == count;
  int previous = 0;
  std::vector<Rational> column;
  for (int step = 0; step < count; ++step) {
    const auto [r, s] = search[static_cast<std::size_t>(step)];
    if (s == previous || !t.ColumnFree(s) || !(t.Objective(s) == 0)) return false;
    if (!t.Column(s, column) || !(column[static_cast<std::size_t>(r - 1)] < 0)) return false;
    own = own && s == SearchColumn(t, n, previous) && r == RatioRow(t, m, column);
    previous = s;
    t.Exchange(r, s, column);
    if (!ConstantsNonNegative(t, m)) return false;
    t.Store(*exact, exactStatus + 1, sigma);
    const bool differs = DiffersFromFirst(*exact, exactStatus + 1, m, n);
    const bool dropped = droppedLast && step == count - 1;
    if (differs == dropped) return false;
    if (!dropped) ++exactStatus;
  }
  // The search, continued exactly by its own rule, would store no further
  // vertex.
  if (!droppedLast && exactStatus < kMaxSolutions) {
    const int s = SearchColumn(t, n, previous);
    if (s != 0) {
      if (!t.Column(s, column)) return false;
      const int r = RatioRow(t, m, column);
      if (r != 0) {
        t.Exchange(r, s, column);
        t.Store(*exact, exactStatus + 1, sigma);
        if (DiffersFromFirst(*exact, exactStatus + 1, m, n)) return false;
      }
    }
  }
  exchanges = t.Exchanges();
  if (exactRunsOwn != nullptr) *exactRunsOwn = own;

  StoreRounded(*exact, exactStatus, m, n, solutions, status, values);
  return true;
}

}  // namespace pivora
