#include "solver/basis_tableau.h"

#include <flint/fmpz.h>
#include <flint/nmod_mat.h>
#include <flint/nmod_vec.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "solver/basis_places.h"
#include "solver/exact_tuning.h"
#include "solver/word_matrix.h"

namespace pivora {

namespace {

// The tight rows as a system in the basic x: for tight constraint t with
// slack y(t) = g(t) (a(t) x - b(t)),
//   a'(t, B) x(B) = b'(t) + scale(t) g(t) y(t) - a'(t, N) x(N).
// Writes the k x k left block of `a` (transposed where `transposed` says).
void WriteTightRows(const IntegerRows& rows, const BasisPlaces& places, bool transposed,
                    IntegerMatrix& a) {
  const int k = static_cast<int>(places.basicX.size());
  for (int p = 0; p < k; ++p) {
    const int t = places.tightConstraint[static_cast<std::size_t>(p)];
    for (int q = 0; q < k; ++q) {
      const mpz_class& v = rows.At(t, places.basicX[static_cast<std::size_t>(q)]);
      if (transposed) {
        a(q, p) = v;
      } else {
        a(p, q) = v;
      }
    }
  }
}

// The right-hand side of work column j (1..n, or n+1 for the constant) into
// column `c` of `a`.
void WriteRightColumn(const ExactTableau& problem, const IntegerRows& rows,
                      const BasisPlaces& places, const BasisLabels& basis, int n, int j, int c,
                      IntegerMatrix& a) {
  const int k = static_cast<int>(places.basicX.size());
  const auto tight = [&](int p) { return places.tightConstraint[static_cast<std::size_t>(p)]; };
  if (j == n + 1) {
    for (int p = 0; p < k; ++p) a(p, c) = rows.At(tight(p), n + 1);
    return;
  }
  const int label = basis.column[static_cast<std::size_t>(j)];
  if (label > 0) {
    for (int p = 0; p < k; ++p) a(p, c) = -rows.At(tight(p), label);
    return;
  }
  for (int p = 0; p < k; ++p) a(p, c) = 0;
  const int t = label < 0 ? -label : basis.zeroColumnEquation[static_cast<std::size_t>(j)];
  const int p = places.tightIndex[static_cast<std::size_t>(t)];
  a(p, c) = RowSign(problem, t, n) * rows.Scale(t);
}

// The problem row whose scaled variable row r (1..m+1) of the work tableau
// holds: 0 for a basic x, the constraint of a basic slack or of a row still
// labelled 0, m+1 for the objective row.
int SubstitutedRow(const BasisLabels& basis, int m, int r) {
  if (r == m + 1) return m + 1;
  const int label = basis.row[static_cast<std::size_t>(r)];
  return label > 0 ? 0 : label == 0 ? r : -label;
}

// The tight rows' system with every work column as a right-hand side:
// column k + j - 1 for work column j, k + n for the constant.
IntegerMatrix WholeSystem(const ExactTableau& problem, const IntegerRows& rows,
                          const BasisPlaces& places, const BasisLabels& basis, int n) {
  const int k = static_cast<int>(places.basicX.size());
  IntegerMatrix a(k, k + n + 1);
  WriteTightRows(rows, places, false, a);
  for (int j = 1; j <= n + 1; ++j)
    WriteRightColumn(problem, rows, places, basis, n, j, k + j - 1, a);
  return a;
}

// The product of the scales of the substituted rows' variables, the
// objective's included.
mpz_class SubstitutedScales(const IntegerRows& rows, const BasisLabels& basis, int m) {
  mpz_class scales = rows.Scale(m + 1);
  for (int i = 1; i <= m; ++i) {
    const int e = SubstitutedRow(basis, m, i);
    if (e != 0) scales *= rows.Scale(e);
  }
  return scales;
}

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

}  // namespace

bool BuildBasisNumerators(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                          IntegerMatrix& numerators, mpz_class& common, ExchangeObserver* observer,
                          ExactRoad road) {
  BasisPlaces places;
  if (!ReadPlaces(problem, m, n, basis, places)) return false;
  const IntegerRows rows(problem, m, n);
  const int k = static_cast<int>(places.basicX.size());

  IntegerMatrix a = WholeSystem(problem, rows, places, basis, n);
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
  const mpz_class scales = SubstitutedScales(rows, basis, m);
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
      if (RowSign(problem, e, n) < 0) sum = -sum;
    }
  };
  for (int r = 1; r <= m + 1; ++r) {
    const int e = SubstitutedRow(basis, m, r);
    if (e != 0) substitute(r, e);
  }
  return true;
}

