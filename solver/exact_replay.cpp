#include "solver/exact_replay.h"

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "solver/basis_tableau.h"
#include "solver/fp_error.h"
#include "solver/quotient.h"

namespace pivora {

namespace {

using Vertex = std::vector<Quotient>;  // rows 0..n+m of one solution

// The part of the work tableau a replay reads: the labels, the constants and
// the objective row, and the one column an exchange needs, built from the
// problem at each basis by one solve with the constants beside it; the rest
// of the tableau is never built. Every value is exact and held unreduced, as
// the solve gives it (Quotient): the replay decides as an exact run on the
// whole tableau would, and no greatest common divisor is ever taken.
class ReplayTableau {
 public:
  ReplayTableau(const IntegerRows& rows, const BasisLabels& basis, ExchangeObserver* observer)
      : rows_(rows), m_(rows.M()), n_(rows.N()), basis_(basis), observer_(observer) {}

  // The constants at the current basis and, where s != 0, column s from the
  // same solve, whose rows then share their denominators with the
  // constants' (RatioRow needs that; separate solves need not give the same
  // terms); false where the labels name no basis or a singular one.
  bool Solve(int s) {
    std::vector<int> js;
    if (s >= 1 && s <= n_) js.push_back(s);
    js.push_back(n_ + 1);
    std::vector<std::vector<Quotient>> built;
    if (!BuildBasisQuotientColumns(rows_, basis_, js, built, observer_)) return false;
    constants_ = std::move(built.back());
    columnIndex_ = js.size() > 1 ? s : 0;
    if (columnIndex_ != 0) column_ = std::move(built.front());
    return true;
  }
  // The objective row at the current basis.
  bool BuildObjective() {
    std::vector<std::vector<Quotient>> built;
    if (!BuildBasisQuotientRows(rows_, basis_, {m_ + 1}, built, observer_)) return false;
    objective_ = std::move(built[0]);
    return true;
  }

  const Quotient& Constant(int i) const { return constants_[static_cast<std::size_t>(i - 1)]; }
  const Quotient& Objective(int j) const { return objective_[static_cast<std::size_t>(j - 1)]; }
  // The column solved with the constants, 0 where none was, and its entry
  // in row i.
  int Column() const { return columnIndex_; }
  const Quotient& Entry(int i) const { return column_[static_cast<std::size_t>(i - 1)]; }
  int RowLabel(int i) const { return basis_.row[static_cast<std::size_t>(i)]; }
  bool ColumnFree(int j) const {
    return j >= 1 && j <= n_ && basis_.column[static_cast<std::size_t>(j)] != 0;
  }

  // The exchange of row r and column s, whose objective entry is 0: the
  // objective row keeps its values (0 stays in column s) and the labels
  // swap; the constants are solved anew at the new basis (Solve). Shown to
  // the observer as an exact run's step.
  void Exchange(int r, int s) {
    ThrowIfCancelled(observer_);
    std::swap(basis_.row[static_cast<std::size_t>(r)], basis_.column[static_cast<std::size_t>(s)]);
    columnIndex_ = 0;
    ++exchanges_;
    if (observer_ != nullptr) {
      observer_->Exchanged(ExchangeStep{ExchangePhase::kAlternatives, exchanges_, r, s, m_, n_});
    }
  }

  // The current vertex as StoreSolution writes it from the whole tableau.
  Vertex Store(int sigma) const {
    const auto rowOf = [this](int label) { return label > 0 ? label : n_ - label; };
    Vertex v(static_cast<std::size_t>(n_ + m_ + 1));
    for (int i = 1; i <= m_; ++i) v[static_cast<std::size_t>(rowOf(RowLabel(i)))] = Constant(i);
    for (int j = 1; j <= n_; ++j) {
      const int label = basis_.column[static_cast<std::size_t>(j)];
      if (label != 0) v[static_cast<std::size_t>(rowOf(label))] = Objective(j);
    }
    const Quotient& z = Constant(m_ + 1);
    v[0] = Quotient(sigma * z.num, z.den);
    return v;
  }

  long Exchanges() const { return exchanges_; }

 private:
  const IntegerRows& rows_;
  int m_;
  int n_;
  BasisLabels basis_;
  ExchangeObserver* observer_;
  std::vector<Quotient> constants_;  // column n+1, rows 1..m+1
  std::vector<Quotient> objective_;  // row m+1, columns 1..n+1
  std::vector<Quotient> column_;     // column columnIndex_, rows 1..m+1
  int columnIndex_ = 0;
  long exchanges_ = 0;
};

bool ConstantsNonNegative(const ReplayTableau& t, int m) {
  for (int i = 1; i <= m; ++i) {
    if (Sign(t.Constant(i)) < 0) return false;
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
    if (t.ColumnFree(j) && Sign(t.Objective(j)) > 0) return false;
  }
  return true;
}

// The search's own entering column: the first free column other than
// `previous` whose objective entry is 0; 0 if none.
int SearchColumn(const ReplayTableau& t, int n, int previous) {
  for (int j = 1; j <= n; ++j) {
    if (j != previous && t.ColumnFree(j) && Sign(t.Objective(j)) == 0) return j;
  }
  return 0;
}

// ChooseRatioRow on the column last solved: the row of the smallest
// |constant / entry| among the negative entries, the first row on ties; 0
// if none. Constant and entry of a row share their denominator, so the
// ratio is that of their numerators.
int RatioRow(const ReplayTableau& t, int m) {
  int r = 0;
  Quotient best;
  for (int i = 1; i <= m; ++i) {
    const Quotient& entry = t.Entry(i);
    if (Sign(entry) >= 0) continue;
    Quotient ratio(abs(t.Constant(i).num), abs(entry.num));
    if (r == 0 || Compare(best, ratio) > 0) {
      best = std::move(ratio);
      r = i;
    }
  }
  return r;
}

bool Differs(const Vertex& a, const Vertex& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Compare(a[i], b[i]) != 0) return true;
  }
  return false;
}

