#include "ui/print_layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <tuple>

namespace pivora {
namespace {

using Size = std::size_t;

bool Blank(const PrintLine& line, Size p) { return p >= line.size() || line[p] == U' '; }

bool IsEmpty(const PrintLine& line) { return line.find_first_not_of(U' ') == PrintLine::npos; }

PrintLine TrimmedRight(PrintLine line) {
  line.erase(line.find_last_not_of(U' ') + 1);
  return line;
}

// The report's value lines: items with three blanks between them.
bool IsValueLine(const PrintLine& line) {
  return line.starts_with(U"ZF:") || line.starts_with(U"NB:");
}

// A run of two or more blanks with text after it: the gap between two
// columns of an aligned table (whose first cell may be empty).
bool LooksTabular(const PrintLine& line) {
  const Size start = line.find_first_not_of(U' ');
  if (start == PrintLine::npos) return false;
  const Size gap = line.find(U"  ", start);
  return gap != PrintLine::npos && line.find_first_not_of(U' ', gap) != PrintLine::npos;
}

// `line` from `from` to `to`, blank where the line is shorter.
PrintLine Slice(const PrintLine& line, Size from, Size to) {
  PrintLine slice(to - from, U' ');
  for (Size p = from; p < to && p < line.size(); ++p) slice[p - from] = line[p];
  return slice;
}

struct Field {
  Size begin = 0;
  Size end = 0;
};

// The table's columns: runs of positions where some row has text, split
// where every row is blank for two positions or more. The first is the row
// labels and starts at 0.
std::vector<Field> FieldsOf(const std::vector<PrintLine>& rows) {
  Size width = 0;
  for (const PrintLine& row : rows) width = std::max(width, row.size());
  std::vector<bool> blank(width, true);
  for (Size p = 0; p < width; ++p) {
    for (const PrintLine& row : rows) blank[p] = blank[p] && Blank(row, p);
  }
  std::vector<Field> fields;
  Size p = 0;
  while (p < width) {
    Field field{p, p};
    while (field.end < width) {
      Size run = field.end;
      while (run < width && blank[run]) ++run;
      if (run == width || (run - field.end >= 2 && field.end > field.begin)) break;
      field.end = run == field.end ? run + 1 : run;
    }
    if (fields.empty()) field.begin = 0;
    fields.push_back(field);
    p = field.end;
    while (p < width && blank[p]) ++p;
  }
  return fields;
}

class Layouter {
 public:
  explicit Layouter(int columns) : columns_(static_cast<Size>(std::max(columns, 1))) {}

  void Paragraph(const std::vector<PrintLine>& lines, bool gapBefore) {
    OpenGroup(gapBefore);
    Size k = 0;
    while (k < lines.size()) {
      Size run = k;
      while (run < lines.size() && LooksTabular(lines[run]) && !IsValueLine(lines[run])) ++run;
      if (run - k >= 2) {
        Table({lines.begin() + static_cast<std::ptrdiff_t>(k),
               lines.begin() + static_cast<std::ptrdiff_t>(run)});
        k = run;
      } else {
        Line(lines[k]);
        ++k;
      }
    }
  }

  PrintLayout Take() { return std::move(layout_); }

 private:
  void OpenGroup(bool gapBefore) {
    layout_.groups.emplace_back();
    layout_.groups.back().gapBefore = gapBefore;
  }
  PrintGroup& Group() { return layout_.groups.back(); }

  void Table(const std::vector<PrintLine>& rows) {
    Size width = 0;
    for (const PrintLine& row : rows) width = std::max(width, row.size());
    if (width <= columns_) {
      Group().header = Group().header < 0 ? static_cast<int>(Group().lines.size()) : Group().header;
      for (const PrintLine& row : rows) Group().lines.push_back(row);
      return;
    }
    const std::vector<Field> fields = FieldsOf(rows);
    const Size labels = fields.front().end;
    Size first = 1;
    while (first < fields.size()) {
      // At least one column per block, even one wider than the page.
      Size last = first;
      while (last + 1 < fields.size() &&
             labels + 2 + fields[last + 1].end - fields[first].begin <= columns_) {
        ++last;
      }
      if (first > 1) {
        OpenGroup(true);
        ++layout_.extraBlocks;
      }
      Group().header = static_cast<int>(Group().lines.size());
      for (const PrintLine& row : rows) {
        Group().lines.push_back(TrimmedRight(
            Slice(row, 0, labels) + Slice(row, fields[first].begin - 2, fields[last].end)));
      }
      first = last + 1;
    }
  }

  // A line wider than the page outside a table goes on under itself: value
  // lines after an item, under the first value; anything else after a word,
  // two blanks in. Only a word wider than the page is cut.
  void Line(const PrintLine& line) {
    if (line.size() <= columns_) {
      Group().lines.push_back(line);
      return;
    }
    const bool values = IsValueLine(line);
    if (!values) ++layout_.brokenLines;
    const Size lead = line.find_first_not_of(U' ');
    Size indent = lead + 2;
    if (const Size gap = line.find(U"  ", lead); values && gap != PrintLine::npos) {
      indent = line.find_first_not_of(U' ', gap);
    }
    indent = std::min(indent, columns_ / 2);
    PrintLine current;
    for (PrintLine piece : Pieces(line, indent, values ? 2 : 1)) {
      if (!current.empty() && current.size() + piece.size() > columns_) {
        Group().lines.push_back(TrimmedRight(current));
        piece.erase(0, piece.find_first_not_of(U' '));
        current = PrintLine(indent, U' ');
      }
      current += piece;
      while (current.size() > columns_) {
        Group().lines.push_back(current.substr(0, columns_));
        current = PrintLine(indent, U' ') + current.substr(columns_);
      }
    }
    Group().lines.push_back(TrimmedRight(current));
  }

