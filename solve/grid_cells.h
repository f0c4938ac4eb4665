// The cell access the problem reader needs: read and write a grid cell's text
// by (column, row), both counted from 0. The grid cell store provides it.
#pragma once

#include <string>
#include <string_view>

namespace pivora {

// Cell texts are byte strings, one byte a character (Latin-1).
class GridCells {
 public:
  virtual ~GridCells() = default;
  virtual std::string_view Text(int column, int row) const = 0;
  virtual void SetText(int column, int row, std::string_view text) = 0;
};

}  // namespace pivora
