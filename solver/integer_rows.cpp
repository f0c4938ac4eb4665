#include "solver/integer_rows.h"

namespace pivora {

IntegerRows::IntegerRows(const ExactTableau& problem, int m, int n)
    : problem_(problem),
      m_(m),
      n_(n),
      cells_(static_cast<std::size_t>((m + 1) * (n + 1))),
      scales_(static_cast<std::size_t>(m + 2)) {
  for (int i = 1; i <= m + 1; ++i) {
    mpz_class& scale = scales_[static_cast<std::size_t>(i)];
    scale = 1;
    const int last = i <= m ? n + 1 : n;
    for (int j = 1; j <= last; ++j) {
      mpz_lcm(scale.get_mpz_t(), scale.get_mpz_t(), problem(i, j).get_den_mpz_t());
    }
    for (int j = 1; j <= last; ++j) {
      const Rational& q = problem(i, j);
      mpz_class& cell = cells_[Index(i, j)];
      mpz_divexact(cell.get_mpz_t(), scale.get_mpz_t(), q.get_den_mpz_t());
      cell *= q.get_num();
    }
  }
}

}  // namespace pivora
