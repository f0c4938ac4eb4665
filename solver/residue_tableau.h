// The exact work tableau of the exchange method held as residues, for runs
// of many exchanges on long numbers. Every entry is an integer numerator N
// over one common denominator D, the basis determinant of the scaled
// problem, and each numerator is, up to its sign, a minor of the problem's
// whole matrix, so Hadamard's inequality bounds it. The entries N / D are
// kept modulo word primes (none dividing D) whose product exceeds twice that
// bound many times over, and an exchange step is Pivot's own step for each
// prime: one product and one sum per entry in word arithmetic, where exact
// values multiply numbers thousands of bits long. D itself is kept exactly
// (after the step it is N(r, s)), and an entry becomes an exact value, its
// numerator N = (N / D) D rebuilt by Chinese remaindering, only when the
// method reads it.
#pragma once

#include <flint/fmpz.h>
#include <gmpxx.h>

#include <exception>
#include <memory>
#include <vector>

#include "solver/basis_tableau.h"
#include "solver/exact_problem.h"
#include "solver/exchange_observer.h"
#include "solver/fraction_free.h"

namespace pivora {

// An entry read back lay beyond the numerators' bound: the residues do not
// hold the tableau. Never expected; the caller goes on with exact values.
struct ResidueBoundExceeded : std::exception {
  const char* what() const noexcept override { return "residue bound exceeded"; }
};

class ResidueTableau {
 public:
  enum class Built {
    kBuilt,
    kNoBasis,  // the labels name no basis, or a singular one
    kTooLong,  // the numbers would need more primes than are worth keeping
  };

  // The work tableau that the exchange method holds at `basis` for the
  // problem of `rows` (as BuildBasisTableau writes it) into `out`. Asks
  // `observer` (may be null) whether to stop, as BuildBasisTableau does.
  static Built Build(const IntegerRows& rows, const BasisLabels& basis, ExchangeObserver* observer,
                     std::unique_ptr<ResidueTableau>& out);

  ResidueTableau(const ResidueTableau&) = delete;
  ResidueTableau& operator=(const ResidueTableau&) = delete;
  ~ResidueTableau();

  // Entry (i, j) of rows 1..m+2 and columns 1..n+2, as the exchange method
  // addresses its work tableau: labels in column n+2 and row m+2. An entry
  // of rows 1..m+1 and columns 1..n+1 is made exact when it is first read
  // after an exchange (throws ResidueBoundExceeded where it cannot be), and
  // is only read: only Exchange changes it. Labels are held as written.
  const FractionFree& operator()(int i, int j) const;
  FractionFree& operator()(int i, int j);

  // The exchange of row r (1..m) and column s (1..n), whose entry is not 0,
  // with the labels swapped. A prime that divides the new D, the pivot's
  // numerator, which the step divides by, is renewed: the entries are
  // rebuilt from the other primes and reduced modulo a fresh one. Throws
  // ResidueBoundExceeded where more than two primes divide it.
  void Exchange(int r, int s);

 private:
  struct Cell {
    long numeratorEpoch = -1;
    long valueEpoch = -1;
    mpz_class numerator;
    FractionFree value;
  };

  ResidueTableau(int m, int n, long boundBits, int primes);
  int Primes() const { return static_cast<int>(primes_.size()); }
  std::size_t CellIndex(int i, int j) const {
    return static_cast<std::size_t>((i - 1) * cols_ + (j - 1));
  }
  mp_limb_t* ResiduesOf(int k) {
    return residues_.data() + static_cast<std::size_t>(k) * static_cast<std::size_t>(cells_);
  }
  // The residues of the entries built exactly, before the first step.
  void MakeResidues();
  // Each prime's residues of numerators to those of the entries, N / D.
  void DivideByDenominator();
  // Replaces each of `renewed` by a fresh prime, the entries rebuilt from
  // the other primes (their residues are not read).
  void RenewPrimes(const std::vector<int>& renewed);
  // New primes in place of `replaced`, none dividing D; the residues are
  // left to the caller.
  void ReplacePrimes(const std::vector<int>& replaced);
  void SetDenominator(mpz_class d);
  void InitialiseComb();
  void ClearComb();
  const mpz_class& Numerator(std::size_t cell) const;
  const FractionFree& Value(int i, int j) const;

  int m_;
  int n_;
  int cols_;   // n + 1
  int cells_;  // (m + 1) * (n + 1)
  long boundBits_;
  std::vector<mp_limb_t> primes_;
  std::vector<mp_limb_t> inverses_;  // n_preinvert_limb of each prime
  std::vector<mp_limb_t> residues_;  // N / D, prime-major: cells_ per prime
  bool reduced_ = false;             // residues_ holds them
  std::vector<mp_limb_t> denominatorResidues_;
  mp_limb_t nextPrime_ = 0;  // ReplacePrimes's next candidate
  mpz_class denominator_;
  int denominatorSign_ = 1;
  FractionFree::Denominator denominatorOdd_;
  long denominatorTwos_ = 0;
  fmpz_comb_struct comb_[1];
  fmpz_comb_temp_struct combTemp_[1];
  bool combMade_ = false;
  long epoch_ = 0;
  mutable std::vector<Cell> cache_;
  mutable std::vector<mp_limb_t> gathered_;
  mutable fmpz_t integer_;
  std::vector<FractionFree> rowLabels_;     // 1..m
  std::vector<FractionFree> columnLabels_;  // 1..n
  FractionFree zero_;
};

}  // namespace pivora
