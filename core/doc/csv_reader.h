#pragma once
// The one reader of comma- and tab-separated text: records as RFC 4180
// writes them (fields quoted or not, doubled quotes inside quotes,
// separators and line breaks inside quotes, CR LF, LF or CR line ends, the
// last line end optional). The text is CP932: the bytes the reader looks
// for (quote, comma, tab, semicolon, space, CR, LF) are never a CP932 trail
// byte, so a byte scan finds each one; another separator is looked for
// character by character. A character reference (encoding.h) is one
// character: a semicolon never ends a field inside one. The fields are
// views into the text.
//
// It is as lenient as spreadsheets are where nothing can be lost: a quote
// inside an unquoted field is text. A quote still open at the end of the
// text, or one that closes a field and is followed by anything but a
// separator or a line end, is refused: either would take text from other
// lines into the field without a word.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace listora {

// How the lines are read besides their separator.
struct CsvDialect {
  char separator = ',';
  bool quotes = true;     // a field may be quoted; without, '"' is text
  bool comments = false;  // a line starting with '#' is no record
};

struct CsvField {
  // The value; when `escaped`, the field as written from its opening quote,
  // whose quotes AppendFieldText resolves.
  std::string_view text;
  bool quoted = false;  // written in quotes
  bool escaped = false;
};

class CsvReader {
 public:
  enum class Next {
    kRecord,
    kBlankLine,  // an empty line: no field at all
    kEnd,
    kUnterminatedQuote,  // RecordStart() is where the open quote is
    kStrayQuote,         // and ClosingQuote() where it closes before other text
  };

  // Only the first `keep` fields of each record are handed out; the others
  // are counted.
  CsvReader(std::string_view text, char separator, std::size_t keep)
      : CsvReader(text, CsvDialect{separator}, keep) {}
  CsvReader(std::string_view text, const CsvDialect& dialect, std::size_t keep)
      : text_(text), dialect_(dialect), keep_(keep) {}

  // Passes over `lines` lines as they stand, quotes or not.
  void SkipLines(int lines);

  // Reads the next record into `fields` (emptied first).
  Next Read(std::vector<CsvField>& fields);
  // The fields of the record last read, those not handed out included.
  std::size_t FieldCount() const { return count_; }
  // Bytes read so far.
  std::size_t Offset() const { return pos_; }
  // Where the record last read starts, or its quote that is never closed.
  std::size_t RecordStart() const { return start_; }
  // After kStrayQuote: the quote followed by other text.
  std::size_t ClosingQuote() const { return closing_; }

 private:
  std::size_t FieldEnd(std::size_t from) const;
  void SkipLineEnd();
  void SkipLine();

  std::string_view text_;
  CsvDialect dialect_;
  std::size_t keep_;
  std::size_t count_ = 0;
  std::size_t pos_ = 0;
  std::size_t start_ = 0;
  std::size_t closing_ = 0;
};

// Appends the field's value to `out`, its quotes resolved.
void AppendFieldText(const CsvField& field, std::string& out);

}  // namespace listora