namespace {

// Integers reduced modulo every prime, prime-major: the value of item i
// modulo prime t at t * count + i.
class ReducedTable {
 public:
  ReducedTable(const std::vector<mp_limb_t>& primes, std::size_t count)
      : primes_(primes), count_(count), cells_(primes.size() * count) {}
  void Set(std::size_t i, const mp_limb_t* residues) {
    for (std::size_t t = 0; t < primes_.size(); ++t) cells_[t * count_ + i] = residues[t];
  }
  mp_limb_t At(std::size_t t, std::size_t i) const { return cells_[t * count_ + i]; }

 private:
  const std::vector<mp_limb_t>& primes_;
  std::size_t count_;
  std::vector<mp_limb_t> cells_;
};

// Whether `order` (a permutation of 0..k-1) is even.
bool EvenOrder(std::vector<slong> order) {
  bool even = true;
  for (std::size_t p = 0; p < order.size(); ++p) {
    while (order[p] != static_cast<slong>(p)) {
      std::swap(order[p], order[static_cast<std::size_t>(order[p])]);
      even = !even;
    }
  }
  return even;
}

}  // namespace

BasisResidues BuildBasisResidues(const ExactTableau& problem, int m, int n,
                                 const BasisLabels& basis, const std::vector<mp_limb_t>& primes,
                                 long boundBits, std::vector<mp_limb_t>& residues,
                                 mpz_class& common, ExchangeObserver* observer) {
  const WorkScope part(observer, WorkPhase::kResidues);
  BasisPlaces places;
  if (!ReadPlaces(problem, m, n, basis, places)) return BasisResidues::kNoBasis;
  const IntegerRows rows(problem, m, n);
  const int k = static_cast<int>(places.basicX.size());
  const int width = n + 1;

  // The system before any elimination, as BuildBasisNumerators sets it up.
  const IntegerMatrix a = WholeSystem(problem, rows, places, basis, n);
  const mpz_class scales = SubstitutedScales(rows, basis, m);

  // Every integer the rows need: the system, the problem's rows and each
  // substituted row's multiple g(e) scales / scale(e), reduced modulo a
  // chunk of the primes at a time, so that the reductions held at once stay
  // small whatever the number of primes.
  const std::size_t systemCells = static_cast<std::size_t>(k) * static_cast<std::size_t>(k + width);
  const std::size_t rowCells = static_cast<std::size_t>(m + 1) * static_cast<std::size_t>(width);
  const std::size_t multipleCells = static_cast<std::size_t>(m + 2);
  const auto rowCell = [&](int e, int j) {
    return systemCells + static_cast<std::size_t>((e - 1) * width + j - 1);
  };
  const auto multipleCell = [&](int e) {
    return systemCells + rowCells + static_cast<std::size_t>(e);
  };
  const std::size_t scalesCell = systemCells + rowCells + multipleCells;
  std::vector<mpz_class> multiples(multipleCells);
  for (int e = 1; e <= m + 1; ++e) {
    mpz_class& multiple = multiples[static_cast<std::size_t>(e)];
    multiple = scales / rows.Scale(e);
    if (RowSign(problem, e, n) < 0) multiple = -multiple;
  }
  const auto reduce = [&](const std::vector<mp_limb_t>& chunk, ReducedTable& reduced) {
    fmpz_comb_t comb;
    fmpz_comb_temp_t temp;
    fmpz_t scratch;
    fmpz_comb_init(comb, chunk.data(), static_cast<slong>(chunk.size()));
    fmpz_comb_temp_init(temp, comb);
    fmpz_init(scratch);
    std::vector<mp_limb_t> out(chunk.size());
    const auto put = [&](std::size_t i, const mpz_class& x) {
      ReduceModuloPrimes(x, comb, temp, scratch, chunk, out.data());
      reduced.Set(i, out.data());
    };
    for (int p = 0; p < k; ++p) {
      for (int q = 0; q < k + width; ++q)
        put(static_cast<std::size_t>(p * (k + width) + q), a(p, q));
    }
    for (int e = 1; e <= m + 1; ++e) {
      for (int j = 1; j <= (e <= m ? width : n); ++j) put(rowCell(e, j), rows.At(e, j));
      put(multipleCell(e), multiples[static_cast<std::size_t>(e)]);
    }
    put(scalesCell, scales);
    fmpz_clear(scratch);
    fmpz_comb_temp_clear(temp);
    fmpz_comb_clear(comb);
  };

  // The rows whose variable is substituted: (row, problem row).
  std::vector<std::array<int, 2>> substituted;
  for (int r = 1; r <= m + 1; ++r) {
    const int e = SubstitutedRow(basis, m, r);
    if (e != 0) substituted.push_back({r, e});
  }
  const std::size_t cells = static_cast<std::size_t>(m + 1) * static_cast<std::size_t>(width);
  residues.assign(primes.size() * cells, 0);
  std::vector<mp_limb_t> determinants(primes.size(), 1);
  std::vector<mp_limb_t> chunk;
  std::unique_ptr<ReducedTable> reduced;
  for (std::size_t t = 0; t < primes.size(); ++t) {
    ThrowIfCancelled(observer);
    const std::size_t place = t % kResidueChunk;  // the prime's place in its chunk
    if (place == 0) {
      chunk.assign(
          primes.begin() + static_cast<std::ptrdiff_t>(t),
          primes.begin() + static_cast<std::ptrdiff_t>(std::min(t + kResidueChunk, primes.size())));
      reduced = std::make_unique<ReducedTable>(chunk, scalesCell + 1);
      reduce(chunk, *reduced);
    }
    const mp_limb_t prime = primes[t];
    nmod_t mod;
    nmod_init(&mod, prime);
    mp_limb_t* const out = residues.data() + t * cells;
    // x(B) = M^-1 * right block, and det M, modulo the prime.
    WordMatrix x(k, width, prime);
    if (k > 0) {
      WordMatrix lu(k, k, prime);
      for (int p = 0; p < k; ++p) {
        const std::size_t base = static_cast<std::size_t>(p * (k + width));
        for (int q = 0; q < k; ++q)
          lu(p, q) = reduced->At(place, base + static_cast<std::size_t>(q));
      }
      std::vector<slong> order(static_cast<std::size_t>(k));
      for (int p = 0; p < k; ++p) order[static_cast<std::size_t>(p)] = p;
      // Singular modulo the prime: singular, or the prime divides the
      // determinant; the exact elimination tells which.
      if (nmod_mat_lu(order.data(), lu.get(), 1) < k) return BasisResidues::kLeftToElimination;
      // LU = PM, row p of PM being row order[p] of M: det M is the
      // diagonal's product times the sign of the order.
      mp_limb_t determinant = 1;
      for (int p = 0; p < k; ++p) determinant = nmod_mul(determinant, lu(p, p), mod);
      if (!EvenOrder(order)) determinant = nmod_neg(determinant, mod);
      determinants[t] = determinant;
      for (int p = 0; p < k; ++p) {
        const std::size_t base =
            static_cast<std::size_t>(order[static_cast<std::size_t>(p)] * (k + width) + k);
        for (int j = 0; j < width; ++j)
          x(p, j) = reduced->At(place, base + static_cast<std::size_t>(j));
      }
      nmod_mat_solve_tril(x.get(), lu.get(), x.get(), 1);
      nmod_mat_solve_triu(x.get(), lu.get(), x.get(), 0);
    }
    const mp_limb_t determinant = determinants[t];
    const mp_limb_t commonResidue = nmod_mul(reduced->At(place, scalesCell), determinant, mod);
    // Basic x: common * x(B).
    for (int q = 0; q < k; ++q) {
      mp_limb_t* const row =
          out + static_cast<std::size_t>(places.basicXRow[static_cast<std::size_t>(q)] - 1) *
                    static_cast<std::size_t>(width);
      for (int j = 0; j < width; ++j) row[j] = nmod_mul(commonResidue, x(q, j), mod);
    }
    // A substituted row: multiple * det * (a'(e, B) x(B) + its own terms),
    // the products for all such rows in one matrix product.
    WordMatrix coefficients(static_cast<slong>(substituted.size()), k, prime);
    WordMatrix products(static_cast<slong>(substituted.size()), width, prime);
    for (std::size_t u = 0; u < substituted.size(); ++u) {
      const int e = substituted[u][1];
      for (int q = 0; q < k; ++q)
        coefficients(static_cast<slong>(u), q) =
            reduced->At(place, rowCell(e, places.basicX[static_cast<std::size_t>(q)]));
    }
    if (k > 0 && !substituted.empty()) nmod_mat_mul(products.get(), coefficients.get(), x.get());
    for (std::size_t u = 0; u < substituted.size(); ++u) {
      const int r = substituted[u][0];
      const int e = substituted[u][1];
      const mp_limb_t factor = nmod_mul(reduced->At(place, multipleCell(e)), determinant, mod);
      mp_limb_t* const row =
          out + static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(width);
      for (int j = 1; j <= width; ++j) {
        mp_limb_t sum = products(static_cast<slong>(u), j - 1);
        const int label = j <= n ? basis.column[static_cast<std::size_t>(j)] : 0;
        if (label > 0) sum = nmod_add(sum, reduced->At(place, rowCell(e, label)), mod);
        // The objective's cell n+1 is 0.
        if (j == width && e <= m) sum = nmod_sub(sum, reduced->At(place, rowCell(e, width)), mod);
        row[j - 1] = nmod_mul(factor, sum, mod);
      }
    }
  }
  if (observer != nullptr) observer->SolvedBasisSystem(k, width);

  // The determinant itself, from its residues: a minor of the scaled rows,
  // within the bound.
  fmpz_comb_t comb;
  fmpz_comb_temp_t temp;
  fmpz_t determinant;
  fmpz_comb_init(comb, primes.data(), static_cast<slong>(primes.size()));
  fmpz_comb_temp_init(temp, comb);
  fmpz_init(determinant);
  fmpz_multi_CRT_ui(determinant, determinants.data(), comb, temp, 1);
  const bool within = static_cast<long>(fmpz_bits(determinant)) <= boundBits;
  mpz_class exact;
  fmpz_get_mpz(exact.get_mpz_t(), determinant);
  fmpz_clear(determinant);
  fmpz_comb_temp_clear(temp);
  fmpz_comb_clear(comb);
  if (!within) return BasisResidues::kLeftToElimination;
  common = scales * exact;
  return BasisResidues::kBuilt;
}

