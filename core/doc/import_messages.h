#pragma once
// What the program and ltbtool say about an import (UTF-8 texts of
// core/app/messages.h with their numbers filled in).

#include <string>

#include "core/text/text_file.h"

namespace listora {

// Bytes on `line` that are not text in `encoding` (never kAuto).
std::string ImportBadBytesMessage(int line, TextEncoding encoding);
// A quote opened on `line` and never closed.
std::string ImportOpenQuoteMessage(int line);
// `count` fields of the widest record had no column.
std::string ImportFieldsLeftOutMessage(int count);
// "Shift_JIS", "UTF-8" or "UTF-16".
std::string_view EncodingName(TextEncoding encoding);

}  // namespace listora
