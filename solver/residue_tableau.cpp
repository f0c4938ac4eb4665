#include "solver/residue_tableau.h"

#include <flint/ulong_extras.h>

#include <algorithm>
#include <cassert>
#include <functional>
#include <mutex>
#include <utility>

#include "solver/basis_places.h"
#include "solver/exact_tuning.h"

namespace pivora {

namespace {

// Primes below 2^62: n_mulmod_shoup needs them below 2^63, and each adds at
// least 61 bits to the product.
constexpr mp_limb_t kFirstPrimeBelow = mp_limb_t{1} << 62;
constexpr long kBitsPerPrime = 61;
// Bits of the product beyond twice the bound: a reading that is not the
// numerator lands inside the bound with a chance of 2^-64.
constexpr long kCheckBits = 64;

// The largest prime below q (q odd and above 3).
mp_limb_t PrimeBelow(mp_limb_t q) {
  do {
    q -= 2;
  } while (n_is_prime(q) == 0);
  return q;
}

// The first `count` primes below 2^62 in falling order, found once for all
// tableaus and solves.
std::vector<mp_limb_t> WordPrimes(std::size_t count) {
  static std::mutex mutex;
  static std::vector<mp_limb_t> primes;
  const std::lock_guard<std::mutex> lock(mutex);
  while (primes.size() < count)
    primes.push_back(PrimeBelow(primes.empty() ? kFirstPrimeBelow + 1 : primes.back()));
  return {primes.begin(), primes.begin() + static_cast<std::ptrdiff_t>(count)};
}

// ceil(log2 |x|) or more for x != 0 (0 for 0): x < 2^BitsAbove(x).
long BitsAbove(const mpz_class& x) {
  return x == 0 ? 0 : static_cast<long>(mpz_sizeinbase(x.get_mpz_t(), 2));
}

// A bound in bits on every numerator of the tableau: each is an
// (m+1) x (m+1) minor of the scaled problem's whole matrix, whose columns
// are the x (with their objective coefficient), the slacks and z (their
// scale in their own row) and the constants; by Hadamard's inequality its
// magnitude is at most the product of the m+1 longest column norms.
long NumeratorBoundBits(const IntegerRows& rows, int m, int n) {
  std::vector<long> norms;
  mpz_class squares;
  const auto columnNorm = [&](int j, int lastRow) {
    squares = 0;
    for (int t = 1; t <= lastRow; ++t) {
      const mpz_class& a = rows.At(t, j);
      mpz_addmul(squares.get_mpz_t(), a.get_mpz_t(), a.get_mpz_t());
    }
    // |v| = sqrt(squares) < 2^ceil(bits / 2).
    norms.push_back((BitsAbove(squares) + 1) / 2);
  };
  for (int j = 1; j <= n; ++j) columnNorm(j, m + 1);
  columnNorm(n + 1, m);
  for (int t = 1; t <= m + 1; ++t) norms.push_back(BitsAbove(rows.Scale(t)));
  std::sort(norms.begin(), norms.end(), std::greater<>());
  long bits = 0;
  for (int k = 0; k < m + 1 && k < static_cast<int>(norms.size()); ++k)
    bits += norms[static_cast<std::size_t>(k)];
  return bits;
}

}  // namespace

ResidueTableau::ResidueTableau(int m, int n, long boundBits, int primes)
    : m_(m),
      n_(n),
      cols_(n + 1),
      cells_((m + 1) * (n + 1)),
      boundBits_(boundBits),
      primes_(WordPrimes(static_cast<std::size_t>(primes))),
      residues_(static_cast<std::size_t>(primes) * static_cast<std::size_t>(cells_)),
      denominatorResidues_(static_cast<std::size_t>(primes)),
      nextPrime_(primes_.back()),
      cache_(static_cast<std::size_t>(cells_)),
      gathered_(static_cast<std::size_t>(primes)),
      rowLabels_(static_cast<std::size_t>(m + 1)),
      columnLabels_(static_cast<std::size_t>(n + 1)) {
  fmpz_init(integer_);
  inverses_.reserve(primes_.size());
  for (const mp_limb_t p : primes_) inverses_.push_back(n_preinvert_limb(p));
  InitialiseComb();
}

ResidueTableau::~ResidueTableau() {
  ClearComb();
  fmpz_clear(integer_);
}

void ResidueTableau::InitialiseComb() {
  fmpz_comb_init(comb_, primes_.data(), static_cast<slong>(primes_.size()));
  fmpz_comb_temp_init(combTemp_, comb_);
  combMade_ = true;
}

void ResidueTableau::ClearComb() {
  if (!combMade_) return;
  fmpz_comb_temp_clear(combTemp_);
  fmpz_comb_clear(comb_);
  combMade_ = false;
}

ResidueTableau::Built ResidueTableau::Build(const IntegerRows& rows, const BasisLabels& basis,
                                            ExchangeObserver* observer,
                                            std::unique_ptr<ResidueTableau>& out) {
  const int m = rows.M();
  const int n = rows.N();
  const long bound = NumeratorBoundBits(rows, m, n);
  // The product covers twice the bound and the check bits with one prime to
  // spare, so that RenewPrimes can rebuild the entries from the others.
  const long primes = (bound + 1 + kCheckBits + kBitsPerPrime - 1) / kBitsPerPrime + 1;
  if (primes * (m + 1) * (n + 1) > kMostResidues) return Built::kTooLong;

  out.reset(new ResidueTableau(m, n, bound, static_cast<int>(primes)));
  ResidueTableau& t = *out;
  mpz_class common;
  const BasisResidues modular =
      BuildBasisResidues(rows, basis, t.primes_, bound, t.residues_, common, observer);
  if (modular == BasisResidues::kNoBasis) {
    out.reset();
    return Built::kNoBasis;
  }
  // The residues hold N / D, so no prime may divide D; one that divides the
  // scales (never for decimals) leaves the tableau to the exact build.
  t.reduced_ = modular == BasisResidues::kBuilt &&
               std::none_of(t.primes_.begin(), t.primes_.end(), [&common](mp_limb_t p) {
                 return mpz_fdiv_ui(common.get_mpz_t(), p) == 0;
               });
  if (!t.reduced_) {
    IntegerMatrix numerators(m + 1, n + 1);
    if (!BuildBasisNumerators(rows, basis, numerators, common, observer)) {
      out.reset();
      return Built::kNoBasis;
    }
    // The numerators are known exactly: the residues are made from them at
    // the first exchange, so a run that makes none costs no reduction.
    for (int i = 1; i <= m + 1; ++i) {
      for (int j = 1; j <= n + 1; ++j) {
        Cell& c = t.cache_[t.CellIndex(i, j)];
        c.numerator = std::move(numerators(i - 1, j - 1));
        c.numeratorEpoch = t.epoch_;
      }
    }
  }
  t.SetDenominator(std::move(common));
  if (t.reduced_) t.DivideByDenominator();
  for (int i = 1; i <= m; ++i)
    t.rowLabels_[static_cast<std::size_t>(i)] =
        FractionFree(basis.row[static_cast<std::size_t>(i)]);
  for (int j = 1; j <= n; ++j)
    t.columnLabels_[static_cast<std::size_t>(j)] =
        FractionFree(basis.column[static_cast<std::size_t>(j)]);
  return Built::kBuilt;
}

void ResidueTableau::MakeResidues() {
  if (reduced_) return;
  std::vector<int> dividing;
  for (int k = 0; k < Primes(); ++k) {
    if (denominatorResidues_[static_cast<std::size_t>(k)] == 0) dividing.push_back(k);
  }
  ReplacePrimes(dividing);
  const std::size_t count = primes_.size();
  for (std::size_t cell = 0; cell < static_cast<std::size_t>(cells_); ++cell) {
    ReduceModuloPrimes(cache_[cell].numerator, comb_, combTemp_, integer_, primes_,
                       gathered_.data());
    for (std::size_t k = 0; k < count; ++k)
      residues_[k * static_cast<std::size_t>(cells_) + cell] = gathered_[k];
  }
  reduced_ = true;
  DivideByDenominator();
}

void ResidueTableau::DivideByDenominator() {
  for (std::size_t k = 0; k < primes_.size(); ++k) {
    const mp_limb_t p = primes_[k];
    const mp_limb_t dinv = n_invmod(denominatorResidues_[k], p);
    const mp_limb_t dinvShoup = n_mulmod_precomp_shoup(dinv, p);
    mp_limb_t* const base = ResiduesOf(static_cast<int>(k));
    for (int cell = 0; cell < cells_; ++cell)
      base[cell] = n_mulmod_shoup(dinv, base[cell], dinvShoup, p);
  }
}

void ResidueTableau::SetDenominator(mpz_class d) {
  assert(d != 0);
  denominator_ = std::move(d);
  for (std::size_t k = 0; k < primes_.size(); ++k)
    denominatorResidues_[k] = mpz_fdiv_ui(denominator_.get_mpz_t(), primes_[k]);
  denominatorSign_ = sgn(denominator_);
  mpz_class odd = abs(denominator_);
  denominatorTwos_ = static_cast<long>(mpz_scan1(odd.get_mpz_t(), 0));
  mpz_tdiv_q_2exp(odd.get_mpz_t(), odd.get_mpz_t(), static_cast<mp_bitcnt_t>(denominatorTwos_));
  denominatorOdd_ = odd == 1 ? nullptr : std::make_shared<const mpz_class>(std::move(odd));
}

const mpz_class& ResidueTableau::Numerator(std::size_t cell) const {
  Cell& c = cache_[cell];
  if (c.numeratorEpoch == epoch_) return c.numerator;
  const std::size_t count = primes_.size();
  for (std::size_t k = 0; k < count; ++k) {
    gathered_[k] = n_mulmod2_preinv(residues_[k * static_cast<std::size_t>(cells_) + cell],
                                    denominatorResidues_[k], primes_[k], inverses_[k]);
  }
  fmpz_multi_CRT_ui(integer_, gathered_.data(), comb_,
                    const_cast<fmpz_comb_temp_struct*>(combTemp_), 1);
  if (static_cast<long>(fmpz_bits(integer_)) > boundBits_) throw ResidueBoundExceeded();
  fmpz_get_mpz(c.numerator.get_mpz_t(), integer_);
  c.numeratorEpoch = epoch_;
  return c.numerator;
}

const FractionFree& ResidueTableau::Value(int i, int j) const {
  const std::size_t cell = CellIndex(i, j);
  Cell& c = cache_[cell];
  if (c.valueEpoch != epoch_) {
    c.value = FractionFree::OverShared(Numerator(cell), denominatorSign_, denominatorOdd_,
                                       denominatorTwos_);
    c.valueEpoch = epoch_;
  }
  return c.value;
}

const FractionFree& ResidueTableau::operator()(int i, int j) const {
  assert(i >= 1 && i <= m_ + 2 && j >= 1 && j <= n_ + 2);
  if (i <= m_ + 1 && j <= n_ + 1) return Value(i, j);
  if (j == n_ + 2 && i <= m_) return rowLabels_[static_cast<std::size_t>(i)];
  if (i == m_ + 2 && j <= n_) return columnLabels_[static_cast<std::size_t>(j)];
  return zero_;
}

FractionFree& ResidueTableau::operator()(int i, int j) {
  return const_cast<FractionFree&>(std::as_const(*this)(i, j));
}

void ResidueTableau::Exchange(int r, int s) {
  assert(r >= 1 && r <= m_ && s >= 1 && s <= n_);
  const std::size_t pivotCell = CellIndex(r, s);
  mpz_class pivot = Numerator(pivotCell);
  assert(pivot != 0);
  MakeResidues();

  // The step of Pivot on each prime's values: W'(r, j) = -W(r, j) / p,
  // W'(i, j) = W(i, j) + W(i, s) W'(r, j), W'(i, s) = W(i, s) / p,
  // W'(r, s) = 1 / p. A prime that divides the pivot's numerator (the next
  // D) cannot divide by it: it is renewed from the others afterwards.
  std::vector<int> lost;
  const int rows = m_ + 1;
  const int pivotRowStart = (r - 1) * cols_;
  const int column = s - 1;
  for (std::size_t k = 0; k < primes_.size(); ++k) {
    const mp_limb_t p = primes_[k];
    mp_limb_t* const base = ResiduesOf(static_cast<int>(k));
    mp_limb_t* const pivotRow = base + pivotRowStart;
    if (pivotRow[column] == 0) {
      lost.push_back(static_cast<int>(k));
      continue;
    }
    const mp_limb_t inverse = n_invmod(pivotRow[column], p);
    const mp_limb_t minusInverse = p - inverse;
    const mp_limb_t minusInverseShoup = n_mulmod_precomp_shoup(minusInverse, p);
    for (int j = 0; j < cols_; ++j) {
      if (j != column)
        pivotRow[j] = n_mulmod_shoup(minusInverse, pivotRow[j], minusInverseShoup, p);
    }
    const mp_limb_t inverseShoup = n_mulmod_precomp_shoup(inverse, p);
    for (int i = 0; i < rows; ++i) {
      mp_limb_t* const row = base + i * cols_;
      if (row == pivotRow) continue;
      const mp_limb_t c = row[column];
      if (c == 0) continue;
      const mp_limb_t cShoup = n_mulmod_precomp_shoup(c, p);
      for (int j = 0; j < cols_; ++j) {
        if (j != column) row[j] = n_addmod(row[j], n_mulmod_shoup(c, pivotRow[j], cShoup, p), p);
      }
      row[column] = n_mulmod_shoup(inverse, c, inverseShoup, p);
    }
    pivotRow[column] = inverse;
  }

  // The numerators known exactly stay known: column s keeps them, row r
  // changes their sign, and N(r, s) becomes the old D.
  const long next = epoch_ + 1;
  for (int i = 1; i <= rows; ++i) {
    Cell& c = cache_[CellIndex(i, s)];
    if (i != r && c.numeratorEpoch == epoch_) c.numeratorEpoch = next;
  }
  for (int j = 1; j <= cols_; ++j) {
    Cell& c = cache_[CellIndex(r, j)];
    if (j != s && c.numeratorEpoch == epoch_) {
      c.numerator = -c.numerator;
      c.numeratorEpoch = next;
    }
  }
  Cell& pivotEntry = cache_[pivotCell];
  pivotEntry.numerator = denominator_;
  pivotEntry.numeratorEpoch = next;
  epoch_ = next;
  SetDenominator(std::move(pivot));
  std::swap(rowLabels_[static_cast<std::size_t>(r)], columnLabels_[static_cast<std::size_t>(s)]);
  RenewPrimes(lost);
}

void ResidueTableau::RenewPrimes(const std::vector<int>& renewed) {
  if (renewed.empty()) return;
  const auto isRenewed = [&renewed](std::size_t q) {
    return std::find(renewed.begin(), renewed.end(), static_cast<int>(q)) != renewed.end();
  };
  // Every numerator from the other primes, which still cover the bound where
  // at most two are renewed (one prime to spare, and the check bits).
  std::vector<mp_limb_t> others;
  for (std::size_t q = 0; q < primes_.size(); ++q) {
    if (!isRenewed(q)) others.push_back(primes_[q]);
  }
  fmpz_comb_t comb;
  fmpz_comb_temp_t temp;
  fmpz_comb_init(comb, others.data(), static_cast<slong>(others.size()));
  fmpz_comb_temp_init(temp, comb);
  bool within = renewed.size() <= 2;
  for (int cell = 0; cell < cells_ && within; ++cell) {
    Cell& c = cache_[static_cast<std::size_t>(cell)];
    if (c.numeratorEpoch == epoch_) continue;
    std::size_t g = 0;
    for (std::size_t q = 0; q < primes_.size(); ++q) {
      if (isRenewed(q)) continue;
      gathered_[g++] = n_mulmod2_preinv(
          residues_[q * static_cast<std::size_t>(cells_) + static_cast<std::size_t>(cell)],
          denominatorResidues_[q], primes_[q], inverses_[q]);
    }
    fmpz_multi_CRT_ui(integer_, gathered_.data(), comb, temp, 1);
    within = static_cast<long>(fmpz_bits(integer_)) <= boundBits_;
    fmpz_get_mpz(c.numerator.get_mpz_t(), integer_);
    c.numeratorEpoch = epoch_;
  }
  fmpz_comb_temp_clear(temp);
  fmpz_comb_clear(comb);
  if (!within) throw ResidueBoundExceeded();

  ReplacePrimes(renewed);
  for (const int k : renewed) {
    const auto q = static_cast<std::size_t>(k);
    const mp_limb_t p = primes_[q];
    const mp_limb_t dinv = n_invmod(denominatorResidues_[q], p);
    mp_limb_t* const base = ResiduesOf(k);
    for (int cell = 0; cell < cells_; ++cell) {
      const mp_limb_t numerator =
          mpz_fdiv_ui(cache_[static_cast<std::size_t>(cell)].numerator.get_mpz_t(), p);
      base[cell] = n_mulmod2_preinv(numerator, dinv, p, inverses_[q]);
    }
  }
}

void ResidueTableau::ReplacePrimes(const std::vector<int>& replaced) {
  if (replaced.empty()) return;
  for (const int k : replaced) {
    const auto q = static_cast<std::size_t>(k);
    // A prime below every one used so far that does not divide D.
    mp_limb_t p = nextPrime_;
    do {
      p = PrimeBelow(p);
    } while (mpz_fdiv_ui(denominator_.get_mpz_t(), p) == 0);
    nextPrime_ = p;
    primes_[q] = p;
    inverses_[q] = n_preinvert_limb(p);
    denominatorResidues_[q] = mpz_fdiv_ui(denominator_.get_mpz_t(), p);
  }
  ClearComb();
  InitialiseComb();
}

}  // namespace pivora
