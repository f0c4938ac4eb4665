#include "solver/fraction_free.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <utility>

namespace pivora {

namespace {

using Denominator = FractionFree::Denominator;

bool SameDenominator(const Denominator& a, const Denominator& b) {
  if (a == b) return true;
  if (!a || !b) return false;
  return *a == *b;
}

const mpz_class& ValueOf(const Denominator& d) {
  static const mpz_class one = 1;  // an immutable constant, not state
  return d ? *d : one;
}

void ShiftLeft(mpz_class& x, long bits) {
  if (bits > 0) mpz_mul_2exp(x.get_mpz_t(), x.get_mpz_t(), static_cast<mp_bitcnt_t>(bits));
}

// q * 2^e as a rational.
Rational ScaleRational(Rational q, long e) {
  if (e > 0) mpq_mul_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(e));
  if (e < 0) mpq_div_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(-e));
  return q;
}

}  // namespace

FractionFree::FractionFree(int k) : t_(k) { Normalise(); }

FractionFree::FractionFree(Extended x) {
  const Rational q = ExactRational(x);
  t_ = q.get_num();
  const mpz_class& den = q.get_den();  // a power of two
  e_ = -static_cast<long>(mpz_scan1(den.get_mpz_t(), 0));
  Normalise();
}

FractionFree::FractionFree(const Rational& q) : FractionFree(FromRational(q, nullptr)) {}

FractionFree FractionFree::OverShared(mpz_class numerator, int denominatorSign,
                                      const Denominator& odd, long twos) {
  FractionFree v;
  if (numerator == 0) return v;
  v.t_ = std::move(numerator);
  if (denominatorSign < 0) v.t_ = -v.t_;
  v.e_ = -twos;
  v.d_ = odd;
  v.Normalise();
  return v;
}

FractionFree::FractionFree(FractionFreeProduct&& p) {
  const FractionFree& a = p.a_;
  const FractionFree& b = p.b_;
  t_ = a.t_ * b.t_;
  if (t_ == 0) return;
  e_ = a.e_ + b.e_;
  if (!a.d_) {
    d_ = b.d_;
  } else if (!b.d_) {
    d_ = a.d_;
  } else {
    d_ = std::make_shared<const mpz_class>(*a.d_ * *b.d_);
  }
}

void FractionFree::Normalise() {
  if (t_ == 0) {
    e_ = 0;
    d_.reset();
    return;
  }
  const mp_bitcnt_t twos = mpz_scan1(t_.get_mpz_t(), 0);
  if (twos > 0) {
    mpz_tdiv_q_2exp(t_.get_mpz_t(), t_.get_mpz_t(), twos);
    e_ += static_cast<long>(twos);
  }
}

Rational FractionFree::ToRational() const {
  Rational q(t_, ValueOf(d_));
  q.canonicalize();
  return ScaleRational(q, e_);
}

int FractionFree::ToInt() const {
  assert(!d_ && e_ >= 0 && e_ < 32);
  mpz_class v = t_;
  ShiftLeft(v, e_);
  return static_cast<int>(v.get_si());
}

const Denominator& FractionFree::MagnitudeAsDenominator() const {
  if (!magnitude_ && !(t_ == 1 || t_ == -1))
    magnitude_ = std::make_shared<const mpz_class>(abs(t_));
  return magnitude_;
}

FractionFree FractionFree::FromRational(const Rational& q, const Denominator& preferred) {
  FractionFree v;
  if (q == 0) return v;
  mpz_class num = q.get_num();
  mpz_class den = q.get_den();
  const mp_bitcnt_t twos = mpz_scan1(den.get_mpz_t(), 0);
  mpz_tdiv_q_2exp(den.get_mpz_t(), den.get_mpz_t(), twos);
  v.e_ = -static_cast<long>(twos);
  if (den == 1) {
    v.t_ = num;
  } else if (preferred && mpz_divisible_p(preferred->get_mpz_t(), den.get_mpz_t())) {
    v.t_ = num * (*preferred / den);
    v.d_ = preferred;
  } else {
    v.t_ = num;
    v.d_ = std::make_shared<const mpz_class>(den);
  }
  v.Normalise();
  return v;
}

