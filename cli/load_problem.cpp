#include "cli/load_problem.h"

#include "cli/command_line.h"
#include "cli/input.h"

namespace pivora {

std::optional<LoadedProblem> LoadProblem(std::string_view program, const std::string& path) {
  const std::string name = InputName(path);
  LoadedProblem loaded;
  if (const std::optional<ModelFormat> format =
          path == "-" ? std::nullopt : ModelFormatOfPath(path)) {
    ModelFileOutcome model = ReadModelFile(path, *format);
    if (model.kind != ModelFileOutcome::Kind::kRead) {
      PrintError(program, name + ": " + model.message);
      return std::nullopt;
    }
    loaded.problem = std::move(model.problem);
    loaded.legend = std::move(model.legend);
    return loaded;
  }
  const InputOutcome input = ReadInput(path);
  if (input.kind == InputOutcome::Kind::kFailed) {
    PrintError(program, name + ": " + input.message);
    return std::nullopt;
  }
  ProblemFileOutcome file = ReadProblemFile(input.content);
  if (file.kind == ProblemFileOutcome::Kind::kMalformed) {
    PrintError(program, name + ":" + std::to_string(file.line) + ": " + file.germanMessage);
    return std::nullopt;
  }
  loaded.problem = std::move(file.problem);
  return loaded;
}

}  // namespace pivora