// As StoreRounded: every value is rounded before anything is written, so an
// optimum beyond the extended range throws FloatingPointError("Floating
// point overflow.") and leaves the tables as they were; `values` (may be
// null) gets the values unreduced.
void StoreVertices(const std::vector<Vertex>& vertices, int m, int n, SolutionTable& solutions,
                   SolveStatus& status, ExactSolutions* values) {
  const SolveStatus count = static_cast<SolveStatus>(vertices.size());
  auto rounded = std::make_unique<SolutionTable>();
  for (int k = 1; k <= count; ++k) {
    const Vertex& v = vertices[static_cast<std::size_t>(k - 1)];
    for (int i = 0; i <= n + m; ++i) {
      const Extended value = NearestExtended(v[static_cast<std::size_t>(i)]);
      if (i == 0 && std::isinf(value)) throw FloatingPointError("Floating point overflow.");
      (*rounded)(i, k) = value;
    }
  }
  if (values) {
    ExactSolutions kept(count, n + m);
    for (int k = 1; k <= count; ++k) {
      for (int i = 0; i <= n + m; ++i)
        kept.Set(i, k, vertices[static_cast<std::size_t>(k - 1)][static_cast<std::size_t>(i)]);
    }
    *values = std::move(kept);
  }
  for (int k = 1; k <= count; ++k) {
    for (int i = 0; i <= n + m; ++i) solutions(i, k) = (*rounded)(i, k);
  }
  status = count;
}

}  // namespace

bool ReplayOptimum(const IntegerRows& rows, const BasisLabels& start,
                   std::span<const std::array<int, 2>> search, SolveStatus runStatus,
                   SolutionTable& solutions, SolveStatus& status, long& exchanges,
                   ExchangeObserver* observer, bool* exactRunsOwn, ExactSolutions* values) {
  const WorkScope part(observer, WorkPhase::kReplay);
  const int m = rows.M();
  const int n = rows.N();
  const int count = static_cast<int>(search.size());
  const auto entering = [&](int step) { return search[static_cast<std::size_t>(step)][1]; };
  ReplayTableau t(rows, start, observer);
  // The objective row is built only for a feasible basis.
  if (!t.Solve(count > 0 ? entering(0) : 0) || !Feasible(t, m) || !t.BuildObjective() ||
      !Optimal(t, n))
    return false;
  const int sigma = rows.RowSign(m + 1);
  std::vector<Vertex> vertices{t.Store(sigma)};

  // One exchange per kept vertex; one more where the last was dropped.
  const bool droppedLast = runStatus == count;
  // The column the search, continued exactly by its own rule, would enter
  // after `previous`, where it would go on at all.
  const auto continued = [&](int previous) {
    return droppedLast ? 0 : SearchColumn(t, n, previous);
  };
  if (count == 0 && continued(0) != 0 && !t.Solve(continued(0))) return false;
  bool own = true;
  int previous = 0;
  for (int step = 0; step < count; ++step) {
    const auto [r, s] = search[static_cast<std::size_t>(step)];
    if (s == previous || !t.ColumnFree(s) || Sign(t.Objective(s)) != 0) return false;
    if (t.Column() != s || Sign(t.Entry(r)) >= 0) return false;
    own = own && s == SearchColumn(t, n, previous) && r == RatioRow(t, m);
    previous = s;
    t.Exchange(r, s);
    if (!t.Solve(step + 1 < count ? entering(step + 1) : continued(previous))) return false;
    if (!ConstantsNonNegative(t, m)) return false;
    Vertex v = t.Store(sigma);
    const bool differs = Differs(vertices.front(), v);
    const bool dropped = droppedLast && step == count - 1;
    if (differs == dropped) return false;
    if (!dropped) vertices.push_back(std::move(v));
  }
  // The search, continued exactly by its own rule, would store no further
  // vertex.
  const int s = continued(previous);
  if (s != 0 && static_cast<int>(vertices.size()) < kMaxSolutions) {
    if (t.Column() != s) return false;
    const int r = RatioRow(t, m);
    if (r != 0) {
      t.Exchange(r, s);
      if (!t.Solve(0)) return false;
      if (Differs(vertices.front(), t.Store(sigma))) return false;
    }
  }
  exchanges = t.Exchanges();
  if (exactRunsOwn != nullptr) *exactRunsOwn = own;

  StoreVertices(vertices, m, n, solutions, status, values);
  return true;
}

}  // namespace pivora
