// The numerators of a basis's work tableau modulo word primes
// (BuildBasisResidues): for each prime one LU solve of the basis system and
// its determinant in word arithmetic, then the substituted rows by one
// matrix product; the common denominator rebuilt from the determinant's
// residues by Chinese remaindering.
#include <flint/fmpz.h>
#include <flint/nmod_mat.h>
#include <flint/nmod_vec.h>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "solver/basis_places.h"
#include "solver/basis_tableau.h"
#include "solver/exact_tuning.h"
#include "solver/word_matrix.h"

namespace pivora {

namespace {

// Integers reduced modulo a chunk of primes, prime-major: the value of item
// i modulo the chunk's prime t at t * count + i.
class ReducedTable {
 public:
  ReducedTable(std::size_t primes, std::size_t count)
      : primes_(primes), count_(count), cells_(primes * count) {}
  void Set(std::size_t i, const mp_limb_t* residues) {
    for (std::size_t t = 0; t < primes_; ++t) cells_[t * count_ + i] = residues[t];
  }
  mp_limb_t At(std::size_t t, std::size_t i) const { return cells_[t * count_ + i]; }

 private:
  std::size_t primes_;
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

// The build at one basis: every integer the numerators need, which Reduce
// takes modulo a chunk of the primes at a time (so that the reductions held
// at once stay small whatever the number of primes), and each prime's
// numerators from them.
class ResidueBuild {
 public:
  ResidueBuild(const IntegerRows& rows, const BasisPlaces& places, const BasisLabels& basis);

  // The system, the problem's rows, each substituted row's multiple and the
  // scales modulo each prime of `chunk`.
  std::unique_ptr<ReducedTable> Reduce(const std::vector<mp_limb_t>& chunk) const;

  // The numerators modulo `prime`, the `place`-th prime of `reduced`, into
  // out[0..(m+1)(n+1)), and the basis determinant modulo it. False where the
  // basis matrix is singular modulo the prime: singular, or the prime
  // divides the determinant; the exact elimination tells which.
  bool Prime(const ReducedTable& reduced, std::size_t place, mp_limb_t prime, mp_limb_t* out,
             mp_limb_t& determinant) const;

  const mpz_class& Scales() const { return scales_; }
  int BasicX() const { return k_; }
  int Width() const { return width_; }

 private:
  // Where each integer stands in a ReducedTable: the k x (k + width) system
  // row by row, then the rows, the multiples and the scales.
  std::size_t SystemCell(int p, int q) const {
    return static_cast<std::size_t>(p * (k_ + width_) + q);
  }
  std::size_t RowCell(int e, int j) const {
    return systemCells_ + static_cast<std::size_t>((e - 1) * width_ + j - 1);
  }
  std::size_t MultipleCell(int e) const { return multiplesStart_ + static_cast<std::size_t>(e); }
  std::size_t ScalesCell() const { return multiplesStart_ + multiples_.size(); }

  // x(B) = M^-1 * right block into `x`, and det M.
  bool Solve(const ReducedTable& reduced, std::size_t place, mp_limb_t prime, WordMatrix& x,
             mp_limb_t& determinant) const;
  // A substituted row: multiple * det * (a'(e, B) x(B) + its own terms),
  // the products for all such rows in one matrix product.
  void WriteSubstituted(const ReducedTable& reduced, std::size_t place, mp_limb_t prime,
                        WordMatrix& x, mp_limb_t determinant, mp_limb_t* out) const;

