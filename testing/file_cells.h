// The cells of one grid by (column, row), held in a map: what the problem
// reader reads a problem file's cells from in the tests.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "solve/grid_cells.h"

namespace pivora::testing {

class FileCells final : public GridCells {
 public:
  std::string_view Text(int column, int row) const override {
    const auto cell = cells_.find({column, row});
    return cell == cells_.end() ? std::string_view() : std::string_view(cell->second);
  }
  void SetText(int column, int row, std::string_view text) override {
    cells_[{column, row}] = std::string(text);
  }

 private:
  std::map<std::pair<int, int>, std::string> cells_;
};

}  // namespace pivora::testing
