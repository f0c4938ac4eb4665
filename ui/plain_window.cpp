#include "ui/plain_window.h"

#include <algorithm>

#include "ui/handlers.h"

namespace pivora {
namespace {

bool Step(int& value, int direction, int minimum, int maximum) {
  if (direction == 0) return false;
  const int next = std::clamp(value + (direction > 0 ? 1 : -1), minimum, maximum);
  if (next == value) return false;
  value = next;
  return true;
}

}  // namespace

PlainWindow::PlainWindow() = default;

bool PlainWindow::StepNVars(int direction) {
  return Step(nVars_, direction, kCountMinimum, kMaxVariables);
}

bool PlainWindow::StepNCons(int direction) {
  return Step(nCons_, direction, kCountMinimum, kMaxConstraints);
}

void PlainWindow::SetDigits(int digits) {
  digits_ = std::clamp(digits, kDigitsMinimum, kDigitsMaximum);
}

void SpinNVarsTo(PlainWindow& window, int target) {
  const int direction = target > window.NVarsValue() ? 1 : -1;
  while (window.NVarsValue() != target && window.StepNVars(direction)) NVarsChange(window, &window);
}

void SpinNConsTo(PlainWindow& window, int target) {
  const int direction = target > window.NConsValue() ? 1 : -1;
  while (window.NConsValue() != target && window.StepNCons(direction)) NConsChange(window, &window);
}

}  // namespace pivora
