#include "solver/enclosure.h"

#include <cmath>

namespace pivora {

using enclosure_detail::FastTwoSum;
using enclosure_detail::kLargest;
using enclosure_detail::kSmallest;
using enclosure_detail::kUp;
using enclosure_detail::Pair;
using enclosure_detail::Sum;

Enclosure::Enclosure(const Rational& q) {
  if (sgn(q) == 0) return;
  const double hi = q.get_d();  // truncated
  if (!(std::fabs(hi) <= kLargest && std::fabs(hi) >= kSmallest)) throw Undecided();
  const Rational rest = q - Rational(hi);
  const double lo = rest.get_d();
  const Pair z = FastTwoSum(hi, lo);
  hi_ = z.hi;
  lo_ = z.lo;
  // The truncation of the rest is below a unit in the last place of lo, or
  // below the smallest subnormal.
  if (rest != Rational(lo)) radius_ = (std::fabs(lo) * 0x1p-52 + 0x1p-1074) * kUp;
}

int Enclosure::Sign() const {
  if (radius_ == 0) return hi_ > 0 ? 1 : hi_ < 0 ? -1 : 0;
  // The end of the enclosure nearer to 0, summed within a relative 3u^2,
  // which keeps its sign.
  if (hi_ > 0 && Sum({hi_, lo_}, {-radius_, 0}).hi > 0) return 1;
  if (hi_ < 0 && Sum({hi_, lo_}, {radius_, 0}).hi < 0) return -1;
  throw Undecided();
}

}  // namespace pivora
