// pivora-solve --plot: the graphical solution of the solved problem as an
// SVG or PNG file, painted without a display. The declaration is plain C++;
// only its definition links the Qt painter, so the report path stays Qt-free.
#pragma once

#include <string>

#include "plot/graphical_solution.h"
#include "ui/window_operations.h"

namespace pivora {

// Writes the picture of the problem in `window` to `path` (ending .svg or
// .png), all or nothing (WriteWholeFile). False with a German reason
// (UTF-8) in `error` where the problem has more than three variables or the
// file cannot be written.
bool WriteProblemPlot(WindowOperations& window, const std::string& path, std::string& error);

// The same for a picture made already (that of a practice).
bool WritePlot(const GraphicalSolution& plot, const std::string& path, std::string& error);

}  // namespace pivora
