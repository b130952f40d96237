#include "app/dump_command.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <map>
#include <vector>

#include "app/compiled_files.h"
#include "app/json_line.h"
#include "compiler/track_model.h"
#include "output/cell_file.h"
#include "output/item_file.h"

namespace scengen {
namespace {

__attribute__((format(printf, 1, 2))) std::string format(const char* f, ...) {
  char buffer[256];
  va_list args;
  va_start(args, f);
  const int n = std::vsnprintf(buffer, sizeof buffer, f, args);
  va_end(args);
  if (n < 0) return {};
  return std::string(buffer, std::min(static_cast<size_t>(n), sizeof buffer - 1));
}

// Gathers the rows and hands them on in large pieces: a plan dumped metre by
// metre is a million rows.
class Rows {
 public:
  explicit Rows(std::ostream& out) : out_(out) {}
  ~Rows() { flush(); }
  void add(const std::string& row) {
    buffer_ += row;
    if (buffer_.size() >= (1u << 16)) flush();
  }
  void flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }

 private:
  std::ostream& out_;
  std::string buffer_;
};

// ---- cell file

struct CellField {
  const char* name;
  int width;  // of its column in the text rows: the name's
  int64_t value;
};

std::array<CellField, 10> cell_fields(const Cell& c) {
  return {{{"value_a", 7, c.value_a},
           {"value_b", 7, c.value_b},
           {"value_c", 7, c.value_c},
           {"value_d", 7, c.value_d},
           {"signal_time", 11, c.signal_time},
           {"approach_mark", 13, c.approach_mark},
           {"mountain_type", 13, c.mountain_type},
           {"speed_limit", 11, c.speed_limit},
           {"gradient", 8, c.gradient},
           {"adhesion", 8, c.adhesion}}};
}

void dump_cells(const std::string& file, size_t size, const std::vector<Cell>& cells, bool all,
                bool json, Rows& rows) {
  const int64_t last_cell = static_cast<int64_t>(cells.size()) - 1;
  if (json) {
    rows.add(JsonLine()
                 .text("file", file)
                 .text("file_kind", "cell file")
                 .number("bytes", static_cast<int64_t>(size))
                 .number("cells", static_cast<int64_t>(cells.size()))
                 .number("last_cell", last_cell)
                 .line());
  } else {
    rows.add(format("%s: cell file, %zu cells (last_cell %lld), %zu bytes\n", file.c_str(),
                    cells.size(), static_cast<long long>(last_cell), size));
    std::string header = format("%6s %8s  %-28s", "cell", "metre", "kind");
    for (const CellField& f : cell_fields(Cell{})) header += format(" %s", f.name);
    rows.add(header + "\n");
  }
  std::map<uint8_t, int> counts;
  for (size_t i = 0; i < cells.size(); ++i) {
    const Cell& c = cells[i];
    ++counts[c.kind];
    const bool plain =
        c.kind == kPlain && c.value_a == 0 && c.value_b == 0 && c.value_c == 0 && c.value_d == 0;
    if (plain && !all) continue;
    const int64_t metre = static_cast<int64_t>(i) * 50;
    if (json) {
      JsonLine line;
      line.number("cell", static_cast<int64_t>(i))
          .number("metre", metre)
          .number("kind", c.kind)
          .text("kind_name", cell_kind_name(c.kind));
      for (const CellField& f : cell_fields(c)) line.number(f.name, f.value);
      rows.add(line.line());
    } else {
      std::string row =
          format("%6zu %8lld  %-28s", i, static_cast<long long>(metre), cell_kind_name(c.kind));
      for (const CellField& f : cell_fields(c)) {
        row += format(" %*lld", f.width, static_cast<long long>(f.value));
      }
      rows.add(row + "\n");
    }
  }
  if (!json) {
    std::string line = "kinds:";
    for (const auto& [kind, n] : counts) {
      line += format("%s %s %d", line.size() > 6 ? "," : "", cell_kind_name(kind), n);
    }
    rows.add(line + "\n");
  }
}

// ---- item file

// A text as the terminal may show it: control bytes, which a foreign file
// may hold, as \xNN.
std::string printable(const std::string& text) {
  std::string shown;
  for (const char ch : text) {
    const unsigned char b = static_cast<unsigned char>(ch);
    shown += b < 0x20 || b == 0x7F ? format("\\x%02X", b) : std::string(1, ch);
  }
  return shown;
}

struct ItemField {
  const char* name;
  int64_t value;
};

std::array<ItemField, 15> item_fields(const Item& it) {
  return {{{"kind", it.kind},
           {"number_1", it.number_1},
           {"number_2", it.number_2},
           {"number_3", it.number_3},
           {"byte_1", it.byte_1},
           {"word_1", it.word_1},
           {"word_2", it.word_2},
           {"word_3", it.word_3},
           {"word_4", it.word_4},
           {"word_5", it.word_5},
           {"byte_2", it.byte_2},
           {"byte_3", it.byte_3},
           {"byte_4", it.byte_4},
           {"byte_5", it.byte_5},
           {"number_4", it.number_4}}};
}

// What a field means for an item of this label; empty when nothing to say.
std::string gloss(const std::string& label, const std::string& field, int64_t value) {
  static const std::map<std::pair<std::string, std::string>, std::string> kGlosses = {
      {{"station", "number_1"}, "span start"},
      {{"station", "number_2"}, "span end"},
      {{"station", "number_3"}, "position"},
      {{"station", "byte_3"}, "stop seconds"},
      {{"chainage change", "number_1"}, "position"},
      {{"chainage change", "number_2"}, "chainage"},
      {{"chainage change", "number_3"}, "counts down"},
      {{"general", "number_1"}, "braked mass %"},
      {{"general", "number_2"}, "route length"},
      {{"general", "number_3"}, "cars"},
      {{"scenario", "number_1"}, "background one"},
      {{"scenario", "number_2"}, "background three"},
      {{"scenario", "number_3"}, "background two"},
      {{"scenario", "word_1"}, "stamp"},
      {{"scenario", "number_4"}, "codice_gara_st"},
      {{"train", "number_1"}, "signal repetition"},
      {{"train", "number_2"}, "signal repetition"},
      {{"train", "number_3"}, "codes"},
      {{"train", "word_1"}, "sand"},
      {{"train", "word_3"}, "clock hours"},
      {{"train", "word_4"}, "clock minutes"},
      {{"train", "word_5"}, "clock seconds"},
  };
  if (label == "station" && field == "number_4") {
    return format("time %02lld:%02lld:%02lld", static_cast<long long>(value / 3600),
                  static_cast<long long>(value / 60 % 60), static_cast<long long>(value % 60));
  }
  const auto found = kGlosses.find({label, field});
  return found == kGlosses.end() ? std::string() : found->second;
}

void dump_items(const std::string& file, size_t size, const std::array<Item, kItemCount>& items,
                bool json, Rows& rows) {
  if (json) {
    rows.add(JsonLine()
                 .text("file", file)
                 .text("file_kind", "item file")
                 .number("bytes", static_cast<int64_t>(size))
                 .number("items", kItemCount)
                 .line());
  } else {
    rows.add(format("%s: item file, %d items, %zu bytes\n", file.c_str(), kItemCount, size));
  }
  for (size_t i = 0; i < items.size(); ++i) {
    const Item& item = items[i];
    if (item == Item{}) continue;
    const std::string label = item_label(i, item);
    if (json) {
      JsonLine line;
      line.number("item", static_cast<int64_t>(i)).text("label", label).text("text", item.text);
      for (const ItemField& f : item_fields(item)) line.number(f.name, f.value);
      rows.add(line.line());
      continue;
    }
    std::string row = format("item %2zu  %-15s", i, label.c_str());
    if (!item.text.empty()) row += " \"" + printable(item.text) + "\"";
    for (const ItemField& f : item_fields(item)) {
      if (f.value == 0) continue;
      row += format(" %s=%lld", f.name, static_cast<long long>(f.value));
      const std::string g = gloss(label, f.name, f.value);
      if (!g.empty()) row += " (" + g + ")";
    }
    rows.add(row + "\n");
  }
}

// ---- line plan

void dump_plan(const std::string& file, size_t size, const LinePlan& plan, int64_t every, bool json,
               Rows& rows) {
  int64_t integers = 0, doubles = 0, empty = 0;
  struct Extent {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();
  } extent[2];
  for (size_t i = 0; i < plan.values.size(); ++i) {
    const PlanValue v = plan.values[i];
    if (v.tag == PlanTag::kEmpty) {
      ++empty;
      continue;
    }
    ++(v.tag == PlanTag::kInt16 ? integers : doubles);
    Extent& e = extent[i < plan.values.size() / 2 ? 0 : 1];
    e.min = std::min(e.min, v.value);
    e.max = std::max(e.max, v.value);
  }
  const int64_t route_length = plan.last_metre - kMetresBeyondRoute;
  if (json) {
    rows.add(JsonLine()
                 .text("file", file)
                 .text("file_kind", "line plan")
                 .number("bytes", static_cast<int64_t>(size))
                 .number("last_metre", plan.last_metre)
                 .number("route_length", route_length)
                 .number("integers", integers)
                 .number("doubles", doubles)
                 .number("empty", empty)
                 .real("coordinate_0_min", extent[0].min)
                 .real("coordinate_0_max", extent[0].max)
                 .real("coordinate_1_min", extent[1].min)
                 .real("coordinate_1_max", extent[1].max)
                 .line());
  } else {
    rows.add(format("%s: line plan, metres 0 to %lld (route length %lld), %zu bytes\n",
                    file.c_str(), static_cast<long long>(plan.last_metre),
                    static_cast<long long>(route_length), size));
    rows.add(format("values per coordinate: %lld, %lld integers, %lld doubles, %lld empty\n",
                    static_cast<long long>(plan.last_metre + 1), static_cast<long long>(integers),
                    static_cast<long long>(doubles), static_cast<long long>(empty)));
    rows.add(format("extent: coordinate_0 %.3f to %.3f, coordinate_1 %.3f to %.3f\n", extent[0].min,
                    extent[0].max, extent[1].min, extent[1].max));
    rows.add(format("%8s %14s %14s\n", "metre", "coordinate_0", "coordinate_1"));
  }
  for (int64_t m = 0; m <= plan.last_metre; m += every) {
    const PlanValue c0 = plan.at(m, 0);
    const PlanValue c1 = plan.at(m, 1);
    if (json) {
      JsonLine line;
      line.number("metre", m);
      for (const auto& [key, v] : {std::pair{"coordinate_0", c0}, std::pair{"coordinate_1", c1}}) {
        if (v.tag == PlanTag::kEmpty) {
          line.null(key);
        } else {
          line.real(key, v.value);
        }
      }
      rows.add(line.line());
    } else {
      auto shown = [](PlanValue v) {
        return v.tag == PlanTag::kEmpty ? std::string("-") : format("%.3f", v.value);
      };
      rows.add(format("%8lld %14s %14s\n", static_cast<long long>(m), shown(c0).c_str(),
                      shown(c1).c_str()));
    }
  }
}

}  // namespace

