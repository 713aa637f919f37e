#pragma once
// What the program and ltbtool say about an import (UTF-8 texts of
// core/app/messages.h with their numbers filled in).

#include <string>

#include "core/text/text_file.h"

namespace listora {

// Bytes on `line` that are not text in `encoding`, or with kAuto bytes
// the automatic reading cannot tell the encoding of.
std::string ImportBadBytesMessage(int line, TextEncoding encoding);
// A quote opened on `line` and never closed.
std::string ImportOpenQuoteMessage(int line);
// A quote opened on `line` that closed on `closing` before other text.
std::string ImportStrayQuoteMessage(int line, int closing);
// The record on `line` named the columns.
std::string ImportNamesLineMessage(int line);
// `count` column names were cut to what a name holds.
std::string ImportNamesCutMessage(int count);
// `count` fields of the widest record had no column.
std::string ImportFieldsLeftOutMessage(int count);
// "Shift_JIS", "UTF-8", "UTF-16", "EUC-JP" or "Windows-1252".
std::string_view EncodingName(TextEncoding encoding);

}  // namespace listora