bool BuildBasisTableau(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                       BasicWorkTableau<FractionFree>& w, ExchangeObserver* observer,
                       ExactRoad road) {
  IntegerMatrix numerators(m + 1, n + 1);
  mpz_class common;
  if (!BuildBasisNumerators(problem, m, n, basis, numerators, common, observer, road)) return false;
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

bool BuildBasisTableauRows(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                           const std::vector<int>& rs, std::vector<std::vector<Rational>>& out,
                           ExchangeObserver* observer, ExactRoad road) {
  BasisPlaces places;
  if (!ReadPlaces(problem, m, n, basis, places)) return false;
  const IntegerRows rows(problem, m, n);
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

  out.assign(rs.size(), std::vector<Rational>(static_cast<std::size_t>(n + 1), Rational(0)));
  mpz_class sum;
  for (int t = 0; t < count; ++t) {
    const int e = substituted[static_cast<std::size_t>(t)];
    const int c = k + t;
    // determinant * entry * (scale(e) g(e) for a substituted row) for every
    // column.
    mpz_class denominator = determinant;
    if (e != 0) {
      denominator *= rows.Scale(e);
      if (RowSign(problem, e, n) < 0) denominator = -denominator;
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
        if (RowSign(problem, z, n) < 0) sum = -sum;
      }
      Rational& entry = out[static_cast<std::size_t>(t)][static_cast<std::size_t>(j - 1)];
      entry = Rational(sum, denominator);
      entry.canonicalize();
    }
  }
  return true;
}

