#include "compiler/item_reader.h"

namespace scengen {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_line_end(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool ItemReader::at_line_end() const { return !eof() && is_line_end(text_[pos_]); }

void ItemReader::consume_line_end() {
  if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
  ++line_;
}

void ItemReader::skip_blanks() {
  while (!eof() && is_blank(text_[pos_])) ++pos_;
}

bool ItemReader::past_end() {
  // Point at the last line of the text, not at the empty one after its end.
  const bool ends_with_line_end = !text_.empty() && is_line_end(text_.back());
  item_line_ = ends_with_line_end ? line_ - 1 : line_;
  failure_ = "lettura oltre la fine del file";
  return false;
}

bool ItemReader::read_text(std::string* item) {
  if (eof()) return past_end();
  skip_blanks();
  item_line_ = line_;
  size_t start = pos_;
  size_t end;
  if (!eof() && text_[pos_] == '"') {
    start = ++pos_;
    while (!eof() && text_[pos_] != '"' && !is_line_end(text_[pos_])) ++pos_;
    end = pos_;
    while (!eof() && text_[pos_] != ',' && !is_line_end(text_[pos_])) ++pos_;
  } else {
    while (!eof() && text_[pos_] != ',' && !is_line_end(text_[pos_])) ++pos_;
    end = pos_;
    while (end > start && is_blank(text_[end - 1])) --end;
  }
  item->assign(text_.substr(start, end - start));
  if (!eof()) {
    if (text_[pos_] == ',') {
      ++pos_;
    } else {
      consume_line_end();
    }
  }
  return true;
}

bool ItemReader::read_number(int64_t min, int64_t max, int bits, const char* field,
                             int64_t* value) {
  if (eof()) return past_end();
  skip_blanks();
  item_line_ = line_;
  const size_t start = pos_;
  while (!eof() && !is_blank(text_[pos_]) && text_[pos_] != ',' && !is_line_end(text_[pos_])) {
    ++pos_;
  }
  const std::string_view token = text_.substr(start, pos_ - start);
  skip_blanks();
  if (!eof()) {
    if (text_[pos_] == ',') {
      ++pos_;
    } else if (at_line_end()) {
      consume_line_end();
    }
  }

  // An empty field reads 0.
  int64_t v = 0;
  size_t i = 0;
  bool negative = false;
  if (!token.empty() && (token[0] == '-' || token[0] == '+')) {
    negative = token[0] == '-';
    i = 1;
  }
  bool too_large = false;
  if (!token.empty() && i == token.size()) {
    failure_ = "\"" + std::string(token) + "\" non è un numero intero";
    return false;
  }
  for (; i < token.size(); ++i) {
    const char c = token[i];
    if (c < '0' || c > '9') {
      failure_ = "\"" + std::string(token) + "\" non è un numero intero";
      return false;
    }
    // Past 2^40 no field can hold it; stop growing so nothing overflows.
    if (v < (int64_t{1} << 40))
      v = v * 10 + (c - '0');
    else
      too_large = true;
  }
  if (negative) v = -v;
  if (too_large || v < min || v > max) {
    failure_ = "il valore " + std::string(token) + " non sta in un campo " + field + " da " +
               std::to_string(bits) + " bit (" + std::to_string(min) + ".." + std::to_string(max) +
               ")";
    return false;
  }
  *value = v;
  return true;
}

bool ItemReader::read_long(int32_t* value) {
  int64_t v;
  if (!read_number(INT32_MIN, INT32_MAX, 32, "con segno", &v)) return false;
  *value = static_cast<int32_t>(v);
  return true;
}

bool ItemReader::read_word(int16_t* value) {
  int64_t v;
  if (!read_number(INT16_MIN, INT16_MAX, 16, "con segno", &v)) return false;
  *value = static_cast<int16_t>(v);
  return true;
}

bool ItemReader::read_byte(uint8_t* value) {
  int64_t v;
  if (!read_number(0, UINT8_MAX, 8, "senza segno", &v)) return false;
  *value = static_cast<uint8_t>(v);
  return true;
}

}  // namespace scengen
