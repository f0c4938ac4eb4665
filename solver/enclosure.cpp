#include "solver/enclosure.h"

#include <cmath>
#include <limits>
#include <memory>
#include <utility>

namespace pivora {

using double_double::FastTwoSum;
using double_double::Pair;
using double_double::Sum;
using enclosure_detail::kNarrowest;
using enclosure_detail::kUp;

Enclosure::Enclosure(const Rational& q) {
  if (sgn(q) == 0) return;
  // |q| / 2^k lies in (1/2, 2).
  const long k = static_cast<long>(mpz_sizeinbase(q.get_num_mpz_t(), 2)) -
                 static_cast<long>(mpz_sizeinbase(q.get_den_mpz_t(), 2));
  Rational scaled;
  if (k >= 0) {
    mpq_div_2exp(scaled.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(k));
  } else {
    mpq_mul_2exp(scaled.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(-k));
  }
  const double hi = scaled.get_d();  // truncated
  const Rational rest = scaled - Rational(hi);
  const double lo = rest.get_d();
  const Pair z = FastTwoSum(hi, lo);
  // The truncation of the rest is below a unit in the last place of lo, or,
  // where the rest lies below the normal range (which GMP may return as 0),
  // below 2^-1022: kNarrowest holds either.
  const double radius = rest != Rational(lo) ? std::fabs(lo) * 0x1p-52 * kUp + kNarrowest : 0;
  *this = Normalized(z.hi, z.lo, radius, k);
}

namespace {

class Known final : public LazyExact {
 public:
  explicit Known(Rational q) : q_(std::move(q)) {}

 private:
  Rational Compute() const override { return q_; }
  Rational q_;
};

}  // namespace

Rational enclosure_detail::Combined::Compute() const {
  const Rational& x = a_->Value();
  if (op_ == '-') return -x;
  const Rational& y = b_->Value();
  if (effort_ != nullptr) effort_->Spend(x, y);
  switch (op_) {
    case '+':
      return x + y;
    case '*':
      return x * y;
    default:
      return x / y;
  }
}

Enclosure Enclosure::Exactly(const Rational& q) {
  Enclosure e(q);
  if (e.radius_ != 0) e.exact_ = std::make_shared<const Known>(q);
  return e;
}

std::shared_ptr<const LazyExact> Enclosure::ExactOrMidpoint() const {
  if (exact_) return exact_;
  // Midpoints of radius 0 come from whole numbers and from the typed data:
  // their exponents stay far below this.
  constexpr std::int64_t kLongest = std::int64_t{1} << 20;
  if (radius_ != 0 || exponent_ > kLongest || exponent_ < -kLongest) return nullptr;
  Rational q(hi_);
  q += Rational(lo_);
  if (exponent_ >= 0) {
    mpq_mul_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(exponent_));
  } else {
    mpq_div_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<mp_bitcnt_t>(-exponent_));
  }
  return std::make_shared<const Known>(std::move(q));
}

bool Enclosure::Straddles() const {
  if (radius_ == 0) return false;
  if (hi_ > 0) return !(Sum({hi_, lo_}, {-radius_, 0}).hi > 0);
  if (hi_ < 0) return !(Sum({hi_, lo_}, {radius_, 0}).hi < 0);
  return true;
}

int Enclosure::Sign() const {
  if (radius_ == 0) return hi_ > 0 ? 1 : hi_ < 0 ? -1 : 0;
  // The end of the enclosure nearer to 0, summed within a relative 3u^2,
  // which keeps its sign.
  if (hi_ > 0 && Sum({hi_, lo_}, {-radius_, 0}).hi > 0) return 1;
  if (hi_ < 0 && Sum({hi_, lo_}, {radius_, 0}).hi < 0) return -1;
  if (exact_) return sgn(exact_->Value());
  throw Undecided();
}

double Enclosure::Leading() const {
  if (hi_ == 0) return 0;
  if (exponent_ > 2000) return std::copysign(std::numeric_limits<double>::infinity(), hi_);
  if (exponent_ < -2000) return std::copysign(0.0, hi_);
  return std::ldexp(hi_, static_cast<int>(exponent_));
}

double Enclosure::SizeOrder() const {
  if (hi_ == 0) return -std::numeric_limits<double>::infinity();
  // e + (|hi| - 1) lies in [e, e + 1) and rounds monotonically.
  return static_cast<double>(exponent_) + (std::fabs(hi_) - 1);
}

}  // namespace pivora
