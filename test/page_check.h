#pragma once

// Checks on a report page, read as XML (the page is well-formed XHTML):
// whether it parses, whether every drawn coordinate of each SVG element
// stays within that element's view box, and what its tables hold.

#include <string>
#include <vector>

namespace scengen::testing {

struct Page {
  std::string parse_error;  // empty when the page is well-formed
  int svg_count = 0;
  // One line for each coordinate outside the view box of its SVG element:
  // "polyline points 12.0,-3.0 outside 0 0 600 400".
  std::vector<std::string> outside;
  // The text of each cell of the body rows of the first table of class
  // `timetable`, by row; chainage change rows are left out.
  std::vector<std::vector<std::string>> timetable;
  std::vector<std::string> chainage_rows;  // their text
  std::string text;                        // every text node, joined by blanks
};

Page check_page(const std::string& html);

// Decodes a PNG file into 8-bit RGB rows; false when it is not one.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // width × height × 3
};
bool read_png(const std::string& path, Image* image);

}  // namespace scengen::testing
