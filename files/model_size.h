// How large a model is and when it is too large for the grids: the size
// GLPK's counts give, and a first pass over the file that refuses a model
// too large before GLPK reads it all. The messages are German, UTF-8.
#pragma once

#include <optional>
#include <string>

namespace pivora {

// The grids a model needs: `variables` counts the split columns twice,
// `rows` counts the range rows twice and adds the bound rows; free rows
// count nothing.
struct ModelGridSize {
  long variables = 0;
  long rows = 0;
};

// The refusal of a model of `modelRows` × `modelColumns` whose grids are
// `size`: none when it fits (at least one and at most 50 variables and
// rows), else a German message with the model's size and the grids'.
std::optional<std::string> TooLargeMessage(long modelRows, long modelColumns,
                                           const ModelGridSize& size);

}  // namespace pivora
