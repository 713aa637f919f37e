#include "ltbtool/json_writer.h"

#include <cstdio>

#include "core/text/encoding.h"

namespace ltbtool {

void JsonWriter::Indent() {
  out_ << '\n';
  for (std::size_t i = 0; i < levels_.size(); ++i) out_ << "  ";
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  if (!levels_.back().empty) out_ << ',';
  levels_.back().empty = false;
  Indent();
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ << '{';
  levels_.push_back({true});
}

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ << '[';
  levels_.push_back({false});
}

void JsonWriter::EndObject() {
  const bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) Indent();
  out_ << '}';
  if (levels_.empty()) out_ << '\n';
}

void JsonWriter::EndArray() {
  const bool empty = levels_.back().empty;
  levels_.pop_back();
  if (!empty) Indent();
  out_ << ']';
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  WriteQuoted(name);
  out_ << ": ";
  afterKey_ = true;
}

void JsonWriter::Cp932String(std::string_view cp932) { Utf8String(listora::Cp932ToUtf8(cp932)); }

void JsonWriter::Utf8String(std::string_view utf8) {
  BeforeValue();
  WriteQuoted(utf8);
}

void JsonWriter::WriteQuoted(std::string_view utf8) {
  out_ << '"';
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': out_ << "\\\""; break;
      case '\\': out_ << "\\\\"; break;
      case '\n': out_ << "\\n"; break;
      case '\r': out_ << "\\r"; break;
      case '\t': out_ << "\\t"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out_ << escaped;
        } else {
          out_ << static_cast<char>(c);
        }
    }
  }
  out_ << '"';
}

void JsonWriter::Number(std::int64_t value) {
  BeforeValue();
  out_ << value;
}

}  // namespace ltbtool
