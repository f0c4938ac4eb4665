#include "cli/plot_file.h"

#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <filesystem>

#include "cli/plot_module.h"
#include "files/file_write.h"
#include "ui/messages.h"
#include "ui/plot_window_problem.h"
#include "ui/text_encoding.h"

namespace pivora {

namespace {

using PlotBytes = bool (*)(const GraphicalSolution&, const std::string&, std::string&,
                          std::string&);

// The plot module: beside the program (the build), else where it is installed.
void* LoadPlotModule() {
  std::array<char, 4096> self{};
  const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
  if (length > 0) {
    const std::filesystem::path beside =
        std::filesystem::path(std::string(self.data(), static_cast<std::size_t>(length)))
            .parent_path() /
        kPlotModuleName;
    if (void* module = ::dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL)) return module;
  }
  const std::string installed = std::string(PIVORA_PLOT_MODULE_DIR) + "/" + kPlotModuleName;
  return ::dlopen(installed.c_str(), RTLD_NOW | RTLD_LOCAL);
}

}  // namespace

bool WriteProblemPlot(WindowOperations& window, const std::string& path, std::string& error) {
  return WritePlot(PlotWindowProblem(window), path, error);
}

bool WritePlot(const GraphicalSolution& plot, const std::string& path, std::string& error) {
  if (plot.outcome == PlotOutcome::kTooManyVariables) {
    error = Latin1ToUtf8(TooManyVariablesText(plot.n));
    return false;
  }
  // Loaded once, for the life of the program: Qt does not go away cleanly.
  static void* module = LoadPlotModule();
  const auto paint =
      module != nullptr ? reinterpret_cast<PlotBytes>(::dlsym(module, kPlotModuleEntry)) : nullptr;
  if (paint == nullptr) {
    error = messages::PlotModuleMissing(kPlotModuleName, ::dlerror());
    return false;
  }
  std::string bytes;
  if (!paint(plot, path, bytes, error)) return false;
  if (std::optional<std::string> reason = WriteWholeFile(path, bytes)) {
    error = std::move(*reason);
    return false;
  }
  return true;
}

}  // namespace pivora
