#include "solve/number_format.h"

#include <clocale>

namespace pivora {

NumberFormat LocaleNumberFormat() {
  NumberFormat format;
  const std::lconv* conv = std::localeconv();
  if (conv != nullptr && conv->decimal_point != nullptr && conv->decimal_point[0] != '\0')
    format.decimalSeparator = conv->decimal_point[0];
  return format;
}

NumberFormat SolveNumberFormat() {
  NumberFormat format = LocaleNumberFormat();
  format.decimalSeparator = '.';
  return format;
}

}  // namespace pivora
