// FLINT's functions that the exact check calls, loaded on the first call.
// A FLINT function the solver comes to call needs its line here: the
// program's link names it as an undefined reference until it has one.
#include "cli/lazy_library.h"

// clang-format off
#define PIVORA_FLINT_FUNCTIONS(F, id) \
  F(id, _fmpq_reconstruct_fmpz_2) \
  F(id, _fmpz_clear_mpz) \
  F(id, _fmpz_new_mpz) \
  F(id, _fmpz_promote) \
  F(id, flint_cleanup) \
  F(id, flint_throw) \
  F(id, fmpz_abs) \
  F(id, fmpz_addmul) \
  F(id, fmpz_bits) \
  F(id, fmpz_cmp) \
  F(id, fmpz_cmpabs) \
  F(id, fmpz_divisible) \
  F(id, fmpz_comb_clear) \
  F(id, fmpz_comb_init) \
  F(id, fmpz_comb_temp_clear) \
  F(id, fmpz_comb_temp_init) \
  F(id, fmpz_divexact) \
  F(id, fmpz_equal) \
  F(id, fmpz_gcd) \
  F(id, fmpz_get_mpz) \
  F(id, fmpz_mat_clear) \
  F(id, fmpz_mat_det_modular_given_divisor) \
  F(id, fmpz_mat_find_good_prime_and_invert) \
  F(id, fmpz_mat_get_nmod_mat) \
  F(id, fmpz_mat_init) \
  F(id, fmpz_mat_mul) \
  F(id, fmpz_mat_scalar_addmul_nmod_mat_fmpz) \
  F(id, fmpz_mat_scalar_divexact_ui) \
  F(id, fmpz_mat_scalar_mul_fmpz) \
  F(id, fmpz_mat_set) \
  F(id, fmpz_mat_set_nmod_mat_unsigned) \
  F(id, fmpz_mat_solve_bound) \
  F(id, fmpz_mat_solve_dixon_den) \
  F(id, fmpz_mat_sub) \
  F(id, fmpz_mul) \
  F(id, fmpz_mul_2exp) \
  F(id, fmpz_mul_si) \
  F(id, fmpz_mul_ui) \
  F(id, fmpz_multi_CRT_ui) \
  F(id, fmpz_multi_mod_ui) \
  F(id, fmpz_set) \
  F(id, fmpz_set_mpz) \
  F(id, fmpz_sgn) \
  F(id, fmpz_smod) \
  F(id, fmpz_submul) \
  F(id, n_gcdinv) \
  F(id, n_is_prime) \
  F(id, n_ll_mod_preinv) \
  F(id, n_mulmod_precomp_shoup) \
  F(id, nmod_mat_clear) \
  F(id, nmod_mat_init) \
  F(id, nmod_mat_lu) \
  F(id, nmod_mat_mul) \
  F(id, nmod_mat_solve_tril) \
  F(id, nmod_mat_solve_triu)
// clang-format on

PIVORA_LAZY_LIBRARY(flint, "libflint.so.17", PIVORA_FLINT_FUNCTIONS);
