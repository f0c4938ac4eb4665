#include "solver/enclosed_run.h"

#include <memory>
#include <vector>

#include "solver/enclosure.h"
#include "solver/exact_dictionary.h"
#include "solver/exact_tuning.h"
#include "solver/exchange_method.h"

namespace pivora {

namespace {

using EnclosedTableau = BasicWorkTableau<Enclosure>;
using EnclosedSolutions = BasicSolutionTable<Enclosure>;
using EnclosedRecord = BasicSimplexRecord<EnclosureArithmetic>;

// Passes on the cancel requests alone.
class CancelOnly final : public ExchangeObserver {
 public:
  explicit CancelOnly(ExchangeObserver* observer) : observer_(observer) {}
  bool CancelRequested() override { return observer_ != nullptr && observer_->CancelRequested(); }

 private:
  ExchangeObserver* observer_;
};

// The exact tableau of a basis the run reached after `at` of its exchanges.
struct ExactBasis {
  long at = 0;
  std::shared_ptr<ExactDictionary> exact;
};

// Passes on the cancel requests, and puts the exact tableaux in where the
// run reaches them: the entries computed so far and those whose bounds hold
// 0 as narrow enclosures (an entry that is exactly 0 as 0), every other one
// carrying its exact value,
// to be computed where the bounds leave a choice open. The exchanges carry
// the exact values on, each entry's as the step's operation on those it
// came from, for kExactCarried exchanges; then the bounds go on alone.
class ExactWhereOpen final : public ExchangeObserver {
 public:
  ExactWhereOpen(ExchangeObserver* observer, EnclosedTableau& w, int m, int n,
                 const std::vector<ExactBasis>& exact)
      : observer_(observer), w_(w), m_(m), n_(n), exact_(exact) {}

  bool CancelRequested() override { return observer_ != nullptr && observer_->CancelRequested(); }
  void Exchanged(const ExchangeStep& step) override {
    if (carrying_ && ++carried_ > kExactCarried) {
      for (int i = 1; i <= m_ + 1; ++i) {
        for (int j = 1; j <= n_ + 1; ++j) w_(i, j).DropExact();
      }
      carrying_ = false;
    }
    PutIn(step.number);
  }

  // The exact tableau reached after `at` exchanges, where there is one. Each
  // exact value computed must lie within its entry's bounds: where one does
  // not, the two tableaux are not of the same basis, and the run ends
  // Undecided with Inconsistent() set (never expected).
  void PutIn(long at) {
    for (const ExactBasis& basis : exact_) {
      if (basis.at != at) continue;
      for (int i = 1; i <= m_ + 1; ++i) {
        for (int j = 1; j <= n_ + 1; ++j) {
          // An entry whose bounds hold 0 is narrowed at once: it is often
          // exactly 0, which the bounds would never settle on their own.
          if (!basis.exact->Computed(i, j) && !w_(i, j).Straddles()) {
            w_(i, j).CarryExact(basis.exact->Lazy(i, j));
            continue;
          }
          const Enclosure narrow = Enclosure::Exactly(basis.exact->Entry(i, j));
          if (!Overlap(w_(i, j), narrow)) {
            inconsistent_ = true;
            throw Undecided();
          }
          w_(i, j) = narrow;
        }
      }
      carrying_ = true;
      carried_ = 0;
    }
  }
  bool Inconsistent() const { return inconsistent_; }

 private:
  static bool Overlap(const Enclosure& bounds, Enclosure exact) {
    exact.DropExact();
    try {
      return (bounds - exact).Sign() == 0;
    } catch (const Undecided&) {
      return true;
    }
  }

