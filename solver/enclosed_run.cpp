#include "solver/enclosed_run.h"

#include <memory>
#include <vector>

#include "solver/enclosure.h"
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
  for (int i = 1; i <= m; ++i) w(i, n + 2) = Enclosure(basis.row[static_cast<std::size_t>(i)]);
  for (int j = 1; j <= n; ++j) w(m + 2, j) = Enclosure(basis.column[static_cast<std::size_t>(j)]);
  return true;
}

}  // namespace

bool RunEnclosed(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                 ExchangeObserver* observer, EnclosedRun& result) {
  const WorkScope part(observer, WorkPhase::kGuidedRun);
  CancelOnly cancel(observer);
  [[maybe_unused]] const EnclosureArithmetic::FlagScope rounding;
  auto w = std::make_unique<EnclosedTableau>(kUninitialised);
  auto solutions = std::make_unique<EnclosedSolutions>();
  auto record = std::make_unique<EnclosedRecord>();
  SolveStatus status = kNoFeasibleSolution;
  SimplexRun<EnclosureArithmetic> run{*w, m, n, 1, *solutions, status, *record, &cancel};
  run.keepWork = false;
  try {
    SetUp(run, problem);
    if (!ExchangeToBasis(*w, m, n, basis, &cancel)) return false;
    ResetRecord(*record);
    for (int j = 1; j <= n; ++j) {
      if (basis.column[static_cast<std::size_t>(j)] == 0)
        record->zeroColumnEquation[static_cast<std::size_t>(j)] =
            basis.zeroColumnEquation[static_cast<std::size_t>(j)];
    }
    RunPhases(run);
  } catch (const Undecided&) {
    return false;
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
