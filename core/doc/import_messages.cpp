#include "core/doc/import_messages.h"

#include <cstdio>

#include "core/base/messages.h"

namespace listora {

namespace {

std::string Format(std::string_view format, int number, std::string_view text = {}) {
  const std::string pattern(format);
  const std::string argument(text);
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, pattern.c_str(), number, argument.c_str());
  return buffer;
}

}  // namespace

std::string_view EncodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kUtf8: return msg::kEncodingUtf8;
    case TextEncoding::kUtf16: return msg::kEncodingUtf16;
    case TextEncoding::kEucJp: return msg::kEncodingEucJp;
    case TextEncoding::kWindows1252: return msg::kEncodingWindows1252;
    case TextEncoding::kAuto:
    case TextEncoding::kCp932: break;
  }
  return msg::kEncodingCp932;
}

std::string ImportBadBytesMessage(int line, TextEncoding encoding) {
  if (encoding == TextEncoding::kAuto) return Format(msg::kImportUndecidedFormat, line);
  return Format(msg::kImportBadBytesFormat, line, EncodingName(encoding));
}

std::string ImportOpenQuoteMessage(int line) { return Format(msg::kImportOpenQuoteFormat, line); }

std::string ImportStrayQuoteMessage(int line, int closing) {
  const std::string pattern(msg::kImportStrayQuoteFormat);
  char buffer[256];
  std::snprintf(buffer, sizeof buffer, pattern.c_str(), line, closing);
  return buffer;
}

std::string ImportNamesLineMessage(int line) { return Format(msg::kImportNamesLineFormat, line); }

std::string ImportNamesCutMessage(int count) { return Format(msg::kImportNamesCutFormat, count); }

std::string ImportFieldsLeftOutMessage(int count) {
  return Format(msg::kImportFieldsLeftOutFormat, count);
}

}  // namespace listora