// The exchange step's update: a = W(i, s) from before the step (over Da),
// b = W'(r, j) of the new pivot row (over Q, the pivot's numerator), old =
// W(i, j) (over Do). Put over Q,
//   a * b + old = [(a.t b.t 2^(a.e+b.e) Do + old.t Da Q 2^old.e) / (Da Do)] / Q,
// and in fraction-free elimination the bracket is an integer: the entries of
// the new tableau lie over the new shared denominator. Where a and old share
// their denominator (an entry the last steps wrote), Do cancels.
FractionFree operator+(FractionFreeProduct&& p, const FractionFree& old) {
  const FractionFree& a = p.a_;
  const FractionFree& b = p.b_;
  if (a.t_ == 0 || b.t_ == 0) return old;
  const bool shared = old.t_ == 0 || SameDenominator(a.d_, old.d_);
  mpz_class z = a.t_ * b.t_;
  long e = a.e_ + b.e_;
  if (!shared) z *= ValueOf(old.d_);
  if (old.t_ != 0) {
    mpz_class y = old.t_ * ValueOf(b.d_);
    if (!shared) y *= ValueOf(a.d_);
    const long m = std::min(e, old.e_);
    ShiftLeft(z, e - m);
    ShiftLeft(y, old.e_ - m);
    z += y;
    e = m;
  }
  bool exact = true;
  if (a.d_ || (!shared && old.d_)) {
    const mpz_class product = shared ? mpz_class() : ValueOf(a.d_) * ValueOf(old.d_);
    const mpz_class& divisor = shared ? *a.d_ : product;
    mpz_class remainder;
    mpz_tdiv_qr(z.get_mpz_t(), remainder.get_mpz_t(), z.get_mpz_t(), divisor.get_mpz_t());
    exact = remainder == 0;
  }
  if (exact) {
    FractionFree v;
    v.t_ = std::move(z);
    v.e_ = e;
    v.d_ = b.d_;
    v.Normalise();
    return v;
  }
  return FractionFree::FromRational(a.ToRational() * b.ToRational() + old.ToRational(), b.d_);
}

FractionFree operator/(const FractionFree& x, const FractionFree& y) {
  assert(y.t_ != 0);
  FractionFree v;
  if (x.t_ == 0) return v;
  const int sign = sgn(y.t_);
  if (SameDenominator(x.d_, y.d_)) {
    v.t_ = sign < 0 ? mpz_class(-x.t_) : x.t_;
    v.e_ = x.e_ - y.e_;
    v.d_ = y.MagnitudeAsDenominator();
    return v;
  }
  if (!x.d_) {
    v.t_ = x.t_ * *y.d_;
    if (sign < 0) v.t_ = -v.t_;
    v.e_ = x.e_ - y.e_;
    v.d_ = y.MagnitudeAsDenominator();
    return v;
  }
  return FractionFree::FromRational(x.ToRational() / y.ToRational(), y.MagnitudeAsDenominator());
}

FractionFree operator-(const FractionFree& x) {
  FractionFree v = x;
  v.t_ = -v.t_;
  return v;
}

FractionFree Abs(const FractionFree& x) { return x.t_ < 0 ? -x : x; }

int Compare(const FractionFree& a, const FractionFree& b) {
  const int sa = sgn(a.t_);
  const int sb = sgn(b.t_);
  if (sa != sb) return sa < sb ? -1 : 1;
  if (sa == 0) return 0;
  // Same sign: compare |a.t| b.d 2^a.e with |b.t| a.d 2^b.e.
  mpz_class left = abs(a.t_);
  mpz_class right = abs(b.t_);
  if (!SameDenominator(a.d_, b.d_)) {
    left *= ValueOf(b.d_);
    right *= ValueOf(a.d_);
  }
  const long shift = a.e_ - b.e_;
  // Decide by the bit lengths where the shift makes one side clearly larger.
  const long leftBits = static_cast<long>(mpz_sizeinbase(left.get_mpz_t(), 2)) + shift;
  const long rightBits = static_cast<long>(mpz_sizeinbase(right.get_mpz_t(), 2));
  int magnitude;
  if (leftBits > rightBits) {
    magnitude = 1;
  } else if (leftBits < rightBits) {
    magnitude = -1;
  } else {
    ShiftLeft(left, shift);
    ShiftLeft(right, -shift);
    magnitude = cmp(left, right);
    magnitude = magnitude > 0 ? 1 : magnitude < 0 ? -1 : 0;
  }
  return sa > 0 ? magnitude : -magnitude;
}

}  // namespace pivora
