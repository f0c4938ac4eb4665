#include "cli/gmp_memory.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pivora {
namespace {

// Numbers that grow limb by limb from one limb past the small classes and
// back keep their digits through every kind of move: within a class,
// between classes, from the lists to malloc and back. The digits are
// compared with the same computation on GMP's own memory.
std::vector<std::string> GrowAndShrink() {
  std::vector<std::string> texts;
  mpz_class x = 1;
  std::vector<mpz_class> kept;
  for (int k = 1; k <= 120; ++k) {
    x = x * 1000003 + k;  // about 20 bits a step: 38 limbs at the end
    kept.push_back(x);    // a block of every size stays taken meanwhile
    texts.push_back(x.get_str(16));
  }
  for (int k = 1; k <= 119; ++k) {
    x /= 1000003;
    mpz_realloc2(x.get_mpz_t(), mpz_sizeinbase(x.get_mpz_t(), 2));
    texts.push_back(x.get_str(16));
  }
  for (const mpz_class& y : kept) texts.push_back(y.get_str(16));
  return texts;
}

TEST(SmallBlocksForGmp, NumbersKeepTheirDigitsAsTheyGrowAndShrink) {
  void* (*allocate)(std::size_t);
  void* (*reallocate)(void*, std::size_t, std::size_t);
  void (*release)(void*, std::size_t);
  mp_get_memory_functions(&allocate, &reallocate, &release);
  const std::vector<std::string> expected = GrowAndShrink();
  UseSmallBlocksForGmp();
  const std::vector<std::string> got = GrowAndShrink();
  // Every number of the lists is gone; the rest of the binary's tests keep
  // to GMP's own memory.
  mp_set_memory_functions(allocate, reallocate, release);
  EXPECT_EQ(got, expected);
}

}  // namespace
}  // namespace pivora
