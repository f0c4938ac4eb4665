#include "solver/basis_tableau.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "solver/basis_places.h"
#include "solver/exact_tuning.h"

namespace pivora {

namespace {

// The faster road for the k x k system in `a` with one right-hand side
// (kLiftingFrom, kLongEntryBits).
ExactRoad Resolve(ExactRoad road, const IntegerMatrix& a, int k) {
  if (road != ExactRoad::kFaster) return road;
  if (k < kLiftingFrom) return ExactRoad::kFractionFree;
  std::size_t widest = 0;
  for (int p = 0; p < k; ++p) {
    for (int q = 0; q < k; ++q) widest = std::max(widest, mpz_sizeinbase(a(p, q).get_mpz_t(), 2));
  }
  return widest >= kLongEntryBits ? ExactRoad::kLifting : ExactRoad::kFractionFree;
}

std::vector<std::vector<Rational>> ReducedAll(const std::vector<std::vector<Quotient>>& built) {
  std::vector<std::vector<Rational>> out(built.size());
  for (std::size_t t = 0; t < built.size(); ++t) {
    out[t].reserve(built[t].size());
    for (const Quotient& q : built[t]) out[t].push_back(Reduced(q));
  }
  return out;
}

}  // namespace

bool BuildBasisNumerators(const IntegerRows& rows, const BasisLabels& basis,
                          IntegerMatrix& numerators, mpz_class& common, ExchangeObserver* observer,
                          ExactRoad road) {
  const int m = rows.M();
  const int n = rows.N();
  BasisPlaces places;
  if (!ReadPlaces(rows, basis, places)) return false;
  const int k = static_cast<int>(places.basicX.size());

  IntegerMatrix a = WholeSystem(rows, places, basis);
  mpz_class determinant;
  // With every column as a right-hand side the elimination is the faster
  // road (kLiftingFrom says how much).
  const ExactRoad wholeRoad = road == ExactRoad::kFaster ? ExactRoad::kFractionFree : road;
  if (!SolveIntegerSystem(a, k, determinant, true, wholeRoad, observer)) return false;

  // One common denominator: the determinant of the whole basis matrix of the
  // scaled rows, in which the variable of a substituted row (a basic slack,
  // the objective) has the column scale(e): determinant * the product of
  // their scales. Over it every 2 x 2 minor of the numerators is a multiple
  // of it (Sylvester's identity), so the exchanges that follow divide
  // exactly, as fraction-free values need; over a smaller multiple, such as
  // the least common multiple of the scales, they need not.
  const mpz_class scales = SubstitutedScales(rows, basis);
  common = scales * determinant;

  // Basic x: determinant * x(B) is the right block.
  for (int q = 0; q < k; ++q) {
    const int i = places.basicXRow[static_cast<std::size_t>(q)];
    for (int j = 1; j <= n + 1; ++j) numerators(i - 1, j - 1) = scales * a(q, k + j - 1);
  }
  // Row `r` (1..m+1) whose variable is g(e) / scale(e) * (a'(e) x - b'(e))
  // (the objective: sigma / scale(c) * c' x), by substituting x(B).
  const auto substitute = [&](int r, int e) {
    const mpz_class multiple = scales / rows.Scale(e);
    for (int j = 1; j <= n + 1; ++j) {
      ThrowIfCancelled(observer);
      mpz_class& sum = numerators(r - 1, j - 1);
      sum = 0;
      for (int q = 0; q < k; ++q) {
        mpz_addmul(sum.get_mpz_t(),
                   rows.At(e, places.basicX[static_cast<std::size_t>(q)]).get_mpz_t(),
                   a(q, k + j - 1).get_mpz_t());
      }
      const int label = j <= n ? basis.column[static_cast<std::size_t>(j)] : 0;
      if (label > 0)
        mpz_addmul(sum.get_mpz_t(), determinant.get_mpz_t(), rows.At(e, label).get_mpz_t());
      // The objective's cell n+1 is 0.
      if (j == n + 1)
        mpz_submul(sum.get_mpz_t(), determinant.get_mpz_t(), rows.At(e, n + 1).get_mpz_t());
      sum *= multiple;
      if (rows.RowSign(e) < 0) sum = -sum;
    }
  };
  for (int r = 1; r <= m + 1; ++r) {
    const int e = SubstitutedRow(basis, m, r);
    if (e != 0) substitute(r, e);
  }
  return true;
}

bool BuildBasisTableau(const IntegerRows& rows, const BasisLabels& basis,
                       BasicWorkTableau<FractionFree>& w, ExchangeObserver* observer,
                       ExactRoad road) {
  const int m = rows.M();
  const int n = rows.N();
  IntegerMatrix numerators(m + 1, n + 1);
  mpz_class common;
  if (!BuildBasisNumerators(rows, basis, numerators, common, observer, road)) return false;
  const int sign = sgn(common);
  mpz_class odd = abs(common);
  const long twos = static_cast<long>(mpz_scan1(odd.get_mpz_t(), 0));
  mpz_tdiv_q_2exp(odd.get_mpz_t(), odd.get_mpz_t(), static_cast<mp_bitcnt_t>(twos));
  const FractionFree::Denominator shared =
      odd == 1 ? nullptr : std::make_shared<const mpz_class>(odd);

  w.Fill(FractionFree(0));
  for (int i = 1; i <= m + 1; ++i) {
    for (int j = 1; j <= n + 1; ++j) {
      w(i, j) = FractionFree::OverShared(std::move(numerators(i - 1, j - 1)), sign, shared, twos);
    }
  }
  for (int i = 1; i <= m; ++i) w(i, n + 2) = FractionFree(basis.row[static_cast<std::size_t>(i)]);
  for (int j = 1; j <= n; ++j)
    w(m + 2, j) = FractionFree(basis.column[static_cast<std::size_t>(j)]);
  return true;
}

bool BuildBasisQuotientRows(const IntegerRows& rows, const BasisLabels& basis,
                            const std::vector<int>& rs, std::vector<std::vector<Quotient>>& out,
                            ExchangeObserver* observer, ExactRoad road) {
  const int m = rows.M();
  const int n = rows.N();
  BasisPlaces places;
  if (!ReadPlaces(rows, basis, places)) return false;
  const int k = static_cast<int>(places.basicX.size());
  const int count = static_cast<int>(rs.size());
  const auto basicX = [&](int q) { return places.basicX[static_cast<std::size_t>(q)]; };
  const auto tight = [&](int p) { return places.tightConstraint[static_cast<std::size_t>(p)]; };

  // Row r is v * x(B) (+ the row's own terms for a slack or the objective):
  // v picks the basic x of row r, or holds the row's scaled coefficients on
  // the basic x. Then v * x(B) = v * M^-1 * right block = u * right block,
  // M^T u = v: one right-hand side, column k + t, for the t-th row.
  std::vector<int> substituted(rs.size());
  IntegerMatrix a(k, k + count);
  WriteTightRows(rows, places, true, a);
  for (int t = 0; t < count; ++t) {
    const int r = rs[static_cast<std::size_t>(t)];
    const int e = SubstitutedRow(basis, m, r);
    const int label = e == 0 ? basis.row[static_cast<std::size_t>(r)] : 0;
    substituted[static_cast<std::size_t>(t)] = e;
    for (int p = 0; p < k; ++p)
      a(p, k + t) = e != 0 ? rows.At(e, basicX(p)) : mpz_class(basicX(p) == label ? 1 : 0);
  }
  mpz_class determinant;
  if (!SolveIntegerSystem(a, k, determinant, false, Resolve(road, a, k), observer)) return false;

  out.assign(rs.size(), std::vector<Quotient>(static_cast<std::size_t>(n + 1)));
  mpz_class sum;
  for (int t = 0; t < count; ++t) {
    const int e = substituted[static_cast<std::size_t>(t)];
    const int c = k + t;
    // determinant * entry * (scale(e) g(e) for a substituted row) for every
    // column.
    mpz_class denominator = determinant;
    if (e != 0) {
      denominator *= rows.Scale(e);
      if (rows.RowSign(e) < 0) denominator = -denominator;
    }
    for (int j = 1; j <= n + 1; ++j) {
      sum = 0;
      const int column = j <= n ? basis.column[static_cast<std::size_t>(j)] : 0;
      if (j == n + 1 || column > 0) {
        for (int p = 0; p < k; ++p) {
          const mpz_class& right =
              j == n + 1 ? rows.At(tight(p), n + 1) : rows.At(tight(p), column);
          if (j == n + 1) {
            mpz_addmul(sum.get_mpz_t(), a(p, c).get_mpz_t(), right.get_mpz_t());
          } else {
            mpz_submul(sum.get_mpz_t(), a(p, c).get_mpz_t(), right.get_mpz_t());
          }
        }
        if (e != 0) {
          // The objective's cell n+1 is 0.
          const mpz_class& own = rows.At(e, j == n + 1 ? n + 1 : column);
          if (j == n + 1) {
            mpz_submul(sum.get_mpz_t(), determinant.get_mpz_t(), own.get_mpz_t());
          } else {
            mpz_addmul(sum.get_mpz_t(), determinant.get_mpz_t(), own.get_mpz_t());
          }
        }
      } else {
        const int z = column < 0 ? -column : basis.zeroColumnEquation[static_cast<std::size_t>(j)];
        const int p = places.tightIndex[static_cast<std::size_t>(z)];
        sum = a(p, c) * rows.Scale(z);
        if (rows.RowSign(z) < 0) sum = -sum;
      }
      out[static_cast<std::size_t>(t)][static_cast<std::size_t>(j - 1)] =
          Quotient(sum, denominator);
    }
  }
  return true;
}

bool BuildBasisTableauRows(const IntegerRows& rows, const BasisLabels& basis,
                           const std::vector<int>& rs, std::vector<std::vector<Rational>>& out,
                           ExchangeObserver* observer, ExactRoad road) {
  std::vector<std::vector<Quotient>> built;
  if (!BuildBasisQuotientRows(rows, basis, rs, built, observer, road)) return false;
  out = ReducedAll(built);
  return true;
}

bool BuildBasisTableauRow(const IntegerRows& rows, const BasisLabels& basis, int r,
                          std::vector<Rational>& row, ExchangeObserver* observer, ExactRoad road) {
  std::vector<std::vector<Rational>> built;
  if (!BuildBasisTableauRows(rows, basis, {r}, built, observer, road)) return false;
  row = std::move(built[0]);
  return true;
}

bool BuildBasisQuotientColumns(const IntegerRows& rows, const BasisLabels& basis,
                               const std::vector<int>& js, std::vector<std::vector<Quotient>>& out,
                               ExchangeObserver* observer, ExactRoad road) {
  const int m = rows.M();
  const int n = rows.N();
  BasisPlaces places;
  if (!ReadPlaces(rows, basis, places)) return false;
  const int k = static_cast<int>(places.basicX.size());
  const int count = static_cast<int>(js.size());

  IntegerMatrix a(k, k + count);
  WriteTightRows(rows, places, false, a);
  for (int t = 0; t < count; ++t)
    WriteRightColumn(rows, places, basis, js[static_cast<std::size_t>(t)], k + t, a);
  mpz_class determinant;
  if (!SolveIntegerSystem(a, k, determinant, false, Resolve(road, a, k), observer)) return false;

  out.assign(js.size(), std::vector<Quotient>(static_cast<std::size_t>(m + 1)));
  mpz_class sum;
  for (int t = 0; t < count; ++t) {
    const int j = js[static_cast<std::size_t>(t)];
    std::vector<Quotient>& column = out[static_cast<std::size_t>(t)];
    for (int q = 0; q < k; ++q) {
      column[static_cast<std::size_t>(places.basicXRow[static_cast<std::size_t>(q)] - 1)] =
          Quotient(a(q, k + t), determinant);
    }
    const int label = j <= n ? basis.column[static_cast<std::size_t>(j)] : 0;
    for (int r = 1; r <= m + 1; ++r) {
      const int e = SubstitutedRow(basis, m, r);
      if (e == 0) continue;
      sum = 0;
      for (int q = 0; q < k; ++q) {
        mpz_addmul(sum.get_mpz_t(),
                   rows.At(e, places.basicX[static_cast<std::size_t>(q)]).get_mpz_t(),
                   a(q, k + t).get_mpz_t());
      }
      if (label > 0)
        mpz_addmul(sum.get_mpz_t(), determinant.get_mpz_t(), rows.At(e, label).get_mpz_t());
      // The objective's cell n+1 is 0.
      if (j == n + 1)
        mpz_submul(sum.get_mpz_t(), determinant.get_mpz_t(), rows.At(e, n + 1).get_mpz_t());
      mpz_class denominator = determinant * rows.Scale(e);
      if (rows.RowSign(e) < 0) denominator = -denominator;
      column[static_cast<std::size_t>(r - 1)] = Quotient(sum, denominator);
    }
  }
  return true;
}

bool BuildBasisTableauColumn(const IntegerRows& rows, const BasisLabels& basis, int j,
                             std::vector<Rational>& column, ExchangeObserver* observer,
                             ExactRoad road) {
  std::vector<std::vector<Quotient>> built;
  if (!BuildBasisQuotientColumns(rows, basis, {j}, built, observer, road)) return false;
  column = std::move(ReducedAll(built)[0]);
  return true;
}

}  // namespace pivora
