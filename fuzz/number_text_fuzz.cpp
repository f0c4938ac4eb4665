// libFuzzer target for number text. The input is parsed as cell text; its
// first ten bytes are also an 80-bit pattern to format, with the next two bytes
// as precision and exponent digits. Any failed check aborts with its reason.
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "solve/extended_encoding.h"
#include "solve/format_number.h"
#include "solve/parse_number.h"

namespace {

using pivora::Extended;

constexpr int kFaults = FE_INVALID | FE_OVERFLOW | FE_DIVBYZERO;

[[noreturn]] void Fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "number text fuzz: %s: «%.*s»\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "INF", "-INF", "NAN", or: optional "-", digits, optionally "." and digits,
// optionally "E", optional "-" and digits.
bool MatchesGeneralForm(std::string_view text) {
  if (text == "INF" || text == "-INF" || text == "NAN") return true;
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i > from;
  };
  if (i < text.size() && text[i] == '-') ++i;
  if (!digits()) return false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (!digits()) return false;
  }
  if (i < text.size() && text[i] == 'E') {
    ++i;
    if (i < text.size() && text[i] == '-') ++i;
    if (!digits()) return false;
  }
  return i == text.size();
}

std::string CheckFormat(Extended value, int precision, int exponentDigits) {
  std::feclearexcept(FE_ALL_EXCEPT);
  std::string text = pivora::FormatGeneral(value, precision, exponentDigits, {'.'});
  if (std::fetestexcept(kFaults) != 0) Fail("formatting raised a flag", text);
  if (!MatchesGeneralForm(text)) Fail("formatted text breaks the general form", text);
  return text;
}

// All 18 digits parse back to within half a unit of the last one, plus the
// few roundings of the two scalings.
void CheckRoundTrip(Extended value, const std::string& text) {
  const Extended back =
      pivora::ParseNumber(text, {'.'}, std::numeric_limits<Extended>::quiet_NaN());
  if (std::isnan(back)) {
    // Rounded up to 18 digits, the largest values lie beyond the range.
    if (std::fabs(value) > 1e4932L) return;
    Fail("18 digits do not parse back", text);
  }
  const pivora::DecimalForm form = pivora::DecimalDigits(value, 18);
  const Extended magnitude = std::fabs(value);
  const Extended ulp = magnitude - std::nextafter(magnitude, 0.0L);
  const Extended tolerance = 0.51L * pivora::ScaleByPowerOfTen(1.0L, form.exponent - 18) + 8 * ulp;
  if (std::fabs(back - value) > tolerance) Fail("18 digits do not parse back", text);
}

void CheckParse(std::string_view text) {
  const Extended sentinel = pivora::ErrorSentinel();
  std::feclearexcept(FE_ALL_EXCEPT);
  const Extended value = pivora::ParseNumber(text, {'.'}, sentinel);
  if (std::fetestexcept(kFaults) != 0) Fail("parsing left a flag set", text);
  if (std::memcmp(&value, &sentinel, 10) == 0) return;
  if (!std::isfinite(value)) Fail("parsing accepted a non-finite value", text);
  CheckRoundTrip(value, CheckFormat(value, 18, 2));
  CheckFormat(value, 10, 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckParse(std::string_view(reinterpret_cast<const char*>(data), size));
  if (size >= 10) {
    Extended value = 0;
    std::memcpy(&value, data, 10);
    const int precision = size > 10 ? static_cast<std::int8_t>(data[10]) : 10;
    const int exponentDigits = size > 11 ? static_cast<std::int8_t>(data[11]) : 2;
    CheckFormat(value, precision, exponentDigits);
  }
  return 0;
}
