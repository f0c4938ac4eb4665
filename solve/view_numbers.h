// Number text of the extra views (exchange steps, fractions, sensitivity):
// a reduced fraction, or the report's general format at Digits.
#pragma once

#include <cstddef>
#include <string>

#include "solve/number_format.h"
#include "solver/rational_arithmetic.h"

namespace pivora {

// "7/5", "-3", "0": numerator and denominator in lowest terms, an integer
// without a denominator.
std::string FractionText(const Rational& q);

struct ViewNumbers {
  bool fractions = false;
  int precision = 10;  // Digits
  NumberFormat format;

  // The exact value as a fraction, or the extended value nearest to it in the
  // report's format.
  std::string Text(const Rational& q) const;
  // The report's format alone.
  std::string Rounded(const Rational& q) const;
};

// The steps view's numbers: a fraction longer than kMaxFractionChars
// characters (they grow with every exchange on long data) is written as its
// value in the report's format, marked by a leading "~".
inline constexpr std::size_t kMaxFractionChars = 21;
inline constexpr const char* kShortenedLine =
    "~ vor einer Zahl: ein Bruch mit mehr als 21 Zeichen, gerundet auf die eingestellten Stellen.";

class ShortViewNumbers {
 public:
  explicit ShortViewNumbers(const ViewNumbers& numbers) : numbers_(numbers) {}

  std::string Text(const Rational& q);
  bool Shortened() const { return shortened_; }  // any fraction so far

 private:
  ViewNumbers numbers_;
  bool shortened_ = false;
};

// "x3", "Schritt 12": a word and a whole number written together.
std::string WordAndNumber(const char* word, long k);

// Texts for the two infinite ends of a range.
inline constexpr const char* kMinusInfinityText = "-unendlich";
inline constexpr const char* kPlusInfinityText = "+unendlich";

}  // namespace pivora
