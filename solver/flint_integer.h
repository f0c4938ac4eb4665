// A whole number of any size on FLINT's fmpz, which holds a number below
// 2^62 in magnitude in its one word: such numbers are copied and computed
// without touching the heap. Branch and bound copies its tableaux of mostly
// small numbers once per subproblem.
#pragma once

#include <flint/fmpz.h>
#include <gmpxx.h>

#include <utility>

namespace pivora {

class FlintInteger {
 public:
  FlintInteger() { fmpz_init(&v_); }
  explicit FlintInteger(const mpz_class& x) {
    fmpz_init(&v_);
    fmpz_set_mpz(&v_, x.get_mpz_t());
  }
  ~FlintInteger() { fmpz_clear(&v_); }
  FlintInteger(const FlintInteger& other) { fmpz_init_set(&v_, &other.v_); }
  // An fmpz is its word: taking the word takes the number, and 0 needs no
  // clearing.
  FlintInteger(FlintInteger&& other) noexcept : v_(std::exchange(other.v_, 0)) {}
  FlintInteger& operator=(const FlintInteger& other) {
    fmpz_set(&v_, &other.v_);
    return *this;
  }
  FlintInteger& operator=(FlintInteger&& other) noexcept {
    fmpz_swap(&v_, &other.v_);
    return *this;
  }

  fmpz* get() { return &v_; }
  const fmpz* get() const { return &v_; }
  int Sign() const { return fmpz_sgn(&v_); }
  bool IsZero() const { return fmpz_is_zero(&v_) != 0; }
  mpz_class ToMpz() const {
    mpz_class x;
    fmpz_get_mpz(x.get_mpz_t(), &v_);
    return x;
  }

 private:
  fmpz v_;
};

}  // namespace pivora
