// The sensitivity view: shadow prices, reduced costs and the ranges of the
// first optimal basis as aligned German-labelled tables.
#pragma once

#include <string>
#include <vector>

#include "solve/view_numbers.h"
#include "solver/sensitivity.h"

namespace pivora {

inline constexpr const char* kSensitivityHeading = "Sensitivit\xE4t der 1. L\xF6sung:";
inline constexpr const char* kNoSensitivityLine =
    "Sensitivit\xE4t: keine optimale Basis vorhanden.";

// The lines of the view, an empty line first. Without an optimal basis
// (`sensitivity` unavailable) one line says so.
std::vector<std::string> SensitivityLines(const Sensitivity& sensitivity,
                                          const ViewNumbers& numbers);

}  // namespace pivora
