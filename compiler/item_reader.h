#pragma once

// Reads a source text as a stream of items, the way the compiler expects
// them: not line by line, but one text item or one number item per read,
// lines and commas only separating them.
//
//   text item    leading blanks skipped; runs to the next comma or line end,
//                which is consumed; trailing blanks dropped. An item that
//                begins with a double quote runs to the closing quote (or the
//                line end), and the rest up to the comma or line end is
//                passed over. An empty line is one empty item.
//   number item  leading blanks skipped; runs to the next blank, comma or
//                line end; then the blanks and one comma or one line end, if
//                one follows, are consumed. An empty number reads 0, so
//                "0    ,0" is two numbers and "1 2 3" is three. Only a whole
//                decimal number ("-7", "+5", "0042") is a number.
//
// Blanks are spaces and tabs; a line ends with CR LF, LF or a lone CR.
// A read that finds the text already at its end fails, and so does a number
// that is not a whole decimal number or does not fit its field: these are
// the parser's run-time failures, and failure() says which.

#include <cstdint>
#include <string>
#include <string_view>

namespace scengen {

class ItemReader {
 public:
  explicit ItemReader(std::string_view text) : text_(text) {}

  // True once every byte has been consumed.
  bool eof() const { return pos_ >= text_.size(); }

  bool read_text(std::string* item);
  bool read_long(int32_t* value);  // signed 32-bit field
  bool read_word(int16_t* value);  // signed 16-bit field
  bool read_byte(uint8_t* value);  // unsigned 8-bit field

  // Line (from 1) on which the last item read begins.
  int line() const { return item_line_; }
  // Why the last read failed, in the words of a diagnostic.
  const std::string& failure() const { return failure_; }

 private:
  bool read_number(int64_t min, int64_t max, int bits, const char* field, int64_t* value);
  bool at_line_end() const;
  void consume_line_end();
  void skip_blanks();
  bool past_end();

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  int item_line_ = 1;
  std::string failure_;
};

}  // namespace scengen
