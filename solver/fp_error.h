// The one error a solve can raise: an invalid operation, a division by zero or
// an overflow of the extended range. Underflow and inexact results pass silently.
#pragma once

#include <stdexcept>
#include <string>

namespace pivora {

// what() is the text the window shows in its error box, full stop included:
// "Floating point overflow.", "Invalid floating point operation." or
// "Floating point division by zero.".
class FloatingPointError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace pivora
