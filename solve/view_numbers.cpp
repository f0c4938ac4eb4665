#include "solve/view_numbers.h"

#include "solve/format_number.h"

namespace pivora {

namespace {
constexpr int kExponentDigits = 2;  // as the report writes exponents
}

std::string FractionText(const Rational& q) {
  Rational reduced = q;
  reduced.canonicalize();
  return reduced.get_str();
}

std::string WordAndNumber(const char* word, long k) {
  std::string text(word);
  text += std::to_string(k);
  return text;
}

std::string ViewNumbers::Text(const Rational& q) const {
  if (fractions) return FractionText(q);
  return Rounded(q);
}

std::string ViewNumbers::Rounded(const Rational& q) const {
  return FormatGeneral(NearestExtended(q), precision, kExponentDigits, format);
}

std::string ShortViewNumbers::Text(const Rational& q) {
  if (!numbers_.fractions) return numbers_.Rounded(q);
  // The digit counts are exact or one too many: only a fraction near the
  // limit needs its text to decide.
  const std::size_t estimate =
      mpz_sizeinbase(q.get_num_mpz_t(), 10) + mpz_sizeinbase(q.get_den_mpz_t(), 10) + 2;
  if (estimate <= kMaxFractionChars + 2) {
    std::string text = FractionText(q);
    if (text.size() <= kMaxFractionChars) return text;
  }
  shortened_ = true;
  std::string text(1, '~');
  text.append(numbers_.Rounded(q));
  return text;
}

}  // namespace pivora
