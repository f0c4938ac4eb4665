// The integer systems of a basis solved by p-adic lifting (Dixon, 1982) on
// FLINT's matrices: a modular inverse of the matrix, then lifting of the
// solution digit by digit, and rational reconstruction over one common
// denominator, on GMP's integers.
#include <flint/flint.h>
#include <flint/fmpq.h>
#include <flint/fmpz.h>
#include <flint/fmpz_mat.h>
#include <flint/nmod_mat.h>

#include "solver/basis_places.h"
#include "solver/flint_integer.h"
#include "solver/word_matrix.h"

namespace pivora {

namespace {

// FLINT's integer matrix, freed when it goes out of scope.
struct FlintMatrix {
  FlintMatrix(long rows, long columns) { fmpz_mat_init(m, rows, columns); }
  ~FlintMatrix() { fmpz_mat_clear(m); }
  FlintMatrix(const FlintMatrix&) = delete;
  FlintMatrix& operator=(const FlintMatrix&) = delete;
  fmpz* At(long i, long j) { return fmpz_mat_entry(m, i, j); }
  fmpz_mat_t m;
};

// The fractions n / d (|n| <= N, 0 < d <= D) that the entries of `lifted`
// stand for modulo `power`, as numerators `x` over one common denominator
// `den`. Each entry t times the denominator found so far, reduced to the
// symmetric range, is its numerator where it lies within N: where
// power > 2 N D, the one fraction of such size the residue allows. Only an
// entry whose denominator `den` does not divide is reconstructed on its
// own, and `den` grows to the least common multiple. False where an entry
// has no such fraction.
bool Reconstruct(const fmpz_mat_t lifted, const fmpz_t power, const fmpz_t numeratorBound,
                 const fmpz_t denominatorBound, fmpz_mat_t x, fmpz_t den,
                 ExchangeObserver* observer) {
  const long k = fmpz_mat_nrows(lifted);
  const long columns = fmpz_mat_ncols(lifted);
  fmpz_one(den);
  FlintInteger t;
  FlintInteger n;
  FlintInteger d;
  FlintInteger factor;
  for (long j = 0; j < columns; ++j) {
    ThrowIfCancelled(observer);
    for (long i = 0; i < k; ++i) {
      fmpz_mul(t.get(), den, fmpz_mat_entry(lifted, i, j));
      fmpz_smod(t.get(), t.get(), power);
      if (fmpz_cmpabs(t.get(), numeratorBound) <= 0) {
        fmpz_swap(fmpz_mat_entry(x, i, j), t.get());
        continue;
      }
      if (!_fmpq_reconstruct_fmpz_2(n.get(), d.get(), fmpz_mat_entry(lifted, i, j), power, numeratorBound,
                                    denominatorBound))
        return false;
      // den' = lcm(den, d): the earlier numerators take the factor den' / den,
      // this one den' / d.
      fmpz_gcd(factor.get(), den, d.get());
      fmpz_divexact(factor.get(), d.get(), factor.get());
      for (long q = 0; q <= j; ++q) {
        for (long r = 0; r < (q < j ? k : i); ++r)
          fmpz_mul(fmpz_mat_entry(x, r, q), fmpz_mat_entry(x, r, q), factor.get());
      }
      fmpz_mul(den, den, factor.get());
      if (fmpz_cmp(den, denominatorBound) > 0) return false;
      fmpz_divexact(factor.get(), den, d.get());
      fmpz_mul(fmpz_mat_entry(x, i, j), n.get(), factor.get());
    }
  }
  return true;
}

// X = A^-1 B as numerators `x` over one positive denominator `den`. The
// solution is lifted modulo powers of one word prime p, from the inverse of
// A modulo p, until the power exceeds 2 N D, N and D bounding the solution's
// numerators and denominators (Hadamard), and then reconstructed. (Trying
// smaller fractions on the way, checked by A x = den B, never ended early on
// dense 50 x 50 bases of long digits, where these bounds are close, and
// cost a tenth.) False where A is singular. `observer` is asked to cancel
// before every digit.
bool LiftToCommonDenominator(fmpz_mat_t x, fmpz_t den, const fmpz_mat_t a, const fmpz_mat_t b,
                             ExchangeObserver* observer) {
  const long k = fmpz_mat_nrows(a);
  const long columns = fmpz_mat_ncols(b);
  FlintInteger numeratorBound;
  FlintInteger denominatorBound;
  fmpz_mat_solve_bound(numeratorBound.get(), denominatorBound.get(), a, b);
  WordMatrix inverse(k, k, 1);
  const mp_limb_t p = fmpz_mat_find_good_prime_and_invert(inverse.get(), a, denominatorBound.get());
  if (p == 0) return false;

  FlintInteger bound;
  fmpz_mul(bound.get(), numeratorBound.get(), denominatorBound.get());
  fmpz_mul_2exp(bound.get(), bound.get(), 1);
  FlintMatrix lifted(k, columns);  // the solution modulo `power`
  FlintMatrix rest(k, columns);    // (B - A * lifted) / power
  FlintMatrix digit(k, columns);
  FlintMatrix product(k, columns);
  WordMatrix restModP(k, columns, p);
  WordMatrix digitModP(k, columns, p);
  fmpz_mat_set(rest.m, b);
  FlintInteger power;
  fmpz_one(power.get());
  for (;;) {
    ThrowIfCancelled(observer);
    fmpz_mat_get_nmod_mat(restModP.get(), rest.m);
    nmod_mat_mul(digitModP.get(), inverse.get(), restModP.get());
    fmpz_mat_scalar_addmul_nmod_mat_fmpz(lifted.m, digitModP.get(), power.get());
    fmpz_mul_ui(power.get(), power.get(), p);
    if (fmpz_cmp(power.get(), bound.get()) > 0) {
      // Past 2 N D every entry has its fraction; should one not, FLINT's own
      // solver decides.
      return Reconstruct(lifted.m, power.get(), numeratorBound.get(), denominatorBound.get(), x, den,
                         observer) ||
             fmpz_mat_solve_dixon_den(x, den, a, b) != 0;
    }
    fmpz_mat_set_nmod_mat_unsigned(digit.m, digitModP.get());
    fmpz_mat_mul(product.m, a, digit.m);
    fmpz_mat_sub(rest.m, rest.m, product.m);
    fmpz_mat_scalar_divexact_ui(rest.m, rest.m, p);
  }
}

// The denominator the lifting finds divides the determinant, which the
// modular determinant then needs only as the remaining factor.
bool LiftSolution(IntegerMatrix& a, int k, mpz_class& denominator, bool determinant,
                  ExchangeObserver* observer) {
  const int columns = a.Width() - k;
  FlintMatrix left(k, k);
  FlintMatrix right(k, columns);
  FlintMatrix x(k, columns);
  FlintInteger den;
  for (int p = 0; p < k; ++p) {
    for (int q = 0; q < k; ++q) fmpz_set_mpz(left.At(p, q), a(p, q).get_mpz_t());
    for (int j = 0; j < columns; ++j) fmpz_set_mpz(right.At(p, j), a(p, k + j).get_mpz_t());
  }
  if (!LiftToCommonDenominator(x.m, den.get(), left.m, right.m, observer)) return false;
  if (determinant) {
    FlintInteger det;
    fmpz_mat_det_modular_given_divisor(det.get(), left.m, den.get(), 1);
    FlintInteger factor;
    fmpz_divexact(factor.get(), det.get(), den.get());
    fmpz_mat_scalar_mul_fmpz(x.m, x.m, factor.get());
    fmpz_swap(den.get(), det.get());
  }
  for (int p = 0; p < k; ++p) {
    for (int j = 0; j < columns; ++j) fmpz_get_mpz(a(p, k + j).get_mpz_t(), x.At(p, j));
  }
  fmpz_get_mpz(denominator.get_mpz_t(), den.get());
  return true;
}

}  // namespace

bool SolveByLifting(IntegerMatrix& a, int k, mpz_class& denominator, bool determinant,
                    ExchangeObserver* observer) {
  if (k == 0) {
    denominator = 1;
    return true;
  }
  // FLINT keeps the integers it freed, and its tables of primes, in caches
  // of the calling thread that live until the thread asks for them to be
  // freed: a solve runs on a thread of its own, which would otherwise leave
  // them behind when it ends, cancelled or not.
  struct Cleanup {
    ~Cleanup() { flint_cleanup(); }
  } cleanup;
  return LiftSolution(a, k, denominator, determinant, observer);
}

}  // namespace pivora