  const IntegerRows& rows_;
  const BasisPlaces& places_;
  const BasisLabels& basis_;
  int k_;
  int width_;
  IntegerMatrix a_;  // the system before any elimination
  mpz_class scales_;
  std::vector<mpz_class> multiples_;             // g(e) scales / scale(e), by e from 1
  std::vector<std::array<int, 2>> substituted_;  // (row, problem row)
  std::size_t systemCells_;
  std::size_t multiplesStart_;
};

ResidueBuild::ResidueBuild(const IntegerRows& rows, const BasisPlaces& places,
                           const BasisLabels& basis)
    : rows_(rows),
      places_(places),
      basis_(basis),
      k_(static_cast<int>(places.basicX.size())),
      width_(rows.N() + 1),
      a_(WholeSystem(rows, places, basis)),
      scales_(SubstitutedScales(rows, basis)),
      multiples_(static_cast<std::size_t>(rows.M() + 2)),
      systemCells_(static_cast<std::size_t>(k_) * static_cast<std::size_t>(k_ + width_)),
      multiplesStart_(systemCells_ +
                      static_cast<std::size_t>(rows.M() + 1) * static_cast<std::size_t>(width_)) {
  const int m = rows.M();
  for (int e = 1; e <= m + 1; ++e) {
    mpz_class& multiple = multiples_[static_cast<std::size_t>(e)];
    multiple = scales_ / rows.Scale(e);
    if (rows.RowSign(e) < 0) multiple = -multiple;
  }
  for (int r = 1; r <= m + 1; ++r) {
    const int e = SubstitutedRow(basis, m, r);
    if (e != 0) substituted_.push_back({r, e});
  }
}

std::unique_ptr<ReducedTable> ResidueBuild::Reduce(const std::vector<mp_limb_t>& chunk) const {
  auto reduced = std::make_unique<ReducedTable>(chunk.size(), ScalesCell() + 1);
  fmpz_comb_t comb;
  fmpz_comb_temp_t temp;
  fmpz_t scratch;
  fmpz_comb_init(comb, chunk.data(), static_cast<slong>(chunk.size()));
  fmpz_comb_temp_init(temp, comb);
  fmpz_init(scratch);
  std::vector<mp_limb_t> out(chunk.size());
  const auto put = [&](std::size_t i, const mpz_class& x) {
    ReduceModuloPrimes(x, comb, temp, scratch, chunk, out.data());
    reduced->Set(i, out.data());
  };
  for (int p = 0; p < k_; ++p) {
    for (int q = 0; q < k_ + width_; ++q) put(SystemCell(p, q), a_(p, q));
  }
  const int m = rows_.M();
  for (int e = 1; e <= m + 1; ++e) {
    for (int j = 1; j <= (e <= m ? width_ : rows_.N()); ++j) put(RowCell(e, j), rows_.At(e, j));
    put(MultipleCell(e), multiples_[static_cast<std::size_t>(e)]);
  }
  put(ScalesCell(), scales_);
  fmpz_clear(scratch);
  fmpz_comb_temp_clear(temp);
  fmpz_comb_clear(comb);
  return reduced;
}

bool ResidueBuild::Solve(const ReducedTable& reduced, std::size_t place, mp_limb_t prime,
                         WordMatrix& x, mp_limb_t& determinant) const {
  nmod_t mod;
  nmod_init(&mod, prime);
  WordMatrix lu(k_, k_, prime);
  for (int p = 0; p < k_; ++p) {
    for (int q = 0; q < k_; ++q) lu(p, q) = reduced.At(place, SystemCell(p, q));
  }
  std::vector<slong> order(static_cast<std::size_t>(k_));
  for (int p = 0; p < k_; ++p) order[static_cast<std::size_t>(p)] = p;
  if (nmod_mat_lu(order.data(), lu.get(), 1) < k_) return false;
  // LU = PM, row p of PM being row order[p] of M: det M is the diagonal's
  // product times the sign of the order.
  determinant = 1;
  for (int p = 0; p < k_; ++p) determinant = nmod_mul(determinant, lu(p, p), mod);
  if (!EvenOrder(order)) determinant = nmod_neg(determinant, mod);
  for (int p = 0; p < k_; ++p) {
    const int row = static_cast<int>(order[static_cast<std::size_t>(p)]);
    for (int j = 0; j < width_; ++j) x(p, j) = reduced.At(place, SystemCell(row, k_ + j));
  }
  nmod_mat_solve_tril(x.get(), lu.get(), x.get(), 1);
  nmod_mat_solve_triu(x.get(), lu.get(), x.get(), 0);
  return true;
}

void ResidueBuild::WriteSubstituted(const ReducedTable& reduced, std::size_t place, mp_limb_t prime,
                                    WordMatrix& x, mp_limb_t determinant, mp_limb_t* out) const {
  nmod_t mod;
  nmod_init(&mod, prime);
  const int n = rows_.N();
  const auto count = static_cast<slong>(substituted_.size());
  WordMatrix coefficients(count, k_, prime);
  WordMatrix products(count, width_, prime);
  for (slong u = 0; u < count; ++u) {
    const int e = substituted_[static_cast<std::size_t>(u)][1];
    for (int q = 0; q < k_; ++q)
      coefficients(u, q) =
          reduced.At(place, RowCell(e, places_.basicX[static_cast<std::size_t>(q)]));
  }
  if (k_ > 0 && count > 0) nmod_mat_mul(products.get(), coefficients.get(), x.get());
  for (slong u = 0; u < count; ++u) {
    const auto [r, e] = substituted_[static_cast<std::size_t>(u)];
    const mp_limb_t factor = nmod_mul(reduced.At(place, MultipleCell(e)), determinant, mod);
    mp_limb_t* const row = out + static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(width_);
    for (int j = 1; j <= width_; ++j) {
      mp_limb_t sum = products(u, j - 1);
      const int label = j <= n ? basis_.column[static_cast<std::size_t>(j)] : 0;
      if (label > 0) sum = nmod_add(sum, reduced.At(place, RowCell(e, label)), mod);
      // The objective's cell n+1 is 0.
      if (j == width_ && e <= rows_.M())
        sum = nmod_sub(sum, reduced.At(place, RowCell(e, width_)), mod);
      row[j - 1] = nmod_mul(factor, sum, mod);
    }
  }
}

bool ResidueBuild::Prime(const ReducedTable& reduced, std::size_t place, mp_limb_t prime,
                         mp_limb_t* out, mp_limb_t& determinant) const {
  nmod_t mod;
  nmod_init(&mod, prime);
  WordMatrix x(k_, width_, prime);
  determinant = 1;
  if (k_ > 0 && !Solve(reduced, place, prime, x, determinant)) return false;
  const mp_limb_t commonResidue = nmod_mul(reduced.At(place, ScalesCell()), determinant, mod);
  // Basic x: common * x(B).
  for (int q = 0; q < k_; ++q) {
    mp_limb_t* const row =
        out + static_cast<std::size_t>(places_.basicXRow[static_cast<std::size_t>(q)] - 1) *
                  static_cast<std::size_t>(width_);
    for (int j = 0; j < width_; ++j) row[j] = nmod_mul(commonResidue, x(q, j), mod);
  }
  WriteSubstituted(reduced, place, prime, x, determinant, out);
  return true;
}

// The integer whose residues modulo `primes` are `residues` (the symmetric
// one), into `value`; false where it is longer than `boundBits`.
bool RebuildWithin(const std::vector<mp_limb_t>& primes, const std::vector<mp_limb_t>& residues,
                   long boundBits, mpz_class& value) {
  fmpz_comb_t comb;
  fmpz_comb_temp_t temp;
  fmpz_t integer;
  fmpz_comb_init(comb, primes.data(), static_cast<slong>(primes.size()));
  fmpz_comb_temp_init(temp, comb);
  fmpz_init(integer);
  fmpz_multi_CRT_ui(integer, residues.data(), comb, temp, 1);
  const bool within = static_cast<long>(fmpz_bits(integer)) <= boundBits;
  fmpz_get_mpz(value.get_mpz_t(), integer);
  fmpz_clear(integer);
  fmpz_comb_temp_clear(temp);
  fmpz_comb_clear(comb);
  return within;
}

}  // namespace

BasisResidues BuildBasisResidues(const IntegerRows& rows, const BasisLabels& basis,
                                 const std::vector<mp_limb_t>& primes, long boundBits,
                                 std::vector<mp_limb_t>& residues, mpz_class& common,
                                 ExchangeObserver* observer) {
  const WorkScope part(observer, WorkPhase::kResidues);
  BasisPlaces places;
  if (!ReadPlaces(rows, basis, places)) return BasisResidues::kNoBasis;
  const ResidueBuild build(rows, places, basis);
  const std::size_t cells =
      static_cast<std::size_t>(rows.M() + 1) * static_cast<std::size_t>(build.Width());
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
      reduced = build.Reduce(chunk);
    }
    if (!build.Prime(*reduced, place, primes[t], residues.data() + t * cells, determinants[t]))
      return BasisResidues::kLeftToElimination;
  }
  if (observer != nullptr) observer->SolvedBasisSystem(build.BasicX(), build.Width());

  // The determinant itself, from its residues: a minor of the scaled rows,
  // within the bound.
  mpz_class determinant;
  if (!RebuildWithin(primes, determinants, boundBits, determinant))
    return BasisResidues::kLeftToElimination;
  common = build.Scales() * determinant;
  return BasisResidues::kBuilt;
}

}  // namespace pivora
