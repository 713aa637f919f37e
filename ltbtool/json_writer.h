#pragma once
// A small streaming JSON writer; CP932 texts are written as UTF-8 strings.

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

namespace ltbtool {

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // Inside an object: the next value's name.
  void Key(std::string_view name);
  void Cp932String(std::string_view cp932);
  void Utf8String(std::string_view utf8);
  void Number(std::int64_t value);

 private:
  void BeforeValue();
  void Indent();
  void WriteQuoted(std::string_view utf8);

  std::ostream& out_;
  struct Level {
    bool isObject;
    bool empty = true;
  };
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace ltbtool
