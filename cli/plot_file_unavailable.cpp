// pivora-solve built without Qt: --plot says it cannot draw.
#include "cli/plot_file.h"

namespace pivora {

bool WriteProblemPlot(WindowOperations&, const std::string&, std::string& error) {
  error = "Diese pivora-solve wurde ohne Qt gebaut und zeichnet keine Bilder.";
  return false;
}

}  // namespace pivora
