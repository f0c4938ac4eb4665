// The entry of the plot module that pivora-solve loads for --plot alone, so
// that the report never loads Qt. The module holds the Qt painter; the
// geometry and the number text it uses are pivora-solve's own (exported).
#pragma once

#include <string>

#include "plot/graphical_solution.h"

// The picture of `plot` as the bytes of the file `path` names (ending .svg
// or .png), painted without a display; false with a German reason (UTF-8)
// in `error`. The program writes the bytes itself.
extern "C" bool PivoraPlotFileBytes(const pivora::GraphicalSolution& plot,
                                    const std::string& path, std::string& bytes,
                                    std::string& error);

// The module's file name, found beside the program or in the library folder.
inline constexpr const char* kPlotModuleName = "pivora-solve-plot.so";
inline constexpr const char* kPlotModuleEntry = "PivoraPlotFileBytes";
