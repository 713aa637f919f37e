#include "core/doc/import_messages.h"

#include "core/base/message_format.h"
#include "core/base/messages.h"

namespace listora {

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
  if (encoding == TextEncoding::kAuto) return FormatMessage(msg::kImportUndecidedFormat, line);
  return FormatMessage(msg::kImportBadBytesFormat, line, EncodingName(encoding));
}

std::string ImportOpenQuoteMessage(int line) {
  return FormatMessage(msg::kImportOpenQuoteFormat, line);
}

std::string ImportStrayQuoteMessage(int line, int closing) {
  return FormatMessage(msg::kImportStrayQuoteFormat, line, closing);
}

std::string ImportNamesLineMessage(int line) {
  return FormatMessage(msg::kImportNamesLineFormat, line);
}

std::string ImportNamesCutMessage(int count) {
  return FormatMessage(msg::kImportNamesCutFormat, count);
}

std::string ImportFieldsLeftOutMessage(int count) {
  return FormatMessage(msg::kImportFieldsLeftOutFormat, count);
}

}  // namespace listora
