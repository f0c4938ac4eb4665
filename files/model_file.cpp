#include "files/model_file.h"

#include <glpk.h>

#include "files/glpk_reading.h"
#include "files/model_translation.h"

namespace pivora {

std::optional<ModelFormat> ModelFormatOfPath(std::string_view path) {
  const auto endsWith = [path](std::string_view ending) {
    if (path.size() < ending.size()) return false;
    for (std::size_t k = 0; k < ending.size(); ++k) {
      char c = path[path.size() - ending.size() + k];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != ending[k]) return false;
    }
    return true;
  };
  if (endsWith(".lp")) return ModelFormat::kLp;
  if (endsWith(".mps")) return ModelFormat::kMps;
  return std::nullopt;
}

std::vector<std::string> ModelLegend::Lines() const {
  std::vector<std::string> lines{"Legende:"};
  for (std::size_t j = 0; j < variables.size(); ++j) lines.push_back(variables[j]);
  for (std::size_t i = 0; i < rows.size(); ++i) lines.push_back(rows[i]);
  for (const std::string& note : notes) lines.push_back("Hinweis: " + note);
  return lines;
}

ModelFileOutcome ReadModelFile(const std::string& path, ModelFormat format) {
  ModelFileOutcome outcome;
  ModelReadFailure failure;
  int mpsFormat = 0;
  const GlpkProblem model = ReadThroughGlpk(path, format, failure, &mpsFormat);
  if (!model) {
    outcome.kind = ModelFileOutcome::Kind::kFailed;
    outcome.line = failure.line;
    outcome.message =
        (failure.line > 0 ? "Zeile " + std::to_string(failure.line) + ": " : std::string()) +
        failure.message;
    return outcome;
  }
  if (std::optional<std::string> refusal = TooLargeMessage(
          glp_get_num_rows(model.get()), glp_get_num_cols(model.get()), GridSizeOf(model.get()))) {
    outcome.kind = ModelFileOutcome::Kind::kTooLarge;
    outcome.message = std::move(*refusal);
    return outcome;
  }
  // Only an MPS model has range rows, and only those need the second read.
  bool rangeRows = false;
  for (int i = 1; i <= glp_get_num_rows(model.get()); ++i)
    rangeRows = rangeRows || glp_get_row_type(model.get(), i) == GLP_DB;
  const GlpkProblem ranges =
      rangeRows && mpsFormat != 0 ? ReadRangesThroughGlpk(path, mpsFormat) : nullptr;
  TranslateModel(model.get(), ranges.get(), outcome);
  return outcome;
}

}  // namespace pivora
