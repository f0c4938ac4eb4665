#include "solve/extended_encoding.h"

#include <cstring>

namespace pivora {

namespace {

// x86-64 stores the significand in bytes 0..7 and sign and exponent in 8..9;
// the bytes after the tenth are padding.
constexpr std::size_t kSignificandBytes = 8;
constexpr std::uint64_t kLeadingBit = 1ULL << 63;

}  // namespace

ExtendedEncoding EncodingOf(Extended value) {
  unsigned char bytes[sizeof(Extended)];
  std::memcpy(bytes, &value, sizeof bytes);
  ExtendedEncoding encoding;
  std::memcpy(&encoding.significand, bytes, kSignificandBytes);
  std::uint16_t signExponent = 0;
  std::memcpy(&signExponent, bytes + kSignificandBytes, sizeof signExponent);
  encoding.negative = (signExponent & 0x8000u) != 0;
  encoding.biasedExponent = signExponent & 0x7FFF;

  const bool leading = (encoding.significand & kLeadingBit) != 0;
  const bool fraction = (encoding.significand & ~kLeadingBit) != 0;
  if (encoding.biasedExponent == 0)
    encoding.kind = ExtendedKind::kZeroOrSubnormal;
  else if (!leading)
    encoding.kind = ExtendedKind::kInvalid;
  else if (encoding.biasedExponent == 0x7FFF)
    encoding.kind = fraction ? ExtendedKind::kNan : ExtendedKind::kInfinity;
  else
    encoding.kind = ExtendedKind::kNormal;
  return encoding;
}

Extended ExtendedFromBits(bool negative, int biasedExponent, std::uint64_t significand) {
  unsigned char bytes[sizeof(Extended)] = {};
  std::memcpy(bytes, &significand, kSignificandBytes);
  const auto signExponent =
      static_cast<std::uint16_t>((negative ? 0x8000u : 0u) | (biasedExponent & 0x7FFF));
  std::memcpy(bytes + kSignificandBytes, &signExponent, sizeof signExponent);
  Extended value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

}  // namespace pivora
