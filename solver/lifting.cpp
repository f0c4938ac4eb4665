// The integer systems of a basis solved by p-adic lifting: FLINT's Dixon
// solver (a modular inverse of the matrix, then lifting of the solution
// digit by digit and rational reconstruction), on GMP's integers.
#include <flint/flint.h>
#include <flint/fmpz.h>
#include <flint/fmpz_mat.h>

#include "solver/basis_places.h"

namespace pivora {

namespace {

// FLINT's values freed when they go out of scope.
struct FlintMatrix {
  FlintMatrix(long rows, long columns) { fmpz_mat_init(m, rows, columns); }
  ~FlintMatrix() { fmpz_mat_clear(m); }
  FlintMatrix(const FlintMatrix&) = delete;
  FlintMatrix& operator=(const FlintMatrix&) = delete;
  fmpz* At(long i, long j) { return fmpz_mat_entry(m, i, j); }
  fmpz_mat_t m;
};

struct FlintInteger {
  FlintInteger() { fmpz_init(v); }
  ~FlintInteger() { fmpz_clear(v); }
  FlintInteger(const FlintInteger&) = delete;
  FlintInteger& operator=(const FlintInteger&) = delete;
  fmpz_t v;
};

// Dixon (1982): the solution's numerators and common denominator are found
// modulo a power of one word-sized prime p, from the inverse of the matrix
// modulo p, and recovered by rational reconstruction once that power exceeds
// the Hadamard bound. The denominator it finds divides the determinant, which
// the modular determinant then needs only as the remaining factor.
bool LiftSolution(IntegerMatrix& a, int k, mpz_class& denominator, bool determinant) {
  const int columns = a.Width() - k;
  FlintMatrix left(k, k);
  FlintMatrix right(k, columns);
  FlintMatrix x(k, columns);
  FlintInteger den;
  for (int p = 0; p < k; ++p) {
    for (int q = 0; q < k; ++q) fmpz_set_mpz(left.At(p, q), a(p, q).get_mpz_t());
    for (int j = 0; j < columns; ++j) fmpz_set_mpz(right.At(p, j), a(p, k + j).get_mpz_t());
  }
  if (!fmpz_mat_solve_dixon_den(x.m, den.v, left.m, right.m)) return false;
  if (determinant) {
    FlintInteger det;
    fmpz_mat_det_modular_given_divisor(det.v, left.m, den.v, 1);
    FlintInteger factor;
    fmpz_divexact(factor.v, det.v, den.v);
    fmpz_mat_scalar_mul_fmpz(x.m, x.m, factor.v);
    fmpz_swap(den.v, det.v);
  }
  for (int p = 0; p < k; ++p) {
    for (int j = 0; j < columns; ++j) fmpz_get_mpz(a(p, k + j).get_mpz_t(), x.At(p, j));
  }
  fmpz_get_mpz(denominator.get_mpz_t(), den.v);
  return true;
}

}  // namespace

bool SolveByLifting(IntegerMatrix& a, int k, mpz_class& denominator, bool determinant) {
  if (k == 0) {
    denominator = 1;
    return true;
  }
  const bool solved = LiftSolution(a, k, denominator, determinant);
  // FLINT keeps the integers it freed, and its tables of primes, in caches
  // of the calling thread that live until the thread asks for them to be
  // freed: a solve runs on a thread of its own, which would otherwise leave
  // them behind when it ends.
  flint_cleanup();
  return solved;
}

}  // namespace pivora
