#include "files/model_file.h"

#include <glpk.h>

#include <cstdint>
#include <filesystem>

#include "files/file_error.h"
#include "files/glpk_messages.h"
#include "files/glpk_reading.h"
#include "files/model_record.h"
#include "files/model_translation.h"
#include "files/mps_size.h"
#include "files/separate_process.h"
#include "solver/tables.h"

namespace pivora {
namespace {

// An MPS file from this size on is counted before GLPK reads it. Measured
// with pivora-solve on files of one-entry columns, under a load of about 9
// on two cores: GLPK's read and the refusal of 314 KB took 0.02 to 0.07 s,
// of 639 KB 0.08 s, of 1.3 MB 0.19 s, at about 300 bytes a column.
constexpr std::uintmax_t kCountedFrom = 256 * 1024;

// The refusal of an MPS file that the first pass shows too large; none
// where it may fit, or where the file is small enough for GLPK's read to
// judge it as soon.
std::optional<std::string> FirstPassRefusal(const std::string& path) {
  std::error_code error;
  if (std::filesystem::file_size(path, error) < kCountedFrom || error) return std::nullopt;
  const std::optional<MpsSize> size = CountMpsModel(path);
  if (!size || (size->rows <= kMaxConstraints && size->columns <= kMaxVariables))
    return std::nullopt;
  return TooLargeMessage(size->rows, size->columns, size->grid);
}

ModelFileOutcome Failed(int line, std::string message) {
  ModelFileOutcome outcome;
  outcome.kind = ModelFileOutcome::Kind::kFailed;
  outcome.line = line;
  outcome.message = (line > 0 ? "Zeile " + std::to_string(line) + ": " : std::string()) + message;
  return outcome;
}

ModelFileOutcome Failed(const ModelReadFailure& failure) {
  return Failed(failure.line, failure.message);
}

ModelFileOutcome TooLarge(std::string message) {
  ModelFileOutcome outcome;
  outcome.kind = ModelFileOutcome::Kind::kTooLarge;
  outcome.message = std::move(message);
  return outcome;
}

// The model GLPK has read, or its refusal for its size; then, for an MPS
// model with range rows, the model read again for its ranges.
void SendModel(const std::string& path, glp_prob* model, int mpsFormat, int out) {
  if (std::optional<std::string> refusal =
          TooLargeMessage(glp_get_num_rows(model), glp_get_num_cols(model), GridSizeOf(model))) {
    SendToProgram(out, TooLargeRecord(*refusal));
    return;
  }
  SendToProgram(out, ModelRecord(model));
  bool rangeRows = false;
  for (int i = 1; i <= glp_get_num_rows(model); ++i)
    rangeRows = rangeRows || glp_get_row_type(model, i) == GLP_DB;
  if (!rangeRows || mpsFormat == 0) return;
  if (const GlpkProblem ranges = ReadRangesWithGlpk(path, mpsFormat))
    SendToProgram(out, RangesRecord(ranges.get()));
}

// The reads in the process of their own: an LP file through the LP reader;
// an MPS file as free MPS and, when GLPK refuses that, as fixed MPS, where
// a failure is free MPS's, sent before the second try.
void ReadSeparately(const std::string& path, ModelFormat format, int out) {
  EndProcessOnGlpkFailure();
  std::string output;
  if (format == ModelFormat::kLp) {
    if (const GlpkProblem model = ReadWithGlpk(path, 0, output))
      SendModel(path, model.get(), 0, out);
    else
      SendToProgram(out, RefusedRecord(output));
    return;
  }
  if (const GlpkProblem model = ReadWithGlpk(path, GLP_MPS_FILE, output)) {
    SendModel(path, model.get(), GLP_MPS_FILE, out);
    return;
  }
  SendToProgram(out, RefusedRecord(output));
  std::string deckOutput;
  if (const GlpkProblem model = ReadWithGlpk(path, GLP_MPS_DECK, deckOutput))
    SendModel(path, model.get(), GLP_MPS_DECK, out);
}

// The one process that reads models for the program: a request is the
// format's letter and the file's absolute path.
SeparateOutcome ReadInReader(const std::string& path, ModelFormat format) {
  static SeparateWorker reader([](const std::string& request, int out) {
    if (request.empty()) return;
    ReadSeparately(request.substr(1), request[0] == 'L' ? ModelFormat::kLp : ModelFormat::kMps,
                   out);
  });
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return reader.Run((format == ModelFormat::kLp ? "L" : "M") + (error ? path : absolute.string()));
}

}  // namespace

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
  if (std::optional<std::string> reason = UnreadableFile(path)) return Failed(0, *reason);
  if (format == ModelFormat::kMps) {
    if (std::optional<std::string> refusal = FirstPassRefusal(path))
      return TooLarge(std::move(*refusal));
  }
  // GLPK ends the process when one of its own checks fails and leaves the
  // file it had open; a process of its own keeps both from the program,
  // which translates what GLPK read itself.
  const SeparateOutcome read = ReadInReader(path, format);
  if (!read.started) return Failed(0, GermanFileError(read.error, false));
  ReadRecords records = ParseRecords(read.bytes);
  if (records.tooLarge) return TooLarge(std::move(*records.tooLarge));
  if (records.model) {
    ModelFileOutcome outcome;
    TranslateModel(records.model.get(), records.ranges.get(), outcome);
    return outcome;
  }
  if (records.glpkOutput) return Failed(DescribeGlpkFailure(*records.glpkOutput));
  return Failed(FailedGlpkCheck(path, format));
}

}  // namespace pivora
