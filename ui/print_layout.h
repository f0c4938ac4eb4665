// The report laid out for paper, where no line may wrap: text is printed as
// it stands wherever it fits the page; a table wider than the page is
// printed in column blocks, one after the other as a reader turns the pages
// of a wide spreadsheet, each block repeating the table's row labels; the
// value lines "ZF:" and "NB:" go on under themselves at an item's end. Plain
// text in, lines per page out, so PDF, printout and the HTML export's print
// share one layout.
#pragma once

#include <string>
#include <vector>

namespace pivora {

using PrintLine = std::u32string;

// Lines that stay on one page where a page holds them. Where a group is
// longer than a page, its line `header` (a table's column headings; -1 for
// none) is repeated at the top of the next page.
struct PrintGroup {
  std::vector<PrintLine> lines;
  int header = -1;
  bool gapBefore = false;  // an empty line before it, unless it opens a page
};

struct PrintLayout {
  std::vector<PrintGroup> groups;
  int extraBlocks = 0;  // column blocks beyond each table's first
  int brokenLines = 0;  // lines outside tables and value lines that had to go on
                        // a next line (none unless a sentence is wider than the page)
};

// Finds the tables of `lines` (runs of lines whose columns are separated by
// at least two blanks in every line) and lays out everything `columns`
// characters wide at most.
PrintLayout LayOutForPrint(const std::vector<PrintLine>& lines, int columns);

// The groups on pages of `linesPerPage` lines.
std::vector<std::vector<PrintLine>> Paginate(const PrintLayout& layout, int linesPerPage);

// The print of the report: orientation and font size.
struct PrintPage {
  bool landscape = false;
  double points = 10;
};
inline constexpr double kLargestPrintPoints = 10;
inline constexpr double kSmallestPrintPoints = 7;  // still readable

// The printable area of a page, in points.
struct PrintArea {
  double width = 0;
  double height = 0;
};
// The fixed-pitch font at 1 pt, in points: one character's width and the
// distance from one line to the next.
struct PrintMetrics {
  double advance = 0.6;
  double lineSpacing = 1.2;
};

// How many characters (lines) of a font at `points` fit `width` (`height`).
int ColumnsAt(double width, double advance, double points);
int LinesAt(double height, double lineSpacing, double points);

// The largest size up to 10 pt, in quarter points, at which the pages break
// no more sentences, need no more column blocks and are no more than at 7 pt.
double ChoosePrintPoints(const std::vector<PrintLine>& lines, const PrintArea& area,
                         const PrintMetrics& metrics);

// The page for `lines`, upright (`portrait`) or turned: the one that breaks
// fewer sentences, then needs fewer column blocks, then fewer pages, then
// takes the larger font; upright where they are the same.
PrintPage ChoosePrintPage(const std::vector<PrintLine>& lines, const PrintArea& portrait,
                          const PrintMetrics& metrics);

}  // namespace pivora
