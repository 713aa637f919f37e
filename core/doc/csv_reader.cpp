#include "core/doc/csv_reader.h"

#include <algorithm>
#include <cstring>

#include "core/text/cp932.h"
#include "core/text/encoding.h"

namespace listora {

std::size_t CsvReader::FieldEnd(std::size_t from) const {
  // A separator that can be a trail byte ('|', '@' ...) is looked for
  // character by character, and one that can be part of a character
  // reference (';', '#' ...) never inside one.
  const auto separator = static_cast<unsigned char>(dialect_.separator);
  const bool byCharacter = separator >= 0x40;
  const bool references = std::string_view("&#;0123456789ABCDEFabcdefx").find(dialect_.separator) !=
                          std::string_view::npos;
  std::size_t i = from;
  while (i < text_.size() && text_[i] != dialect_.separator && text_[i] != '\n' &&
         text_[i] != '\r') {
    if (references && text_[i] == '&') {
      if (const std::size_t length = ReferenceLengthAt(text_, i)) {
        i += length;
        continue;
      }
    }
    i += byCharacter ? cp932::CharLength(text_, i) : 1;
  }
  return std::min(i, text_.size());
}

void CsvReader::SkipLineEnd() {
  if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
  ++pos_;
}

void CsvReader::SkipLine() {
  const std::size_t end = text_.find_first_of("\r\n", pos_);
  pos_ = end == std::string_view::npos ? text_.size() : end;
  if (pos_ < text_.size()) SkipLineEnd();
}

void CsvReader::SkipLines(int lines) {
  for (int i = 0; i < lines && pos_ < text_.size(); ++i) SkipLine();
}

CsvReader::Next CsvReader::Read(std::vector<CsvField>& fields) {
  fields.clear();
  count_ = 0;
  while (dialect_.comments && pos_ < text_.size() && text_[pos_] == '#') SkipLine();
  start_ = pos_;
  if (pos_ == text_.size()) return Next::kEnd;
  if (text_[pos_] == '\n' || text_[pos_] == '\r') {
    SkipLineEnd();
    return Next::kBlankLine;
  }
  for (;;) {
    const std::size_t begin = pos_;
    CsvField field;
    if (dialect_.quotes && pos_ < text_.size() && text_[pos_] == '"') {
      field.quoted = true;
      std::size_t close = begin + 1;
      bool doubled = false;
      for (;;) {
        const void* quote = std::memchr(text_.data() + close, '"', text_.size() - close);
        if (!quote) {
          start_ = begin;
          return Next::kUnterminatedQuote;
        }
        close = static_cast<std::size_t>(static_cast<const char*>(quote) - text_.data());
        if (close + 1 < text_.size() && text_[close + 1] == '"') {
          doubled = true;
          close += 2;
          continue;
        }
        break;
      }
      pos_ = close + 1;
      if (FieldEnd(pos_) != pos_) {
        start_ = begin;
        closing_ = close;
        return Next::kStrayQuote;
      }
      field.escaped = doubled;
      field.text = field.escaped ? text_.substr(begin, pos_ - begin)
                                 : text_.substr(begin + 1, close - begin - 1);
    } else {
      pos_ = FieldEnd(begin);
      field.text = text_.substr(begin, pos_ - begin);
    }
    if (fields.size() < keep_) fields.push_back(field);
    ++count_;
    if (pos_ == text_.size()) return Next::kRecord;
    if (text_[pos_] != dialect_.separator) {
      SkipLineEnd();
      return Next::kRecord;
    }
    ++pos_;
  }
}

void AppendFieldText(const CsvField& field, std::string& out) {
  if (!field.escaped) {
    out += field.text;
    return;
  }
  const std::string_view raw = field.text;
  bool inQuotes = true;
  for (std::size_t i = 1; i < raw.size(); ++i) {
    if (inQuotes && raw[i] == '"') {
      if (i + 1 < raw.size() && raw[i + 1] == '"')
        out += raw[++i];
      else
        inQuotes = false;
      continue;
    }
    out += raw[i];
  }
}

}  // namespace listora
