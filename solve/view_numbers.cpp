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

std::string Numbered(const char* word, long k) {
  std::string text(word);
  text += std::to_string(k);
  return text;
}

std::string ViewNumbers::Text(const Rational& q) const {
  if (fractions) return FractionText(q);
  return FormatGeneral(NearestExtended(q), precision, kExponentDigits, format);
}

}  // namespace pivora
