// A model read's results as bytes, from the process that reads the model
// through GLPK to the program: records one after another, the last whole
// one the answer, so a read that ends its process half-way still leaves
// what it had settled before.
#pragma once

#include <string>
#include <string_view>

#include "files/model_file.h"

namespace pivora {

// GLPK refused the model; `glpkOutput` is its terminal output of the read.
std::string RefusedRecord(const std::string& glpkOutput);

// The outcome of a model GLPK read: the problem and its legend, or a
// refusal of its size.
std::string OutcomeRecord(const ModelFileOutcome& outcome);

struct ModelRecord {
  enum class Kind { kNone, kRefused, kOutcome };
  Kind kind = Kind::kNone;   // kNone: no whole record
  std::string glpkOutput;    // kRefused
  ModelFileOutcome outcome;  // kOutcome
};

// The last whole record in `bytes`; a record cut short counts as none.
ModelRecord LastRecord(std::string_view bytes);

}  // namespace pivora