bool BuildBasisTableauRow(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                          int r, std::vector<Rational>& row, ExchangeObserver* observer,
                          ExactRoad road) {
  std::vector<std::vector<Rational>> rows;
  if (!BuildBasisTableauRows(problem, m, n, basis, {r}, rows, observer, road)) return false;
  row = std::move(rows[0]);
  return true;
}

bool BuildBasisTableauColumn(const ExactTableau& problem, int m, int n, const BasisLabels& basis,
                             int j, std::vector<Rational>& column, ExchangeObserver* observer,
                             ExactRoad road) {
  BasisPlaces places;
  if (!ReadPlaces(problem, m, n, basis, places)) return false;
  const IntegerRows rows(problem, m, n);
  const int k = static_cast<int>(places.basicX.size());

  IntegerMatrix a(k, k + 1);
  WriteTightRows(rows, places, false, a);
  WriteRightColumn(problem, rows, places, basis, n, j, k, a);
  mpz_class determinant;
  if (!SolveIntegerSystem(a, k, determinant, false, Resolve(road, a, k), observer)) return false;

  column.assign(static_cast<std::size_t>(m + 1), Rational(0));
  for (int q = 0; q < k; ++q) {
    Rational& entry =
        column[static_cast<std::size_t>(places.basicXRow[static_cast<std::size_t>(q)] - 1)];
    entry = Rational(a(q, k), determinant);
    entry.canonicalize();
  }
  const int label = j <= n ? basis.column[static_cast<std::size_t>(j)] : 0;
  mpz_class sum;
  for (int r = 1; r <= m + 1; ++r) {
    const int e = SubstitutedRow(basis, m, r);
    if (e == 0) continue;
    sum = 0;
    for (int q = 0; q < k; ++q) {
      mpz_addmul(sum.get_mpz_t(),
                 rows.At(e, places.basicX[static_cast<std::size_t>(q)]).get_mpz_t(),
                 a(q, k).get_mpz_t());
    }
    if (label > 0)
      mpz_addmul(sum.get_mpz_t(), determinant.get_mpz_t(), rows.At(e, label).get_mpz_t());
    // The objective's cell n+1 is 0.
    if (j == n + 1)
      mpz_submul(sum.get_mpz_t(), determinant.get_mpz_t(), rows.At(e, n + 1).get_mpz_t());
    mpz_class denominator = determinant * rows.Scale(e);
    if (RowSign(problem, e, n) < 0) denominator = -denominator;
    Rational& entry = column[static_cast<std::size_t>(r - 1)];
    entry = Rational(sum, denominator);
    entry.canonicalize();
  }
  return true;
}

}  // namespace pivora
