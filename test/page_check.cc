#include "test/page_check.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <png.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace scengen::testing {
namespace {

struct Box {
  double x = 0, y = 0, w = 0, h = 0;
  bool holds(double px, double py) const {
    const double slack = 0.051;  // coordinates are written with one decimal
    return px >= x - slack && px <= x + w + slack && py >= y - slack && py <= y + h + slack;
  }
  std::string text() const {
    char s[96];
    std::snprintf(s, sizeof s, "%g %g %g %g", x, y, w, h);
    return s;
  }
};

std::string name_of(const xmlNode* n) { return reinterpret_cast<const char*>(n->name); }

bool attribute(const xmlNode* n, const char* name, std::string* value) {
  xmlChar* v = xmlGetProp(n, reinterpret_cast<const xmlChar*>(name));
  if (v == nullptr) return false;
  *value = reinterpret_cast<const char*>(v);
  xmlFree(v);
  return true;
}

std::vector<double> numbers(const std::string& s) {
  std::vector<double> out;
  const char* p = s.c_str();
  while (*p) {
    if (std::strchr("0123456789+-.", *p) == nullptr) {
      ++p;
      continue;
    }
    char* end = nullptr;
    out.push_back(std::strtod(p, &end));
    p = end == p ? p + 1 : end;
  }
  return out;
}

std::string text_of(const xmlNode* n) {
  xmlChar* c = xmlNodeGetContent(n);
  std::string s = c ? reinterpret_cast<const char*>(c) : "";
  xmlFree(c);
  return s;
}

class Checker {
 public:
  explicit Checker(Page* page) : page_(page) {}

  void walk(const xmlNode* n, const Box* box) {
    for (; n != nullptr; n = n->next) {
      if (n->type == XML_TEXT_NODE) {
        page_->text += text_of(n) + " ";
        continue;
      }
      if (n->type != XML_ELEMENT_NODE) continue;
      const std::string name = name_of(n);
      Box own;
      const Box* inner = box;
      if (name == "svg") {
        ++page_->svg_count;
        std::string vb;
        const std::vector<double> v =
            attribute(n, "viewBox", &vb) ? numbers(vb) : std::vector<double>();
        if (v.size() == 4) {
          own = {v[0], v[1], v[2], v[3]};
        } else {
          page_->outside.push_back("svg without a view box");
        }
        inner = &own;
      } else if (name == "defs" || name == "pattern") {
        continue;  // drawn in their own space
      } else if (box != nullptr) {
        check(n, name, *box);
      }
      if (name == "table" && page_->timetable.empty() && has_class(n, "timetable")) {
        read_timetable(n);
      }
      walk(n->children, inner);
    }
  }

 private:
  static bool has_class(const xmlNode* n, const char* cls) {
    std::string c;
    return attribute(n, "class", &c) &&
           (" " + c + " ").find(std::string(" ") + cls + " ") != std::string::npos;
  }

  void point(const std::string& what, double x, double y, const Box& box) {
    if (std::isfinite(x) && std::isfinite(y) && box.holds(x, y)) return;
    char s[64];
    std::snprintf(s, sizeof s, " %g,%g outside ", x, y);
    page_->outside.push_back(what + s + box.text());
  }

  void check(const xmlNode* n, const std::string& name, const Box& box) {
    std::string v;
    if (attribute(n, "points", &v) || (name == "path" && attribute(n, "d", &v))) {
      const std::vector<double> p = numbers(v);
      if (p.size() % 2 != 0) page_->outside.push_back(name + " with an odd count of numbers");
      for (size_t i = 0; i + 1 < p.size(); i += 2) point(name, p[i], p[i + 1], box);
    }
    std::string x, y;
    if (attribute(n, "x", &x) && attribute(n, "y", &y)) {
      const double px = std::atof(x.c_str()), py = std::atof(y.c_str());
      point(name, px, py, box);
      std::string w, h;
      if (attribute(n, "width", &w) && attribute(n, "height", &h)) {
        point(name + " corner", px + std::atof(w.c_str()), py + std::atof(h.c_str()), box);
      }
    }
    if (attribute(n, "cx", &x) && attribute(n, "cy", &y)) {
      std::string r = "0";
      attribute(n, "r", &r);
      const double cx = std::atof(x.c_str()), cy = std::atof(y.c_str()), rr = std::atof(r.c_str());
      point(name, cx - rr, cy - rr, box);
      point(name, cx + rr, cy + rr, box);
    }
  }

  void read_timetable(const xmlNode* table) {
    for (const xmlNode* part = table->children; part; part = part->next) {
      if (part->type != XML_ELEMENT_NODE || name_of(part) != "tbody") continue;
      for (const xmlNode* row = part->children; row; row = row->next) {
        if (row->type != XML_ELEMENT_NODE) continue;
        if (has_class(row, "chainage")) {
          page_->chainage_rows.push_back(text_of(row));
          continue;
        }
        std::vector<std::string> cells;
        for (const xmlNode* c = row->children; c; c = c->next) {
          if (c->type == XML_ELEMENT_NODE) cells.push_back(text_of(c));
        }
        page_->timetable.push_back(cells);
      }
    }
  }

  Page* page_;
};

void collect_error(void* ctx, const char* format, ...) {
  auto* out = static_cast<std::string*>(ctx);
  char line[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  *out += line;
}

}  // namespace

Page check_page(const std::string& html) {
  Page page;
  xmlSetGenericErrorFunc(&page.parse_error, collect_error);
  xmlDoc* doc = xmlReadMemory(html.data(), static_cast<int>(html.size()), "report.html", "UTF-8",
                              XML_PARSE_NONET);
  xmlSetGenericErrorFunc(nullptr, nullptr);
  if (doc == nullptr) {
    if (page.parse_error.empty()) page.parse_error = "not well-formed";
    return page;
  }
  Checker(&page).walk(xmlDocGetRootElement(doc), nullptr);
  xmlFreeDoc(doc);
  return page;
}

bool read_png(const std::string& path, Image* image) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
  png.format = PNG_FORMAT_RGB;
  image->width = static_cast<int>(png.width);
  image->height = static_cast<int>(png.height);
  image->rgb.resize(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, image->rgb.data(), 0, nullptr)) {
    png_image_free(&png);
    return false;
  }
  return true;
}

}  // namespace scengen::testing