bool dump_bytes(CompiledKind kind, const std::string& file, std::string_view bytes,
                const DumpOptions& options, std::ostream& out, std::string* err) {
  std::string reason;
  switch (kind) {
    case CompiledKind::kCellArray: {
      std::vector<Cell> cells;
      if (!read_cell_array(bytes, &cells, &reason)) break;
      Rows rows(out);
      dump_cells(file, bytes.size(), cells, options.all, options.json, rows);
      return true;
    }
    case CompiledKind::kItemTable: {
      std::array<Item, kItemCount> items;
      if (!read_item_table(bytes, &items, &reason)) break;
      Rows rows(out);
      dump_items(file, bytes.size(), items, options.json, rows);
      return true;
    }
    case CompiledKind::kLinePlan: {
      LinePlan plan;
      if (!read_line_plan(bytes, &plan, &reason)) break;
      Rows rows(out);
      dump_plan(file, bytes.size(), plan, std::max<int64_t>(options.every, 1), options.json, rows);
      return true;
    }
  }
  *err = file + ": " + reason;
  return false;
}

bool dump_command(const CommandLine& cl, std::ostream& out, std::string* err) {
  const std::filesystem::path path = cl.inputs.at(0);
  const std::string file = path.string();
  CompiledKind kind;
  if (!compiled_kind_of(path, &kind)) {
    *err = "cannot tell what " + file +
           " holds from its name: expected NAME_linea.dat (line plan), NAME_CODE.sim (item "
           "file) or NAME_CODE.dat (cell file)";
    return false;
  }
  if (cl.all && kind != CompiledKind::kCellArray) {
    *err = "--all goes with a cell file, and " + file + " is " + compiled_kind_name(kind);
    return false;
  }
  if (cl.every && kind != CompiledKind::kLinePlan) {
    *err = "--every goes with a line plan, and " + file + " is " + compiled_kind_name(kind);
    return false;
  }
  std::string bytes;
  if (!read_compiled_bytes(path, kind, &bytes, err)) return false;
  DumpOptions options;
  options.json = cl.json;
  options.all = cl.all;
  options.every = cl.every.value_or(100);
  return dump_bytes(kind, file, bytes, options, out, err);
}

}  // namespace scengen
