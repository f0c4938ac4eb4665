#include "solve/parse_number.h"

#include <cmath>
#include <cstddef>

#include "solver/fp_environment.h"
#include "solver/arithmetic.h"

namespace pivora {

namespace {

// More fraction digits than this scale every value to +0 whatever the exponent
// (the exponent is below 5000), so the count may stop here instead of
// overflowing on very long texts.
constexpr long kFractionCountLimit = 20000;

// Reads the text left to right; every index is checked against the end.
class NumberText {
 public:
  explicit NumberText(std::string_view text) : text_(text) {}

  std::size_t Position() const { return pos_; }
  bool AtEnd() const { return pos_ >= text_.size(); }
  bool Next(char c) const { return !AtEnd() && text_[pos_] == c; }
  bool NextIsDigit() const { return !AtEnd() && text_[pos_] >= '0' && text_[pos_] <= '9'; }

  // Steps over `c` when it comes next.
  bool Take(char c) {
    if (!Next(c)) return false;
    ++pos_;
    return true;
  }

  int TakeDigit() { return text_[pos_++] - '0'; }

  // Blanks are the space character only; tabs and other white space are not.
  void SkipBlanks() {
    while (Next(' ')) ++pos_;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// v := v * 10, then v := v + digit: two separately rounded extended steps per
// digit, for every digit however many there are. Returns the digit count,
// stopping at kFractionCountLimit.
long AccumulateDigits(NumberText& reader, Extended& v) {
  long count = 0;
  while (reader.NextIsDigit()) {
    const int digit = reader.TakeDigit();
    // Once infinite, the value stays infinite and the overflow flag stays
    // raised, so the remaining digits are only read: the x87 takes a slow
    // path on infinite operands, which made very long texts take seconds.
    if (!std::isinf(v)) {
      v = v * 10;
      v = v + digit;
    }
    if (count < kFractionCountLimit) ++count;
  }
  return count;
}

// The exponent's digits, read until the value reaches 500 or a non-digit
// follows: at most 4999. Leading zeros are read freely.
int TakeExponent(NumberText& reader) {
  const bool negative = reader.Take('-');
  if (!negative) reader.Take('+');
  int x = 0;
  while (x < 500 && reader.NextIsDigit()) x = 10 * x + reader.TakeDigit();
  return negative ? -x : x;
}

}  // namespace

// The ratio test's sentinel: one constant for "no number" and "no limit".
Extended ErrorSentinel() { return kRatioSentinel; }

Extended ParseNumber(std::string_view text, const NumberFormat& format, Extended defaultValue) {
  ParsingMode mode;
  NumberText reader(text);

  reader.SkipBlanks();
  const bool negative = reader.Take('-');
  if (!negative) reader.Take('+');
  const std::size_t start = reader.Position();

  Extended v = 0;
  AccumulateDigits(reader, v);
  long scale = 0;
  if (reader.Take(format.decimalSeparator)) scale = -AccumulateDigits(reader, v);
  if (reader.Position() == start) return defaultValue;

  if (reader.Take('E') || reader.Take('e')) scale += TakeExponent(reader);
  reader.SkipBlanks();
  if (!reader.AtEnd()) return defaultValue;

  v = ScaleByPowerOfTen(v, static_cast<int>(scale));
  if (negative) v = -v;
  if (mode.Faulted(v)) return defaultValue;
  return v;
}

}  // namespace pivora
