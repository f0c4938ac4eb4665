// What the process that reads a model through GLPK sends the program, as
// records one after another: GLPK's refusal, a refusal of the model's size,
// the model as GLPK holds it and its ranges read. The program rebuilds the
// model from them and translates it itself; a read that ends its process
// half-way leaves the records it had sent before.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/glpk_reading.h"

namespace pivora {

// GLPK refused the model; `glpkOutput` is its terminal output of the read.
std::string RefusedRecord(const std::string& glpkOutput);

// The model is too large for the grids: `message` says how large.
std::string TooLargeRecord(const std::string& message);

// The model GLPK read: its rows, columns, bounds, kinds, objective and
// matrix, every number bit for bit.
std::string ModelRecord(glp_prob* model);

// The model read again for its ranges (ReadRangesWithGlpk).
std::string RangesRecord(glp_prob* ranges);

// The whole records in `bytes`, each kind's last; a record cut short and
// what follows it count as none.
struct ReadRecords {
  std::optional<std::string> glpkOutput;  // GLPK's refusal
  std::optional<std::string> tooLarge;
  GlpkProblem model;   // rebuilt through GLPK's own calls
  GlpkProblem ranges;  // likewise
};
ReadRecords ParseRecords(std::string_view bytes);

}  // namespace pivora