  // `line` cut before every run of at least `blanks` blanks from `from` on
  // that has text after it; each piece but the first starts with its blanks.
  static std::vector<PrintLine> Pieces(const PrintLine& line, Size from, Size blanks) {
    std::vector<PrintLine> pieces;
    Size start = 0;
    Size p = from;
    while (p < line.size()) {
      if (line[p] != U' ') {
        ++p;
        continue;
      }
      Size run = p;
      while (run < line.size() && line[run] == U' ') ++run;
      if (run - p >= blanks && run < line.size() && p > start) {
        pieces.push_back(line.substr(start, p - start));
        start = p;
      }
      p = run;
    }
    pieces.push_back(line.substr(start));
    return pieces;
  }

  Size columns_;
  PrintLayout layout_;
};

}  // namespace

PrintLayout LayOutForPrint(const std::vector<PrintLine>& lines, int columns) {
  Layouter layouter(columns);
  std::vector<PrintLine> paragraph;
  bool gap = false;
  const auto flush = [&] {
    if (!paragraph.empty()) layouter.Paragraph(paragraph, gap);
    paragraph.clear();
  };
  for (const PrintLine& line : lines) {
    if (IsEmpty(line)) {
      flush();
      gap = true;
    } else {
      paragraph.push_back(line);
    }
  }
  flush();
  return layouter.Take();
}

std::vector<std::vector<PrintLine>> Paginate(const PrintLayout& layout, int linesPerPage) {
  const Size perPage = static_cast<Size>(std::max(linesPerPage, 2));
  std::vector<std::vector<PrintLine>> pages(1);
  for (const PrintGroup& group : layout.groups) {
    std::vector<PrintLine>* page = &pages.back();
    const bool gap = group.gapBefore && !page->empty();
    const Size needed = group.lines.size() + (gap ? 1 : 0);
    // A group that does not fit below what the page holds starts a page.
    if (!page->empty() && page->size() + needed > perPage) {
      page = &pages.emplace_back();
    } else if (gap) {
      page->emplace_back();
    }
    for (Size k = 0; k < group.lines.size(); ++k) {
      if (page->size() >= perPage) {
        page = &pages.emplace_back();
        if (group.header >= 0 && k > static_cast<Size>(group.header)) {
          page->push_back(group.lines[static_cast<Size>(group.header)]);
        }
      }
      page->push_back(group.lines[k]);
    }
  }
  if (pages.size() > 1 && pages.back().empty()) pages.pop_back();
  return pages;
}

namespace {

// What the pages cost at `points`: sentences broken, column blocks beyond
// each table's first, then pages.
std::tuple<int, int, std::size_t> Cost(const std::vector<PrintLine>& lines, const PrintArea& area,
                                       const PrintMetrics& metrics, double points) {
  const PrintLayout layout = LayOutForPrint(lines, ColumnsAt(area.width, metrics.advance, points));
  return {layout.brokenLines, layout.extraBlocks,
          Paginate(layout, LinesAt(area.height, metrics.lineSpacing, points)).size()};
}

}  // namespace

int ColumnsAt(double width, double advance, double points) {
  return static_cast<int>(std::floor(width / (advance * points) + 1e-9));
}

int LinesAt(double height, double lineSpacing, double points) {
  return static_cast<int>(std::floor(height / (lineSpacing * points) + 1e-9));
}

double ChoosePrintPoints(const std::vector<PrintLine>& lines, const PrintArea& area,
                         const PrintMetrics& metrics) {
  const auto least = Cost(lines, area, metrics, kSmallestPrintPoints);
  // Quarter points, from the largest down to the first as good as 7 pt.
  for (double points = kLargestPrintPoints; points > kSmallestPrintPoints; points -= 0.25) {
    if (Cost(lines, area, metrics, points) == least) return points;
  }
  return kSmallestPrintPoints;
}

PrintPage ChoosePrintPage(const std::vector<PrintLine>& lines, const PrintArea& portrait,
                          const PrintMetrics& metrics) {
  const PrintArea landscape{portrait.height, portrait.width};
  const double upright = ChoosePrintPoints(lines, portrait, metrics);
  const double turned = ChoosePrintPoints(lines, landscape, metrics);
  // The larger font where the costs are the same; portrait where that is too.
  const auto uprightCost = std::tuple_cat(Cost(lines, portrait, metrics, upright),
                                          std::make_tuple(-upright));
  const auto turnedCost = std::tuple_cat(Cost(lines, landscape, metrics, turned),
                                         std::make_tuple(-turned));
  if (turnedCost < uprightCost) return {true, turned};
  return {false, upright};
}

}  // namespace pivora