  ExchangeObserver* observer_;
  EnclosedTableau& w_;
  int m_;
  int n_;
  const std::vector<ExactBasis>& exact_;
  bool carrying_ = false;
  int carried_ = 0;  // exchanges since the exact tableau was put in
  bool inconsistent_ = false;
};

// Variables as numbers: x[j] is j, y[i] is n + i; 0 for none.
int RowVariable(const BasisLabels& basis, int n, int i) {
  const int label = basis.row[static_cast<std::size_t>(i)];
  return label > 0 ? label : label < 0 ? n - label : n + i;
}
int ColumnVariable(const BasisLabels& basis, int n, int j) {
  const int label = basis.column[static_cast<std::size_t>(j)];
  if (label != 0) return label > 0 ? label : n - label;
  const int e = basis.zeroColumnEquation[static_cast<std::size_t>(j)];
  return e > 0 ? n + e : 0;
}

// The labels of `basis` into row m+2 and column n+2.
void PlaceLabels(EnclosedTableau& w, int m, int n, const BasisLabels& basis) {
  for (int i = 1; i <= m; ++i) w(i, n + 2) = Enclosure(basis.row[static_cast<std::size_t>(i)]);
  for (int j = 1; j <= n; ++j) w(m + 2, j) = Enclosure(basis.column[static_cast<std::size_t>(j)]);
}

// Brings the starting tableau in `w` (row i holds y[i], column j x[j]) to
// `basis`, rows and columns where the labels put them: each basic x enters
// at the row of largest magnitude among those whose y is to leave, then the
// rows and columns are put in the basis's order. False where the labels
// name no basis, or a pivot's enclosure holds 0.
bool ExchangeToBasis(EnclosedTableau& w, int m, int n, const BasisLabels& basis,
                     ExchangeObserver* observer) {
  const int variables = n + m;
  std::vector<int> rowOf(static_cast<std::size_t>(variables + 1), 0);     // target row
  std::vector<int> columnOf(static_cast<std::size_t>(variables + 1), 0);  // target column
  for (int i = 1; i <= m; ++i) {
    const int v = RowVariable(basis, n, i);
    if (v < 1 || v > variables || rowOf[static_cast<std::size_t>(v)] != 0) return false;
    rowOf[static_cast<std::size_t>(v)] = i;
  }
  for (int j = 1; j <= n; ++j) {
    const int v = ColumnVariable(basis, n, j);
    if (v < 1 || v > variables || rowOf[static_cast<std::size_t>(v)] != 0 ||
        columnOf[static_cast<std::size_t>(v)] != 0)
      return false;
    columnOf[static_cast<std::size_t>(v)] = j;
  }

  std::vector<int> rowHolds(static_cast<std::size_t>(m + 1));
  std::vector<int> columnHolds(static_cast<std::size_t>(n + 1));
  for (int i = 1; i <= m; ++i) rowHolds[static_cast<std::size_t>(i)] = n + i;
  for (int j = 1; j <= n; ++j) columnHolds[static_cast<std::size_t>(j)] = j;
  for (int s = 1; s <= n; ++s) {
    if (rowOf[static_cast<std::size_t>(s)] == 0) continue;  // x[s] stays non-basic
    int r = 0;
    double largest = 0;
    for (int i = 1; i <= m; ++i) {
      if (columnOf[static_cast<std::size_t>(rowHolds[static_cast<std::size_t>(i)])] == 0) continue;
      const double size = w(i, s).SizeOrder();
      if (r == 0 || size > largest) {
        r = i;
        largest = size;
      }
    }
    if (r == 0 || w(r, s).Sign() == 0) return false;
    ThrowIfCancelled(observer);
    Pivot<EnclosureArithmetic>(w, m, n, r, s);
    std::swap(rowHolds[static_cast<std::size_t>(r)], columnHolds[static_cast<std::size_t>(s)]);
  }

  // Rows 1..m and columns 1..n in the basis's order; the objective row and
  // the constants' column stay.
  auto placed = std::make_unique<EnclosedTableau>(kUninitialised);
  std::vector<int> from(static_cast<std::size_t>(m + 2));
  std::vector<int> fromColumn(static_cast<std::size_t>(n + 2));
  for (int i = 1; i <= m; ++i)
    from[static_cast<std::size_t>(rowOf[static_cast<std::size_t>(rowHolds[i])])] = i;
  for (int j = 1; j <= n; ++j)
    fromColumn[static_cast<std::size_t>(columnOf[static_cast<std::size_t>(columnHolds[j])])] = j;
  from[static_cast<std::size_t>(m + 1)] = m + 1;
  fromColumn[static_cast<std::size_t>(n + 1)] = n + 1;
  for (int i = 1; i <= m + 1; ++i) {
    for (int j = 1; j <= n + 1; ++j)
      (*placed)(i, j) =
          w(from[static_cast<std::size_t>(i)], fromColumn[static_cast<std::size_t>(j)]);
  }
  for (int i = 1; i <= m + 1; ++i) {
    for (int j = 1; j <= n + 1; ++j) w(i, j) = (*placed)(i, j);
  }
  PlaceLabels(w, m, n, basis);
  return true;
}

}  // namespace

bool RunEnclosed(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                 ExchangeObserver* observer, EnclosedRun& result) {
  const WorkScope part(observer, WorkPhase::kGuidedRun);
  // Outlives every exact value the run's tableaux carry.
  ExactEffort effort(observer, kExactEffort);
  CancelOnly cancel(observer);
  [[maybe_unused]] const EnclosureArithmetic::FlagScope rounding;
  auto w = std::make_unique<EnclosedTableau>(kUninitialised);
  auto start = std::make_unique<EnclosedTableau>(kUninitialised);
  auto solutions = std::make_unique<EnclosedSolutions>();
  auto record = std::make_unique<EnclosedRecord>();
  SolveStatus status = kNoFeasibleSolution;
  // The exact tableaux put in so far, in the order of the exchanges they
  // follow. Each run is taken again from `start` with all of them: its
  // choices are the same up to the newest, and each one settles a choice
  // left open by the run before it.
  std::vector<ExactBasis> exact;
  std::shared_ptr<const RationalTableau> startExactly;
  // False where the effort is spent.
  const auto exactAt = [&](long at, const BasisLabels& labels) {
    if (!startExactly) startExactly = ExactStartingTableau(problem, m, n);
    try {
      exact.push_back(
          {at, ExactDictionary::Make(startExactly, m, n, labels, kExactBasisSize, effort)});
    } catch (const Undecided&) {
      return false;
    }
    return exact.back().exact != nullptr;
  };
  try {
    SimplexRun<EnclosureArithmetic> setUp{*start, m, n, 1, *solutions, status, *record, &cancel};
    SetUp(setUp, problem);
    if (!ExchangeToBasis(*start, m, n, basis, &cancel)) return false;
  } catch (const Undecided&) {
    // Bringing the tableau to `basis` left a pivot open: the exact tableau
    // of `basis` replaces it, every entry computed.
    PlaceLabels(*start, m, n, basis);
    if (!exactAt(0, basis)) return false;
    try {
      for (int i = 1; i <= m + 1; ++i) {
        for (int j = 1; j <= n + 1; ++j)
          (*start)(i, j) = Enclosure(exact.back().exact->Entry(i, j));
      }
    } catch (const Undecided&) {
      return false;
    }
  }
  for (;;) {
    w->CopyRegion(*start, m + 2, n + 2);
    ExactWhereOpen steps(observer, *w, m, n, exact);
    SimplexRun<EnclosureArithmetic> run{*w, m, n, 1, *solutions, status, *record, &steps};
    run.keepWork = false;
    ResetRecord(*record);
    for (int j = 1; j <= n; ++j) {
      if (basis.column[static_cast<std::size_t>(j)] == 0)
        record->zeroColumnEquation[static_cast<std::size_t>(j)] =
            basis.zeroColumnEquation[static_cast<std::size_t>(j)];
    }
    try {
      steps.PutIn(0);
      RunPhases(run);
      break;
    } catch (const Undecided&) {
      const long at = record->exchanges;
      if (effort.Spent() || steps.Inconsistent() || (!exact.empty() && exact.back().at >= at) ||
          static_cast<int>(exact.size()) >= kExactBases)
        return false;
      // The labels are those of the basis reached: an exchange left open
      // has not swapped them yet.
      const BasisLabels reached =
          LabelsOf(*w, m, n, record->zeroColumnEquation,
                   [](const Enclosure& label) { return EnclosureArithmetic::ToLabel(label); });
      if (!exactAt(at, reached)) return false;
    }
  }
  result.status = status;
  result.exchanges = record->exchanges;
  result.cycled = record->cycled;
  result.end = LabelsOf(record->work, m, n, record->zeroColumnEquation,
                        [](const Enclosure& label) { return EnclosureArithmetic::ToLabel(label); });
  result.searchExchanges = record->searchExchanges;
  result.searchExchangeCount = record->searchExchangeCount;
  return true;
}

}  // namespace pivora
